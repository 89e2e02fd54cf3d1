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

WofChunkTable::WofChunkTable(ReadBytes read, uint64_t streamSize, uint64_t plainSize, uint32_t chunkSize)
    : read(std::move(read)), plainSize(plainSize), chunkSize(chunkSize)
{
    if (plainSize == 0)
        return;
    if (chunkSize == 0)
        throw Exceptions::NTFSException("WOF chunk size of 0.");
    count = (plainSize - 1) / chunkSize + 1;
    width = plainSize > 0xFFFFFFFFull ? 8 : 4;
    if (count - 1 > streamSize / width)
        throw Exceptions::NTFSException("WOF chunk table does not fit its stream.");
    tableBytes = (count - 1) * width;
    dataBytes = streamSize - tableBytes;
}

uint64_t WofChunkTable::EntryEnd(uint64_t index)
{
    if (index + 1 == count)
        return dataBytes;
    if (index < windowFirst || index - windowFirst >= windowEntries) {
        windowFirst = index;
        windowEntries = std::min<uint64_t>(windowBytes / width, count - 1 - index);
        window.resize(windowEntries * width);
        read(index * width, window.data(), static_cast<uint32_t>(window.size()));
    }
    const uint64_t at = (index - windowFirst) * width;
    return width == 8 ? U64(window.data(), window.size(), at) : U32(window.data(), window.size(), at);
}

WofChunk WofChunkTable::Chunk(uint64_t index)
{
    if (index >= count)
        throw Exceptions::NTFSException("WOF chunk past the table.");
    const uint64_t start = index == 0 ? 0 : EntryEnd(index - 1);
    const uint64_t end = EntryEnd(index);
    const uint32_t plain = static_cast<uint32_t>(std::min<uint64_t>(chunkSize, plainSize - index * chunkSize));
    if (end < start || end > dataBytes || end - start > plain || end == start)
        throw Exceptions::NTFSException("WOF chunk table does not fit its stream.");
    return {tableBytes + start, static_cast<uint32_t>(end - start), plain};
}

std::vector<WofChunk> ParseWofChunkTable(const uint8_t* stream, uint64_t streamSize, uint64_t plainSize,
                                         uint32_t chunkSize)
{
    WofChunkTable table([stream](uint64_t offset, uint8_t* out, uint32_t length) {
        std::memcpy(out, stream + offset, length);
    }, streamSize, plainSize, chunkSize);
    std::vector<WofChunk> chunks;
    chunks.reserve(table.Count());
    for (uint64_t i = 0; i < table.Count(); ++i)
        chunks.push_back(table.Chunk(i));
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
