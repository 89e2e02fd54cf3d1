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
        for (const auto& volume : disk.volumes) {
            if (volume.devicePath == info.volumePath && volume.offset == info.startOffset &&
                volume.offset + volume.length == info.endOffset)
                return volume;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

}
