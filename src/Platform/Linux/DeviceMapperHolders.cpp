#include "Platform/Linux/DeviceMapperHolders.h"

#include "Platform/Linux/SysfsAttributes.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace Platform {

bool HasUnlockedBitLockerHolder(const SystemRoots& roots, const std::string& kernelName)
{
    if (kernelName.empty() || kernelName.find('/') != std::string::npos)
        return false;
    std::error_code error;
    const std::string holders = roots.sysRoot + "/class/block/" + kernelName + "/holders";
    for (fs::directory_iterator it(holders, error), end; !error && it != end; it.increment(error)) {
        const std::string holder = roots.sysRoot + "/class/block/" + it->path().filename().string();
        auto uuid = ReadSysfsAttribute(holder + "/dm/uuid");
        if (uuid && uuid->rfind("CRYPT-BITLK", 0) == 0)
            return true;
    }
    return false;
}

}
