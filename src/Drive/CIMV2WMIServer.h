#pragma once
// BitLocker protection state, lock state and unlock of one volume. On this
// platform the answers come from the volume's own bytes, the device-mapper
// holders in sysfs and libcryptsetup, not from a management service.
#include "Platform/Linux/BitlkUnlock.h"
#include "Platform/Linux/SystemRoots.h"

#include <cstdint>
#include <functional>
#include <string>

class CIMV2WMIServer {
public:
    // The password check and mapping (libcryptsetup); tests pass their own.
    using Unlocker = std::function<Platform::BitlkUnlockResult(const std::string& devicePath,
                                                               const std::string& password,
                                                               const std::string& mappingName)>;

    explicit CIMV2WMIServer(Platform::SystemRoots roots = Platform::SystemRoots::FromEnvironment(),
                            Unlocker unlocker = Platform::UnlockBitlkDevice);

    // The volume whose first byte lies at offset on devicePath: 1 when it is a
    // BitLocker volume, 0 when it is not, -1 when its boot sector cannot be read.
    int GetProtectionStatus(const std::string& devicePath, uint64_t offset) const;
    // 0 unlocked (a BitLocker mapping is active over the volume's device
    // node), else 1 locked (an image file can carry no mapping).
    int GetLockStatus(const std::string& devicePath, uint64_t offset) const;
    // Checks the password and maps the volume read-only (needs root and a
    // device node of the volume's own). True only when the volume then reads
    // unlocked; a correct password that could not be applied gives false with
    // an error line saying why, as does every other failure.
    bool UnlockWithPassphrase(const std::string& devicePath, uint64_t offset, const std::string& password) const;

    // The kernel name of the node that holds exactly this volume: the device
    // itself at offset 0, else the partition of devicePath that starts at offset.
    std::string VolumeKernelName(const std::string& devicePath, uint64_t offset) const;

private:
    Platform::SystemRoots roots;
    Unlocker unlocker;
};

// True when a 512-byte boot sector is BitLocker's: "-FVE-FS-" at byte 3.
bool IsBitLockerBootSector(const uint8_t* sector, size_t size);
