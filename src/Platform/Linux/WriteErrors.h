#pragma once
// How errno values of writes to the target disk map onto the engine's exceptions.

namespace Platform {

// ENOSPC, EDQUOT: the target is full (plays ERROR_DISK_FULL).
bool IsDiskFullError(int error);
// EIO, ENODEV, ENXIO, EBADF, ESTALE: the target went away (plays ERROR_FILE_INVALID).
bool IsLostHandleError(int error);
// Throws DiskFullException, DiskWriteHandleException or DiskWriteException.
[[noreturn]] void ThrowWriteError(int error);

}
