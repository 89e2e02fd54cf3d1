#include "DeepScan/ChunkReader.h"

#include "Utils/PartReader.h"
#include "Utils/ThreadPool.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace DeepScan {

// Spare chunk buffers; a buffer a chunk drops comes back here, wiped when the pool goes.
class ChunkPool : public std::enable_shared_from_this<ChunkPool> {
public:
    explicit ChunkPool(uint64_t chunkSize) : chunkSize(chunkSize) {}
    ~ChunkPool()
    {
        for (auto& buffer : spare)
            std::fill(buffer->begin(), buffer->end(), 0);
    }

    std::shared_ptr<Chunk> Make(uint64_t offset, uint64_t length)
    {
        std::unique_ptr<std::vector<uint8_t>> buffer;
        {
            std::lock_guard lock(mutex);
            if (!spare.empty()) {
                buffer = std::move(spare.back());
                spare.pop_back();
            }
        }
        if (!buffer)
            buffer = std::make_unique<std::vector<uint8_t>>(chunkSize);
        auto* chunk = new Chunk{offset, std::span<const uint8_t>(buffer->data(), length), std::move(buffer)};
        return std::shared_ptr<Chunk>(chunk, [pool = shared_from_this()](Chunk* dropped) {
            pool->Return(std::move(dropped->buffer));
            delete dropped;
        });
    }

private:
    void Return(std::unique_ptr<std::vector<uint8_t>> buffer)
    {
        if (!buffer)
            return;
        std::lock_guard lock(mutex);
        spare.push_back(std::move(buffer));
    }

    const uint64_t chunkSize;
    std::mutex mutex;
    std::vector<std::unique_ptr<std::vector<uint8_t>>> spare;
};

ChunkReader::ChunkReader(Utils::PartReader& reader, uint64_t length, uint64_t chunkSize, size_t ahead,
                         std::shared_ptr<Thread::ThreadPool> workers, ChunkInspection inspect)
    : reader(reader), length(length), chunkSize(chunkSize), ahead(std::max<size_t>(ahead, 1)),
      pool(std::make_shared<ChunkPool>(chunkSize)),
      workers(workers ? std::move(workers) : std::make_shared<Thread::ThreadPool>(1)), inspect(std::move(inspect))
{
    while (inFlight.size() < this->ahead && nextOffset < length)
        Submit();
}

ChunkReader::~ChunkReader()
{
    // The reads point at the reader and the pool: none may outlive this.
    for (auto& read : inFlight)
        if (read.valid())
            read.wait();
}

void ChunkReader::Submit()
{
    const uint64_t offset = nextOffset;
    const uint64_t size = std::min(chunkSize, length - offset);
    nextOffset += size;
    inFlight.push_back(workers->enqueueUrgent([this, offset, size] {
        auto chunk = pool->Make(offset, size);
        reader.Read(offset, chunk->buffer->data(), static_cast<uint32_t>(size));
        Delivered delivered{std::move(chunk), {}};
        if (inspect)
            delivered.marks = inspect(*delivered.chunk);
        return delivered;
    }));
}

ChunkReader::Delivered ChunkReader::Next()
{
    if (inFlight.empty() || failed)
        return {};
    auto read = std::move(inFlight.front());
    inFlight.pop_front();
    Delivered delivered;
    try {
        delivered = read.get();
    } catch (...) {
        // Nothing after a failed read is handed out.
        failed = true;
        throw;
    }
    if (nextOffset < length)
        Submit();
    return delivered;
}

}
