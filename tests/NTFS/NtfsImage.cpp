#include "NTFS/NtfsImage.h"

#include "support/Tools.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using TestSupport::Quote;
using TestSupport::RunCommand;

namespace NtfsImage {

const char* const GapWriter = R"(
import sys
path, count, fill = sys.argv[1], int(sys.argv[2]), sys.argv[3] == "1"
with open(path, "wb") as f:
    for i in range(count):
        f.seek(8192 * i); f.write(bytes([i % 251 + 1]) * 4096)
    if fill:
        for i in range(count):
            f.seek(8192 * i + 4096); f.write(bytes([(i * 7) % 251 + 1]) * 4096)
)";

std::string MissingTools()
{
    for (const char* tool : {"mkntfs", "ntfs-3g", "fls", "istat", "icat", "ifind", "ntfsinfo"})
        if (!TestSupport::HaveTool(tool))
            return std::string("needs the tool ") + tool + ", which is not installed";
    if (!TestSupport::IsRoot() || !std::filesystem::exists("/dev/fuse"))
        return "needs root and /dev/fuse for an ntfs-3g mount";
    return "";
}

void Make(const std::string& path, uint64_t sizeMiB, const std::string& mkntfsOptions, const std::string& script,
          const std::string& mountOptions)
{
    TestSupport::RunOrFail("truncate -s " + std::to_string(sizeMiB) + "M " + Quote(path) + " && mkntfs -q -F " +
                           mkntfsOptions + " " + Quote(path));
    RunMounted(path, script, mountOptions);
}

void RunMounted(const std::string& path, const std::string& script, const std::string& mountOptions)
{
    const std::string mount = path + ".mnt";
    std::filesystem::create_directories(mount);
    TestSupport::RunOrFail("ntfs-3g " + (mountOptions.empty() ? std::string() : "-o " + Quote(mountOptions) + " ") +
                           Quote(path) + " " + Quote(mount));
    std::string output;
    const int status = RunCommand("M=" + Quote(mount) + " bash -euc " + Quote(script) + " 2>&1", &output);
    TestSupport::UnmountFuse(mount);
    std::filesystem::remove(mount);
    ASSERT_EQ(status, 0) << output;
}

VolumeInfoItem Volume(const std::string& path)
{
    VolumeInfoItem volume;
    volume.devicePath = path;
    volume.fileSystem = "NTFS";
    volume.offset = 0;
    volume.length = std::filesystem::file_size(path);
    return volume;
}

std::map<std::string, uint64_t> ListFiles(const std::string& path, bool deleted)
{
    std::string output;
    RunCommand("fls -r -p " + std::string(deleted ? "-d " : "") + Quote(path), &output);
    std::map<std::string, uint64_t> files;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const auto tab = line.find('\t');
        const auto colon = line.find(':');
        if (tab == std::string::npos || colon == std::string::npos || colon > tab)
            continue;
        auto head = line.substr(0, colon);
        if (!deleted && head.find('*') != std::string::npos)
            continue; // fls lists deleted entries among the live ones
        const auto space = head.rfind(' ');
        const uint64_t inode = std::stoull(head.substr(space + 1));
        files[line.substr(tab + 1)] = inode;
    }
    return files;
}

std::string FoundPath(std::string path)
{
    if (path.rfind(".\\\\", 0) == 0)
        path = path.substr(3);
    for (auto& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

std::string Istat(const std::string& path, uint64_t inode)
{
    std::string output;
    RunCommand("istat " + Quote(path) + " " + std::to_string(inode), &output);
    return output;
}

std::string Icat(const std::string& path, uint64_t inode)
{
    std::string output;
    RunCommand("icat " + Quote(path) + " " + std::to_string(inode), &output);
    return output;
}

}
