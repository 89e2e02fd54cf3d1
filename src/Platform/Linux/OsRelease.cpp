#include "Platform/Linux/OsRelease.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string_view>

namespace Platform {

namespace {

// One value as the shell would read it: quotes removed; a backslash escapes
// any character outside quotes, and only $ ` " \ inside double quotes.
std::string Unquote(const std::string& raw)
{
    std::string value;
    char quote = 0;
    for (size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (quote == 0 && (c == '"' || c == '\'')) {
            quote = c;
        } else if (quote != 0 && c == quote) {
            quote = 0;
        } else if (c == '\\' && i + 1 < raw.size() &&
                   (quote == 0 || (quote == '"' && std::string_view("$`\"\\").find(raw[i + 1]) != std::string_view::npos))) {
            value += raw[++i];
        } else {
            value += c;
        }
    }
    return value;
}

}

std::string OsReleaseName(const std::string& contents)
{
    std::map<std::string, std::string> fields;
    std::istringstream lines(contents);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        const size_t equals = line.find('=', start);
        if (equals == std::string::npos)
            continue;
        std::string raw = line.substr(equals + 1);
        while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t' || raw.back() == '\r'))
            raw.pop_back();
        fields[line.substr(start, equals - start)] = Unquote(raw);
    }
    for (const char* key : {"PRETTY_NAME", "NAME"})
        if (const auto found = fields.find(key); found != fields.end() && !found->second.empty())
            return found->second;
    return "Linux";
}

std::string OperatingSystemName()
{
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        std::ifstream file(path);
        if (!file)
            continue;
        std::ostringstream contents;
        contents << file.rdbuf();
        return OsReleaseName(contents.str());
    }
    return "Linux";
}

}
