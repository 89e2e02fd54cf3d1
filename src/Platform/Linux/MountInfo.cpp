#include "Platform/Linux/MountInfo.h"

#include <fstream>
#include <sstream>

namespace Platform {

namespace {

std::vector<std::string> SplitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream stream(line);
    std::string field;
    while (stream >> field)
        fields.push_back(field);
    return fields;
}

bool IsOctal(char c)
{
    return c >= '0' && c <= '7';
}

}

std::string DecodeMountInfoEscapes(const std::string& field)
{
    std::string decoded;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
            IsOctal(field[i + 3])) {
            int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            if (value <= 0xFF) {
                decoded += static_cast<char>(value);
                i += 3;
                continue;
            }
        }
        decoded += field[i];
    }
    return decoded;
}

std::vector<MountEntry> ParseMountInfo(const std::string& text)
{
    std::vector<MountEntry> entries;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        auto fields = SplitFields(line);
        // id parent major:minor root mount-point options [optional...] - type source super-options
        size_t separator = 0;
        for (size_t i = 6; i < fields.size(); ++i) {
            if (fields[i] == "-") {
                separator = i;
                break;
            }
        }
        if (separator == 0 || separator + 2 >= fields.size())
            continue;
        MountEntry entry;
        const std::string& numbers = fields[2];
        size_t colon = numbers.find(':');
        if (colon == std::string::npos)
            continue;
        try {
            entry.major = static_cast<unsigned>(std::stoul(numbers.substr(0, colon)));
            entry.minor = static_cast<unsigned>(std::stoul(numbers.substr(colon + 1)));
        } catch (const std::exception&) {
            continue;
        }
        entry.root = DecodeMountInfoEscapes(fields[3]);
        entry.mountPoint = DecodeMountInfoEscapes(fields[4]);
        entry.fsType = DecodeMountInfoEscapes(fields[separator + 1]);
        entry.source = DecodeMountInfoEscapes(fields[separator + 2]);
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<std::vector<MountEntry>> ReadMountInfo(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return ParseMountInfo(text.str());
}

}
