#include "Drive/CIMV2WMIServer.h"

#include "DataRecovery/Log.h"
#include "Platform/Linux/BitlkUnlock.h"
#include "Platform/Linux/BlockDevices.h"
#include "Platform/Linux/DeviceMapperHolders.h"
#include "Platform/Linux/FileSystemProbe.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

static constexpr const char* LogSource = "src/Drive/CIMV2WMIServer";

namespace {

constexpr size_t BootSectorSize = 512;

bool ReadBootSector(const std::string& path, uint64_t offset, std::array<uint8_t, BootSectorSize>& sector)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    ssize_t got = ::pread(fd, sector.data(), sector.size(), static_cast<off_t>(offset));
    ::close(fd);
    return got == static_cast<ssize_t>(sector.size());
}

}

bool IsBitLockerBootSector(const uint8_t* sector, size_t size)
{
    return size >= 11 && std::memcmp(sector + 3, "-FVE-FS-", 8) == 0;
}

CIMV2WMIServer::CIMV2WMIServer(Platform::SystemRoots roots, Unlocker unlocker)
    : roots(std::move(roots)), unlocker(std::move(unlocker))
{
}

int CIMV2WMIServer::GetProtectionStatus(const std::string& devicePath, uint64_t offset) const
{
    std::array<uint8_t, BootSectorSize> sector{};
    if (!ReadBootSector(devicePath, offset, sector))
        return -1;
    const bool bitLocker = IsBitLockerBootSector(sector.data(), sector.size());
    std::memset(sector.data(), 0, sector.size());
    if (bitLocker)
        return 1;
    // BitLocker To Go volumes keep a FAT-looking boot sector; libblkid knows them.
    auto found = Platform::ProbeFileSystem(devicePath, offset, 0);
    return found && found->type == "BitLocker" ? 1 : 0;
}

std::string CIMV2WMIServer::VolumeKernelName(const std::string& devicePath, uint64_t offset) const
{
    if (offset != 0) {
        for (const auto& partition : Platform::ListPartitions(roots))
            if (partition.start == offset && Platform::DeviceNodeOf(roots, partition.parent) == devicePath)
                return partition.name;
        return {};
    }
    std::error_code error;
    const std::string name = std::filesystem::canonical(devicePath, error).filename().string();
    if (error || name.empty() || !std::filesystem::exists(roots.sysRoot + "/class/block/" + name, error))
        return {};
    return name;
}

int CIMV2WMIServer::GetLockStatus(const std::string& devicePath, uint64_t offset) const
{
    const std::string name = VolumeKernelName(devicePath, offset);
    if (name.empty())
        return 1; // an image file cannot carry a mapping: still locked
    return Platform::HasUnlockedBitLockerHolder(roots, name) ? 0 : 1;
}

bool CIMV2WMIServer::UnlockWithPassphrase(const std::string& devicePath, uint64_t offset,
                                          const std::string& password) const
{
    std::string node = devicePath;
    std::string name = VolumeKernelName(devicePath, offset);
    if (offset != 0) {
        if (name.empty()) {
            VLOG_ERROR("Error: volume at %llu on %s has no device of its own to unlock.",
                       static_cast<unsigned long long>(offset), devicePath.c_str());
            return false;
        }
        node = Platform::DeviceNodeOf(roots, name);
    }
    const bool root = ::geteuid() == 0;
    const std::string mapping = root && !name.empty() ? "velmora-bitlk-" + name : std::string();
    auto result = unlocker(node, password, mapping);
    if (!result.unlocked) {
        VLOG_ERROR("BitLocker unlock of %s failed: %s", node.c_str(), result.error.c_str());
        return false;
    }
    // Without a mapping only the password was checked: the volume is still locked.
    if (mapping.empty()) {
        VLOG_ERROR("BitLocker password of %s is correct, but the volume stays locked: %s.", node.c_str(),
                   name.empty() ? "an image file has no device node to map" : "mapping it needs root");
        return false;
    }
    if (GetLockStatus(devicePath, offset) != 0) {
        VLOG_ERROR("BitLocker unlock of %s reported success, but no BitLocker mapping holds the volume.",
                   node.c_str());
        return false;
    }
    return true;
}
