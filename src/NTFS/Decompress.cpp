#include "NTFS/Decompress.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/NtfsBytes.h"
#include "Utils/Decompression.h"

#include <algorithm>
#include <cstring>

static constexpr const char* LogSource = "src/NTFS/Decompress";

namespace NTFS {

int DecompressLznt1(const uint8_t* in, uint32_t inSize, uint8_t* out, uint32_t outSize, uint32_t* produced)
{
    Utils::RtlDecompressBufferFn decompress = nullptr;
    if (Utils::LoadNtdllDecompression(&decompress, nullptr, nullptr) != Utils::DecompressionAvailable || !decompress)
        return DecompressNoDecoder;
    uint32_t made = 0;
    const auto status = decompress(Utils::CompressionFormatLznt1, out, outSize, in, inSize, &made);
    if (produced)
        *produced = made;
    if (status != Utils::NtStatusSuccess)
        return DecompressFailed;
    return made ? DecompressOk : DecompressNothing;
}

int DecompressLznt1(const std::shared_ptr<Utils::Buffer<uint8_t>>& compressed,
                    const std::shared_ptr<Utils::Buffer<uint8_t>>& output, uint32_t* produced)
{
    if (!compressed || !output)
        return DecompressFailed;
    return DecompressLznt1(compressed->data, compressed->length, output->data, output->length, produced);
}

std::vector<WofChunk> ParseWofChunkTable(const uint8_t* stream, uint64_t streamSize, uint64_t plainSize,
                                         uint32_t chunkSize)
{
    std::vector<WofChunk> chunks;
    if (plainSize == 0)
        return chunks;
    if (chunkSize == 0)
        throw Exceptions::NTFSException("WOF chunk size of 0.");
    const uint64_t count = (plainSize - 1) / chunkSize + 1;
    const uint64_t width = plainSize > 0xFFFFFFFFull ? 8 : 4;
    if (count - 1 > streamSize / width)
        throw Exceptions::NTFSException("WOF chunk table does not fit its stream.");
    const uint64_t tableBytes = (count - 1) * width;
    const uint64_t dataBytes = streamSize - tableBytes;
    chunks.reserve(count);
    uint64_t previous = 0;
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t end = i + 1 < count ? (width == 8 ? U64(stream, streamSize, i * 8)
                                                         : U32(stream, streamSize, i * 4))
                                           : dataBytes;
        const uint32_t plain = static_cast<uint32_t>(std::min<uint64_t>(chunkSize, plainSize - i * chunkSize));
        if (end < previous || end > dataBytes || end - previous > plain || end == previous)
            throw Exceptions::NTFSException("WOF chunk table does not fit its stream.");
        chunks.push_back({tableBytes + previous, static_cast<uint32_t>(end - previous), plain});
        previous = end;
    }
    return chunks;
}

bool DecodeWofChunk(const uint8_t* stream, const WofChunk& chunk, uint8_t* out, std::vector<uint8_t>& workSpace)
{
    // A chunk that would not shrink is stored as it is.
    if (chunk.length == chunk.plain) {
        std::memcpy(out, stream + chunk.offset, chunk.plain);
        return true;
    }
    Utils::RtlDecompressBufferExFn decompress = nullptr;
    Utils::RtlGetCompressionWorkSpaceSizeFn workSpaceSize = nullptr;
    if (Utils::LoadNtdllDecompression(nullptr, &decompress, &workSpaceSize) != Utils::DecompressionAvailable)
        return false;
    uint32_t needed = 0;
    if (workSpaceSize(Utils::CompressionFormatXpressHuffman, &needed, nullptr) != Utils::NtStatusSuccess)
        return false;
    if (workSpace.size() < needed)
        workSpace.assign(needed, 0);
    uint32_t made = 0;
    const auto status = decompress(Utils::CompressionFormatXpressHuffman, out, chunk.plain, stream + chunk.offset,
                                   chunk.length, &made, workSpace.data());
    return status == Utils::NtStatusSuccess && made == chunk.plain;
}

int DecompressWofXpress(const std::shared_ptr<Utils::Buffer<uint8_t>>& compressed,
                        const std::shared_ptr<Utils::Buffer<uint8_t>>& output, uint32_t chunkSize,
                        uint64_t uncompressedSize)
{
    if (!compressed || !output)
        return DecompressFailed;
    try {
        const auto chunks = ParseWofChunkTable(compressed->data, compressed->length, uncompressedSize, chunkSize);
        std::vector<uint8_t> workSpace;
        uint64_t at = 0;
        for (const auto& chunk : chunks) {
            // Never past the output: a chunk that does not fit ends the work.
            if (at + chunk.plain > output->length)
                return DecompressFailed;
            if (!DecodeWofChunk(compressed->data, chunk, output->data + at, workSpace)) {
                VLOG_ERROR("WOF chunk at stream offset %llu does not decode.",
                           static_cast<unsigned long long>(chunk.offset));
                return DecompressFailed;
            }
            at += chunk.plain;
        }
    } catch (const Exceptions::NTFSException& e) {
        VLOG_ERROR("%s", e.what());
        return DecompressFailed;
    }
    if (uncompressedSize < output->length)
        output->Resize(static_cast<uint32_t>(uncompressedSize));
    return DecompressOk;
}

int DecompressWofLzx(const std::shared_ptr<Utils::Buffer<uint8_t>>&, const std::shared_ptr<Utils::Buffer<uint8_t>>&,
                     uint32_t)
{
    VLOG_ERROR("LZX compressed files are not supported (WOF algorithm 1).");
    return DecompressFailed;
}

}
