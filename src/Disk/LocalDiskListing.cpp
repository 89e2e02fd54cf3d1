#include "Disk/LocalDiskListing.h"

#include "DataRecovery/Log.h"
#include "Disk/DiskInfo.h"
#include "Disk/DiskTable.h"
#include "Disk/VolumeInfo.h"
#include "Drive/CIMV2WMIServer.h"

#include <exception>
#include <unordered_set>

static constexpr const char* LogSource = "src/Disk/LocalDiskListing";

namespace {

uint64_t Fnv1a(const void* data, size_t size)
{
    uint64_t hash = 0xcbf29ce484222325ull;
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 0x100000001b3ull;
    }
    return hash;
}

void Combine(uint64_t& seed, uint64_t hash)
{
    seed ^= hash + 0x9e3779b9ull + (seed << 6) + (seed >> 2);
}

int32_t BitLockerStatusOf(const CIMV2WMIServer& server, const VolumeInfoItem& entry)
{
    if (entry.entryKind == VolumeInfoItem::Unallocated)
        return 0;
    try {
        const int protection = server.GetProtectionStatus(entry.devicePath, entry.offset);
        if (protection != 1 && protection != 2)
            return 0;
        const int lock = server.GetLockStatus(entry.devicePath, entry.offset);
        return lock == 1 ? 1 : lock == 0 ? 2 : 0;
    } catch (const std::exception& e) {
        VLOG_ERROR("Get BitLocker status exception: %s\n", e.what());
        return 0;
    }
}

}

size_t ListedEntryKeyHash::operator()(const ListedEntryKey& key) const
{
    uint64_t seed = 0;
    Combine(seed, Fnv1a(key.volumeLetter.data(), key.volumeLetter.size()));
    const uint8_t kind[4] = {static_cast<uint8_t>(key.entryKind), static_cast<uint8_t>(key.entryKind >> 8),
                             static_cast<uint8_t>(key.entryKind >> 16), static_cast<uint8_t>(key.entryKind >> 24)};
    Combine(seed, Fnv1a(kind, sizeof kind));
    return static_cast<size_t>(seed);
}

void MatchVolumeDisks(std::vector<VolumeInfoItem>& volumes, const std::vector<std::string>& volumeDiskPaths,
                      const std::vector<DiskInfoItem>& disks)
{
    constexpr uint64_t NoDisk = UINT64_MAX;
    for (auto& volume : volumes) {
        for (auto& extent : volume.extents) {
            uint64_t number = NoDisk;
            if (extent.diskNumber < volumeDiskPaths.size())
                for (const auto& disk : disks)
                    if (disk.devicePath == volumeDiskPaths[extent.diskNumber]) {
                        number = disk.diskNumber;
                        break;
                    }
            extent.diskNumber = number;
        }
    }
}

DiskAndVolumeInfo MakeDiskAndVolumeInfo(const DiskInfoWithVolumes& disk, const VolumeInfoItem& entry,
                                        ListingCounters& counters)
{
    DiskAndVolumeInfo info;
    info.diskName = disk.devicePath;
    info.diskModel = disk.vendor.empty() ? disk.product : disk.vendor + " " + disk.product;
    const bool partition =
        entry.entryKind == VolumeInfoItem::GptPartition || entry.entryKind == VolumeInfoItem::MbrPartition;
    if (entry.entryKind == VolumeInfoItem::Unallocated || entry.mountPath.empty()) {
        info.volumeLetter = std::to_string(++counters.lostRegionCounter);
        info.volumeKind = 4;
    } else if (partition) {
        info.volumeLetter = std::to_string(++counters.unmountedPartitionCounter);
        info.volumeKind = 5;
    } else {
        info.volumeLetter = entry.mountPath;
        info.volumeKind = 0;
    }
    info.label = entry.label;
    info.volumePath = entry.volumeName;
    info.fileSystem = entry.fileSystem;
    info.startOffset = entry.offset;
    info.endOffset = entry.offset + entry.length;
    info.deviceSize = disk.diskSize;
    info.diskIndex = static_cast<uint8_t>(disk.diskNumber);
    info.isExternal = disk.isUsb != 0;
    // The system volume is the one mounted at "/", not any mount below it.
    info.isSystem = info.volumeKind == 0 && entry.entryKind == VolumeInfoItem::MountedVolume && entry.mountPath == "/";
    info.isRemovable = disk.isRemovable != 0;
    info.isUnreadable = entry.readRefused;
    return info;
}

std::vector<DiskAndVolumeInfo> ListLocalDisksAndVolumes(const Platform::SystemRoots& roots)
{
    VLOG_INFO("Retrieving local disk and volume information...");
    std::vector<DiskAndVolumeInfo> output;
    // Built aside and swapped in whole: a scan being created meanwhile still
    // finds the previous table intact.
    std::vector<DiskInfoWithVolumes> table;

    VolumeInfo volumeInfo(roots);
    volumeInfo.EnumerateVolumes();
    auto volumes = volumeInfo.GetVolumes();
    DiskInfo diskInfo(roots);
    diskInfo.EnumerateDisks();
    MatchVolumeDisks(volumes, volumeInfo.GetDiskPaths(), diskInfo.GetDisks());
    const CIMV2WMIServer bitLocker(roots);

    ListingCounters counters;
    std::unordered_set<ListedEntryKey, ListedEntryKeyHash> listedEntries;
    for (const auto& disk : diskInfo.GetDisks()) {
        DiskInfoWithVolumes record(disk, volumes);
        std::vector<VolumeInfoItem> kept;
        for (const auto& entry : record.volumes) {
            DiskAndVolumeInfo info = MakeDiskAndVolumeInfo(record, entry, counters);
            if (!listedEntries.insert({info.volumeLetter, entry.entryKind}).second)
                continue; // dropped from the table as well, so positions stay in step
            if (kept.size() > 0xFF) {
                VLOG_INFO("Volume %s of %s left out: only 256 volumes per disk can be listed.",
                          info.volumeLetter.c_str(), disk.devicePath.c_str());
                continue;
            }
            info.bitLockerStatus = BitLockerStatusOf(bitLocker, entry);
            info.volIndex = static_cast<uint8_t>(kept.size());
            output.push_back(std::move(info));
            kept.push_back(entry);
        }
        record.volumes = std::move(kept);
        table.push_back(std::move(record));
    }
    DiskTable::Replace(std::move(table));
    VLOG_INFO("Retrieved %zu disks and volumes.", output.size());
    return output;
}
