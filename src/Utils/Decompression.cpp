#include "Utils/Decompression.h"

#include "Utils/Lznt1.h"
#include "Utils/XpressHuffman.h"

namespace Utils {

namespace {

// The high byte of a format number picks a compression engine; decoding ignores it.
uint16_t FormatOf(uint16_t format) { return format & 0x00FF; }

NtStatus DecompressBufferEx(uint16_t format, uint8_t* out, uint32_t outSize, const uint8_t* in, uint32_t inSize,
                            uint32_t* written, void* workSpace)
{
    if (written)
        *written = 0;
    if ((!out && outSize) || (!in && inSize))
        return NtStatusBadCompressionBuffer;
    switch (FormatOf(format)) {
    case CompressionFormatLznt1:
        return DecompressLznt1Buffer(out, outSize, in, inSize, written);
    case CompressionFormatXpressHuffman:
        return DecompressXpressHuffmanBuffer(out, outSize, in, inSize, written, workSpace);
    default:
        return NtStatusUnsupportedCompression;
    }
}

NtStatus DecompressBuffer(uint16_t format, uint8_t* out, uint32_t outSize, const uint8_t* in, uint32_t inSize,
                          uint32_t* written)
{
    return DecompressBufferEx(format, out, outSize, in, inSize, written, nullptr);
}

NtStatus GetWorkSpaceSize(uint16_t format, uint32_t* compressSize, uint32_t* fragmentSize)
{
    uint32_t size = 0;
    switch (FormatOf(format)) {
    case CompressionFormatLznt1:
        break;
    case CompressionFormatXpressHuffman:
        size = XpressHuffmanWorkSpaceSize;
        break;
    default:
        return NtStatusUnsupportedCompression;
    }
    if (compressSize)
        *compressSize = size;
    if (fragmentSize)
        *fragmentSize = 0;
    return NtStatusSuccess;
}

}

int LoadNtdllDecompression(RtlDecompressBufferFn* decompressBuffer, RtlDecompressBufferExFn* decompressBufferEx,
                           RtlGetCompressionWorkSpaceSizeFn* workSpaceSize)
{
    if (decompressBuffer)
        *decompressBuffer = &DecompressBuffer;
    if (decompressBufferEx)
        *decompressBufferEx = &DecompressBufferEx;
    if (workSpaceSize)
        *workSpaceSize = &GetWorkSpaceSize;
    return DecompressionAvailable;
}

}
