#include "Utils/Decompression.h"

namespace Utils {

int LoadNtdllDecompression(RtlDecompressBufferFn* decompressBuffer, RtlDecompressBufferExFn* decompressBufferEx,
                           RtlGetCompressionWorkSpaceSizeFn* workSpaceSize)
{
    if (decompressBuffer)
        *decompressBuffer = nullptr;
    if (decompressBufferEx)
        *decompressBufferEx = nullptr;
    if (workSpaceSize)
        *workSpaceSize = nullptr;
    return DecompressionNoSystemLibrary;
}

}
