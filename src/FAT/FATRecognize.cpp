#include "FAT/FATRecognize.h"

#include "DataRecovery/DataRecoveryEntity.h"
#include "FAT/DosTime.h"
#include "FAT/ExFATDirectoryBlock.h"
#include "FAT/FAT32DirectoryBlock.h"
#include "FAT/FATGeometry.h"

namespace FAT {

namespace {
template <typename Parse>
bool FirstMeeting(std::set<uint32_t>& seen, const uint8_t* sector, Parse parse)
{
    VolumeGeometry g;
    if (!parse(sector, 0, g))
        return false;
    return seen.insert(g.serial).second;
}

bool IsBootSector(const uint8_t* block, uint64_t length, bool (*parse)(const uint8_t*, uint64_t, VolumeGeometry&))
{
    VolumeGeometry g;
    return length >= 512 && parse(block, 0, g);
}

}

FAT32Recognize::FAT32Recognize() : now(DosNowStamp())
{
}

FAT32Recognize::FAT32Recognize(const std::vector<uint32_t>& knownSerials)
    : DataRecognize(knownSerials), now(DosNowStamp())
{
}

bool FAT32Recognize::IsDirectoryBlock(uint64_t, const uint8_t* block, uint64_t length)
{
    const uint32_t stamp = now;
    return IsFAT32DirectoryBlock(
        block, length, [stamp](const uint8_t* e) { return IsPlausibleShortEntry(e, stamp); }, stamp);
}

// The checks without the serial's memory: those are pure.
bool FAT32Recognize::MayRecognize(const uint8_t* block, uint64_t length) const
{
    const uint32_t stamp = now;
    return IsFAT32DirectoryBlock(
               block, length, [stamp](const uint8_t* e) { return IsPlausibleShortEntry(e, stamp); }, stamp) ||
           IsBootSector(block, length, ParseFAT32BootSector);
}

bool ExFATRecognize::MayRecognize(const uint8_t* block, uint64_t length) const
{
    return IsExFATDirectoryBlock(block, length) || IsBootSector(block, length, ParseExFATBootSector);
}

bool FAT32Recognize::IsDirectoryStart(uint64_t, const uint8_t* block, uint64_t length)
{
    return IsFAT32DirectoryStart(block, length);
}

bool FAT32Recognize::CheckBootSector(const uint8_t* block512)
{
    return FirstMeeting(seenSerials, block512, ParseFAT32BootSector);
}

bool ExFATRecognize::IsDirectoryBlock(uint64_t, const uint8_t* block, uint64_t length)
{
    return IsExFATDirectoryBlock(block, length);
}

bool ExFATRecognize::IsDirectoryStart(uint64_t, const uint8_t* block, uint64_t length)
{
    return IsExFATDirectoryStart(block, length);
}

bool ExFATRecognize::CheckBootSector(const uint8_t* block512)
{
    return FirstMeeting(seenSerials, block512, ParseExFATBootSector);
}

}
