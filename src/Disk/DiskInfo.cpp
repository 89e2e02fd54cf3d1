#include "Disk/DiskInfo.h"

#include "DataRecovery/Log.h"
#include "Disk/PartitionLayout.h"
#include "Disk/VolumeDescription.h"
#include "Platform/Linux/BlockDevices.h"
#include "Platform/Linux/FileSystemProbe.h"
#include "Platform/Linux/ReadAccess.h"
#include "Platform/Linux/SysfsAttributes.h"
#include "Platform/Linux/UdevProperties.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

static constexpr const char* LogSource = "src/Disk/DiskInfo";

namespace {

// Disk numbers travel as 8-bit indexes: more disks could not be told apart.
constexpr size_t MaxDisks = 256;

std::string Attribute(const std::string& path)
{
    return Platform::ReadSysfsAttribute(path).value_or("");
}

std::string Property(const std::map<std::string, std::string>& properties, const std::string& name)
{
    auto it = properties.find(name);
    return it == properties.end() ? std::string() : it->second;
}

std::string BaseName(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void DescribeDisk(const Platform::SystemRoots& roots, const Platform::BlockDevice& device, DiskInfoItem& disk)
{
    const std::string& sys = device.sysPath;
    const auto udev = roots.UsesRealSysfs() ? Platform::ReadUdevProperties(sys)
                                            : std::map<std::string, std::string>{};
    disk.product = Attribute(sys + "/device/model");
    // Without a model the vendor file is a bus id (virtio's "0x1af4"), not a name.
    if (!disk.product.empty())
        disk.vendor = Attribute(sys + "/device/vendor");
    if (disk.product.empty())
        disk.product = Attribute(sys + "/device/name"); // MMC cards
    disk.revision = Attribute(sys + "/device/rev");
    if (disk.revision.empty())
        disk.revision = Attribute(sys + "/device/firmware_rev"); // NVMe
    disk.serialNumber = Attribute(sys + "/device/serial");
    if (disk.serialNumber.empty())
        disk.serialNumber = Property(udev, "ID_SERIAL_SHORT");

    if (device.transport == "loop") {
        disk.product = BaseName(Attribute(sys + "/loop/backing_file"));
        disk.serialNumber = Attribute(sys + "/loop/backing_file");
    } else if (device.transport == "dm") {
        disk.product = Attribute(sys + "/dm/name");
    }
    if (disk.vendor.empty() && disk.product.empty()) {
        disk.vendor = Property(udev, "ID_VENDOR");
        disk.product = Property(udev, "ID_MODEL");
    }

    disk.isUsb = device.transport == "usb" || device.transport == "mmc";
    disk.isRemovable = device.removable;
    const bool virtualDevice = device.transport == "loop" || device.transport == "dm" || device.transport == "md";
    disk.isLocalBus = !virtualDevice;
}

uint64_t ImageSize(const Platform::SystemRoots& roots, const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return 0;
    if (S_ISREG(info.st_mode))
        return static_cast<uint64_t>(info.st_size);
    if (!S_ISBLK(info.st_mode))
        return 0;
    uint64_t size = 0;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // A device this user may not open still tells its size through sysfs.
        const std::string sys = roots.sysRoot + "/dev/block/" + std::to_string(major(info.st_rdev)) + ":" +
                                std::to_string(minor(info.st_rdev)) + "/size";
        return Platform::ReadSysfsNumber(sys).value_or(0) * 512;
    }
    if (::ioctl(fd, BLKGETSIZE64, &size) != 0)
        size = 0;
    ::close(fd);
    return size;
}

// What stands for a disk this user may not read: its partitions as the kernel
// lists them, else the whole disk; named by udev's record where there is one.
VolumeInfoItem RefusedEntry(const Platform::SystemRoots& roots, const std::string& sysPath, const DiskInfoItem& disk,
                            const std::string& node, uint64_t start, uint64_t length, uint64_t partitionNumber)
{
    const auto udev = roots.UsesRealSysfs() && !sysPath.empty() ? Platform::ReadUdevProperties(sysPath)
                                                                : std::map<std::string, std::string>{};
    VolumeInfoItem entry;
    entry.entryKind = Property(udev, "ID_PART_ENTRY_SCHEME") == "gpt" ? VolumeInfoItem::GptPartition
                                                                       : VolumeInfoItem::MbrPartition;
    // A partition is named and opened by its own node, as a mounted one is.
    entry.devicePath = node;
    entry.volumeName = node;
    entry.mountPath = "Unkonw";
    entry.fileSystem = Platform::FileSystemDisplayName(Property(udev, "ID_FS_TYPE"), Property(udev, "ID_FS_VERSION"));
    entry.label = Property(udev, "ID_FS_LABEL");
    entry.partitionStyle = partitionNumber ? PartitionStyleName(Property(udev, "ID_PART_ENTRY_SCHEME")) : "RAW";
    entry.offset = 0;
    entry.length = length;
    entry.extents.push_back({start, length, disk.diskNumber, partitionNumber});
    entry.readRefused = true;
    return entry;
}

void DescribeRefusedDisk(const Platform::SystemRoots& roots, const Platform::BlockDevice* device, DiskInfoItem& disk)
{
    disk.readRefused = true;
    if (device) {
        for (const auto& partition : Platform::ListPartitions(roots))
            if (partition.parent == device->name)
                disk.refusedEntries.push_back(RefusedEntry(roots, partition.sysPath, disk, partition.devicePath,
                                                           partition.start, partition.size,
                                                           partition.partitionNumber));
    }
    if (disk.refusedEntries.empty())
        disk.refusedEntries.push_back(
            RefusedEntry(roots, device ? device->sysPath : std::string(), disk, disk.devicePath, 0, disk.diskSize, 0));
    VLOG_INFO("Disk %s cannot be read by this user: listed with %zu entries and no partition table.",
              disk.devicePath.c_str(), disk.refusedEntries.size());
}

}

