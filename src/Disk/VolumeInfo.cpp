#include "Disk/VolumeInfo.h"

#include "DataRecovery/Log.h"
#include "Disk/VolumeDescription.h"
#include "Platform/Linux/BlockDevices.h"
#include "Platform/Linux/MountInfo.h"
#include "Platform/Linux/ReadAccess.h"

#include <map>
#include <utility>

static constexpr const char* LogSource = "src/Disk/VolumeInfo";

VolumeInfo::VolumeInfo(Platform::SystemRoots roots) : roots(std::move(roots)) {}

namespace {

std::string MountPathWithSeparator(std::string path)
{
    // Mount paths end with their separator, as drive roots do ("/" stays "/").
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

bool MountsDevice(const Platform::MountEntry& mount, const Platform::BlockDevice& device)
{
    // A bind mount of a folder or file inside the volume (containers bind
    // /etc/hosts this way) does not name the volume; a btrfs subvolume does.
    if (mount.root != "/" && mount.fsType != "btrfs")
        return false;
    if (mount.major == device.major && mount.minor == device.minor && (device.major || device.minor))
        return true;
    // Some file systems (btrfs) report an anonymous device number: match the source.
    return mount.major == 0 && mount.source == device.devicePath;
}

}

bool VolumeInfo::EnumerateVolumes()
{
    auto mounts = Platform::ReadMountInfo(roots.mountInfoPath);
    if (!mounts) {
        VLOG_INFO("Cannot read the mount table %s.", roots.mountInfoPath.c_str());
        return false;
    }
    auto disks = Platform::ListWholeDisks(roots);
    std::map<std::string, uint64_t> diskNumbers;
    for (size_t i = 0; i < disks.size(); ++i) {
        diskNumbers[disks[i].name] = i;
        diskPaths.push_back(disks[i].devicePath);
    }

    // A whole disk may be mounted itself (a file system without a table); its
    // partitions follow it.
    const auto partitions = Platform::ListPartitions(roots);
    std::vector<Platform::BlockDevice> devices;
    for (const auto& disk : disks) {
        devices.push_back(disk);
        for (const auto& partition : partitions)
            if (partition.parent == disk.name)
                devices.push_back(partition);
    }

    for (const auto& device : devices) {
        const std::string& diskName = device.isPartition ? device.parent : device.name;
        const uint64_t diskNumber = diskNumbers.at(diskName);
        for (const auto& mount : *mounts) {
            if (!MountsDevice(mount, device))
                continue;
            VolumeInfoItem item;
            item.entryKind = VolumeInfoItem::MountedVolume;
            item.volumeName = device.devicePath;
            item.mountPath = MountPathWithSeparator(mount.mountPoint);
            item.extents.push_back({device.start, device.size, diskNumber, device.partitionNumber});
            item.offset = device.start;
            item.length = device.size;
            item.deviceId = device.devicePath;
            DescribeVolume(roots, device, mount.fsType, item);
            item.readRefused = Platform::ReadRefused(device.devicePath);
            volumes.push_back(std::move(item));
        }
    }
    return true;
}
