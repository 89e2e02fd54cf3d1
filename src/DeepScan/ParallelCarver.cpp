#include "DeepScan/ParallelCarver.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <utility>

static constexpr const char* LogSource = "src/DeepScan/ParallelCarver";

namespace DeepScan {

namespace {
// How often a waiting scan thread looks at the run state.
constexpr auto pollInterval = std::chrono::milliseconds(50);
}

size_t CarveWorkerCount()
{
    if (const char* text = std::getenv("VELMORA_CARVE_WORKERS"); text && *text) {
        char* end = nullptr;
        const unsigned long value = std::strtoul(text, &end, 10);
        if (end && *end == '\0' && value > 0)
            return std::min<size_t>(value, Thread::ThreadPool::maxWorkers);
    }
    return std::clamp<size_t>(std::thread::hardware_concurrency(), 1, Thread::ThreadPool::maxWorkers);
}

ParallelCarver::ParallelCarver(Utils::PartReader& reader, uint64_t volumeLength, uint64_t chunkSize,
                               std::shared_ptr<Thread::ThreadPool> workers, SharedRunState runState)
    : reader(reader), volumeLength(volumeLength), chunkSize(chunkSize), workers(std::move(workers)),
      runState(std::move(runState))
{
}

ParallelCarver::~ParallelCarver()
{
    // The tasks point at this carver: none may outlive it.
    cancelled = true;
    for (auto& task : inFlight)
        task.wait();
}

std::vector<CarvedFile> ParallelCarver::CarveChunk(SharedChunk& chunk, const std::vector<bool>& startAllowed,
                                                   SharedChunk& next)
{
    {
        std::lock_guard lock(startMutex);
        ++started;
    }
    startSignal.notify_all();
    if (cancelled)
        return {};
    CarveRunner runner(volumeLength);
    const uint64_t offset = chunk->offset;
    runner.Feed(offset, chunk->bytes, startAllowed);
    uint64_t at = offset + chunk->bytes.size();
    if (runner.RunningCarves() != 0 && next) {
        runner.FeedRunning(next->bytes);
        at += next->bytes.size();
    }
    // A carve reading on far needs neither chunk: they go back to the pool now.
    chunk.reset();
    next.reset();
    std::vector<uint8_t> buffer;
    try {
        while (runner.RunningCarves() != 0 && at < volumeLength) {
            if (cancelled)
                return {};
            PollRunState(*runState);
            // Whole chunks that every carve skips (a large box or chunk of its format) go unread.
            if (const uint64_t unseen = runner.Unseen(); unseen > chunkSize) {
                const uint64_t pass = std::min((unseen - 1) / chunkSize * chunkSize, volumeLength - at);
                runner.PassOver(pass);
                at += pass;
                continue;
            }
            const uint64_t size = std::min(chunkSize, volumeLength - at);
            buffer.resize(size);
            reader.Read(at, buffer.data(), static_cast<uint32_t>(size));
            runner.FeedRunning(std::span<const uint8_t>(buffer.data(), size));
            at += size;
        }
    } catch (const Exceptions::ProcessControllerException&) {
        // The scan thread sees the stop too and ends the pass.
        return {};
    } catch (const std::exception& e) {
        // The pass's own read of these bytes fails the scan; the carves that needed them end here.
        VLOG_ERROR("Carving past %llu stopped at %llu: %s", static_cast<unsigned long long>(offset),
                   static_cast<unsigned long long>(at), e.what());
    }
    std::fill(buffer.begin(), buffer.end(), 0);
    return runner.Finish();
}

void ParallelCarver::Collect(std::vector<CarvedFile>& out, bool waitForOne)
{
    while (!inFlight.empty()) {
        auto& front = inFlight.front();
        if (waitForOne) {
            while (front.wait_for(pollInterval) != std::future_status::ready)
                PollRunState(*runState);
            waitForOne = false;
        } else if (front.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            return;
        }
        auto files = front.get();
        inFlight.pop_front();
        out.insert(out.end(), files.begin(), files.end());
    }
}

void ParallelCarver::Dispatch(SharedChunk next)
{
    // Few chunks wait for a worker, so memory stays a few chunks per worker;
    // chunks after a carve that reads on far are carved meanwhile, up to a limit.
    const size_t waitingLimit = workers->WorkerCount() + 2;
    const size_t inFlightLimit = 16 * workers->WorkerCount() + 16;
    auto fewWaiting = [&] { return dispatched - started < waitingLimit; };
    Collect(collected, false);
    for (;;) {
        {
            std::unique_lock lock(startMutex);
            if (inFlight.size() < inFlightLimit && fewWaiting())
                break;
            if (!fewWaiting())
                startSignal.wait_for(lock, pollInterval, fewWaiting);
        }
        PollRunState(*runState);
        if (inFlight.size() >= inFlightLimit)
            inFlight.front().wait_for(pollInterval);
        Collect(collected, false);
    }
    ++dispatched;
    inFlight.push_back(workers->enqueue(
        [this, chunk = std::move(held), allowed = std::move(heldAllowed), next]() mutable {
            return CarveChunk(chunk, allowed, next);
        }));
    held.reset();
    heldAllowed.clear();
}

void ParallelCarver::Add(SharedChunk chunk, std::vector<bool> startAllowed)
{
    if (held)
        Dispatch(chunk);
    held = std::move(chunk);
    heldAllowed = std::move(startAllowed);
}

std::vector<CarvedFile> ParallelCarver::TakeReady()
{
    Collect(collected, false);
    return std::exchange(collected, {});
}

std::vector<CarvedFile> ParallelCarver::Finish()
{
    if (held)
        Dispatch(nullptr);
    while (!inFlight.empty())
        Collect(collected, true);
    return std::exchange(collected, {});
}

}
