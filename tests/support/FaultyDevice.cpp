#include "support/FaultyDevice.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace TestSupport {

FaultyDevice::FaultyDevice(const std::string& imagePath, uint32_t sectorSize, bool strict)
    : sectorSize(sectorSize), strict(strict)
{
    fd = ::open(imagePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("cannot open " + imagePath);
    struct stat info {};
    ::fstat(fd, &info);
    size = static_cast<uint64_t>(info.st_size);
}

FaultyDevice::~FaultyDevice()
{
    ::close(fd);
}

int64_t FaultyDevice::ReadAt(uint64_t offset, void* buffer, uint64_t length)
{
    ++reads;
    std::chrono::microseconds wait;
    {
        std::unique_lock lock(mutex);
        if (holding) {
            ++held;
            gate.wait(lock, [&] { return !holding; });
            --held;
        }
        if (failError && offset < failTo && offset + length > failFrom)
            return -failError;
        wait = delay;
    }
    if (strict && (offset % sectorSize || length % sectorSize || reinterpret_cast<uintptr_t>(buffer) % sectorSize)) {
        ++misaligned;
        return -EINVAL;
    }
    if (wait.count())
        std::this_thread::sleep_for(wait);
    uint64_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, static_cast<char*>(buffer) + done, length - done, static_cast<off_t>(offset + done));
        if (n < 0)
            return -errno;
        if (n == 0)
            break;
        done += static_cast<uint64_t>(n);
    }
    return static_cast<int64_t>(done);
}

void FaultyDevice::FailRange(uint64_t from, uint64_t to, int error)
{
    std::lock_guard lock(mutex);
    failFrom = from;
    failTo = to;
    failError = error;
}

void FaultyDevice::Heal()
{
    std::lock_guard lock(mutex);
    failError = 0;
    gone = false;
}

void FaultyDevice::SetDelay(std::chrono::microseconds value)
{
    std::lock_guard lock(mutex);
    delay = value;
}

void FaultyDevice::HoldReads()
{
    std::lock_guard lock(mutex);
    holding = true;
}

void FaultyDevice::ReleaseReads()
{
    {
        std::lock_guard lock(mutex);
        holding = false;
    }
    gate.notify_all();
}

uint64_t FaultyDevice::HeldReads()
{
    std::lock_guard lock(mutex);
    return held;
}

void WriteNumberedImage(const std::string& path, uint64_t bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::vector<uint8_t> sector(512);
    for (uint64_t number = 0; number * 512 < bytes; ++number) {
        for (size_t word = 0; word < 64; ++word)
            for (size_t b = 0; b < 8; ++b)
                sector[word * 8 + b] = static_cast<uint8_t>(number >> (8 * b));
        out.write(reinterpret_cast<const char*>(sector.data()),
                  static_cast<std::streamsize>(std::min<uint64_t>(512, bytes - number * 512)));
    }
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

}
