#include "Drive/Reader.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"

#include <cerrno>
#include <climits>
#include <cstring>

static constexpr const char* LogSource = "src/Drive/reader";

namespace Drive {

namespace {
std::unique_ptr<Platform::DeviceFile> Open(const std::string& path)
{
    VLOG_INFO("[Reader]CreateFile(%s)...", path.c_str());
    std::string name = path;
    if (!name.empty() && name.back() == '\\')
        name.pop_back();
    auto file = Platform::OpenDeviceFile(name, true);
    if (!file) {
        VLOG_ERROR("[Reader]open %s: %s", name.c_str(), std::strerror(errno));
        throw Exceptions::DiskException("CreateFile failed");
    }
    VLOG_INFO("[Reader] END.");
    return file;
}
}

Reader::Reader(const std::string& path) : file(Open(path)) {}

Reader::Reader(std::unique_ptr<Platform::DeviceFile> file) : file(std::move(file)) {}

Reader::~Reader() = default;

bool Reader::Seek(uint64_t offset)
{
    if (offset == position)
        return true;
    if (!file) {
        lastError = EBADF;
        return false;
    }
    if (offset > static_cast<uint64_t>(LLONG_MAX)) {
        lastError = EINVAL;
        return false;
    }
    position = offset;
    return true;
}

bool Reader::Read(void* buffer, uint32_t length)
{
    if (!file) {
        lastError = EBADF;
        return false;
    }
    const int64_t n = file->ReadAt(position, buffer, length);
    if (n < 0) {
        lastError = static_cast<int>(-n);
        lastReadLength = 0;
        return false;
    }
    lastReadLength = static_cast<uint32_t>(n);
    position += static_cast<uint64_t>(n);
    return true;
}

int64_t Reader::ReadAt(uint64_t offset, void* buffer, uint64_t length)
{
    if (!file)
        return -EBADF;
    return file->ReadAt(offset, buffer, length);
}

uint32_t Reader::LogicalSectorSize() const
{
    return file ? file->LogicalSectorSize() : 512;
}

bool Reader::DirectDevice() const
{
    return file && file->Direct();
}

bool Reader::DeviceGone() const
{
    return !file || file->Gone();
}

uint64_t Reader::DeviceSize() const
{
    return file ? file->Size() : 0;
}

}
