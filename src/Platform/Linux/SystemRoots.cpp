#include "Platform/Linux/SystemRoots.h"

#include <cstdlib>
#include <string>

namespace Platform {

SystemRoots SystemRoots::FromEnvironment()
{
    SystemRoots roots;
    // Test seam: a fake machine's folder (DIR/sys, DIR/dev, DIR/mountinfo).
    if (const char* root = std::getenv("VELMORA_SYSTEM_ROOT"); root && *root) {
        roots.sysRoot = std::string(root) + "/sys";
        roots.devRoot = std::string(root) + "/dev";
        roots.mountInfoPath = std::string(root) + "/mountinfo";
    }
    if (const char* images = std::getenv("VELMORA_DISK_IMAGES"))
        roots.diskImages = SplitPathList(images);
    if (const char* only = std::getenv("VELMORA_IMAGES_ONLY"))
        roots.includeMachineDisks = std::string(only).empty() || std::string(only) == "0";
    return roots;
}

std::vector<std::string> SplitPathList(const std::string& list)
{
    std::vector<std::string> paths;
    size_t begin = 0;
    while (begin <= list.size()) {
        size_t end = list.find(':', begin);
        if (end == std::string::npos)
            end = list.size();
        if (end > begin)
            paths.push_back(list.substr(begin, end - begin));
        begin = end + 1;
    }
    return paths;
}

}
