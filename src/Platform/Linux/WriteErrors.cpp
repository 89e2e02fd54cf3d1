#include "Platform/Linux/WriteErrors.h"

#include <cerrno>

namespace Platform {

bool IsDiskFullError(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

bool IsLostHandleError(int error)
{
    return error == EIO || error == ENODEV || error == ENXIO || error == EBADF || error == ESTALE;
}

}
