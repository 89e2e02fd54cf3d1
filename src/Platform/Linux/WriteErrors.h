#pragma once
// Which errno values of writes to the target disk mean what (the engine's
// exceptions for them: Utils::ThrowWriteError).

namespace Platform {

// ENOSPC, EDQUOT: the target is full (plays ERROR_DISK_FULL).
bool IsDiskFullError(int error);
// EIO, ENODEV, ENXIO, EBADF, ESTALE: the target went away (plays ERROR_FILE_INVALID).
bool IsLostHandleError(int error);

}
