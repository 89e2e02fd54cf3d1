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

class PartReader {
public:
    PartReader(std::string devicePath, uint64_t start, uint64_t size);
    ~PartReader();

    PartReader(const PartReader&) = delete;
    PartReader& operator=(const PartReader&) = delete;

    // Copies length bytes from device offset start + offset; true or throws
    // (Exceptions::DiskDisconnectedException when the device went away,
    // Exceptions::DiskException for other failures and for bytes past the end of
    // the device). The range is not enforced: neighbouring bytes of the device
    // can be read.
    bool Read(uint64_t offset, void* buffer, uint32_t length);
    // The same for recovered bytes: read as asked, without moving the shared
    // window or starting its read-ahead (see ReaderBuffer::ReadRun).
    void ReadRun(uint64_t offset, void* buffer, uint64_t length);
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
