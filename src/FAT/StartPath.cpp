#include "DataRecovery/Exceptions.h"
#include "FAT/FATDataRecovery.h"
#include "Utils/Utf8Codec.h"

#include <locale.h>
#include <wctype.h>

namespace FAT {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char32_t Fold(char32_t c)
{
    // Unicode case data without touching the process's locale.
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return utf8 ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), utf8)) : c;
}

}

std::vector<std::string> SplitStartPath(const std::string& path, const std::string& volumeLetter)
{
    std::string rest;
    if (!volumeLetter.empty() && path.compare(0, volumeLetter.size(), volumeLetter) == 0)
        rest = path.substr(volumeLetter.size());
    else if (!volumeLetter.empty() && path + "/" == volumeLetter)
        rest.clear();
    else if (path.size() >= 2 && IsLetter(path[0]) && path[1] == ':' && (path.size() == 2 || IsSeparator(path[2])))
        rest = path.substr(2);
    else if (!path.empty() && IsSeparator(path[0]))
        rest = path;
    else
        throw Exceptions::FATException("Only absolute paths are supported.");
    std::vector<std::string> components;
    std::string part;
    for (size_t i = 0; i <= rest.size(); ++i) {
        if (i == rest.size() || IsSeparator(rest[i])) {
            if (!part.empty() && part != ".")
                components.push_back(part);
            part.clear();
        } else {
            part.push_back(rest[i]);
        }
    }
    return components;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b)
{
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        char32_t x = 0;
        char32_t y = 0;
        const size_t i0 = i;
        const size_t j0 = j;
        const bool okA = Utils::DecodeUtf8(a, i, x);
        const bool okB = Utils::DecodeUtf8(b, j, y);
        if (!okA || !okB) {
            // Bytes that are no UTF-8 match only themselves.
            if (okA != okB || a.compare(i0, i - i0, b, j0, j - j0) != 0)
                return false;
            continue;
        }
        if (x != y && Fold(x) != Fold(y))
            return false;
    }
    return i == a.size() && j == b.size();
}

}
