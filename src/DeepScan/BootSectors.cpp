#include "DeepScan/BootSectors.h"

#include "DeepScan/Carving/ByteOrder.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
// count units of unit bytes; a product past 64 bits (a damaged field) is
// "everything", so the volume runs to the scanned range's end rather than wrapping short.
uint64_t SaturatingBytes(uint64_t count, uint64_t unit)
{
    return unit != 0 && count > UINT64_MAX / unit ? UINT64_MAX : count * unit;
}
}

namespace {
bool SameBytes(Utils::PartReader& reader, uint64_t volumeLength, uint64_t first, uint64_t second, uint64_t length)
{
    if (first > volumeLength || second > volumeLength || length > volumeLength - std::max(first, second))
        return false;
    std::vector<uint8_t> a(length), b(length);
    return reader.Read(first, a.data(), static_cast<uint32_t>(length)) &&
           reader.Read(second, b.data(), static_cast<uint32_t>(length)) && a == b;
}
}

uint64_t BootSectorVolumeLength(int type, std::span<const uint8_t> block)
{
    if (block.size() < 512)
        return 0;
    switch (type) {
    case 0: { // NTFS: total sectors, plus the backup boot sector past them
        const uint64_t sectors = Carving::LE64(block, 0x28);
        return sectors == UINT64_MAX ? UINT64_MAX : SaturatingBytes(sectors + 1, Carving::LE16(block, 0x0B));
    }
    case 1: {
        const uint64_t sectors = Carving::LE16(block, 0x13) ? Carving::LE16(block, 0x13) : Carving::LE32(block, 0x20);
        return sectors * Carving::LE16(block, 0x0B);
    }
    case 2: {
        const uint64_t shift = block[0x6C];
        return shift >= 9 && shift <= 12 ? SaturatingBytes(Carving::LE64(block, 0x48), uint64_t{1} << shift) : 0;
    }
    default:
        return 0;
    }
}

uint64_t BootSectorBackupOffset(int type, std::span<const uint8_t> block)
{
    if (block.size() < 512)
        return 0;
    switch (type) {
    case 0:
        return SaturatingBytes(Carving::LE64(block, 0x28), Carving::LE16(block, 0x0B));
    case 1: {
        const uint64_t sector = Carving::LE16(block, 0x32);
        return (sector != 0 && sector != 0xFFFF ? sector : 6) * Carving::LE16(block, 0x0B);
    }
    case 2: {
        const uint64_t shift = block[0x6C];
        return shift >= 9 && shift <= 12 ? 12 << shift : 0;
    }
    default:
        return 0;
    }
}

uint32_t ExFatBootChecksum(std::span<const uint8_t> sectors)
{
    uint32_t checksum = 0;
    for (size_t at = 0; at < sectors.size(); ++at)
        if (at != 106 && at != 107 && at != 112) // the volume flags and the percent in use change freely
            checksum = (checksum << 31 | checksum >> 1) + sectors[at];
    return checksum;
}

uint64_t VolumeStartOfBoot(Utils::PartReader& reader, uint64_t volumeLength, int type, uint64_t position,
                           std::span<const uint8_t> block)
{
    const uint64_t offset = BootSectorBackupOffset(type, block);
    if (offset == 0 || offset > position)
        return position;
    const uint64_t start = position - offset;
    switch (type) {
    case 0: {
        // The volume's $MFT begins where the boot sector puts it.
        const uint64_t sectorsPerCluster = block[0x0D] <= 128 ? block[0x0D] : uint64_t{1} << ((256 - block[0x0D]) % 32);
        const uint64_t mft = SaturatingBytes(Carving::LE64(block, 0x30),
                                             SaturatingBytes(sectorsPerCluster, Carving::LE16(block, 0x0B)));
        uint8_t head[4] = {};
        if (mft < volumeLength - start && reader.Read(start + mft, head, sizeof head) &&
            std::memcmp(head, "FILE", 4) == 0)
            return start;
        return position;
    }
    case 1: {
        // The FSInfo sector lies at the same place after both boot sectors.
        const uint64_t sectorSize = Carving::LE16(block, 0x0B);
        const uint64_t info = Carving::LE16(block, 0x30) * sectorSize;
        uint8_t before[4] = {}, after[4] = {};
        if (info != 0 && info < offset && reader.Read(start + info, before, 4) &&
            reader.Read(position + info, after, 4) && std::memcmp(before, "RRaA", 4) == 0 &&
            std::memcmp(after, "RRaA", 4) == 0)
            return start;
        return position;
    }
    case 2: {
        // The backup region holds its checksum, and the main region's other
        // sectors (its checksum sector among them) equal the backup's.
        const uint64_t sectorSize = offset / 12;
        std::vector<uint8_t> region(12 * sectorSize);
        if (position + region.size() > volumeLength ||
            !reader.Read(position, region.data(), static_cast<uint32_t>(region.size())))
            return position;
        const uint32_t checksum = ExFatBootChecksum(std::span(region).first(11 * sectorSize));
        for (uint64_t at = 11 * sectorSize; at < region.size(); at += 4)
            if (Carving::LE32(region, at) != checksum)
                return position;
        return SameBytes(reader, volumeLength, start + sectorSize, position + sectorSize, 11 * sectorSize) ? start : position;
    }
    default:
        return position;
    }
}
