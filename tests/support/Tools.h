#pragma once
// Running the real tools that make fixtures and read them independently.
#include <gtest/gtest.h>

#include <string>

namespace TestSupport {

bool HaveTool(const std::string& name);
bool IsRoot();
// Whether the running kernel can mount the file system type (listed in
// /proc/filesystems, or its module loads with modprobe).
bool KernelHasFileSystem(const std::string& type);
// Whether the running kernel has device-mapper (its control device is listed
// in /proc/misc, or the dm_mod module loads with modprobe).
bool KernelHasDeviceMapper();
// Whether an attached loop device whose image has a partition table has its
// partition devices (after losetup -P, or partx -a where that did not).
bool KernelHasLoopPartitions(const std::string& device);
// Set in CI (VELMORA_NO_TOOL_SKIPS=1), where root, /dev/fuse and every tool are
// there: a skip for a missing tool, right or device is then a failure.
bool NoToolSkips();

// Runs a shell command; returns its exit status and fills output with stdout.
int RunCommand(const std::string& command, std::string* output = nullptr);
// Runs a shell command and fails the test (with its output) when it does not exit 0.
std::string RunOrFail(const std::string& command);

// Whether the openssl tool loads OpenSSL's legacy provider (MD4, DES, DESX)
// here: what the crypto code must then offer, decided apart from that code.
bool OpensslLegacyProviderAvailable();

// Unmounts a FUSE mount (ntfs-3g, exfat-fuse) and waits, up to 60 s, until no
// process names the mount point any more: umount returns before the daemon has
// written its last metadata to the image, which a test may read right after.
// A mount on a loop device is then flushed from the device's page cache to
// its image and the device detached. Fails the test where any step fails.
void UnmountFuse(const std::string& mountPoint, const std::string& loopDevice = "");

// Quotes one argument for the shell.
std::string Quote(const std::string& text);

std::string SourceDir();
std::string BinaryDir();

}

// Skips the current test for a missing tool, root or /dev/fuse, saying why; a
// failure instead where such skips are not allowed (VELMORA_NO_TOOL_SKIPS).
#define SKIP_FOR_MISSING(why)                                                            \
    do {                                                                                 \
        if (TestSupport::NoToolSkips())                                                  \
            FAIL() << (why);                                                             \
        GTEST_SKIP() << (why);                                                           \
    } while (0)

// Skips the current test when the running kernel lacks a driver, naming it.
// Checked before the test uses the driver, so any later mount or device-mapper
// failure is a failure. A property of the kernel, not of what is installed, so
// it skips even where tool skips are not allowed.
#define REQUIRE_KERNEL_FILE_SYSTEM(type)                                                 \
    do {                                                                                 \
        if (!TestSupport::KernelHasFileSystem(type))                                     \
            GTEST_SKIP() << "needs the kernel's " << (type)                              \
                         << " file system driver, which this kernel does not have";      \
    } while (0)
#define REQUIRE_KERNEL_DEVICE_MAPPER()                                                   \
    do {                                                                                 \
        if (!TestSupport::KernelHasDeviceMapper())                                       \
            GTEST_SKIP() << "needs the kernel's device-mapper driver, which this kernel does not have"; \
    } while (0)

// Skips the current test when a tool is missing, naming it.
#define REQUIRE_TOOL(name)                                                               \
    do {                                                                                 \
        if (!TestSupport::HaveTool(name))                                                \
            SKIP_FOR_MISSING(std::string("needs the tool ") + (name) + ", which is not installed"); \
    } while (0)
