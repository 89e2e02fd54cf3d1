#include "Disk/MbrSector.h"

#include "Disk/PartitionEntries.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t sectorBytes = 512;
constexpr uint8_t protectiveType = 0xEE;

bool IsPowerOfTwo(uint32_t v)
{
    return v != 0 && (v & (v - 1)) == 0;
}

uint16_t U16(const uint8_t* s, size_t at)
{
    return static_cast<uint16_t>(s[at] | s[at + 1] << 8);
}

bool ValidSectorSize(const uint8_t* s)
{
    const uint32_t size = U16(s, 11);
    return size >= 512 && size <= 4096 && IsPowerOfTwo(size);
}

bool HasJump(const uint8_t* s)
{
    return (s[0] == 0xEB && s[2] == 0x90) || s[0] == 0xE9;
}

bool IsFatBootSector(const uint8_t* s)
{
    const uint32_t perCluster = s[13];
    return HasJump(s) && ValidSectorSize(s) && IsPowerOfTwo(perCluster) && perCluster <= 128 && U16(s, 14) != 0 &&
           s[16] >= 1 && s[16] <= 2;
}

bool IsNtfsBootSector(const uint8_t* s)
{
    return std::memcmp(s + 3, "NTFS    ", 8) == 0 && ValidSectorSize(s);
}

// exFAT keeps no BPB: the bytes where FAT has one are zero.
bool IsExFatBootSector(const uint8_t* s)
{
    return std::memcmp(s + 3, "EXFAT   ", 8) == 0 && std::all_of(s + 11, s + 64, [](uint8_t b) { return b == 0; });
}

bool IsBitLockerBootSector(const uint8_t* s)
{
    return std::memcmp(s + 3, "-FVE-FS-", 8) == 0 && ValidSectorSize(s);
}

}

bool IsVolumeBootSector(const uint8_t* sector)
{
    return IsFatBootSector(sector) || IsNtfsBootSector(sector) || IsExFatBootSector(sector) ||
           IsBitLockerBootSector(sector);
}

bool IsPlausibleMbr(const uint8_t* sector, uint64_t diskSectors)
{
    if (sector[510] != 0x55 || sector[511] != 0xAA || IsVolumeBootSector(sector))
        return false;
    for (size_t slot = 0; slot < 4; ++slot) {
        const auto r = MbrPartitionEntry::Decode(sector, 0x1BE + 16 * slot);
        if (r.status != 0x00 && r.status != 0x80)
            return false;
        if (r.sectorCount == 0)
            continue;
        if (r.type == 0 || r.firstSector == 0)
            return false;
        // A protective record may claim more than the disk holds (0xFFFFFFFF sectors).
        if (r.type != protectiveType && diskSectors != 0 &&
            (r.firstSector >= diskSectors || r.sectorCount > diskSectors - r.firstSector))
            return false;
    }
    return true;
}
