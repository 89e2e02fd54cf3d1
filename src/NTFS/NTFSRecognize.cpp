#include "NTFS/NTFSRecognize.h"

#include "DataRecovery/DataRecoveryEntity.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"

#include <cstring>

namespace NTFS {

namespace {
// The first block of a file record: 1024-byte records carry three array entries, 4096-byte ones nine.
bool IsRecordHead(const uint8_t* block, uint64_t length)
{
    if (length < 8 || std::memcmp(block, "FILE", 4) != 0 || U16(block, length, 4) != 0x30)
        return false;
    const uint16_t count = U16(block, length, 6);
    return count == 3 || count == 9;
}
}

bool NTFSRecognize::MayRecognize(const uint8_t* block, uint64_t length) const
{
    if (IsRecordHead(block, length))
        return true;
    BootGeometry geometry;
    return length >= 512 && ReadBootGeometry(block, 0, geometry);
}

bool NTFSRecognize::IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length)
{
    if (pendingSecondHalf != 0 && pendingSecondHalf == position) {
        pendingSecondHalf = --pendingBlocks ? position + 512 : 0;
        return true;
    }
    if (!IsRecordHead(block, length))
        return false;
    const uint16_t count = U16(block, length, 6);
    pendingBlocks = count - 2;
    pendingSecondHalf = position + 512;
    return true;
}

bool NTFSRecognize::IsDirectoryStart(uint64_t, const uint8_t*, uint64_t)
{
    return false;
}

bool NTFSRecognize::CheckBootSector(const uint8_t* block512)
{
    BootGeometry geometry;
    if (!ReadBootGeometry(block512, 0, geometry))
        return false;
    return seenSerials.insert(geometry.serial).second;
}

std::unique_ptr<DataRecoveryEntity> NTFSRecognize::CreateRecoveryWithLayout(const VolumeInfoItem&, DiskAndVolumeInfo,
                                                                            DataRecoveryCallback, uint64_t, uint64_t)
{
    return nullptr;
}

}
