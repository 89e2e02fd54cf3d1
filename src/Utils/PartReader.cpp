// Provisional reader: plain pread on the device, no shared cache yet.
#include "Utils/PartReader.h"

#include "DataRecovery/Exceptions.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <unistd.h>

namespace Utils {

class ReaderBuffer {
public:
    explicit ReaderBuffer(const std::string& path)
    {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            throw Exceptions::DiskException("Cannot open " + path + ": " + std::strerror(errno));
    }
    ~ReaderBuffer() { ::close(fd); }

    void ReadAt(uint64_t offset, void* out, uint32_t length)
    {
        auto* p = static_cast<char*>(out);
        while (length > 0) {
            ssize_t n = ::pread(fd, p, length, static_cast<off_t>(offset));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                throw Exceptions::DiskException("Read failed at " + std::to_string(offset));
            p += n;
            offset += static_cast<uint64_t>(n);
            length -= static_cast<uint32_t>(n);
        }
    }

    uint64_t chunkSize = 0xA00000;

private:
    int fd = -1;
};

namespace {
std::mutex cacheMutex;
// Keeps the provisional buffers alive like the real cache does.
std::map<std::string, std::shared_ptr<ReaderBuffer>> cache;

std::shared_ptr<ReaderBuffer> Open(const std::string& path)
{
    std::lock_guard lock(cacheMutex);
    auto& slot = cache[path];
    if (!slot)
        slot = std::make_shared<ReaderBuffer>(path);
    return slot;
}
}

void ClearReaderBuffers()
{
    std::lock_guard lock(cacheMutex);
    cache.clear();
}

uint64_t GetDefaultBufferSize()
{
    return 0xA00000;
}

PartReader::PartReader(std::string devicePath, uint64_t start, uint64_t size)
    : devicePath(std::move(devicePath)), start(start), size(size)
{
    auto locked = Open(this->devicePath);
    buffer = locked;
    try {
        locked->ReadAt(start, bootSector, sizeof bootSector);
    } catch (const Exceptions::DiskException&) {
    }
}

PartReader::~PartReader() = default;

bool PartReader::Read(uint64_t offset, void* out, uint32_t length)
{
    if (length == 0)
        return true;
    LockReaderBuffer()->ReadAt(start + offset, out, length);
    return true;
}

std::shared_ptr<ReaderBuffer> PartReader::LockReaderBuffer()
{
    auto locked = buffer.lock();
    if (!locked)
        throw Exceptions::DiskException("ReaderBuffer expired, cannot recognize file system.");
    return locked;
}

void PartReader::SetBufferSize(uint64_t newSize)
{
    LockReaderBuffer()->chunkSize = newSize;
}

uint64_t PartReader::GetBufferSize()
{
    return LockReaderBuffer()->chunkSize;
}

}
