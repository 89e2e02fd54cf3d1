#include "Disk/PartitionLayout.h"

#include "Disk/FreeRegionFinder.h"
#include "Disk/GptTableReader.h"
#include "Disk/GuidText.h"
#include "Disk/MbrSector.h"
#include "Disk/MbrTableReader.h"

#include <cstring>

std::string GetDiskPartitionStyle(SectorReader& reader)
{
    uint8_t first[512] = {};
    uint8_t second[512] = {};
    if (!reader.ReadSector(0, first, sizeof first))
        return "Error reading disk";
    if (!reader.ReadSector(1, second, sizeof second))
        return "Error reading sector 1";
    if (std::memcmp(second, "EFI PART", 8) == 0)
        return "GPT";
    if (first[510] != 0x55 || first[511] != 0xAA)
        return "Unknown";
    // A volume's boot sector (a card formatted without a table) ends the same way.
    const uint32_t sectorSize = reader.SectorSize();
    if (!IsPlausibleMbr(first, sectorSize ? reader.GetDiskSize() / sectorSize : 0))
        return "Unknown";
    return first[0x1C2] == 0xEE ? "GPT with Protective MBR" : "MBR";
}

PartitionLayout ReadPartitionLayout(SectorReader& reader)
{
    PartitionLayout layout;
    layout.sectorSize = reader.SectorSize();
    layout.style = GetDiskPartitionStyle(reader);
    if (layout.IsGpt()) {
        GptTableReader table(reader);
        layout.gptEntries = table.Read();
        layout.error = table.Error();
        layout.diskSize = reader.GetDiskSize();
        layout.freeRegions = FreeRegionFinder(layout.gptEntries, layout.diskSize, layout.sectorSize).Find();
    } else if (layout.IsMbr()) {
        MbrTableReader table(reader);
        layout.mbrEntries = table.Read();
        layout.error = table.Error();
        layout.diskSize = reader.GetDiskSize();
        layout.freeRegions = FreeRegionFinder(layout.mbrEntries, layout.diskSize, layout.sectorSize).Find();
    } else if (layout.style != "Unknown") {
        layout.error = layout.style;
    }
    return layout;
}

bool IsListedFreeRegion(const PartitionLayout& layout, const FreeRegion& region)
{
    if (layout.IsGpt())
        return region.length >= 0x6400000;
    return region.length > 0x2000000;
}

bool IsSystemGptEntry(const GptPartitionEntry& entry)
{
    static const char* const names[] = {"EFI system partition", "EFI System Partition", "LDM metadata partition",
                                        "Microsoft reserved partition"};
    const std::string name = entry.Name();
    for (const char* hidden : names)
        if (name == hidden)
            return true;
    return FormatGuid(entry.typeGuid.data()) == "DE94BBA4-06D1-4D40-A16A-BFD50179D6AC";
}

bool HasVolumeExtentAt(const std::vector<VolumeInfoItem>& volumes, uint64_t offset)
{
    for (const auto& volume : volumes)
        for (const auto& extent : volume.extents)
            if (extent.start == offset)
                return true;
    return false;
}

const char* GetMbrPartitionTypeShortName(uint8_t type)
{
    switch (type) {
    case 0x00: return "Empty";
    case 0x01: return "FAT12";
    case 0x04: return "FAT16 <32MB";
    case 0x05: return "Extended";
    case 0x06: return "FAT16";
    case 0x07: return "NTFS";
    case 0x0B: return "FAT32";
    case 0x0C: return "FAT32 (LBA)";
    case 0x0E: return "FAT16 (LBA)";
    case 0x0F: return "Extended (LBA)";
    case 0x83: return "Linux";
    default: return "Unknown";
    }
}
