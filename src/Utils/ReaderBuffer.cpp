#include "Utils/ReaderBuffer.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "Platform/Linux/ReadErrors.h"
#include "Utils/DisconnectedException.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

static constexpr const char* LogSource = "src/Utils/ReaderBuffer";

namespace Utils {

namespace {
// Chunks are aligned for O_DIRECT whatever the logical block size.
constexpr size_t MemoryAlignment = 4096;
constexpr uint64_t MaxChunkSize = 1ull << 30;
// Reads at least this long skip the window on page-cached devices.
constexpr uint64_t BypassLength = 256 * 1024;

uint64_t RoundUp(uint64_t value, uint64_t alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

[[noreturn]] void ThrowReadError(const char* what, uint64_t offset, int error, bool deviceGone = false)
{
    if (const char* text = Platform::DisconnectedErrorText(error, deviceGone))
        throw MakeDisconnectedException(text);
    char message[128];
    std::snprintf(message, sizeof message, "%s offset %llu failed (%08x)", what,
                  static_cast<unsigned long long>(offset), static_cast<unsigned>(error));
    throw Exceptions::DiskException(message);
}

[[noreturn]] void ThrowPastEnd(uint64_t offset)
{
    char message[128];
    std::snprintf(message, sizeof message, "read offset %llu failed (past the end of the device)",
                  static_cast<unsigned long long>(offset));
    throw Exceptions::DiskException(message);
}
}

ReaderBuffer::ReaderBuffer(const std::string& path, uint64_t limitOffset, uint64_t chunkSize)
    : Drive::Reader(path), devicePath(path)
{
    Start(limitOffset, chunkSize);
}

ReaderBuffer::ReaderBuffer(std::unique_ptr<Platform::DeviceFile> device, std::string name, uint64_t limitOffset,
                           uint64_t chunkSize)
    : Drive::Reader(std::move(device)), devicePath(std::move(name))
{
    Start(limitOffset, chunkSize);
}

void ReaderBuffer::Start(uint64_t limit, uint64_t size)
{
    alignment = std::max<uint32_t>(512, Drive::Reader::LogicalSectorSize());
    deviceSize = Drive::Reader::DeviceSize();
    pageCached = !Drive::Reader::DirectDevice();
    // The device's own size bounds the read-ahead for every reader of it.
    limitOffset = deviceSize ? deviceSize : limit;
    chunkSize = std::clamp<uint64_t>(RoundUp(size, alignment), alignment, MaxChunkSize);
    currentChunk = AllocateAligned(chunkSize, MemoryAlignment);
    spareChunk = AllocateAligned(chunkSize, MemoryAlignment);
    running = true;
    thread = std::thread(&ReaderBuffer::PrefetchWorker, this);
}

ReaderBuffer::~ReaderBuffer()
{
    {
        std::lock_guard lock(stateMutex);
        running = false;
    }
    requestSignal.notify_all();
    if (thread.joinable())
        thread.join();
}

void ReaderBuffer::ExtendLimit(uint64_t endOffset)
{
    std::lock_guard lock(stateMutex);
    if (deviceSize == 0)
        limitOffset = std::max(limitOffset, endOffset);
}

uint64_t ReaderBuffer::LimitOffset()
{
    std::lock_guard lock(stateMutex);
    return limitOffset;
}

uint64_t ReaderBuffer::GetBufferSize()
{
    std::lock_guard lock(stateMutex);
    return chunkSize;
}

ReaderBuffer::Statistics ReaderBuffer::GetStatistics()
{
    std::lock_guard lock(stateMutex);
    std::lock_guard counts(statisticsMutex);
    Statistics copy = statistics;
    copy.prefetchBusy = !prefetchReady;
    return copy;
}

bool ReaderBuffer::AcceptRequest(uint64_t offset, uint64_t length)
{
    if (length == 0)
        return false;
    if (offset > UINT64_MAX - length)
        ThrowReadError("read", offset, EINVAL);
    // Known to end before the request does: fail before any window changes.
    if (deviceSize && offset + length > deviceSize)
        ThrowPastEnd(std::max(offset, deviceSize));
    std::lock_guard state(statisticsMutex);
    statistics.bytesAsked += length;
    return true;
}

void ReaderBuffer::ReadBytes(uint64_t offset, void* buffer, uint64_t length)
{
    if (!AcceptRequest(offset, length))
        return;
    auto* out = static_cast<uint8_t*>(buffer);
    while (length > 0) {
        uint64_t copied = CopyFromWindow(offset, out, length);
        if (copied == 0 && ReadPastWindow(offset, out, length))
            return;
        if (copied == 0)
            copied = Refill(offset, out, length);
        out += copied;
        offset += copied;
        length -= copied;
    }
}

uint64_t ReaderBuffer::CopyFromWindow(uint64_t position, uint8_t* out, uint64_t length)
{
    std::shared_lock lock(windowLock);
    if (windowEmpty || position < windowStart || position - windowStart >= windowLength)
        return 0;
    const uint64_t inside = position - windowStart;
    const uint64_t count = std::min(length, windowLength - inside);
    std::memcpy(out, currentChunk.Data() + inside, count);
    return count;
}

uint64_t ReaderBuffer::ReadLength(uint64_t offset) const
{
    // Near the limit read only up to it, but in whole logical blocks.
    if (offset < limitOffset && limitOffset - offset < chunkSize)
        return RoundUp(limitOffset - offset, alignment);
    return chunkSize;
}

uint64_t ReaderBuffer::ReadDevice(uint64_t offset, uint8_t* chunk, uint64_t length)
{
    std::lock_guard lock(deviceMutex);
    if (!Drive::Reader::Seek(offset))
        ThrowReadError("seek", offset, LastError());
    if (!Drive::Reader::Read(chunk, static_cast<uint32_t>(length))) {
        const int error = LastError();
        ThrowReadError("read", offset, error, error == EIO && Drive::Reader::DeviceGone());
    }
    std::lock_guard state(statisticsMutex);
    statistics.bytesRead += LastReadLength();
    return LastReadLength();
}

// A long request on a page-cached device goes straight into
// the caller's memory: the kernel already reads ahead there, and a second copy
// through the window would halve the throughput. Direct devices keep the
// window, whose read-ahead overlaps the device with the engine's work.
bool ReaderBuffer::ReadPastWindow(uint64_t position, uint8_t* out, uint64_t length)
{
    {
        std::lock_guard state(stateMutex);
        if (!pageCached || length < std::min(chunkSize, BypassLength) || length > UINT32_MAX)
            return false;
        ++statistics.bypassReads;
    }
    ReadPositioned(position, out, length);
    return true;
}

// Positioned, outside the device lock: the raw search reads chunks on several
// threads at once, and recoveries read beside a running scan.
void ReaderBuffer::ReadPositioned(uint64_t position, uint8_t* out, uint64_t length)
{
    const int64_t delivered = Drive::Reader::ReadAt(position, out, length);
    if (delivered < 0) {
        const int error = static_cast<int>(-delivered);
        ThrowReadError("read", position, error, error == EIO && Drive::Reader::DeviceGone());
    }
    {
        std::lock_guard state(statisticsMutex);
        statistics.bytesRead += static_cast<uint64_t>(delivered);
    }
    if (static_cast<uint64_t>(delivered) != length)
        ThrowPastEnd(position + static_cast<uint64_t>(delivered));
}

void ReaderBuffer::ReadRun(uint64_t offset, void* buffer, uint64_t length)
{
    if (!AcceptRequest(offset, length))
        return;
    auto* out = static_cast<uint8_t*>(buffer);
    // A scan beside the recovery may hold the start in its window already.
    const uint64_t copied = CopyFromWindow(offset, out, length);
    out += copied;
    offset += copied;
    length -= copied;
    if (length == 0)
        return;
    {
        std::lock_guard state(statisticsMutex);
        ++statistics.runReads;
    }
    if (pageCached) {
        ReadPositioned(offset, out, length);
        return;
    }
    // O_DIRECT: whole logical blocks into aligned memory, then the asked bytes.
    const uint64_t from = offset - offset % alignment;
    uint64_t to = RoundUp(offset + length, alignment);
    if (deviceSize)
        to = std::min(to, RoundUp(deviceSize, alignment));
    AlignedBlock block = AllocateAligned(to - from, MemoryAlignment);
    ReadPositioned(from, block.Data(), to - from);
    std::memcpy(out, block.Data() + (offset - from), length);
}

// Makes the window cover position and copies what it can of the request while
// the window cannot change; returns the bytes copied (never 0).
uint64_t ReaderBuffer::Refill(uint64_t position, uint8_t* out, uint64_t length)
{
    std::unique_lock state(stateMutex);
    readySignal.wait(state, [&] { return prefetchReady || !running; });

    // A refill of another thread may have brought the bytes in meanwhile.
    if (const uint64_t copied = CopyFromWindow(position, out, length))
        return copied;

    const uint64_t aligned = position - position % alignment;
    bool haveSpare;
    {
        std::lock_guard spare(spareMutex);
        haveSpare = spareValid && position >= spareStart && position - spareStart < spareLength;
    }
    if (!haveSpare && storedException) {
        // The read-ahead failed. Its failure belongs to the bytes it was after.
        std::exception_ptr failure = std::exchange(storedException, nullptr);
        if (position >= failedOffset && position - failedOffset < failedLength)
            std::rethrow_exception(failure);
    }
    if (!haveSpare) {
        std::lock_guard spare(spareMutex);
        spareValid = false;
        const uint64_t delivered = ReadDevice(aligned, spareChunk.Data(), ReadLength(aligned));
        ++statistics.directReads;
        spareStart = aligned;
        spareLength = delivered;
        spareValid = true;
    } else {
        ++statistics.swaps;
    }

    bool post;
    {
        std::unique_lock window(windowLock);
        std::lock_guard spare(spareMutex);
        std::swap(currentChunk, spareChunk);
        windowStart = spareStart;
        windowLength = spareLength;
        windowEmpty = windowLength == 0;
        spareValid = false;
        // The read-ahead continues where the window really ends; a window cut
        // short by the end of the device has nothing after it.
        const uint64_t next = windowStart + windowLength;
        const bool full = windowLength % alignment == 0 && windowLength > 0;
        prefetchOffset = next;
        prefetchLength = full && next < limitOffset ? ReadLength(next) : 0;
        post = prefetchLength != 0;
    }
    if (post) {
        prefetchReady = false;
        requestSignal.notify_one();
    }

    const uint64_t copied = CopyFromWindow(position, out, length);
    if (copied == 0)
        ThrowPastEnd(position);
    return copied;
}

void ReaderBuffer::PrefetchWorker()
{
    std::unique_lock state(stateMutex);
    while (true) {
        requestSignal.wait(state, [&] { return !running || !prefetchReady; });
        if (!running)
            return;
        state.unlock();

        std::exception_ptr failure;
        uint64_t offset = 0;
        uint64_t length = 0;
        bool read = false;
        {
            // Taken again under the lock: a resize may have shrunk the chunks
            // since the request was posted.
            std::lock_guard spare(spareMutex);
            offset = prefetchOffset;
            length = std::min(prefetchLength, chunkSize);
            if (length != 0) {
                spareValid = false;
                try {
                    const uint64_t delivered = ReadDevice(offset, spareChunk.Data(), length);
                    spareStart = offset;
                    spareLength = delivered;
                    spareValid = true;
                } catch (...) {
                    failure = std::current_exception();
                }
                read = true;
            }
        }

        state.lock();
        if (failure) {
            VLOG_ERROR("read-ahead at %llu failed", static_cast<unsigned long long>(offset));
            storedException = failure;
            failedOffset = offset;
            failedLength = length;
        }
        if (read)
            ++statistics.prefetchReads;
        prefetchReady = true;
        readySignal.notify_all();
    }
}

void ReaderBuffer::SetBufferSize(uint64_t size)
{
    const uint64_t rounded = std::clamp<uint64_t>(RoundUp(size, alignment), alignment, MaxChunkSize);
    AlignedBlock current = AllocateAligned(rounded, MemoryAlignment);
    AlignedBlock spareBlock = AllocateAligned(rounded, MemoryAlignment);
    std::lock_guard state(stateMutex);
    std::unique_lock window(windowLock);
    std::lock_guard spare(spareMutex);
    chunkSize = rounded;
    std::swap(currentChunk, current);
    std::swap(spareChunk, spareBlock);
    windowEmpty = true;
    windowLength = 0;
    spareValid = false;
    prefetchOffset = 0;
    prefetchLength = 0;
}

}
