#pragma once
// BitLocker protection state, lock state and unlock of one volume. On this
// platform the answers come from the volume's own bytes, the device-mapper
// holders in sysfs and libcryptsetup, not from a management service.
#include "Platform/Linux/SystemRoots.h"

#include <cstdint>
#include <string>

class CIMV2WMIServer {
public:
    explicit CIMV2WMIServer(Platform::SystemRoots roots = Platform::SystemRoots::FromEnvironment());

    // The volume whose first byte lies at offset on devicePath: 1 when it is a
    // BitLocker volume, 0 when it is not, -1 when its boot sector cannot be read.
    int GetProtectionStatus(const std::string& devicePath, uint64_t offset) const;
    // 0 unlocked (a BitLocker mapping is active over the volume's device
    // node), else 1 locked (an image file can carry no mapping).
    int GetLockStatus(const std::string& devicePath, uint64_t offset) const;
    // Checks the password, and with root maps the volume read-only; false with
    // an error line on any failure.
    bool UnlockWithPassphrase(const std::string& devicePath, uint64_t offset, const std::string& password) const;

    // The kernel name of the node that holds exactly this volume: the device
    // itself at offset 0, else the partition of devicePath that starts at offset.
    std::string VolumeKernelName(const std::string& devicePath, uint64_t offset) const;

private:
    Platform::SystemRoots roots;
};

// True when a 512-byte boot sector is BitLocker's: "-FVE-FS-" at byte 3.
bool IsBitLockerBootSector(const uint8_t* sector, size_t size);
