#include "support/ProbeOutput.h"

#include "support/Tools.h"

#include <sstream>

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
        if (!line.empty())
            lines.push_back(nlohmann::json::parse(line));
    return lines;
}

}
