#include "Utils/FileDataWriter.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "Platform/Linux/WriteErrors.h"
#include "Utils/WriteErrorException.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Utils {

static constexpr const char* LogSource = "src/Utils/FileDataWriter";

FileDataWriter::FileDataWriter(const std::string& path, OpenMode mode) : path(path)
{
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC;
    flags |= mode == OpenMode::CreateNew ? O_EXCL : O_TRUNC;
    do {
        fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        if (Platform::IsDiskFullError(error))
            throw Exceptions::DiskFullException();
        throw Exceptions::DataWriterException("Failed to open file: " + path);
    }
}

FileDataWriter::~FileDataWriter()
{
    if (fd < 0)
        return;
    if (::close(fd) != 0)
        VLOG_ERROR("Closing %s failed: %s", path.c_str(), std::strerror(errno));
}

void FileDataWriter::Write(const char* data, size_t size)
{
    if (fd < 0)
        throw Exceptions::DiskWriteHandleException();
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Utils::ThrowWriteError(errno);
        }
        // A regular file that takes nothing more is full.
        if (n == 0)
            Utils::ThrowWriteError(ENOSPC);
        data += n;
        size -= static_cast<size_t>(n);
    }
}

void FileDataWriter::Flush()
{
    // Nothing is buffered in user space: every Write went to the kernel.
    if (fd < 0)
        throw Exceptions::DiskWriteHandleException();
}

void FileDataWriter::Close()
{
    if (fd < 0)
        return;
    const int handle = fd;
    fd = -1;
    // close is not retried on EINTR: the descriptor is gone either way on Linux.
    if (::close(handle) != 0)
        Utils::ThrowWriteError(errno);
}

}
