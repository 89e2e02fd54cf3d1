#pragma once
// The machine's mounted volumes, one item per mount path.
#include "Disk/VolumeInfoItem.h"
#include "Platform/Linux/SystemRoots.h"

#include <vector>

class VolumeInfo {
public:
    explicit VolumeInfo(Platform::SystemRoots roots = Platform::SystemRoots::FromEnvironment());

    // Appends one item per mount path of every mounted partition or whole disk;
    // false only when the mount table cannot be read.
    bool EnumerateVolumes();
    std::vector<VolumeInfoItem> GetVolumes() const { return volumes; }

private:
    Platform::SystemRoots roots;
    std::vector<VolumeInfoItem> volumes;
};
