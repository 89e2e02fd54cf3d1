#include "Disk/DiskTable.h"

#include <mutex>
#include <utility>

namespace DiskTable {

namespace {
std::mutex tableMutex;
std::vector<DiskInfoWithVolumes>& Table()
{
    static std::vector<DiskInfoWithVolumes> table;
    return table;
}
}

void Replace(std::vector<DiskInfoWithVolumes> table)
{
    std::lock_guard lock(tableMutex);
    Table().swap(table);
}

std::vector<DiskInfoWithVolumes> Snapshot()
{
    std::lock_guard lock(tableMutex);
    return Table();
}

std::optional<VolumeInfoItem> FindVolume(const DiskAndVolumeInfo& info)
{
    std::lock_guard lock(tableMutex);
    for (const auto& disk : Table()) {
        if (disk.diskNumber != info.diskIndex)
            continue;
        // One device range may be listed once per mount path: the mount path
        // the caller chose picks among them.
        const VolumeInfoItem* found = nullptr;
        for (const auto& volume : disk.volumes) {
            if (volume.devicePath != info.volumePath || volume.offset != info.startOffset ||
                volume.offset + volume.length != info.endOffset)
                continue;
            if (volume.entryKind == VolumeInfoItem::MountedVolume && volume.mountPath == info.volumeLetter)
                return volume;
            if (!found)
                found = &volume;
        }
        if (found)
            return *found;
        return std::nullopt;
    }
    return std::nullopt;
}

}