DiskInfo::DiskInfo(Platform::SystemRoots roots) : roots(std::move(roots)) {}

void DiskInfo::EnumerateDisks()
{
    AddBlockDevices();
    AddDiskImages();
}

void DiskInfo::AddBlockDevices()
{
    for (const auto& device : Platform::ListWholeDisks(roots)) {
        if (disks.size() >= MaxDisks) {
            VLOG_INFO("Disk %s left out: only %zu disks can be listed.", device.devicePath.c_str(), MaxDisks);
            continue;
        }
        DiskInfoItem disk;
        disk.devicePath = device.devicePath;
        disk.diskNumber = disks.size();
        disk.diskSize = device.size;
        DescribeDisk(roots, device, disk);
        if (Platform::ReadRefused(disk.devicePath))
            DescribeRefusedDisk(roots, &device, disk);
        disks.push_back(std::move(disk));
    }
}

void DiskInfo::AddDiskImages()
{
    for (const auto& path : roots.diskImages) {
        const uint64_t size = ImageSize(roots, path);
        if (size == 0) {
            VLOG_INFO("Disk image %s left out: not a readable file of non-zero size.", path.c_str());
            continue;
        }
        if (disks.size() >= MaxDisks) {
            VLOG_INFO("Disk image %s left out: only %zu disks can be listed.", path.c_str(), MaxDisks);
            continue;
        }
        DiskInfoItem disk;
        disk.devicePath = path;
        disk.product = BaseName(path);
        disk.diskNumber = disks.size();
        disk.diskSize = size;
        if (Platform::ReadRefused(path))
            DescribeRefusedDisk(roots, nullptr, disk);
        disks.push_back(std::move(disk));
    }
}

