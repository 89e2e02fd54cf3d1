#pragma once
#include "Disk/PartitionEntries.h"

#include <cstdint>
#include <vector>

// Gaps between the partitions of one table, and after the last one up to the
// end of the disk. Space before the first partition is never a gap.
class FreeRegionFinder {
public:
    FreeRegionFinder(const std::vector<MbrPartitionEntry>& records, uint64_t diskSize, uint32_t sectorSize = 512);
    FreeRegionFinder(const std::vector<GptPartitionEntry>& entries, uint64_t diskSize, uint32_t sectorSize = 512);

    std::vector<FreeRegion> Find() const;

private:
    struct Interval {
        uint64_t start; // sectors, end exclusive
        uint64_t end;
    };
    std::vector<Interval> intervals;
    uint64_t diskSize;
    uint32_t sectorSize;
};
