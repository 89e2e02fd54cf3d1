#include "support/Tools.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace TestSupport {

bool HaveTool(const std::string& name)
{
    return RunCommand("command -v " + Quote(name) + " >/dev/null 2>&1") == 0;
}

bool OpensslLegacyProviderAvailable()
{
    std::string output;
    return RunCommand("openssl list -providers -provider legacy 2>/dev/null", &output) == 0 &&
           output.find("status: active") != std::string::npos;
}

bool IsRoot()
{
    return ::geteuid() == 0;
}

bool KernelHasFileSystem(const std::string& type)
{
    const auto listed = [&type] {
        std::ifstream in("/proc/filesystems");
        std::string line;
        while (std::getline(in, line)) {
            const auto tab = line.rfind('\t');
            if (line.substr(tab == std::string::npos ? 0 : tab + 1) == type)
                return true;
        }
        return false;
    };
    if (listed())
        return true;
    if (HaveTool("modprobe") && RunCommand("modprobe -q " + Quote(type) + " 2>/dev/null") == 0)
        return listed();
    return false;
}

bool KernelHasDeviceMapper()
{
    const auto listed = [] {
        std::ifstream in("/proc/misc");
        std::string line;
        while (std::getline(in, line))
            if (line.size() > 14 && line.compare(line.size() - 13, 13, "device-mapper") == 0)
                return true;
        return false;
    };
    if (listed())
        return true;
    if (HaveTool("modprobe") && RunCommand("modprobe -q dm_mod 2>/dev/null") == 0)
        return listed();
    return false;
}

bool KernelHasLoopPartitions(const std::string& device)
{
    const std::string name = std::filesystem::path(device).filename();
    return std::filesystem::exists("/sys/class/block/" + name + "/" + name + "p1");
}

bool NoToolSkips()
{
    const char* value = std::getenv("VELMORA_NO_TOOL_SKIPS");
    return value && std::string(value) == "1";
}

int RunCommand(const std::string& command, std::string* output)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    std::array<char, 4096> chunk{};
    size_t n;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        if (output)
            output->append(chunk.data(), n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string RunOrFail(const std::string& command)
{
    std::string output;
    const int status = RunCommand(command + " 2>&1", &output);
    EXPECT_EQ(status, 0) << command << "\n" << output;
    return output;
}

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

std::string SourceDir()
{
    return VELMORA_SOURCE_DIR;
}

std::string BinaryDir()
{
    return VELMORA_BINARY_DIR;
}

namespace {
// Reads /proc/PID/cmdline with read(2): the process may end at any moment,
// and then the read fails with ESRCH (or the open with ENOENT). False when the
// process is gone or cannot be read.
bool ReadCmdline(const std::filesystem::path& path, std::string& cmdline)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::array<char, 4096> chunk{};
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n > 0) {
            cmdline.append(chunk.data(), static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        ok = n == 0;
        break;
    }
    ::close(fd);
    return ok;
}

bool SomeProcessNames(const std::string& argument)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string pid = entry.path().filename();
        if (pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::string cmdline;
        if (!ReadCmdline(entry.path() / "cmdline", cmdline))
            continue;
        size_t start = 0;
        while (start < cmdline.size()) {
            const size_t end = cmdline.find('\0', start);
            if (cmdline.compare(start, (end == std::string::npos ? cmdline.size() : end) - start, argument) == 0)
                return true;
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
    }
    return false;
}

// Whether path is a mount point now (/proc/mounts escapes blanks as octal).
bool IsMountPoint(const std::string& path)
{
    std::error_code error;
    const std::string wanted = std::filesystem::weakly_canonical(path, error).string();
    std::ifstream mounts("/proc/mounts");
    std::string source, point, rest;
    while (mounts >> source >> point && std::getline(mounts, rest)) {
        std::string decoded;
        for (size_t i = 0; i < point.size(); ++i) {
            if (point[i] == '\\' && i + 3 < point.size()) {
                decoded += static_cast<char>(std::stoi(point.substr(i + 1, 3), nullptr, 8));
                i += 3;
            } else {
                decoded += point[i];
            }
        }
        if (decoded == wanted)
            return true;
    }
    return false;
}
}

void UnmountFuse(const std::string& mountPoint, const std::string& loopDevice)
{
    std::string output;
    // A caller may have unmounted it already: nothing to undo then.
    bool unmounted = !IsMountPoint(mountPoint);
    for (int attempt = 0; attempt < 20 && !unmounted; ++attempt) {
        output.clear();
        unmounted = RunCommand("umount " + Quote(mountPoint) + " 2>&1", &output) == 0 ||
                    RunCommand("fusermount3 -u " + Quote(mountPoint) + " 2>&1", &output) == 0;
        // A mount still busy a moment after its last writer ended: try again.
        if (!unmounted)
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    if (!unmounted) {
        ADD_FAILURE() << "could not unmount " << mountPoint << ": " << output;
        // Detached all the same, so that no mount outlives the test.
        RunCommand("umount -l " + Quote(mountPoint) + " 2>&1");
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (SomeProcessNames(mountPoint)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ADD_FAILURE() << "the FUSE daemon of " << mountPoint << " did not end after umount";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (loopDevice.empty())
        return;
    // The daemon wrote through the loop device's page cache, which reaches the
    // image file only on the device's last close: another process that has it
    // open would leave the file stale for a test that reads it right after.
    output.clear();
    if (RunCommand("blockdev --flushbufs " + Quote(loopDevice) + " 2>&1", &output) != 0)
        ADD_FAILURE() << "blockdev --flushbufs " << loopDevice << " failed: " << output;
    output.clear();
    if (RunCommand("losetup -d " + Quote(loopDevice) + " 2>&1", &output) != 0)
        ADD_FAILURE() << "losetup -d " << loopDevice << " failed: " << output;
}

}
