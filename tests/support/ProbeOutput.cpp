#include "support/ProbeOutput.h"

#include "support/Tools.h"

#include <sstream>
#include <stdexcept>

namespace TestSupport {

std::string ProbePath()
{
    return BinaryDir() + "/tools/velmora-probe";
}

std::string ImagesOnlyEnvironment(const std::string& images)
{
    return "VELMORA_IMAGES_ONLY=1 VELMORA_DISK_IMAGES=" + Quote(images) + " ";
}

std::vector<nlohmann::json> ParseJsonLines(const std::string& text)
{
    std::vector<nlohmann::json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) {
            auto parsed = nlohmann::json::parse(line, nullptr, false);
            // Name the line: a stray one from a tool or library is the fault to find.
            if (parsed.is_discarded())
                throw std::runtime_error("not a JSON line: \"" + line + "\" in:\n" + text);
            lines.push_back(std::move(parsed));
        }
    return lines;
}

}
