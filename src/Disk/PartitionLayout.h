#pragma once
// What a disk's partition table says, read once for the scan and the probe tool.
#include "Disk/PartitionEntries.h"
#include "Disk/SectorReader.h"
#include "Disk/VolumeInfoItem.h"

#include <string>
#include <vector>

struct PartitionLayout {
    // "GPT", "GPT with Protective MBR", "MBR", "Unknown", or the text of the
    // read that failed ("Error reading disk", "Error reading sector 1").
    std::string style;
    std::vector<MbrPartitionEntry> mbrEntries; // MBR styles
    std::vector<GptPartitionEntry> gptEntries; // "GPT"
    std::vector<FreeRegion> freeRegions;       // every gap, listed or not
    uint64_t diskSize = 0;
    uint32_t sectorSize = 512;
    std::string error; // why reading stopped early; empty when the table was read whole

    bool IsGpt() const { return style == "GPT"; }
    bool IsMbr() const { return style == "MBR" || style == "GPT with Protective MBR"; }
};

std::string GetDiskPartitionStyle(SectorReader& reader);
PartitionLayout ReadPartitionLayout(SectorReader& reader);

// Free regions worth offering for a scan: at least 100 MiB on GPT disks, more
// than 32 MiB on MBR disks.
bool IsListedFreeRegion(const PartitionLayout& layout, const FreeRegion& region);
// EFI system, Microsoft reserved, LDM metadata and recovery partitions hold no
// user files and are not offered.
bool IsSystemGptEntry(const GptPartitionEntry& entry);

bool HasVolumeExtentAt(const std::vector<VolumeInfoItem>& volumes, uint64_t offset);
const char* GetMbrPartitionTypeShortName(uint8_t type);
