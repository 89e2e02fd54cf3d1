#pragma once
// The shared read-ahead cache of one device: a window over the device held in
// one chunk, and a spare chunk that a thread of its own fills with the bytes
// that follow the window while the engine works on it.
#include "Drive/Reader.h"
#include "Utils/AlignedBlock.h"

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <thread>

namespace Utils {

class ReaderBuffer : protected Drive::Reader {
public:
    // Opens the device; limitOffset is the end of the reader that asks for the
    // buffer, used as the read-ahead limit only when the device size is unknown.
    ReaderBuffer(const std::string& devicePath, uint64_t limitOffset, uint64_t chunkSize);
    // Reads through a device made elsewhere (tests inject failing devices).
    ReaderBuffer(std::unique_ptr<Platform::DeviceFile> device, std::string name, uint64_t limitOffset,
                 uint64_t chunkSize);
    ~ReaderBuffer() override;

    // Copies length bytes from device offset into buffer. Throws
    // Exceptions::DiskDisconnectedException or Exceptions::DiskException; bytes
    // past the end of the device are an error, never stale memory.
    void ReadBytes(uint64_t offset, void* buffer, uint64_t length);
    // The same for a recovery: what the window already holds is copied, the
    // rest is read as it stands (whole logical blocks on a direct device),
    // and the window and its read-ahead are left alone. A small file costs its
    // own blocks, not a window and its read-ahead.
    void ReadRun(uint64_t offset, void* buffer, uint64_t length);

    // New chunk size (rounded up to the device's logical block size); the next
    // read reads directly.
    void SetBufferSize(uint64_t size);
    uint64_t GetBufferSize();

    // A later reader may reach further than the one that created the buffer.
    void ExtendLimit(uint64_t endOffset);
    uint64_t LimitOffset();

    const std::string& DevicePath() const { return devicePath; }
    uint32_t Alignment() const { return alignment; }
    uint64_t DeviceSize() const { return deviceSize; }

    struct Statistics {
        uint64_t directReads = 0;
        uint64_t prefetchReads = 0;
        uint64_t swaps = 0;
        uint64_t bypassReads = 0;
        uint64_t runReads = 0;
        uint64_t bytesRead = 0;  // from the device, by every kind of read
        uint64_t bytesAsked = 0; // by the callers of ReadBytes and ReadRun
        bool prefetchBusy = false; // a read-ahead is asked for or under way
    };
    Statistics GetStatistics();

private:
    void Start(uint64_t limitOffset, uint64_t chunkSize);
    // Checks a request against the device and counts it; false when it is empty.
    bool AcceptRequest(uint64_t offset, uint64_t length);
    uint64_t CopyFromWindow(uint64_t position, uint8_t* out, uint64_t length);
    uint64_t Refill(uint64_t position, uint8_t* out, uint64_t length);
    bool ReadPastWindow(uint64_t position, uint8_t* out, uint64_t length);
    void ReadPositioned(uint64_t position, uint8_t* out, uint64_t length);
    uint64_t ReadLength(uint64_t offset) const;
    uint64_t ReadDevice(uint64_t offset, uint8_t* chunk, uint64_t length);
    void PrefetchWorker();

    const std::string devicePath;
    uint32_t alignment = 512;
    bool pageCached = false;
    uint64_t deviceSize = 0;

    // Seek-and-read pairs on the shared device position.
    std::mutex deviceMutex;

    // Guards running, prefetchReady, limitOffset, the stored failure and the
    // statistics; a refill holds it from start to end, so refills run one at a time.
    std::mutex stateMutex;
    std::condition_variable requestSignal;
    std::condition_variable readySignal;
    bool running = false;
    bool prefetchReady = true;
    uint64_t limitOffset = 0;
    std::exception_ptr storedException;
    uint64_t failedOffset = 0;
    uint64_t failedLength = 0;
    Statistics statistics;
    // The byte and run counters, which reads outside stateMutex add to.
    std::mutex statisticsMutex;

    // Shared while readers copy out of the window, exclusive while the window
    // changes. Taken after stateMutex.
    std::shared_mutex windowLock;
    AlignedBlock currentChunk;
    uint64_t windowStart = UINT64_MAX;
    uint64_t windowLength = 0; // bytes the device delivered into the window
    bool windowEmpty = true;

    // Guards the spare chunk, what it holds, the read-ahead request and the
    // chunk size. Taken after windowLock; the read-ahead thread holds it alone
    // while it reads.
    std::mutex spareMutex;
    AlignedBlock spareChunk;
    uint64_t spareStart = 0;
    uint64_t spareLength = 0;
    bool spareValid = false;
    uint64_t prefetchOffset = 0;
    uint64_t prefetchLength = 0;
    uint64_t chunkSize = 0;

    std::thread thread;
};

}
