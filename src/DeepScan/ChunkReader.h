#pragma once
// Reads a volume front to back in large chunks, several at once on the
// workers and a few chunks ahead of the scan, so the reads overlap the work
// on earlier chunks; each chunk is looked at on the worker that read it,
// while its bytes are at hand. Chunk buffers come back to a pool when the
// last holder lets go.
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <span>
#include <vector>

namespace Utils {
class PartReader;
}

namespace Thread {
class ThreadPool;
}

namespace DeepScan {

class ChunkPool;

// Bytes [offset, offset + bytes.size()) of the volume.
struct Chunk {
    uint64_t offset = 0;
    std::span<const uint8_t> bytes;
    std::unique_ptr<std::vector<uint8_t>> buffer;
};

using SharedChunk = std::shared_ptr<const Chunk>;

// Looks at a chunk's bytes alone (on any thread): one mark per 512-byte block.
using ChunkInspection = std::function<std::vector<bool>(const Chunk&)>;

class ChunkReader {
public:
    // Reads [0, length) of the reader's range in chunks of chunkSize, at most
    // ahead chunks in advance, on workers (empty: a thread of its own), and
    // runs inspect on each, if given.
    ChunkReader(Utils::PartReader& reader, uint64_t length, uint64_t chunkSize, size_t ahead,
                std::shared_ptr<Thread::ThreadPool> workers = {}, ChunkInspection inspect = {});
    // Waits for the reads in flight.
    ~ChunkReader();

    ChunkReader(const ChunkReader&) = delete;
    ChunkReader& operator=(const ChunkReader&) = delete;

    struct Delivered {
        SharedChunk chunk; // nullptr after the last
        std::vector<bool> marks; // the inspection's; empty without one
    };
    // The next chunk in volume order; a failed read throws here, in its place in the order.
    Delivered Next();

private:
    void Submit();

    Utils::PartReader& reader;
    const uint64_t length;
    const uint64_t chunkSize;
    const size_t ahead;
    std::shared_ptr<ChunkPool> pool;
    std::shared_ptr<Thread::ThreadPool> workers;
    ChunkInspection inspect;
    uint64_t nextOffset = 0;
    bool failed = false;
    std::deque<std::future<Delivered>> inFlight;
};

}
