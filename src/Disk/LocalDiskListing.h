#pragma once
// The body of GetLocalDiskAndVolumeInfo: every disk's volumes as the caller
// sees them, and the disk table CreateDataRecovery looks them up in.
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "Disk/DiskInfoItem.h"
#include "Platform/Linux/SystemRoots.h"

#include <cstddef>
#include <string>
#include <vector>

// Lists the disks and volumes under roots and swaps the result into the
// process-wide disk table. Never throws for a missing or unreadable device.
std::vector<DiskAndVolumeInfo> ListLocalDisksAndVolumes(const Platform::SystemRoots& roots);

// The volume scan and the disk scan each read sysfs: a disk that comes or goes
// in between shifts the numbers. Gives every extent the number its disk's
// device path has in disks (none when that disk is gone).
void MatchVolumeDisks(std::vector<VolumeInfoItem>& volumes, const std::vector<std::string>& volumeDiskPaths,
                      const std::vector<DiskInfoItem>& disks);

// One listed entry fills one record; counters name entries without a mount path.
struct ListingCounters {
    unsigned lostRegionCounter = 0;
    unsigned unmountedPartitionCounter = 0;
};
DiskAndVolumeInfo MakeDiskAndVolumeInfo(const DiskInfoWithVolumes& disk, const VolumeInfoItem& entry,
                                        ListingCounters& counters);

// The key that drops a second entry of the same name and kind.
struct ListedEntryKey {
    std::string volumeLetter;
    int32_t entryKind = 0;
    bool operator==(const ListedEntryKey&) const = default;
};
struct ListedEntryKeyHash {
    size_t operator()(const ListedEntryKey& key) const;
};
