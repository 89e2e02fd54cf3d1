#include "Platform/Linux/WriteErrors.h"

#include "DataRecovery/Exceptions.h"

#include <cerrno>
#include <string>

namespace Platform {

bool IsDiskFullError(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

bool IsLostHandleError(int error)
{
    return error == EIO || error == ENODEV || error == ENXIO || error == EBADF || error == ESTALE;
}

void ThrowWriteError(int error)
{
    if (IsDiskFullError(error))
        throw Exceptions::DiskFullException();
    if (IsLostHandleError(error))
        throw Exceptions::DiskWriteHandleException();
    throw Exceptions::DiskWriteException("Failed to write to file, error code is " + std::to_string(error));
}

}
