#pragma once
// XPRESS with Huffman coding, the format of system-compressed (WOF) files:
// blocks of up to 64 KiB output, each led by 256 bytes of 4-bit code lengths for
// 256 literals and 256 match symbols.
#include <cstdint>

#include "Utils/Decompression.h"

namespace Utils {

// Size of the decode table a caller may hand in as work space.
constexpr uint32_t XpressHuffmanWorkSpaceSize = (1u << 15) * sizeof(uint16_t);

// Decodes until outSize bytes are written or the input ends. workSpace, when
// given, holds XpressHuffmanWorkSpaceSize bytes. Returns NtStatusSuccess with
// *written set, or NtStatusBadCompressionBuffer (bad code lengths, a match
// before the output, input that ends inside a symbol).
NtStatus DecompressXpressHuffmanBuffer(uint8_t* out, uint32_t outSize, const uint8_t* in, uint32_t inSize,
                                       uint32_t* written, void* workSpace);

}
