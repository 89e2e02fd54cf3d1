#pragma once
// The process-wide table of disks and their volumes, rebuilt by each listing and
// read when an engine is created. A new table is built aside and swapped in
// whole, so a reader never sees half a table.
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "Disk/DiskInfoItem.h"

#include <optional>
#include <vector>

namespace DiskTable {

void Replace(std::vector<DiskInfoWithVolumes> table);
std::vector<DiskInfoWithVolumes> Snapshot();

// The volume the caller's record names, found by identity (disk number, the
// device path read for the volume and its byte range), never by position alone;
// among mounts of one range, the one whose mount path is the record's volumeLetter.
std::optional<VolumeInfoItem> FindVolume(const DiskAndVolumeInfo& info);

}
