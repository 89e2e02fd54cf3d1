#include "Drive/Volume.h"

#include "DataRecovery/Log.h"
#include "Disk/BootSectorName.h"
#include "Disk/DiskNameTables.h"
#include "Drive/Disk.h"
#include "Platform/Linux/DeviceFile.h"
#include "Platform/Linux/FileSystemProbe.h"
#include "Platform/Linux/VolumePaths.h"

#include <cstring>

static constexpr const char* LogSource = "src/Drive/Volume";

namespace Drive {

Volume::Volume(const PartitionExtent& extent, Disk* disk, const std::string& path, const Platform::SystemRoots& roots)
    : partitionStyle(extent.style), partitionNumber(extent.number), startOffset(extent.start), length(extent.length),
      disk(disk)
{
    if (extent.style == 0)
        bootFlag = extent.bootFlag;
    if (extent.style == 1)
        partitionTypeName = GetGptPartitionTypeName(extent.gptType);
    if (disk) {
        if (auto device = disk->Open()) {
            fve = Bitlocker::ReadFveMetadata(*device, startOffset);
            bootSector = fve.bootSector;
            bitLocker = fve.IsBitLocker() ? 1 : 0;
        }
    }
    std::string found = path;
    if (found.empty() && disk && !disk->IsVirtual())
        found = Platform::FindPartitionNode(roots, disk->devicePath, startOffset, length);
    ReadVolumeInfo(found, roots);
    DetectFileSystem();
}

Volume::Volume(const VolumeDescription& description, uint32_t number, Disk* disk)
    : volumePath(description.volumePath), label(description.label), fileSystem(description.fileSystem),
      serialNumber(static_cast<uint32_t>(std::stoul(description.serialHex, nullptr, 16))), partitionStyle(2),
      partitionNumber(number), startOffset(0), length(description.totalBytes), freeBytes(description.freeBytes),
      disk(disk)
{
}

void Volume::ReadVolumeInfo(const std::string& path, const Platform::SystemRoots& roots)
{
    volumePath = path;
    // The file system names its label and serial; a volume without a node of
    // its own (a partition of an image) is probed inside the disk.
    std::optional<Platform::FileSystemProbeResult> probe;
    if (!path.empty())
        probe = Platform::ProbeFileSystem(path, 0, 0);
    else if (disk)
        probe = Platform::ProbeFileSystem(disk->devicePath, startOffset, length);
    if (probe) {
        label = probe->label;
        serialNumber = static_cast<uint32_t>(Platform::VolumeSerialFromUuid(probe->type, probe->uuid));
    }
    mountPaths.clear();
    if (!path.empty())
        if (const auto device = Platform::FindBlockDevice(roots, path))
            mountPaths = Platform::MountPathsOf(roots, device->major, device->minor);
    freeBytes = mountPaths.empty() ? 0 : Platform::FreeBytesAt(mountPaths.front());
    if (disk)
        driveType = disk->removable || disk->usb ? 2 : 3;
}

void Volume::DetectFileSystem()
{
    if (!fileSystem.empty())
        return;
    fileSystem = "RAW";
    if (!bootSector || bootSector->length < 512)
        return;
    if (bitLocker) {
        fileSystem = "Bitlocker";
        return;
    }
    uint8_t sector[512];
    std::memcpy(sector, bootSector->data, sizeof sector);
    fileSystem = GetFileSystemNameFromBootSector(sector);
    explicit_bzero(sector, sizeof sector);
}

}
