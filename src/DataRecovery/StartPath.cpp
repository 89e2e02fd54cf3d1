#include "DataRecovery/StartPath.h"

#include "Utils/Utf8Codec.h"

#include <locale.h>
#include <wctype.h>

namespace StartPath {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Unicode case data without touching the process's locale.
locale_t Utf8Locale()
{
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return utf8;
}

char32_t Fold(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    const locale_t utf8 = Utf8Locale();
    return utf8 ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), utf8)) : c;
}

}

std::optional<std::vector<std::string>> Split(const std::string& path, const std::string& volumeLetter)
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
        return std::nullopt;
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

bool IsRecycleBinName(const std::string& name)
{
    return SameNameIgnoringCase(name, "$RECYCLE.BIN");
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
            if (okA != okB || a.compare(i0, i - i0, b, j0, j - j0) != 0)
                return false;
            continue;
        }
        if (x != y && Fold(x) != Fold(y))
            return false;
    }
    return i == a.size() && j == b.size();
}

const UpcaseTable& BuiltInUpcase()
{
    static const UpcaseTable table = [] {
        const locale_t utf8 = Utf8Locale();
        UpcaseTable made(65536);
        for (uint32_t c = 0; c < 65536; ++c) {
            const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
            const wint_t up = utf8 && !surrogate ? towupper_l(static_cast<wint_t>(c), utf8) : c;
            made[c] = up < 65536 ? static_cast<uint16_t>(up) : static_cast<uint16_t>(c);
        }
        return made;
    }();
    return table;
}

bool SameNameUpcased(const std::u16string& a, const std::u16string& b, const UpcaseTable& table)
{
    if (a.size() != b.size())
        return false;
    auto up = [&](char16_t c) { return c < table.size() ? table[c] : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (up(a[i]) != up(b[i]))
            return false;
    return true;
}

Resolved Resolve(const std::vector<std::string>& components, uint64_t root, const FindChild& find)
{
    Resolved result;
    result.folder = root;
    for (size_t i = 0; i < components.size(); ++i) {
        const auto found = find(result.folder, components[i]);
        if (!found) {
            // The Recycle Bin lives at the root; a volume never used with it has none.
            if (components.size() == 1 && IsRecycleBinName(components[i]))
                result.noRecycleBin = true;
            else
                result.missing = components[i];
            return result;
        }
        result.folder = *found;
    }
    return result;
}

}
