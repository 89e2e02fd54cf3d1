#include "FAT/FAT32Names.h"

#include "FAT/EntryBytes.h"
#include "Utils/CodePages.h"
#include "Utils/TextConversion.h"
#include "Utils/Utf8Codec.h"

#include <algorithm>
#include <locale.h>
#include <wctype.h>

namespace FAT {

namespace {

// Code page 437's upper half, read once through the code-page layer.
const std::array<char32_t, 128>& UpperHalf437()
{
    static const std::array<char32_t, 128> table = [] {
        std::array<char32_t, 128> t{};
        for (int b = 0x80; b <= 0xFF; ++b) {
            char32_t c = 0xFFFD;
            try {
                const auto wide = Utils::CodePageToWString(std::string(1, static_cast<char>(b)), 437);
                if (wide.size() == 1)
                    c = wide[0];
            } catch (const std::exception&) {
            }
            t[b - 0x80] = c;
        }
        return t;
    }();
    return table;
}

char32_t Lower(char32_t c)
{
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return utf8 ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), utf8)) : c;
}

void AppendByte(std::string& out, uint8_t b, bool lower)
{
    if (b >= 0x80) {
        const char32_t c = UpperHalf437()[b - 0x80];
        Utils::AppendUtf8(out, lower ? Lower(c) : c);
        return;
    }
    if (lower && b >= 'A' && b <= 'Z')
        b = static_cast<uint8_t>(b + 32);
    out.push_back(static_cast<char>(b));
}

}

namespace {
// Where a long-name entry holds its 13 UTF-16 units.
constexpr int longNameOffsets[13] = {1, 3, 5, 7, 9, 14, 16, 18, 20, 22, 24, 28, 30};
}

bool HoldsLongNameEnd(const RawEntry& entry)
{
    return std::any_of(std::begin(longNameOffsets), std::end(longNameOffsets),
                       [&](int at) { return EntryU16(&entry[at]) == 0; });
}

std::string LongName(const std::vector<RawEntry>& entries)
{
    std::u16string units;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        for (int at : longNameOffsets) {
            const char16_t c = static_cast<char16_t>(EntryU16(&(*it)[at]));
            if (c == 0)
                return Utils::Utf16ToUtf8(units);
            units.push_back(c);
        }
    }
    return Utils::Utf16ToUtf8(units);
}

std::string ShortName(const uint8_t* e)
{
    const bool lowerBase = e[12] & 0x08;
    const bool lowerExtension = e[12] & 0x10;
    int baseEnd = 8;
    while (baseEnd > 0 && e[baseEnd - 1] == ' ')
        --baseEnd;
    int extensionEnd = 11;
    while (extensionEnd > 8 && e[extensionEnd - 1] == ' ')
        --extensionEnd;
    std::string name;
    for (int i = 0; i < baseEnd; ++i) {
        if (i == 0 && e[0] == 0xE5)
            Utils::AppendUtf8(name, 0xE5); // the deleted marker took the first byte
        else
            AppendByte(name, i == 0 && e[0] == 0x05 ? 0xE5 : e[i], lowerBase);
    }
    if (extensionEnd > 8) {
        name.push_back('.');
        for (int i = 8; i < extensionEnd; ++i)
            AppendByte(name, e[i], lowerExtension);
    }
    return name;
}

}
