#pragma once
// LZNT1, the format of NTFS compression units: 4 KiB chunks, each stored or
// LZ77-compressed with a split between offset and length bits that moves as the
// chunk fills.
#include <cstdint>

#include "Utils/Decompression.h"

namespace Utils {

// Decodes into at most outSize bytes and stops when they are full. Returns
// NtStatusSuccess with *written set, or NtStatusBadCompressionBuffer for input
// that does not decode (a chunk past the input, a reference before the chunk).
NtStatus DecompressLznt1Buffer(uint8_t* out, uint32_t outSize, const uint8_t* in, uint32_t inSize,
                               uint32_t* written);

}
