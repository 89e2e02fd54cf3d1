#include "Platform/Linux/SysfsAttributes.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace Platform {

std::optional<std::string> ReadSysfsAttribute(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    std::string value = text.str();
    while (!value.empty() && (value.back() == '\n' || value.back() == '\0'))
        value.pop_back();
    return value;
}

std::optional<uint64_t> ReadSysfsNumber(const std::string& path)
{
    auto text = ReadSysfsAttribute(path);
    if (!text)
        return std::nullopt;
    size_t first = text->find_first_not_of(" \t");
    size_t last = text->find_last_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    uint64_t value = 0;
    const char* begin = text->data() + first;
    const char* end = text->data() + last + 1;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

}
