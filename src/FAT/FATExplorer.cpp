#include "FAT/FATExplorer.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "Disk/DiskBytes.h"

#include <limits>

static constexpr const char* LogSource = "src/FAT/FATExplorer";

namespace FAT {

namespace {
uint32_t ClusterHint(uint64_t clusterSize)
{
    // Clusters larger than any FAT volume uses are no layout to follow.
    if (clusterSize > 32 * 1024 * 1024)
        throw Exceptions::FATException("Cluster size out of range: " + std::to_string(clusterSize));
    return static_cast<uint32_t>(clusterSize);
}

// Where a boot sector's backup lies from its volume's start (FAT32: the
// sector its field names; exFAT: the backup region at sector 12).
uint64_t FAT32BackupOffset(const uint8_t* sector)
{
    VolumeGeometry g;
    if (!ParseFAT32BootSector(sector, 0, g))
        return 0;
    return uint64_t{DiskBytes::U16(sector, 512, 50)} * g.sectorSize;
}

uint64_t ExFATBackupOffset(const uint8_t* sector)
{
    VolumeGeometry g;
    return ParseExFATBootSector(sector, 0, g) ? 12 * uint64_t{g.sectorSize} : 0;
}

// The volume's reader; a volume found by a sector that is its backup boot
// sector (no geometry holds from there, while from the backup's distance
// before it the backup's geometry does) is read from its real start.
template <class Reader>
std::shared_ptr<Reader> OpenVolume(const VolumeInfoItem& volume, uint64_t dataStart, uint64_t clusterSize,
                                   uint64_t earliestStart, uint64_t (*backupOffset)(const uint8_t*),
                                   uint64_t& foundAfterStart)
{
    auto reader = std::make_shared<Reader>(volume.devicePath, volume.offset, volume.length, ClusterHint(clusterSize),
                                           dataStart);
    foundAfterStart = 0;
    if (dataStart != 0 || clusterSize != 0 || reader->geometry.failure.empty())
        return reader;
    const uint64_t back = backupOffset(reader->bootSector);
    if (back == 0 || earliestStart > volume.offset || volume.offset - earliestStart < back)
        return reader;
    auto earlier = std::make_shared<Reader>(volume.devicePath, volume.offset - back, volume.length + back);
    if (!earlier->geometry.failure.empty() || earlier->geometry.source.rfind("backup", 0) != 0)
        return reader;
    VLOG_INFO("The boot sector at %llu is the backup of a volume starting %llu bytes before it",
              static_cast<unsigned long long>(volume.offset), static_cast<unsigned long long>(back));
    foundAfterStart = back;
    return earlier;
}
}

FAT32Explorer::FAT32Explorer(const VolumeInfoItem& volume, uint64_t dataStart, uint64_t clusterSize,
                             uint64_t earliestStart)
    : reader(OpenVolume<FAT32Reader>(volume, dataStart, clusterSize, earliestStart, FAT32BackupOffset,
                                     foundAfterStart)),
      table(std::make_shared<FAT32Table>(reader, reader->geometry))
{
}

ExFATExplorer::ExFATExplorer(const VolumeInfoItem& volume, uint64_t dataStart, uint64_t clusterSize,
                             uint64_t earliestStart)
    : reader(OpenVolume<ExFATReader>(volume, dataStart, clusterSize, earliestStart, ExFATBackupOffset,
                                     foundAfterStart)),
      table(std::make_shared<ExFATTable>(reader, reader->geometry))
{
}

}
