#pragma once
// Volume readers of the two FAT file systems: a PartReader over the volume's
// byte range that also holds the volume's geometry.
#include "FAT/FATGeometry.h"
#include "Utils/PartReader.h"

#include <string>

namespace FAT {

class FAT32Reader : public Utils::PartReader {
public:
    // clusterSizeHint and dataStartHint: 0, or the layout of a volume found
    // without a boot sector.
    FAT32Reader(const std::string& devicePath, uint64_t start, uint64_t size, uint32_t clusterSizeHint = 0,
                uint64_t dataStartHint = 0);

    const VolumeGeometry geometry;
};

class ExFATReader : public Utils::PartReader {
public:
    ExFATReader(const std::string& devicePath, uint64_t start, uint64_t size, uint32_t clusterSizeHint = 0,
                uint64_t dataStartHint = 0);

    const VolumeGeometry geometry;
};

}
