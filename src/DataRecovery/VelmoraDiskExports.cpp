// The exports that list disks and volumes and unlock BitLocker volumes.
#include "DataRecovery/Log.h"
#include "DataRecovery/VelmoraExports.h"
#include "Disk/LocalDiskListing.h"
#include "Drive/CIMV2WMIServer.h"
#include "Utils/TextConversion.h"

#include <exception>
#include <stdexcept>
#include <string.h>
#include <string_view>

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
        std::string utf8Password = Utils::WStringToUtf8(std::wstring_view(password));
        // The password's copy is wiped before its memory goes back to the heap.
        struct Wipe {
            std::string& text;
            ~Wipe() { explicit_bzero(text.data(), text.size()); }
        } wipe{utf8Password};
        // The record names the volume by the device it is read from and its offset there.
        return server.UnlockWithPassphrase(volume.volumePath, volume.startOffset, utf8Password);
    } catch (const std::exception& e) {
        VLOG_ERROR("UnlockBitLockerVolume exception: %s", e.what());
        return false;
    }
}
