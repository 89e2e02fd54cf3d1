#pragma once
// The system decompression routines for NTFS compressed data (LZNT1 and
// XPRESS-Huffman), with the signatures of the ntdll routines they stand for.
#include <cstdint>

namespace Utils {

using NtStatus = int32_t;
constexpr NtStatus NtStatusSuccess = 0;
constexpr NtStatus NtStatusBadCompressionBuffer = static_cast<NtStatus>(0xC0000242u);
constexpr NtStatus NtStatusUnsupportedCompression = static_cast<NtStatus>(0xC000025Fu);
constexpr uint16_t CompressionFormatLznt1 = 2;
constexpr uint16_t CompressionFormatXpressHuffman = 4;

// (format, output, output size, input, input size, bytes written)
using RtlDecompressBufferFn = NtStatus (*)(uint16_t, uint8_t*, uint32_t, const uint8_t*, uint32_t, uint32_t*);
// (format, output, output size, input, input size, bytes written, work space)
using RtlDecompressBufferExFn = NtStatus (*)(uint16_t, uint8_t*, uint32_t, const uint8_t*, uint32_t, uint32_t*,
                                             void*);
// (format, work space size for compressing, work space size for fragments)
using RtlGetCompressionWorkSpaceSizeFn = NtStatus (*)(uint16_t, uint32_t*, uint32_t*);

enum DecompressionStatus : int {
    DecompressionAvailable = 0,
    DecompressionNoSystemLibrary = 1,
    DecompressionNoDecompressBufferEx = 2,
    DecompressionNoWorkSpaceSize = 3,
    DecompressionNoDecompressBuffer = 4,
};

// Fills each given out-pointer (null ones are skipped) and returns 0, or
// returns the status of the first routine missing, looked up in the order
// RtlDecompressBuffer, RtlGetCompressionWorkSpaceSize, RtlDecompressBufferEx.
// There is no ntdll on Linux: the routines handed out are our own decoders for
// LZNT1 (format 2) and XPRESS-Huffman (format 4); other formats answer
// NtStatusUnsupportedCompression, so the look-up always succeeds.
int LoadNtdllDecompression(RtlDecompressBufferFn* decompressBuffer, RtlDecompressBufferExFn* decompressBufferEx,
                           RtlGetCompressionWorkSpaceSizeFn* workSpaceSize);

}
