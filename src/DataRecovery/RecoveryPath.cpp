#include "DataRecovery/RecoveryPath.h"

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace RecoveryPath {

namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0.
size_t Utf8SequenceLength(const std::string& text, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length;
    uint32_t codePoint;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    static const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < smallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

std::string LegalComponent(const std::string& raw)
{
    std::string out;
    for (size_t i = 0; i < raw.size();) {
        const unsigned char c = static_cast<unsigned char>(raw[i]);
        if (c < 0x20 || c == 0x7F) {
            out += '_';
            ++i;
            continue;
        }
        const size_t length = Utf8SequenceLength(raw, i);
        if (length == 0) {
            out += '_';
            ++i;
            continue;
        }
        out.append(raw, i, length);
        i += length;
    }
    return FitFileName(out, maxComponentBytes);
}

}

std::string Utf8Cut(const std::string& text, size_t limit)
{
    if (text.size() <= limit)
        return text;
    size_t length = limit;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    return text.substr(0, length);
}

std::pair<std::string, std::string> SplitExtension(const std::string& name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return {name, ""};
    return {name.substr(0, dot), name.substr(dot)};
}

std::string FitFileName(const std::string& name, size_t limit)
{
    if (name.size() <= limit)
        return name;
    const auto [stem, extension] = SplitExtension(name);
    if (extension.size() >= 11 || extension.size() >= limit)
        return Utf8Cut(name, limit);
    return Utf8Cut(stem, limit - extension.size()) + extension;
}

std::vector<std::string> SafeComponents(const std::string& foundPath)
{
    std::vector<std::string> components;
    size_t begin = 0;
    while (begin <= foundPath.size()) {
        size_t end = foundPath.find_first_of("\\/", begin);
        if (end == std::string::npos)
            end = foundPath.size();
        std::string part = foundPath.substr(begin, end - begin);
        begin = end + 1;
        // A drive prefix becomes a folder named after its letter.
        if (components.empty() && part.size() == 2 && part[1] == ':' && std::isalpha(static_cast<unsigned char>(part[0])))
            part.resize(1);
        if (part.empty() || part == "." || part == "..")
            continue;
        part = LegalComponent(part);
        if (part.empty() || part == "." || part == "..")
            continue;
        components.push_back(std::move(part));
    }
    if (components.empty())
        components.push_back("Unknown");
    return components;
}

std::string ShortenRecoveryPath(const std::string& folder, const std::vector<std::string>& components, size_t limit)
{
    const auto join = [](const std::string& a, const std::string& b) {
        if (a.empty())
            return b;
        return a.back() == '/' ? a + b : a + "/" + b;
    };
    std::string full = folder;
    for (const auto& c : components)
        full = join(full, c);
    if (full.size() <= limit || components.empty())
        return full;

    const std::string& name = components.back();
    const size_t headLength = join(folder, "").size();
    // A name needs a few bytes to stay recognisable, free-name digits included.
    constexpr size_t smallestName = 16;
    if (headLength + smallestName > limit)
        throw std::filesystem::filesystem_error("target folder path too long", folder,
                                                std::make_error_code(std::errc::filename_too_long));
    std::string tail = name;
    if (headLength + tail.size() > limit)
        return join(folder, FitFileName(name, limit - headLength));
    for (size_t i = components.size() - 1; i-- > 0;) {
        std::string longer = components[i] + "/" + tail;
        if (headLength + longer.size() > limit)
            break;
        tail = std::move(longer);
    }
    return join(folder, tail);
}

}
