// Partitions no mounted volume covers, and large unallocated stretches, become
// entries of the disk record so that they can be offered for scanning.
#include "Disk/BootSectorName.h"
#include "Disk/DiskInfoItem.h"
#include "Disk/GuidText.h"
#include "Disk/PartitionLayout.h"
#include "Disk/SectorReader.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <strings.h>

namespace {

// The boot sector of a mounted volume lies at the start of its extent on this
// disk, not at the disk's sector 0.
void ProbeFileSystems(SectorReader& reader, uint64_t diskNumber, std::vector<VolumeInfoItem>& volumes)
{
    uint8_t sector[512] = {};
    for (auto& volume : volumes) {
        if (volume.fileSystem != "N/A")
            continue;
        for (const auto& extent : volume.extents) {
            if (extent.diskNumber != diskNumber)
                continue;
            if (reader.ReadAt(extent.start, sector, sizeof sector))
                volume.fileSystem = GetFileSystemNameFromBootSector(sector);
            break;
        }
    }
    explicit_bzero(sector, sizeof sector);
}

VolumeInfoItem MakeEntry(const DiskInfoWithVolumes& disk, int32_t kind, uint64_t offset, uint64_t length,
                         uint64_t number)
{
    VolumeInfoItem item;
    item.entryKind = kind;
    item.devicePath = disk.devicePath;
    item.volumeName = disk.devicePath;
    if (kind != VolumeInfoItem::Unallocated) {
        item.label = "UnknowPartition";
        item.mountPath = "Unkonw";
    }
    item.extents.push_back({offset, length, disk.diskNumber, number});
    item.offset = offset;
    item.length = length;
    return item;
}

}

void DiskInfoWithVolumes::ScanPartitionTable()
{
    SectorReader reader(devicePath);
    if (!reader.Open())
        return;
    ProbeFileSystems(reader, diskNumber, volumes);
    uint64_t number = volumes.size() + 1;

    const PartitionLayout layout = ReadPartitionLayout(reader);
    const uint64_t sectorSize = layout.sectorSize;
    if (layout.IsGpt()) {
        for (const auto& entry : layout.gptEntries) {
            // The end in bytes must fit too, or offset + length wraps.
            if (entry.lastLba < entry.firstLba || entry.lastLba >= UINT64_MAX / sectorSize) {
                std::cerr << "Skipping GPT entry " << entry.partitionNumber << " with an impossible extent" << std::endl;
                continue;
            }
            const uint64_t offset = entry.firstLba * sectorSize;
            if (HasVolumeExtentAt(volumes, offset) || IsSystemGptEntry(entry))
                continue;
            VolumeInfoItem item = MakeEntry(*this, VolumeInfoItem::GptPartition, offset,
                                            (entry.lastLba - entry.firstLba + 1) * sectorSize, number++);
            item.deviceId = FormatGuidBytes(entry.uniqueGuid.data());
            volumes.push_back(std::move(item));
        }
        // A table without partitions offers its whole free space, however small.
        const bool noPartitions = layout.gptEntries.empty();
        for (const auto& region : layout.freeRegions)
            if (noPartitions || IsListedFreeRegion(layout, region))
                volumes.push_back(MakeEntry(*this, VolumeInfoItem::Unallocated, region.start, region.length, number++));
    } else if (layout.IsMbr()) {
        for (const auto& record : layout.mbrEntries) {
            const uint64_t offset = record.firstSector * sectorSize;
            if (record.sectorCount == 0 || HasVolumeExtentAt(volumes, offset))
                continue;
            volumes.push_back(MakeEntry(*this, VolumeInfoItem::MbrPartition, offset,
                                        uint64_t{record.sectorCount} * sectorSize, number++));
        }
        const bool noPartitions = std::none_of(layout.mbrEntries.begin(), layout.mbrEntries.end(),
                                               [](const auto& record) { return record.sectorCount != 0; });
        for (const auto& region : layout.freeRegions) {
            if (HasVolumeExtentAt(volumes, region.start) || !(noPartitions || IsListedFreeRegion(layout, region)))
                continue;
            volumes.push_back(MakeEntry(*this, VolumeInfoItem::Unallocated, region.start, region.length, number++));
        }
    } else if (layout.style == "Unknown" && volumes.empty()) {
        // Neither a table nor a file system at the start (a wiped first sector,
        // a raw dump): the whole disk is one free region to search.
        const uint64_t size = reader.GetDiskSize();
        if (size)
            volumes.push_back(MakeEntry(*this, VolumeInfoItem::Unallocated, 0, size, number++));
    }
}
