#include "Drive/DiskEnumeration.h"

#include "Disk/DiskInfo.h"
#include "Platform/Linux/BlockDevices.h"
#include "Platform/Linux/SysfsAttributes.h"
#include "Platform/Linux/VolumePaths.h"
#include "Utils/StringTools.h"

#include <algorithm>
#include <cstring>

namespace Drive {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// The container kind of a device-mapper device, or -1 for any other device.
int ContainerKind(const Platform::BlockDevice& device)
{
    if (device.transport != "dm")
        return -1;
    const std::string name = Platform::ReadSysfsAttribute(device.sysPath + "/dm/name").value_or("");
    const std::string uuid = Platform::ReadSysfsAttribute(device.sysPath + "/dm/uuid").value_or("");
    if (StartsWith(name, "veracrypt"))
        return VirtualDisk::VeraCrypt;
    if (StartsWith(name, "truecrypt") || StartsWith(uuid, "CRYPT-TCRYPT-"))
        return VirtualDisk::TrueCrypt;
    return -1;
}

uint32_t MediaKind(const Platform::SystemRoots& roots, const std::string& devicePath, bool usb)
{
    const auto device = Platform::FindBlockDevice(roots, devicePath);
    const auto rotational =
        device ? Platform::ReadSysfsNumber(device->sysPath + "/queue/rotational") : std::optional<uint64_t>{};
    if (rotational)
        return *rotational == 1 ? 1 : 2;
    return usb ? 3 : 0;
}

void Describe(Disk& disk, const DiskInfoItem& listed, const Platform::SystemRoots& roots)
{
    disk.vendor = listed.vendor;
    if (!disk.vendor.empty() && disk.vendor.back() == ',')
        disk.vendor.pop_back();
    disk.product = listed.product;
    disk.revision = listed.revision;
    disk.serial = listed.serialNumber;
    Utils::Trim(disk.serial);
    if (!disk.serial.empty() && disk.serial.back() == '.')
        disk.serial.pop_back();
    Utils::Trim(disk.serial);
    disk.usb = listed.isUsb;
    disk.removable = listed.isRemovable;
    disk.mediaKind = MediaKind(roots, listed.devicePath, listed.isUsb);
}

// The listing's disks less the containers, which come as virtual disks.
std::vector<DiskInfoItem> PhysicalDisks(const Platform::SystemRoots& roots)
{
    DiskInfo listing(roots);
    listing.EnumerateDisks();
    std::vector<std::string> containers;
    for (const auto& device : Platform::ListWholeDisks(roots))
        if (ContainerKind(device) >= 0)
            containers.push_back(device.devicePath);
    std::vector<DiskInfoItem> disks;
    for (const auto& disk : listing.GetDisks())
        if (std::find(containers.begin(), containers.end(), disk.devicePath) == containers.end())
            disks.push_back(disk);
    return disks;
}

std::shared_ptr<Disk> Build(int32_t number, const DiskInfoItem& listed, const Platform::SystemRoots& roots)
{
    auto disk = std::make_shared<Disk>(number, listed.devicePath, roots);
    Describe(*disk, listed, roots);
    for (auto& volume : disk->volumes)
        volume->driveType = disk->removable || disk->usb ? 2 : 3;
    return disk;
}

}

std::vector<std::shared_ptr<Disk>> EnumerateDisks(const Platform::SystemRoots& roots)
{
    std::vector<std::shared_ptr<Disk>> disks;
    for (const auto& listed : PhysicalDisks(roots))
        disks.push_back(Build(static_cast<int32_t>(disks.size()), listed, roots));
    for (auto& container : FindEncryptedContainers(roots)) {
        container->diskNumber = static_cast<int32_t>(disks.size());
        disks.push_back(std::move(container));
    }
    return disks;
}

std::shared_ptr<Disk> GetDisk(size_t index, const Platform::SystemRoots& roots)
{
    auto disks = EnumerateDisks(roots);
    return index < disks.size() ? disks[index] : nullptr;
}

std::vector<std::shared_ptr<Volume>> EnumerateVolumes(const Platform::SystemRoots& roots)
{
    std::vector<std::shared_ptr<Volume>> volumes;
    for (const auto& disk : EnumerateDisks(roots))
        volumes.insert(volumes.end(), disk->volumes.begin(), disk->volumes.end());
    return volumes;
}

std::shared_ptr<Disk> OpenDisk(uint32_t number, const Platform::SystemRoots& roots)
{
    const auto disks = PhysicalDisks(roots);
    if (number >= disks.size() || !Platform::OpenDeviceFile(disks[number].devicePath, false))
        return nullptr;
    return Build(static_cast<int32_t>(number), disks[number], roots);
}

std::shared_ptr<Disk> OpenImageFile(const std::string& path, const Platform::SystemRoots& roots)
{
    auto file = Platform::OpenDeviceFile(path, false);
    Sector sector{};
    if (!file)
        return nullptr;
    const bool read = file->ReadAt(0, sector.data(), sector.size()) == static_cast<int64_t>(sector.size());
    file.reset();
    // OEM names that mark a volume image even where the content says nothing more.
    static const char volumeOemNames[][8] = {{'m', 'k', 'f', 's', '.', 'f', 'a', 't'},
                                             {'m', 'k', 'd', 'o', 's', 'f', 's', '\0'},
                                             {'N', 'T', 'F', 'S', ' ', ' ', ' ', ' '},
                                             {'M', 'S', 'W', 'I', 'N', '4', '.', '0'},
                                             {'M', 'S', 'W', 'I', 'N', '4', '.', '1'}};
    bool volumeImage = read && StartsWithFileSystem(sector);
    for (const auto& name : volumeOemNames)
        volumeImage = volumeImage || (read && std::memcmp(sector.data() + 3, name, 8) == 0);
    if (volumeImage)
        return std::make_shared<VirtualDisk>(VirtualDisk::ImageFile, path, -1, roots);
    DiskInfoItem listed;
    listed.devicePath = path;
    const size_t slash = path.find_last_of('/');
    listed.product = slash == std::string::npos ? path : path.substr(slash + 1);
    return Build(-1, listed, roots);
}

std::vector<std::shared_ptr<Disk>> FindEncryptedContainers(const Platform::SystemRoots& roots)
{
    std::vector<std::shared_ptr<Disk>> containers;
    for (const auto& device : Platform::ListWholeDisks(roots)) {
        const int kind = ContainerKind(device);
        if (kind < 0)
            continue;
        auto disk = std::make_shared<VirtualDisk>(static_cast<VirtualDisk::Kind>(kind), device.devicePath,
                                                  static_cast<int32_t>(containers.size()), roots);
        disk->removable = device.removable;
        containers.push_back(std::move(disk));
    }
    return containers;
}

std::string FindVolumePathByExtent(const Platform::SystemRoots& roots, const std::string& diskDevicePath,
                                   uint64_t start, uint64_t length)
{
    return Platform::FindPartitionNode(roots, diskDevicePath, start, length);
}

}
