#include "Disk/BootSectorName.h"

#include <cstring>

namespace {
bool At(const uint8_t (&sector)[512], size_t offset, const char* text)
{
    const size_t length = std::strlen(text);
    return offset + length <= sizeof sector && std::memcmp(sector + offset, text, length) == 0;
}
}

std::string GetFileSystemNameFromBootSector(const uint8_t (&sector)[512])
{
    if (At(sector, 3, "NTFS"))
        return "NTFS";
    if (At(sector, 3, "-FVE-FS-"))
        return "Bitlocker";
    if (At(sector, 3, "EXFAT"))
        return "EXFAT";
    // FAT volumes carry whatever OEM name their formatter chose (mkfs.fat,
    // MSWIN4.1, cameras' own): the type text decides, not the OEM name.
    if (At(sector, 82, "FAT32   "))
        return "FAT32";
    if (At(sector, 54, "FAT16   "))
        return "FAT16";
    if (At(sector, 54, "FAT12   "))
        return "FAT12";
    return "RAW";
}