namespace {

bool OnDisk(const VolumeInfoItem& volume, uint64_t diskNumber)
{
    return std::any_of(volume.extents.begin(), volume.extents.end(),
                       [&](const VolumeExtent& extent) { return extent.diskNumber == diskNumber; });
}

// The extent of a volume on this disk; none when it has no known file system there.
std::optional<VolumeExtent> KnownVolumeOn(const VolumeInfoItem& volume, uint64_t diskNumber)
{
    if (volume.fileSystem.empty() || volume.fileSystem == "RAW" || volume.entryKind == VolumeInfoItem::Unallocated)
        return std::nullopt;
    for (const auto& extent : volume.extents)
        if (extent.diskNumber == diskNumber)
            return extent;
    return std::nullopt;
}

// A partition entry that begins inside another volume of the disk whose file
// system is known, and holds none at its own start (two entries that overlap,
// one sector apart): its bytes are that volume's, read through that volume's
// entry. Read from its own start, the volume would be read a few sectors off.
void DropEntriesInsideVolumes(std::vector<VolumeInfoItem>& volumes, size_t from, uint64_t diskNumber)
{
    std::vector<VolumeExtent> known;
    for (const auto& volume : volumes)
        if (const auto extent = KnownVolumeOn(volume, diskNumber))
            known.push_back(*extent);
    const auto inside = [&](const VolumeInfoItem& entry) {
        if ((entry.entryKind != VolumeInfoItem::GptPartition && entry.entryKind != VolumeInfoItem::MbrPartition) ||
            !entry.fileSystem.empty())
            return false;
        return std::any_of(known.begin(), known.end(), [&](const VolumeExtent& extent) {
            if (entry.offset <= extent.start || entry.offset - extent.start >= extent.length)
                return false;
            VLOG_INFO("Partition entry at %llu begins inside the volume at %llu: read through that volume's entry.",
                      static_cast<unsigned long long>(entry.offset), static_cast<unsigned long long>(extent.start));
            return true;
        });
    };
    volumes.erase(std::remove_if(volumes.begin() + static_cast<std::ptrdiff_t>(from), volumes.end(), inside),
                  volumes.end());
}

// A partition entry with no file system at its start whose volume's boot
// sector lies a few sectors before it (a table written one sector off): the
// volume is read from its boot sector, not from the entry's start, unless
// that sector belongs to another volume of the disk.
void MoveEntriesToTheirBootSectors(const std::string& devicePath, std::vector<VolumeInfoItem>& volumes, size_t from,
                                   uint64_t diskNumber)
{
    constexpr uint64_t sector = 512;
    constexpr uint64_t maxSectorsOff = 8;
    for (size_t i = from; i < volumes.size(); ++i) {
        VolumeInfoItem& entry = volumes[i];
        if ((entry.entryKind != VolumeInfoItem::GptPartition && entry.entryKind != VolumeInfoItem::MbrPartition) ||
            !entry.fileSystem.empty() || entry.extents.empty())
            continue;
        for (uint64_t off = 1; off <= maxSectorsOff && off * sector <= entry.offset; ++off) {
            const uint64_t at = entry.offset - off * sector;
            const bool another = std::any_of(volumes.begin(), volumes.end(), [&](const VolumeInfoItem& volume) {
                return &volume != &entry && std::any_of(volume.extents.begin(), volume.extents.end(),
                                                        [&](const VolumeExtent& extent) {
                                                            return extent.diskNumber == diskNumber &&
                                                                   at >= extent.start &&
                                                                   at - extent.start < extent.length;
                                                        });
            });
            if (another)
                break;
            VolumeInfoItem moved = entry;
            moved.offset = at;
            moved.length = entry.length + off * sector;
            // libblkid reads past the boot sector (NTFS: its $MFT), so a backup boot sector is no start.
            if (!Platform::ProbeFileSystem(devicePath, moved.offset, moved.length) ||
                !DescribeUnmountedEntry(devicePath, moved))
                continue;
            VLOG_INFO("Partition entry at %llu: its volume's boot sector lies at %llu, where it is read from.",
                      static_cast<unsigned long long>(entry.offset), static_cast<unsigned long long>(at));
            moved.extents.front().start = moved.offset;
            moved.extents.front().length = moved.length;
            entry = std::move(moved);
            break;
        }
    }
}

bool CoversWholeDisk(const std::vector<VolumeInfoItem>& volumes, uint64_t diskNumber)
{
    for (const auto& volume : volumes)
        for (const auto& extent : volume.extents)
            if (extent.diskNumber == diskNumber && extent.start == 0 && extent.partitionNumber == 0)
                return true;
    return false;
}

}

DiskInfoWithVolumes::DiskInfoWithVolumes(const DiskInfoItem& disk, const std::vector<VolumeInfoItem>& allVolumes)
    : DiskInfoItem(disk)
{
    for (const auto& volume : allVolumes) {
        if (!OnDisk(volume, diskNumber))
            continue;
        VolumeInfoItem kept = volume;
        // A mounted volume is read through its own device node, from 0.
        kept.devicePath = kept.volumeName;
        kept.offset = 0;
        volumes.push_back(std::move(kept));
    }

    if (readRefused) {
        for (const auto& entry : refusedEntries)
            if (!HasVolumeExtentAt(volumes, entry.extents.front().start))
                volumes.push_back(entry);
        return;
    }

    // A disk formatted without a partition table (a "superfloppy" card or
    // stick, an image of one volume) has no table to scan: its boot sector
    // would be misread as an MBR. It is one volume from byte 0.
    if (CoversWholeDisk(volumes, diskNumber))
        return;
    if (FileSystemNameAt(devicePath, 0) != "RAW" || Platform::PartitionTableType(devicePath).empty()) {
        VolumeInfoItem whole;
        whole.offset = 0;
        whole.length = diskSize;
        if (DescribeUnmountedEntry(devicePath, whole)) {
            whole.entryKind = VolumeInfoItem::MbrPartition;
            whole.devicePath = devicePath;
            whole.volumeName = devicePath;
            whole.mountPath = "Unkonw";
            whole.partitionStyle = "RAW";
            whole.extents.push_back({0, diskSize, diskNumber, volumes.size() + 1});
            volumes.push_back(std::move(whole));
            return;
        }
    }

    const size_t scannedFrom = volumes.size();
    ScanPartitionTable();
    // Name the file systems of partitions no mounted volume covers.
    for (size_t i = scannedFrom; i < volumes.size(); ++i) {
        VolumeInfoItem& entry = volumes[i];
        if (entry.entryKind == VolumeInfoItem::GptPartition || entry.entryKind == VolumeInfoItem::MbrPartition)
            DescribeUnmountedEntry(devicePath, entry);
    }
    DropEntriesInsideVolumes(volumes, scannedFrom, diskNumber);
    MoveEntriesToTheirBootSectors(devicePath, volumes, scannedFrom, diskNumber);
}
