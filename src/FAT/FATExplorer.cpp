#include "FAT/FATExplorer.h"

#include "DataRecovery/Exceptions.h"

#include <limits>

namespace FAT {

namespace {
uint32_t ClusterHint(uint64_t clusterSize)
{
    // Clusters larger than any FAT volume uses are no layout to follow.
    if (clusterSize > 32 * 1024 * 1024)
        throw Exceptions::FATException("Cluster size out of range: " + std::to_string(clusterSize));
    return static_cast<uint32_t>(clusterSize);
}
}

FAT32Explorer::FAT32Explorer(const VolumeInfoItem& volume, uint64_t dataStart, uint64_t clusterSize)
    : reader(std::make_shared<FAT32Reader>(volume.devicePath, volume.offset, volume.length, ClusterHint(clusterSize),
                                           dataStart)),
      table(std::make_shared<FAT32Table>(reader, reader->geometry))
{
}

ExFATExplorer::ExFATExplorer(const VolumeInfoItem& volume, uint64_t dataStart, uint64_t clusterSize)
    : reader(std::make_shared<ExFATReader>(volume.devicePath, volume.offset, volume.length, ClusterHint(clusterSize),
                                           dataStart)),
      table(std::make_shared<ExFATTable>(reader, reader->geometry))
{
}

}
