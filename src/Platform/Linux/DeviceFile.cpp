#include "Platform/Linux/DeviceFile.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <string>

namespace Platform {

namespace {

class PosixDeviceFile : public DeviceFile {
public:
    PosixDeviceFile(int fd, uint32_t sectorSize, uint64_t size, bool direct, std::string path, dev_t blockDevice)
        : fd(fd), sectorSize(sectorSize), size(size), direct(direct), path(std::move(path)), blockDevice(blockDevice)
    {
    }
    ~PosixDeviceFile() override { ::close(fd); }

    int64_t ReadAt(uint64_t offset, void* buffer, uint64_t length) override
    {
        if (offset > static_cast<uint64_t>(INT64_MAX) - length)
            return -EINVAL;
        auto* out = static_cast<char*>(buffer);
        uint64_t done = 0;
        while (done < length) {
            const ssize_t n = ::pread(fd, out + done, length - done, static_cast<off_t>(offset + done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return -errno;
            }
            if (n == 0)
                break;
            done += static_cast<uint64_t>(n);
        }
        return static_cast<int64_t>(done);
    }

    uint32_t LogicalSectorSize() const override { return sectorSize; }
    uint64_t Size() const override { return size; }
    bool Direct() const override { return direct; }

    bool Gone() const override
    {
        if (blockDevice == 0)
            return false;
        struct stat node {};
        if (::stat(path.c_str(), &node) != 0 || !S_ISBLK(node.st_mode) || node.st_rdev != blockDevice)
            return true;
        const std::string sysfs =
            "/sys/dev/block/" + std::to_string(major(blockDevice)) + ":" + std::to_string(minor(blockDevice));
        if (::access(sysfs.c_str(), F_OK) != 0 && errno == ENOENT)
            return true;
        uint64_t bytes = 0;
        if (::ioctl(fd, BLKGETSIZE64, &bytes) != 0)
            return errno == ENODEV || errno == ENXIO || errno == ENOMEDIUM;
        return false;
    }

private:
    int fd;
    uint32_t sectorSize;
    uint64_t size;
    bool direct;
    std::string path;
    dev_t blockDevice; // 0 for an image file
};

}

std::unique_ptr<DeviceFile> OpenDeviceFile(const std::string& path, bool direct)
{
    // Only disks and image files: opening a FIFO would wait for a writer, and
    // reading a terminal would wait for input.
    struct stat before {};
    if (::stat(path.c_str(), &before) == 0 && !S_ISBLK(before.st_mode) && !S_ISREG(before.st_mode)) {
        errno = EINVAL;
        return nullptr;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    if (!known || (!S_ISBLK(info.st_mode) && !S_ISREG(info.st_mode))) {
        const int error = known ? EINVAL : errno;
        ::close(fd);
        errno = error;
        return nullptr;
    }
    uint32_t sectorSize = 512;
    uint64_t size = 0;
    bool isDirect = false;
    if (S_ISBLK(info.st_mode)) {
        int logical = 0;
        if (::ioctl(fd, BLKSSZGET, &logical) == 0 && logical >= 512 && (logical & (logical - 1)) == 0)
            sectorSize = static_cast<uint32_t>(logical);
        uint64_t bytes = 0;
        if (::ioctl(fd, BLKGETSIZE64, &bytes) == 0)
            size = bytes;
        if (direct) {
            // Bypass the page cache like an unbuffered device handle; keep the
            // buffered descriptor when the device refuses O_DIRECT.
            const int directFd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_DIRECT);
            if (directFd >= 0) {
                ::close(fd);
                fd = directFd;
                isDirect = true;
            }
        }
    } else if (S_ISREG(info.st_mode)) {
        size = static_cast<uint64_t>(info.st_size);
    }
    const dev_t blockDevice = S_ISBLK(info.st_mode) ? info.st_rdev : 0;
    return std::make_unique<PosixDeviceFile>(fd, sectorSize, size, isDirect, path, blockDevice);
}

}
