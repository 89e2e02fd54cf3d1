#pragma once
// Decoding of compressed NTFS data: LZNT1 compression units and the chunks of
// system-compressed (WOF) files, through the ntdll-shaped decoders of
// Utils/Decompression.
#include "Utils/Buffer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace NTFS {

enum DecompressResult : int {
    DecompressOk = 0,
    DecompressNoDecoder = 1,
    DecompressFailed = 2,
    DecompressNothing = 3,
};

// LZNT1 of in into out (at most outSize bytes); *produced counts the bytes made.
int DecompressLznt1(const uint8_t* in, uint32_t inSize, uint8_t* out, uint32_t outSize, uint32_t* produced);
int DecompressLznt1(const std::shared_ptr<Utils::Buffer<uint8_t>>& compressed,
                    const std::shared_ptr<Utils::Buffer<uint8_t>>& output, uint32_t* produced);

// One chunk of a WOF stream: where its bytes lie in the stream and how many
// plain bytes it stands for.
struct WofChunk {
    uint64_t offset = 0;
    uint32_t length = 0;
    uint32_t plain = 0;
};

// The WOF chunk table: ceil(plainSize / chunkSize) - 1 offsets (8 bytes each
// when plainSize is above 4 GiB, else 4) relative to the table's end; the last
// chunk ends at the stream's end. It is read a window at a time through read,
// so the first chunks of a large file cost a few table entries, not the whole
// table. Throws Exceptions::NTFSException when the table does not fit the
// stream or a chunk is empty, goes back or is longer than its plain bytes.
class WofChunkTable {
public:
    // Copies length bytes at offset of the stream into out, or throws.
    using ReadBytes = std::function<void(uint64_t offset, uint8_t* out, uint32_t length)>;

    WofChunkTable(ReadBytes read, uint64_t streamSize, uint64_t plainSize, uint32_t chunkSize);

    uint64_t Count() const { return count; }
    // Cheapest in order of index: the window holds the entries that follow.
    WofChunk Chunk(uint64_t index);

    static constexpr uint32_t windowBytes = 4096;

private:
    uint64_t EntryEnd(uint64_t index);

    ReadBytes read;
    uint64_t plainSize = 0;
    uint32_t chunkSize = 0;
    uint64_t count = 0;
    uint64_t width = 4;
    uint64_t tableBytes = 0;
    uint64_t dataBytes = 0;
    std::vector<uint8_t> window;
    uint64_t windowFirst = 0;
    uint64_t windowEntries = 0;
};

// The whole table of a stream held in memory.
std::vector<WofChunk> ParseWofChunkTable(const uint8_t* stream, uint64_t streamSize, uint64_t plainSize,
                                         uint32_t chunkSize);

// Decodes one XPRESS-Huffman chunk, or copies it when it is stored (its length
// equals its plain length), into out (chunk.plain bytes); workSpace holds the
// decoder's table. False when it does not decode to exactly chunk.plain bytes.
bool DecodeWofChunk(const uint8_t* stream, const WofChunk& chunk, uint8_t* out, std::vector<uint8_t>& workSpace);

// A whole WOF stream of XPRESS chunks into output, cut to uncompressedSize.
// 0 success, 1 no decoder, 2 a chunk or the table failed.
int DecompressWofXpress(const std::shared_ptr<Utils::Buffer<uint8_t>>& compressed,
                        const std::shared_ptr<Utils::Buffer<uint8_t>>& output, uint32_t chunkSize,
                        uint64_t uncompressedSize);
// LZX is not decoded: logs it and answers 2, leaving the output as it is.
int DecompressWofLzx(const std::shared_ptr<Utils::Buffer<uint8_t>>& compressed,
                     const std::shared_ptr<Utils::Buffer<uint8_t>>& output, uint32_t chunkSize);

}
