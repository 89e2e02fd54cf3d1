#pragma once
// A disk, volume or image file opened for reading only. Every read of the engine
// reaches the device through one of these; nothing here can write.
#include <cstdint>
#include <memory>
#include <string>

namespace Platform {

class DeviceFile {
public:
    virtual ~DeviceFile() = default;

    // Reads up to length bytes at offset. Returns the bytes delivered (fewer only
    // at the end of the device, 0 past it) or -errno.
    virtual int64_t ReadAt(uint64_t offset, void* buffer, uint64_t length) = 0;
    // Logical block size: every direct read is a whole number of these at an
    // offset aligned to it.
    virtual uint32_t LogicalSectorSize() const = 0;
    // Size in bytes; 0 when the device cannot tell.
    virtual uint64_t Size() const = 0;
    // True when reads bypass the page cache (O_DIRECT): then offsets, lengths
    // and buffers must be aligned to the logical block size.
    virtual bool Direct() const { return false; }
    // Whether the device went away, asked after a read failed with EIO: a
    // block device whose node or sysfs entry is gone, or whose size query now
    // fails with ENODEV, ENXIO or ENOMEDIUM. An image file never goes.
    virtual bool Gone() const { return false; }
};

// Opens path with O_RDONLY|O_CLOEXEC. Block devices get O_DIRECT when direct is
// set and the kernel accepts it; image files and devices that refuse it are read
// through the page cache. Returns null with errno set when the open fails, and
// with EINVAL for anything that is neither a block device nor a regular file.
std::unique_ptr<DeviceFile> OpenDeviceFile(const std::string& path, bool direct);

}
