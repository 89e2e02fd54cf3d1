#pragma once
// Carves a volume's chunks on worker threads. Each chunk's carves start at
// its allowed blocks and read on through the next chunk and, when they need
// more, through the volume reader. Results come back in chunk order, each
// chunk's files by start offset: the same files whatever the worker count.
#include "DataRecovery/RunState.h"
#include "DeepScan/CarveRunner.h"
#include "DeepScan/ChunkReader.h"
#include "Utils/ThreadPool.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <vector>

namespace Utils {
class PartReader;
}

namespace DeepScan {

// The carving workers a raw pass uses: VELMORA_CARVE_WORKERS when set to a
// positive number, else one per core.
size_t CarveWorkerCount();

class ParallelCarver {
public:
    // reader reads the volume for carves running past the chunk after their own.
    ParallelCarver(Utils::PartReader& reader, uint64_t volumeLength, uint64_t chunkSize,
                   std::shared_ptr<Thread::ThreadPool> workers, SharedRunState runState);
    // Makes the chunks in flight give up and waits for them.
    ~ParallelCarver();

    ParallelCarver(const ParallelCarver&) = delete;
    ParallelCarver& operator=(const ParallelCarver&) = delete;

    // The next chunk in volume order, startAllowed with one entry per 512-byte
    // block (empty allows every block). Waits while many chunks are in flight.
    void Add(SharedChunk chunk, std::vector<bool> startAllowed);
    // Files of the leading chunks whose carves have all ended.
    std::vector<CarvedFile> TakeReady();
    // No more chunks: waits for every chunk and returns the rest.
    std::vector<CarvedFile> Finish();

    size_t Workers() const { return workers->WorkerCount(); }

private:
    // Drops chunk and next once fed, so a carve reading on holds no chunk.
    std::vector<CarvedFile> CarveChunk(SharedChunk& chunk, const std::vector<bool>& startAllowed, SharedChunk& next);
    void Dispatch(SharedChunk next);
    void Collect(std::vector<CarvedFile>& out, bool wait);

    Utils::PartReader& reader;
    const uint64_t volumeLength;
    const uint64_t chunkSize;
    std::shared_ptr<Thread::ThreadPool> workers;
    SharedRunState runState;
    std::atomic<bool> cancelled{false};

    // The last chunk added waits here for the chunk after it.
    SharedChunk held;
    std::vector<bool> heldAllowed;
    std::deque<std::future<std::vector<CarvedFile>>> inFlight;
    // Chunks handed to the workers, and those a worker has begun.
    size_t dispatched = 0;
    size_t started = 0;
    std::mutex startMutex;
    std::condition_variable startSignal;
    // Files of ended chunks not yet taken.
    std::vector<CarvedFile> collected;
};

}
