// The exports that list disks and volumes and unlock BitLocker volumes.
#include "DataRecovery/Log.h"
#include "DataRecovery/VelmoraExports.h"
#include "Disk/LocalDiskListing.h"
#include "Drive/CIMV2WMIServer.h"
#include "Platform/Linux/WideText.h"

#include <exception>
#include <stdexcept>

static constexpr const char* LogSource = "src/DataRecovery/Velmora";

std::vector<DiskAndVolumeInfo> GetLocalDiskAndVolumeInfo()
{
    try {
        return ListLocalDisksAndVolumes(Platform::SystemRoots::FromEnvironment());
    } catch (const std::exception& e) {
        VLOG_ERROR("GetLocalDiskAndVolumeInfo exception: %s", e.what());
        return {};
    }
}

bool UnlockBitLockerVolume(const DiskAndVolumeInfo& volume, const wchar_t* password)
{
    try {
        if (!password)
            throw std::invalid_argument("no password given");
        const CIMV2WMIServer server;
        // The record names the volume by the device it is read from and its offset there.
        return server.UnlockWithPassphrase(volume.volumePath, volume.startOffset, Platform::WideToUtf8(password));
    } catch (const std::exception& e) {
        VLOG_ERROR("UnlockBitLockerVolume exception: %s", e.what());
        return false;
    }
}
