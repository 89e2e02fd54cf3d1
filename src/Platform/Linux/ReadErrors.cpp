#include "Platform/Linux/ReadErrors.h"

#include <cerrno>

namespace Platform {

const char* DisconnectedErrorText(int error, bool deviceGone)
{
    switch (error) {
    case ENODEV:
        return "Device does not exist (error code 0x15).";
    case ENXIO:
    case ENOMEDIUM:
        return "Device not ready (error code 0x37).";
    case ESTALE:
        return "The volume for a file has been externally altered so that the opened file is no longer valid (error code 0x3ee).";
    case EIO:
        if (!deviceGone)
            return nullptr;
        return "The request could not be performed because of an I/O device error (error code 0x45d).";
    default:
        return nullptr;
    }
}

}
