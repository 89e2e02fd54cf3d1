#include "Utils/PartReader.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "Utils/ReaderBuffer.h"
#include "Utils/ReaderBufferController.h"

#include <algorithm>

static constexpr const char* LogSource = "src/Utils/PartReader";

namespace Utils {

uint64_t GetDefaultBufferSize()
{
    return 0xA00000;
}

PartReader::PartReader(std::string devicePath, uint64_t start, uint64_t size)
    : devicePath(std::move(devicePath)), start(start), size(size)
{
    const uint64_t end = start > UINT64_MAX - size ? UINT64_MAX : start + size;
    buffer = ReaderBufferController::GetReader(this->devicePath, end, GetDefaultBufferSize());
    // Through the locked read like any other, so other readers of the device
    // cannot move the window under it. A range too short for a boot sector
    // keeps zeros; a device that has gone away is an error.
    const uint32_t length = size ? static_cast<uint32_t>(std::min<uint64_t>(size, sizeof bootSector))
                                 : static_cast<uint32_t>(sizeof bootSector);
    try {
        Read(0, bootSector, length);
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::DiskException& e) {
        VLOG_ERROR("boot sector of %s at %llu: %s", this->devicePath.c_str(), static_cast<unsigned long long>(start),
                   e.what());
        std::fill(std::begin(bootSector), std::end(bootSector), 0);
    }
}

PartReader::~PartReader() = default;

bool PartReader::Read(uint64_t offset, void* out, uint32_t length)
{
    auto locked = LockReaderBuffer();
    if (length == 0)
        return true;
    if (offset > UINT64_MAX - start)
        throw Exceptions::DiskException("read offset beyond the end of any device");
    locked->ReadBytes(start + offset, out, length);
    return true;
}

void PartReader::ReadRun(uint64_t offset, void* out, uint64_t length)
{
    auto locked = LockReaderBuffer();
    if (offset > UINT64_MAX - start)
        throw Exceptions::DiskException("read offset beyond the end of any device");
    locked->ReadRun(start + offset, out, length);
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
    LockReaderBuffer()->SetBufferSize(newSize);
}

uint64_t PartReader::GetBufferSize()
{
    return LockReaderBuffer()->GetBufferSize();
}

}
