#pragma once
// The machine's mounted volumes, one item per mount path.
#include "Disk/VolumeInfoItem.h"
#include "Platform/Linux/SystemRoots.h"

#include <string>
#include <vector>

class VolumeInfo {
public:
    explicit VolumeInfo(Platform::SystemRoots roots = Platform::SystemRoots::FromEnvironment());

    // Appends one item per mount path of every mounted partition or whole disk;
    // false only when the mount table cannot be read.
    bool EnumerateVolumes();
    std::vector<VolumeInfoItem> GetVolumes() const { return volumes; }
    // The device path of each disk number the extents carry, as this scan saw them.
    const std::vector<std::string>& GetDiskPaths() const { return diskPaths; }

private:
    Platform::SystemRoots roots;
    std::vector<VolumeInfoItem> volumes;
    std::vector<std::string> diskPaths;
};
