#include "Platform/Linux/BlockDevices.h"

#include "Platform/Linux/SysfsAttributes.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace Platform {

namespace {

// sysfs counts size and start in 512-byte units whatever the sector size.
constexpr uint64_t SysfsUnit = 512;

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string TransportOf(const std::string& name, const std::string& sysPath)
{
    if (sysPath.find("/usb") != std::string::npos)
        return "usb";
    if (sysPath.find("/mmc_host/") != std::string::npos || StartsWith(name, "mmcblk"))
        return "mmc";
    if (StartsWith(name, "nvme"))
        return "nvme";
    if (StartsWith(name, "loop"))
        return "loop";
    if (StartsWith(name, "dm-"))
        return "dm";
    if (StartsWith(name, "md"))
        return "md";
    if (StartsWith(name, "vd"))
        return "virtio";
    if (sysPath.find("/ata") != std::string::npos)
        return "ata";
    return "";
}

bool ReadDeviceNumbers(const std::string& sysPath, unsigned& major, unsigned& minor)
{
    auto dev = ReadSysfsAttribute(sysPath + "/dev");
    if (!dev)
        return false;
    size_t colon = dev->find(':');
    if (colon == std::string::npos)
        return false;
    try {
        major = static_cast<unsigned>(std::stoul(dev->substr(0, colon)));
        minor = static_cast<unsigned>(std::stoul(dev->substr(colon + 1)));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// Reads one block device from its entry in a sysfs class folder.
bool ReadBlockDevice(const SystemRoots& roots, const fs::path& entry, BlockDevice& device)
{
    std::error_code error;
    fs::path resolved = fs::canonical(entry, error);
    if (error)
        return false;
    device.name = entry.filename().string();
    device.sysPath = resolved.string();
    device.devicePath = DeviceNodeOf(roots, device.name);
    ReadDeviceNumbers(device.sysPath, device.major, device.minor);
    device.size = ReadSysfsNumber(device.sysPath + "/size").value_or(0) * SysfsUnit;
    device.removable = ReadSysfsNumber(device.sysPath + "/removable").value_or(0) != 0;
    if (auto number = ReadSysfsNumber(device.sysPath + "/partition")) {
        device.isPartition = true;
        device.partitionNumber = *number;
        device.start = ReadSysfsNumber(device.sysPath + "/start").value_or(0) * SysfsUnit;
        device.parent = resolved.parent_path().filename().string();
        device.transport = TransportOf(device.parent, resolved.parent_path().string());
    } else {
        device.transport = TransportOf(device.name, device.sysPath);
        // The kernel never sets "removable" for MMC block devices; a card in a
        // built-in slot is still a card. eMMC ("MMC") and SDIO stay fixed.
        if (device.transport == "mmc" && ReadSysfsAttribute(device.sysPath + "/device/type") == std::string("SD"))
            device.removable = true;
    }
    return true;
}

std::vector<fs::path> EntriesOf(const std::string& folder)
{
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(it->path());
    return entries;
}

bool IsListedDisk(const BlockDevice& disk)
{
    for (const char* prefix : {"ram", "zram", "sr", "fd"})
        if (StartsWith(disk.name, prefix))
            return false;
    return !disk.isPartition && disk.size > 0;
}

}

bool NaturalNameLess(const std::string& a, const std::string& b)
{
    size_t i = 0, j = 0;
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            size_t ei = i, ej = j;
            while (ei < a.size() && isDigit(a[ei]))
                ++ei;
            while (ej < b.size() && isDigit(b[ej]))
                ++ej;
            std::string na = a.substr(i, ei - i), nb = b.substr(j, ej - j);
            na.erase(0, std::min(na.find_first_not_of('0'), na.size()));
            nb.erase(0, std::min(nb.find_first_not_of('0'), nb.size()));
            if (na.size() != nb.size())
                return na.size() < nb.size();
            if (na != nb)
                return na < nb;
            i = ei;
            j = ej;
            continue;
        }
        // Letter runs: the shorter first, so "sdz" comes before "sdaa".
        size_t ei = i, ej = j;
        while (ei < a.size() && !isDigit(a[ei]))
            ++ei;
        while (ej < b.size() && !isDigit(b[ej]))
            ++ej;
        if (ei - i != ej - j)
            return ei - i < ej - j;
        int order = a.compare(i, ei - i, b, j, ej - j);
        if (order != 0)
            return order < 0;
        i = ei;
        j = ej;
    }
    return a.size() - i < b.size() - j;
}

std::string DeviceNodeOf(const SystemRoots& roots, const std::string& kernelName)
{
    std::string node = kernelName;
    std::replace(node.begin(), node.end(), '!', '/');
    return roots.devRoot + "/" + node;
}

std::vector<BlockDevice> ListWholeDisks(const SystemRoots& roots)
{
    std::vector<BlockDevice> disks;
    if (!roots.includeMachineDisks)
        return disks;
    for (const auto& entry : EntriesOf(roots.sysRoot + "/block")) {
        BlockDevice disk;
        if (ReadBlockDevice(roots, entry, disk) && IsListedDisk(disk))
            disks.push_back(std::move(disk));
    }
    std::sort(disks.begin(), disks.end(),
              [](const BlockDevice& a, const BlockDevice& b) { return NaturalNameLess(a.name, b.name); });
    return disks;
}

std::vector<BlockDevice> ListPartitions(const SystemRoots& roots)
{
    std::vector<BlockDevice> partitions;
    if (!roots.includeMachineDisks)
        return partitions;
    for (const auto& entry : EntriesOf(roots.sysRoot + "/class/block")) {
        BlockDevice device;
        if (ReadBlockDevice(roots, entry, device) && device.isPartition)
            partitions.push_back(std::move(device));
    }
    std::sort(partitions.begin(), partitions.end(), [](const BlockDevice& a, const BlockDevice& b) {
        if (a.parent != b.parent)
            return NaturalNameLess(a.parent, b.parent);
        if (a.start != b.start)
            return a.start < b.start;
        return a.partitionNumber < b.partitionNumber;
    });
    return partitions;
}

}
