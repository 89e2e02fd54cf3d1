#pragma once
// The engine's exception for a failed write to the target disk.

namespace Utils {

// Throws DiskFullException, DiskWriteHandleException or DiskWriteException
// as Platform::IsDiskFullError and IsLostHandleError classify the errno.
[[noreturn]] void ThrowWriteError(int error);

}
