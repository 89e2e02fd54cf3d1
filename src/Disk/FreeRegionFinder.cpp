#include "Disk/FreeRegionFinder.h"

#include <algorithm>

namespace {
uint64_t ToBytes(uint64_t sectors, uint32_t sectorSize)
{
    return sectors > UINT64_MAX / sectorSize ? UINT64_MAX : sectors * sectorSize;
}
}

FreeRegionFinder::FreeRegionFinder(const std::vector<MbrPartitionEntry>& records, uint64_t diskSize, uint32_t sectorSize)
    : diskSize(diskSize), sectorSize(sectorSize ? sectorSize : 512)
{
    for (const auto& r : records) {
        // An empty slot still marks the sector it names (normally the MBR's own).
        const uint64_t count = r.sectorCount ? r.sectorCount : 1;
        intervals.push_back({r.firstSector, r.firstSector + count});
    }
}

FreeRegionFinder::FreeRegionFinder(const std::vector<GptPartitionEntry>& entries, uint64_t diskSize, uint32_t sectorSize)
    : diskSize(diskSize), sectorSize(sectorSize ? sectorSize : 512)
{
    for (const auto& e : entries) {
        if (e.lastLba < e.firstLba)
            continue;
        const uint64_t end = e.lastLba == UINT64_MAX ? UINT64_MAX : e.lastLba + 1;
        intervals.push_back({e.firstLba, end});
    }
}

std::vector<FreeRegion> FreeRegionFinder::Find() const
{
    std::vector<FreeRegion> regions;
    if (intervals.empty()) {
        if (diskSize)
            regions.push_back({0, diskSize, diskSize});
        return regions;
    }
    auto sorted = intervals;
    std::sort(sorted.begin(), sorted.end(),
              [](const Interval& a, const Interval& b) { return a.start != b.start ? a.start < b.start : a.end < b.end; });

    auto add = [&](uint64_t startSector, uint64_t endSector) {
        const uint64_t start = ToBytes(startSector, sectorSize);
        uint64_t end = endSector == UINT64_MAX ? diskSize : ToBytes(endSector, sectorSize);
        if (diskSize)
            end = std::min(end, diskSize);
        if (start < end)
            regions.push_back({start, end, end - start});
    };

    // covered is the end of everything seen so far, so a partition nested in a
    // longer one does not open a false gap.
    uint64_t covered = sorted.front().end;
    for (size_t i = 1; i < sorted.size(); ++i) {
        if (covered < sorted[i].start)
            add(covered, sorted[i].start);
        covered = std::max(covered, sorted[i].end);
    }
    if (diskSize && ToBytes(covered, sectorSize) < diskSize)
        add(covered, UINT64_MAX);
    return regions;
}
