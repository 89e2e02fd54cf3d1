#include "NTFS/NTFSReader.h"

#include "NTFS/NtfsBytes.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace NTFS {

namespace {
bool PowerOfTwoIn(uint64_t value, uint64_t low, uint64_t high)
{
    return value >= low && value <= high && (value & (value - 1)) == 0;
}

// Clusters per record (or index block) as a signed byte: negative means 2^-n bytes.
uint64_t SizeFromClustersByte(uint8_t raw, uint64_t cluster)
{
    const int8_t value = static_cast<int8_t>(raw);
    if (value < 0)
        return -value < 32 ? (1ull << -value) : 0;
    return static_cast<uint64_t>(value) * cluster;
}

uint8_t ClustersByteOfSize(uint64_t size, uint64_t cluster)
{
    if (size >= cluster)
        return static_cast<uint8_t>(size / cluster);
    return static_cast<uint8_t>(256 - std::countr_zero(size));
}

void PutLittleEndian(uint8_t* out, uint64_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out[i] = static_cast<uint8_t>(value >> (8 * i));
}
}

bool IsNtfsBootSector(const uint8_t* b)
{
    return std::memcmp(b + 3, "NTFS    ", 8) == 0 && U32(b, 512, 0x20) == 0 && b[0] == 0xEB && b[1] == 0x52 &&
           b[2] == 0x90 && U16(b, 512, 510) == 0xAA55;
}

bool ReadBootGeometry(const uint8_t* b, uint64_t volumeLength, BootGeometry& out)
{
    if (!IsNtfsBootSector(b))
        return false;
    BootGeometry g;
    g.sectorSize = U16(b, 512, 0x0B);
    if (!PowerOfTwoIn(g.sectorSize, 256, 4096))
        return false;
    const uint8_t spc = b[0x0D];
    const uint64_t sectorsPerCluster = spc <= 128 ? spc : (1ull << ((256 - spc) % 32));
    const uint64_t cluster = sectorsPerCluster * g.sectorSize;
    if (!PowerOfTwoIn(cluster, g.sectorSize, 2u << 20))
        return false;
    g.clusterSize = static_cast<uint32_t>(cluster);
    const uint64_t record = SizeFromClustersByte(b[0x40], cluster);
    const uint64_t index = SizeFromClustersByte(b[0x44], cluster);
    if (!PowerOfTwoIn(record, 256, 65536) || !PowerOfTwoIn(index, 256, 65536))
        return false;
    g.recordSize = static_cast<uint32_t>(record);
    g.indexBlockSize = static_cast<uint32_t>(index);
    const uint64_t bootBytes = U64(b, 512, 0x28) > UINT64_MAX / g.sectorSize ? UINT64_MAX
                                                                             : U64(b, 512, 0x28) * g.sectorSize;
    const uint64_t length = volumeLength ? std::min(volumeLength, bootBytes) : bootBytes;
    g.totalClusters = length / cluster;
    g.mftCluster = U64(b, 512, 0x30);
    if (g.mftCluster == 0 || g.mftCluster >= g.totalClusters ||
        g.mftCluster * cluster + record > g.totalClusters * cluster)
        return false;
    g.serial = U32(b, 512, 0x48);
    out = g;
    return true;
}

NTFSReader::NTFSReader(std::string devicePath, uint64_t start, uint64_t length)
    : Utils::PartReader(std::move(devicePath), start, length)
{
    clusterSize = 4096;
    recordSize = 1024;
    indexBlockSize = 4096;
    sectorSize = 512;
    UseBootSector(bootSector);
}

bool NTFSReader::UseBootSector(const uint8_t* sector)
{
    BootGeometry g;
    if (!ReadBootGeometry(sector, Size(), g))
        return false;
    if (sector != bootSector)
        std::memcpy(bootSector, sector, sizeof bootSector);
    geometryValid = true;
    clusterSize = g.clusterSize;
    recordSize = g.recordSize;
    indexBlockSize = g.indexBlockSize;
    sectorSize = g.sectorSize;
    mftCluster = g.mftCluster;
    totalClusters = g.totalClusters;
    volumeSerial = g.serial;
    return true;
}

bool NTFSReader::UseGeometry(const BootGeometry& g, uint64_t mirrorCluster)
{
    if (g.sectorSize == 0 || g.clusterSize < g.sectorSize || !std::has_single_bit(g.clusterSize) ||
        !std::has_single_bit(g.recordSize) || !std::has_single_bit(g.indexBlockSize))
        return false;
    uint8_t sector[512] = {0xEB, 0x52, 0x90, 'N', 'T', 'F', 'S', ' ', ' ', ' ', ' '};
    const uint64_t sectorsPerCluster = g.clusterSize / g.sectorSize;
    PutLittleEndian(sector + 0x0B, g.sectorSize, 2);
    sector[0x0D] = sectorsPerCluster <= 128 ? static_cast<uint8_t>(sectorsPerCluster)
                                            : static_cast<uint8_t>(256 - std::countr_zero(sectorsPerCluster));
    sector[0x15] = 0xF8;
    PutLittleEndian(sector + 0x28, g.totalClusters * sectorsPerCluster, 8);
    PutLittleEndian(sector + 0x30, g.mftCluster, 8);
    PutLittleEndian(sector + 0x38, mirrorCluster, 8);
    sector[0x40] = ClustersByteOfSize(g.recordSize, g.clusterSize);
    sector[0x44] = ClustersByteOfSize(g.indexBlockSize, g.clusterSize);
    PutLittleEndian(sector + 0x48, g.serial, 4);
    PutLittleEndian(sector + 510, 0xAA55, 2);
    return UseBootSector(sector);
}

}
