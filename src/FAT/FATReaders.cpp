#include "FAT/FATReaders.h"

namespace FAT {

namespace {
// The geometry needs the base reader built first; it reads through it.
template <typename Reader>
VolumeGeometry Measure(Reader& reader, VolumeGeometry (*read)(Utils::PartReader&, uint32_t, uint64_t),
                       uint32_t clusterSizeHint, uint64_t dataStartHint)
{
    const VolumeGeometry g = read(reader, clusterSizeHint, dataStartHint);
    reader.clusterSize = g.clusterSize;
    reader.sectorSize = g.sectorSize;
    return g;
}
}

FAT32Reader::FAT32Reader(const std::string& devicePath, uint64_t start, uint64_t size, uint32_t clusterSizeHint,
                         uint64_t dataStartHint)
    : PartReader(devicePath, start, size),
      geometry(Measure(*this, ReadFAT32Geometry, clusterSizeHint, dataStartHint))
{
}

ExFATReader::ExFATReader(const std::string& devicePath, uint64_t start, uint64_t size, uint32_t clusterSizeHint,
                         uint64_t dataStartHint)
    : PartReader(devicePath, start, size),
      geometry(Measure(*this, ReadExFATGeometry, clusterSizeHint, dataStartHint))
{
}

}
