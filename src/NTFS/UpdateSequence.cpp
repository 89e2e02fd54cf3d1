#include "NTFS/UpdateSequence.h"

#include "DataRecovery/Exceptions.h"

#include <cstring>

namespace NTFS {

namespace {
uint16_t Word(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
}

bool ApplyUpdateSequence(uint8_t* bytes, uint32_t count)
{
    if (count < 8)
        return false;
    const uint64_t arrayOffset = Word(bytes + 4);
    const uint64_t entries = Word(bytes + 6);
    if (entries < 2 || arrayOffset + 2 * entries > count)
        return false;
    const uint16_t check = Word(bytes + arrayOffset);
    for (uint64_t i = 1; i < entries; ++i) {
        const uint64_t end = i * UpdateSequenceStride;
        if (end > count)
            break;
        if (Word(bytes + end - 2) == check)
            std::memcpy(bytes + end - 2, bytes + arrayOffset + 2 * i, 2);
    }
    return true;
}

void FixupBlock(uint8_t* block, uint32_t blockSize)
{
    if (blockSize < UpdateSequenceStride || blockSize % UpdateSequenceStride != 0)
        throw Exceptions::NTFSException("Invalid update sequence block size.");
    const uint64_t arrayOffset = Word(block + 4);
    const uint64_t entries = Word(block + 6);
    if (entries != blockSize / UpdateSequenceStride + 1 || arrayOffset < 8 || arrayOffset + 2 * entries > blockSize)
        throw Exceptions::NTFSException("Invalid update sequence array.");
    ApplyUpdateSequence(block, blockSize);
}

}
