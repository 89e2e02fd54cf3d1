#include "Utils/CodePages.h"

#include "Platform/Linux/Iconv.h"
#include "Utils/TextConversion.h"
#include "Utils/Utf8Codec.h"

#include <stdexcept>
#include <string.h>

namespace Utils {

namespace {

struct NamedCodePage {
    uint32_t codePage;
    const char* name;
};

// Numbers whose iconv name is not simply "CP" followed by the number.
constexpr NamedCodePage NamedCodePages[] = {
    {0, "UTF-8"},          {1, "UTF-8"},          {2, "MACINTOSH"},      {3, "UTF-8"},
    {10000, "MACINTOSH"},  {20127, "ASCII"},      {20866, "KOI8-R"},     {20932, "EUC-JP"},
    {21866, "KOI8-U"},     {28591, "ISO-8859-1"}, {28592, "ISO-8859-2"}, {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"}, {28595, "ISO-8859-5"}, {28596, "ISO-8859-6"}, {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"}, {28599, "ISO-8859-9"}, {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"},
    {50220, "ISO-2022-JP"}, {51932, "EUC-JP"},    {51936, "GB2312"},     {51949, "EUC-KR"},
    {52936, "HZ-GB-2312"}, {54936, "GB18030"},    {65000, "UTF-7"},      {65001, "UTF-8"},
};

}

std::string CodePageCharacterSet(uint32_t codePage)
{
    for (const auto& entry : NamedCodePages)
        if (entry.codePage == codePage)
            return entry.name;
    return "CP" + std::to_string(codePage);
}

std::string CodePageToUtf8(const std::string& text, uint32_t codePage)
{
    const std::string_view input(text.c_str(), ::strnlen(text.c_str(), text.size()));
    const std::string from = CodePageCharacterSet(codePage);
    if (from == "UTF-8") {
        // Checked by the engine's own strict rules rather than iconv's.
        size_t pos = 0;
        char32_t cp;
        while (pos < input.size())
            if (!DecodeUtf8(input, pos, cp))
                throw std::range_error("bad conversion");
        return std::string(input);
    }
    std::string output;
    if (!Platform::ConvertCharacterSet(input, from.c_str(), "UTF-8", output))
        throw std::range_error("bad conversion");
    return output;
}

std::u16string CodePageToWString(const std::string& text, uint32_t codePage)
{
    std::string utf8 = CodePageToUtf8(text, codePage);
    std::u16string wide = Utf8ToWString(utf8);
    explicit_bzero(utf8.data(), utf8.size());
    return wide;
}

}
