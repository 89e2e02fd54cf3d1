#include "support/DiskImages.h"

#include "support/Tools.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

namespace TestSupport {

void MakeSparseFile(const std::string& path, uint64_t size)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(size)) != 0)
        throw std::runtime_error("cannot make " + path);
    ::close(fd);
}

void MakeFat32File(const std::string& path, uint64_t size, const std::string& label)
{
    MakeSparseFile(path, size);
    RunOrFail("mkfs.fat -F 32 -n " + Quote(label) + " -i 1234ABCD " + Quote(path));
}

void WriteBitLockerBootSector(const std::string& path, uint64_t offset)
{
    uint8_t sector[512] = {0xEB, 0x58, 0x90};
    std::memcpy(sector + 3, "-FVE-FS-", 8);
    sector[510] = 0x55;
    sector[511] = 0xAA;
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 || ::pwrite(fd, sector, sizeof sector, static_cast<off_t>(offset)) != sizeof sector)
        throw std::runtime_error("cannot write " + path);
    ::close(fd);
}

}
