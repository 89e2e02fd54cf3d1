#pragma once
// A reader confined to one byte range of one device, addressed relative to the
// range's start. Shares the device's read-ahead cache with every other reader
// of the same device path.
#include <cstdint>
#include <memory>
#include <string>

namespace Utils {

class ReaderBuffer;

uint64_t GetDefaultBufferSize();

// Drops every device's shared buffer (ReleaseDataRecovery); readers made
// before then report their buffer as expired.
void ClearReaderBuffers();

class PartReader {
public:
    PartReader(std::string devicePath, uint64_t start, uint64_t size);
    ~PartReader();

    PartReader(const PartReader&) = delete;
    PartReader& operator=(const PartReader&) = delete;

    // Copies length bytes from device offset start + offset; true or throws.
    bool Read(uint64_t offset, void* buffer, uint32_t length);
    std::shared_ptr<ReaderBuffer> LockReaderBuffer();
    void SetBufferSize(uint64_t size);
    uint64_t GetBufferSize();

    uint64_t Start() const { return start; }
    uint64_t Size() const { return size; }
    const std::string& DevicePath() const { return devicePath; }

    uint32_t clusterSize = 0;
    uint32_t recordSize = 0;
    uint32_t indexBlockSize = 0;
    uint32_t sectorSize = 512;
    uint8_t bootSector[512] = {};

private:
    std::string devicePath;
    std::weak_ptr<ReaderBuffer> buffer;
    uint64_t start = 0;
    uint64_t size = 0;
};

}
