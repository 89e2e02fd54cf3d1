#pragma once
// A device backed by an image file that fails, slows down or demands direct-I/O
// alignment on request, for the reader and cache tests.
#include "Platform/Linux/DeviceFile.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

namespace TestSupport {

class FaultyDevice : public Platform::DeviceFile {
public:
    // sectorSize > 0 makes reads behave like O_DIRECT on such a device: offset,
    // length and buffer must be aligned to it, or the read fails with EINVAL.
    explicit FaultyDevice(const std::string& imagePath, uint32_t sectorSize = 512, bool strict = false);
    ~FaultyDevice() override;

    int64_t ReadAt(uint64_t offset, void* buffer, uint64_t length) override;
    uint32_t LogicalSectorSize() const override { return sectorSize; }
    uint64_t Size() const override { return sizeHidden ? 0 : size; }
    // Acts as a device that cannot tell its size.
    void HideSize() { sizeHidden = true; }
    bool Direct() const override { return strict; }
    bool Gone() const override { return gone.load(); }

    // Reads that touch [from, to) fail with error until Heal.
    void FailRange(uint64_t from, uint64_t to, int error);
    void Heal();
    // Acts as a device that went away (its node gone) until Heal: a failed
    // read's EIO is then a disconnection.
    void Unplug() { gone = true; }
    void SetDelay(std::chrono::microseconds delay);
    // Reads wait at a gate from HoldReads until ReleaseReads; a read held there
    // sees the failure set meanwhile.
    void HoldReads();
    void ReleaseReads();
    uint64_t HeldReads();
    uint64_t Reads() const { return reads.load(); }
    uint64_t MisalignedReads() const { return misaligned.load(); }

private:
    int fd = -1;
    uint32_t sectorSize;
    bool strict;
    uint64_t size = 0;
    bool sizeHidden = false;
    std::mutex mutex;
    std::condition_variable gate;
    bool holding = false;
    uint64_t held = 0;
    uint64_t failFrom = 0;
    uint64_t failTo = 0;
    int failError = 0;
    std::chrono::microseconds delay{0};
    std::atomic<bool> gone{false};
    std::atomic<uint64_t> reads{0};
    std::atomic<uint64_t> misaligned{0};
};

// An image whose every 512-byte sector holds its own number, as 64 little-endian
// 64-bit words, so any byte tells where it came from.
void WriteNumberedImage(const std::string& path, uint64_t bytes);

}
