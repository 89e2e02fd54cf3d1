#pragma once
// The machine's disks: whole block devices, then disk image files.
#include "Disk/DiskInfoItem.h"
#include "Platform/Linux/SystemRoots.h"

#include <vector>

class DiskInfo {
public:
    explicit DiskInfo(Platform::SystemRoots roots = Platform::SystemRoots::FromEnvironment());

    // Fills the list: the block devices in their sysfs order, numbered from 0,
    // then each readable image file of roots.diskImages. Never throws.
    void EnumerateDisks();
    const std::vector<DiskInfoItem>& GetDisks() const { return disks; }

private:
    void AddBlockDevices();
    void AddDiskImages();

    Platform::SystemRoots roots;
    std::vector<DiskInfoItem> disks;
};
