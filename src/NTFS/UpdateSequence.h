#pragma once
// NTFS protects every 512 bytes of a file record, index block or journal page:
// the last two bytes of each 512-byte stretch hold the update-sequence number,
// and the real bytes wait in the update-sequence array. The stride is 512
// whatever the block or device sector size.
#include <cstdint>

namespace NTFS {

constexpr uint32_t UpdateSequenceStride = 512;

// Puts the saved words back over the first count bytes of a block whose header
// holds the array (offset at 4, count at 6). Only words that carry the sequence
// number are replaced; a torn sector keeps what it holds. Returns false, and
// changes nothing, when the array does not fit the bytes or has under two entries.
bool ApplyUpdateSequence(uint8_t* bytes, uint32_t count);

// The strict form for a whole record or index block of blockSize bytes: the
// array must lie inside the block and hold one entry per 512 bytes plus the
// check value; otherwise Exceptions::NTFSException and nothing changes.
void FixupBlock(uint8_t* block, uint32_t blockSize);

}
