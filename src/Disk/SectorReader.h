#pragma once
// Plain reads of a disk for the partition-table scan. Never throws: a failure is
// a false or 0 result with a line on the error stream.
#include "Platform/Linux/DeviceFile.h"

#include <cstdint>
#include <memory>
#include <string>

class SectorReader {
public:
    explicit SectorReader(std::string path, uint64_t baseOffset = 0);
    ~SectorReader();

    SectorReader(const SectorReader&) = delete;
    SectorReader& operator=(const SectorReader&) = delete;

    bool Open();
    bool IsOpen() const { return file != nullptr; }
    // True only when exactly count bytes arrive from byte offset.
    bool ReadAt(uint64_t offset, void* buffer, uint32_t count);
    // Reads count bytes at the start of sector number (in logical sectors).
    bool ReadSector(uint64_t sector, void* buffer, uint32_t count);
    uint64_t GetDiskSize();
    // Logical sector size of the device (512 for image files).
    uint32_t SectorSize() const;
    void Close();

private:
    std::string path;
    uint64_t baseOffset;
    std::unique_ptr<Platform::DeviceFile> file;
};
