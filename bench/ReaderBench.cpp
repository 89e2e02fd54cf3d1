// Sequential read throughput of a page-cached image: plain pread of 10 MiB
// blocks against the volume reader over the read-ahead cache.
//   velmora-bench-reader [IMAGE]   (without IMAGE a 1 GiB image is made and removed)
#include "Utils/PartReader.h"
#include "Utils/ReaderBufferController.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr uint64_t MiB = 1024 * 1024;
constexpr int Rounds = 5;

uint64_t FileSize(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
}

std::string MakeImage(uint64_t size)
{
    char pattern[] = "/var/tmp/velmora-bench-XXXXXX";
    const int fd = ::mkstemp(pattern);
    if (fd < 0) {
        std::perror("mkstemp");
        std::exit(1);
    }
    std::vector<uint8_t> block(10 * MiB);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<uint8_t>(i * 2654435761u >> 13);
    for (uint64_t done = 0; done < size; done += block.size())
        if (::write(fd, block.data(), std::min<uint64_t>(block.size(), size - done)) < 0) {
            std::perror("write");
            std::exit(1);
        }
    ::close(fd);
    return pattern;
}

template <typename ReadBlock>
double BestMiBPerSecond(uint64_t size, uint64_t blockSize, ReadBlock read)
{
    double best = 0;
    for (int round = 0; round < Rounds; ++round) {
        const auto begin = std::chrono::steady_clock::now();
        for (uint64_t offset = 0; offset < size; offset += blockSize)
            read(offset, std::min(blockSize, size - offset));
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - begin;
        best = std::max(best, static_cast<double>(size) / MiB / seconds.count());
    }
    return best;
}

}

int main(int argc, char** argv)
{
    const bool made = argc < 2;
    const std::string image = made ? MakeImage(1024 * MiB) : argv[1];
    const uint64_t size = FileSize(image);
    if (size == 0) {
        std::fprintf(stderr, "velmora-bench-reader: cannot read %s\n", image.c_str());
        return 1;
    }
    const uint64_t blockSize = 10 * MiB;
    std::vector<uint8_t> buffer(blockSize);

    const int fd = ::open(image.c_str(), O_RDONLY | O_CLOEXEC);
    auto pread = [&](uint64_t offset, uint64_t length) {
        if (::pread(fd, buffer.data(), length, static_cast<off_t>(offset)) != static_cast<ssize_t>(length))
            std::abort();
    };
    BestMiBPerSecond(size, blockSize, pread); // brings the image into the page cache
    const double plain = BestMiBPerSecond(size, blockSize, pread);
    ::close(fd);

    std::printf("image: %s, %.0f MiB, best of %d rounds\n", image.c_str(), static_cast<double>(size) / MiB, Rounds);
    std::printf("pread, 10 MiB blocks:            %8.0f MiB/s\n", plain);
    for (const uint64_t request : {10 * MiB, 1 * MiB, 64 * 1024 * uint64_t{1}}) {
        Utils::PartReader reader(image, 0, size);
        const double cached = BestMiBPerSecond(size, request, [&](uint64_t offset, uint64_t length) {
            reader.Read(offset, buffer.data(), static_cast<uint32_t>(length));
        });
        std::printf("PartReader, %5llu KiB reads:     %8.0f MiB/s  (%.0f%% of pread)\n",
                    static_cast<unsigned long long>(request / 1024), cached, 100.0 * cached / plain);
        ReaderBufferController::Clear();
    }
    if (made)
        ::unlink(image.c_str());
    return 0;
}
