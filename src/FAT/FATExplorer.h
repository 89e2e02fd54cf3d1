#pragma once
// A FAT engine's view of its volume: the shared reader and allocation table,
// built together from the volume record.
#include "Disk/VolumeInfoItem.h"
#include "FAT/FATReaders.h"
#include "FAT/FATTable.h"

#include <memory>

namespace FAT {

class FAT32Explorer {
public:
    // clusterSize and dataStart: 0, or the layout of a volume found without a boot sector.
    explicit FAT32Explorer(const VolumeInfoItem& volume, uint64_t dataStart = 0, uint64_t clusterSize = 0);

    std::shared_ptr<FAT32Reader> reader;
    std::shared_ptr<FAT32Table> table;
};

class ExFATExplorer {
public:
    explicit ExFATExplorer(const VolumeInfoItem& volume, uint64_t dataStart = 0, uint64_t clusterSize = 0);

    std::shared_ptr<ExFATReader> reader;
    std::shared_ptr<ExFATTable> table;
};

}
