#include "Utils/WriteErrorException.h"

#include "DataRecovery/Exceptions.h"
#include "Platform/Linux/WriteErrors.h"

#include <string>

namespace Utils {

void ThrowWriteError(int error)
{
    if (Platform::IsDiskFullError(error))
        throw Exceptions::DiskFullException();
    if (Platform::IsLostHandleError(error))
        throw Exceptions::DiskWriteHandleException();
    throw Exceptions::DiskWriteException("Failed to write to file, error code is " + std::to_string(error));
}

}
