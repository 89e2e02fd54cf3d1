#pragma once
// The system decompression routines for NTFS compressed data (LZNT1 and
// XPRESS-Huffman), with the signatures of the ntdll routines they stand for.
#include <cstdint>

namespace Utils {

using NtStatus = int32_t;
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
// There is no ntdll on Linux and the engine's own decoders are not in yet, so
// this answers DecompressionNoSystemLibrary and nulls every given out-pointer.
int LoadNtdllDecompression(RtlDecompressBufferFn* decompressBuffer, RtlDecompressBufferExFn* decompressBufferEx,
                           RtlGetCompressionWorkSpaceSizeFn* workSpaceSize);

}
