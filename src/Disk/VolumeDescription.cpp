#include "Disk/VolumeDescription.h"

#include "Platform/Linux/FileSystemProbe.h"
#include "Platform/Linux/UdevProperties.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

std::string Property(const std::map<std::string, std::string>& properties, const std::string& name)
{
    auto it = properties.find(name);
    return it == properties.end() ? std::string() : it->second;
}

}

std::string PartitionStyleName(const std::string& tableType)
{
    if (tableType.empty())
        return "N/A";
    if (tableType == "dos")
        return "MBR";
    std::string upper = tableType;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

void DescribeVolume(const Platform::SystemRoots& roots, const Platform::BlockDevice& device,
                    const std::string& mountFsType, VolumeInfoItem& item)
{
    const auto udev = roots.UsesRealSysfs() ? Platform::ReadUdevProperties(device.sysPath)
                                            : std::map<std::string, std::string>{};
    Platform::FileSystemProbeResult found;
    if (auto probed = Platform::ProbeFileSystem(device.devicePath, 0, 0)) {
        found = *probed;
    } else if (!Property(udev, "ID_FS_TYPE").empty()) {
        found.type = Property(udev, "ID_FS_TYPE");
        found.version = Property(udev, "ID_FS_VERSION");
        found.label = Property(udev, "ID_FS_LABEL");
        found.uuid = Property(udev, "ID_FS_UUID");
    } else {
        found.type = mountFsType == "fuseblk" ? std::string() : mountFsType;
    }
    item.fileSystem = Platform::FileSystemDisplayName(found.type, found.version);
    item.label = found.label;
    item.serialNumber = Platform::VolumeSerialFromUuid(found.type, found.uuid);

    if (!device.isPartition) {
        item.partitionStyle = "RAW";
        return;
    }
    std::string table = Platform::PartitionTableType(Platform::DeviceNodeOf(roots, device.parent));
    if (table.empty())
        table = Property(udev, "ID_PART_ENTRY_SCHEME");
    item.partitionStyle = PartitionStyleName(table);
}

bool DescribeUnmountedEntry(const std::string& diskPath, VolumeInfoItem& item)
{
    auto found = Platform::ProbeFileSystem(diskPath, item.offset, item.length);
    if (!found)
        return false;
    item.fileSystem = Platform::FileSystemDisplayName(found->type, found->version);
    item.label = found->label;
    item.serialNumber = Platform::VolumeSerialFromUuid(found->type, found->uuid);
    return true;
}
