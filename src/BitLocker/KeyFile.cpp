#include "BitLocker/KeyFile.h"

#include "BitLocker/MetadataEntry.h"
#include "DataRecovery/Log.h"
#include "Disk/DiskBytes.h"
#include "Utils/FileDescriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static constexpr const char* LogSource = "src/BitLocker/KeyFile";

namespace Bitlocker {

namespace {

constexpr uint32_t KeyFileHeaderSize = 48;
// Entry header (8), then the key's GUID (16) and a time stamp (8).
constexpr uint32_t ExternalKeyHeaderSize = 32;


}

std::shared_ptr<Utils::Buffer<uint8_t>> ReadKeyFile(const std::string& path)
{
    const Utils::FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        VLOG_ERROR("Key file cannot be opened (errno %d).", errno);
        return nullptr;
    }
    if (info.st_size <= 0 || info.st_size > MaxKeyFileSize) {
        VLOG_ERROR("Key file of %lld bytes refused.", static_cast<long long>(info.st_size));
        return nullptr;
    }
    const auto size = static_cast<uint32_t>(info.st_size);
    auto bytes = Utils::MakeBuffer(size);
    uint32_t done = 0;
    while (bytes->length == size && done < size) {
        const ssize_t got = ::pread(file.Get(), bytes->data + done, size - done, done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<uint32_t>(got);
    }
    if (done != size) {
        VLOG_ERROR("Key file read short: %u of %u bytes.", done, size);
        return nullptr;
    }
    return bytes;
}

std::shared_ptr<Utils::Buffer<uint8_t>> StartupKeyFromBytes(const uint8_t* bytes, uint32_t size)
{
    if (!bytes || size < KeyFileHeaderSize) {
        VLOG_ERROR("Key file too small for its header.");
        return nullptr;
    }
    const uint32_t headerSize = DiskBytes::U32(bytes, size, 8);
    if (headerSize < KeyFileHeaderSize || headerSize >= size) {
        VLOG_ERROR("Key file header size %u does not fit a file of %u bytes.", headerSize, size);
        return nullptr;
    }
    const auto entry = ParseEntryHeader(bytes + headerSize, size - headerSize);
    if (!entry || entry->type != EntryTypeStartupKey || entry->valueType != ValueTypeExternalKey ||
        entry->size < ExternalKeyHeaderSize) {
        VLOG_ERROR("Key file holds no external key entry.");
        return nullptr;
    }
    const uint8_t* properties = bytes + headerSize + ExternalKeyHeaderSize;
    const uint32_t area = entry->size - ExternalKeyHeaderSize;
    const auto key = FindKeyProperty(properties, area);
    if (!key) {
        VLOG_ERROR("Key file's external key entry has no 32-byte key.");
        return nullptr;
    }
    return key;
}

std::shared_ptr<Utils::Buffer<uint8_t>> ReadStartupKey(const std::string& path)
{
    const auto file = ReadKeyFile(path);
    return file ? StartupKeyFromBytes(file->data, file->length) : nullptr;
}

}
