#include "Utils/ReaderBufferController.h"

#include "DataRecovery/Log.h"

#include <map>
#include <mutex>

static constexpr const char* LogSource = "src/Utils/ReaderBufferController";

namespace {
std::mutex mutex;
std::map<std::string, std::shared_ptr<Utils::ReaderBuffer>>& Buffers()
{
    static std::map<std::string, std::shared_ptr<Utils::ReaderBuffer>> buffers;
    return buffers;
}
}

std::shared_ptr<Utils::ReaderBuffer> ReaderBufferController::GetReader(const std::string& devicePath, uint64_t endOffset,
                                                                       uint64_t chunkSize)
{
    std::lock_guard lock(mutex);
    auto& buffers = Buffers();
    if (auto found = buffers.find(devicePath); found != buffers.end()) {
        VLOG_INFO("return cache reader.");
        found->second->ExtendLimit(endOffset);
        return found->second;
    }
    auto buffer = std::make_shared<Utils::ReaderBuffer>(devicePath, endOffset, chunkSize);
    VLOG_INFO("insert reader.");
    buffers.emplace(devicePath, buffer);
    return buffer;
}

void ReaderBufferController::Clear()
{
    std::map<std::string, std::shared_ptr<Utils::ReaderBuffer>> dropped;
    {
        std::lock_guard lock(mutex);
        VLOG_INFO("clear readers.");
        dropped.swap(Buffers());
    }
    // Buffers end their read-ahead threads here, outside the lock.
}

void ReaderBufferController::Insert(const std::string& devicePath, std::shared_ptr<Utils::ReaderBuffer> buffer)
{
    std::lock_guard lock(mutex);
    Buffers()[devicePath] = std::move(buffer);
}

size_t ReaderBufferController::Count()
{
    std::lock_guard lock(mutex);
    return Buffers().size();
}
