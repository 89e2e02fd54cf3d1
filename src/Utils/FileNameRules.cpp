#include "Utils/FileNameRules.h"

#include "Utils/Utf8Codec.h"

#include <algorithm>
#include <array>

namespace Utils {

namespace {

constexpr std::string_view ForbiddenCharacters = "<>:\"/\\|?*";

bool IsForbidden(char32_t c)
{
    return c < 0x80 && ForbiddenCharacters.find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsNoncharacter(char32_t c)
{
    return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
}

// Rules shared by both forms, on the name as code points (or UTF-16 units:
// every character these rules look at is ASCII).
template <typename Text>
bool PassesCommonRules(const Text& name)
{
    if (name.empty())
        return false;
    if (std::all_of(name.begin(), name.end(), [](auto c) { return c == '.'; }))
        return false; // also ".", ".."
    const auto first = name.front(), last = name.back();
    if (first == ' ' || first == '.' || last == ' ' || last == '.')
        return false;

    // Reserved device names, compared without case. Only ASCII letters are
    // folded, so the answer does not depend on the process's locale.
    static constexpr std::array<std::string_view, 22> Reserved = {
        "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
        "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    const auto dot = std::find(name.begin(), name.end(), '.');
    const size_t stemLength = static_cast<size_t>(dot - name.begin());
    for (const auto reserved : Reserved) {
        if (reserved.size() != stemLength)
            continue;
        bool same = true;
        for (size_t i = 0; i < stemLength && same; ++i) {
            auto c = name[i];
            if (c >= 'a' && c <= 'z')
                c = c - 'a' + 'A';
            same = c == static_cast<decltype(c)>(reserved[i]);
        }
        if (same)
            return false;
    }
    return true;
}

}

bool IsValidFileName(std::string_view name)
{
    std::u32string codePoints;
    codePoints.reserve(name.size());
    size_t pos = 0;
    while (pos < name.size()) {
        char32_t c;
        if (!DecodeUtf8(name, pos, c) || IsNoncharacter(c))
            return false;
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return false;
        if (IsForbidden(c))
            return false;
        codePoints.push_back(c);
    }
    return PassesCommonRules(codePoints);
}

bool IsValidFileName(const char* name, size_t length)
{
    return name && IsValidFileName(std::string_view(name, length));
}

bool IsValidFileNameW(const char16_t* units, size_t count)
{
    if (!units || count == 0)
        return false;
    const std::u16string_view name(units, count);
    for (size_t i = 0; i < count; ++i) {
        const char32_t c = name[i];
        if (IsHighSurrogate(c)) {
            if (i + 1 >= count || !IsLowSurrogate(name[i + 1]))
                return false;
            ++i;
            continue;
        }
        if (IsLowSurrogate(c) || c == 0xFFFE || c == 0xFFFF || IsForbidden(c))
            return false;
    }
    return PassesCommonRules(name);
}

bool IsValidFileNameW(std::u16string_view name)
{
    return IsValidFileNameW(name.data(), name.size());
}

std::string GetFileNamePart(const std::string& path)
{
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ReplaceExtension(const std::string& path, const std::string& extension)
{
    const size_t separator = path.find_last_of("/\\");
    const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::string_view name = std::string_view(path).substr(nameStart);
    size_t cut = path.size();
    if (name != "." && name != "..") {
        const size_t dot = name.rfind('.');
        if (dot != std::string_view::npos && dot != 0)
            cut = nameStart + dot;
    }
    std::string result = path.substr(0, cut);
    if (!extension.empty() && extension.front() != '.')
        result += '.';
    result += extension;
    return result;
}

std::pair<std::string, std::string> SplitStreamName(const std::string& path)
{
    const size_t separator = path.find_last_of("/\\");
    const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const size_t firstColon = path.find(':', nameStart);
    if (firstColon == std::string::npos)
        return {path, ""};
    return {path.substr(0, path.rfind(':')), path.substr(firstColon + 1)};
}

}
