#pragma once
// The lowest reading layer: one device opened read-only and the byte position
// the reader believes it stands at. It only seeks and reads; it never writes.
#include "Platform/Linux/DeviceFile.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Drive {

class Reader {
public:
    // Opens the device or image file; one trailing backslash is dropped. Throws
    // Exceptions::DiskException "CreateFile failed" when it cannot be opened.
    explicit Reader(const std::string& path);
    // Reads through a device made elsewhere (tests inject failing devices).
    explicit Reader(std::unique_ptr<Platform::DeviceFile> file);
    virtual ~Reader();

    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // Moves to offset; the position is recorded only when the move succeeds.
    virtual bool Seek(uint64_t offset);
    // Reads up to length bytes at the position and advances it by what arrived.
    // A read cut short by the end of the device succeeds.
    virtual bool Read(void* buffer, uint32_t length);

    // Reads up to length bytes at offset, leaving the position alone, so
    // several threads may read at once. Returns the bytes delivered or -errno.
    int64_t ReadAt(uint64_t offset, void* buffer, uint64_t length);

    uint64_t Position() const { return position; }
    // errno of the last failed Seek or Read.
    int LastError() const { return lastError; }
    // Bytes the last successful Read delivered.
    uint32_t LastReadLength() const { return lastReadLength; }
    uint32_t LogicalSectorSize() const;
    uint64_t DeviceSize() const;
    bool DirectDevice() const;
    // Whether the device went away (see Platform::DeviceFile::Gone).
    bool DeviceGone() const;

private:
    std::unique_ptr<Platform::DeviceFile> file;
    uint64_t position = 0;
    int lastError = 0;
    uint32_t lastReadLength = 0;
};

}
