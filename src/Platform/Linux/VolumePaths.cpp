#include "Platform/Linux/VolumePaths.h"

#include "Platform/Linux/MountInfo.h"

#include <sys/statvfs.h>

namespace Platform {

std::optional<BlockDevice> FindBlockDevice(const SystemRoots& roots, const std::string& devicePath)
{
    for (const auto& disk : ListWholeDisks(roots))
        if (disk.devicePath == devicePath)
            return disk;
    for (const auto& partition : ListPartitions(roots))
        if (partition.devicePath == devicePath)
            return partition;
    return std::nullopt;
}

std::string FindPartitionNode(const SystemRoots& roots, const std::string& diskDevicePath, uint64_t start,
                              uint64_t length)
{
    const auto disk = FindBlockDevice(roots, diskDevicePath);
    if (!disk || disk->isPartition)
        return "";
    for (const auto& partition : ListPartitions(roots))
        if (partition.parent == disk->name && partition.start == start && partition.size == length)
            return partition.devicePath;
    return "";
}

std::vector<std::string> MountPathsOf(const SystemRoots& roots, unsigned major, unsigned minor)
{
    std::vector<std::string> paths;
    const auto mounts = ReadMountInfo(roots.mountInfoPath);
    if (!mounts)
        return paths;
    for (const auto& mount : *mounts)
        if (mount.major == major && mount.minor == minor && mount.root == "/")
            paths.push_back(mount.mountPoint);
    return paths;
}

uint64_t FreeBytesAt(const std::string& path)
{
    struct statvfs info {};
    if (::statvfs(path.c_str(), &info) != 0)
        return 0;
    return static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
}

}
