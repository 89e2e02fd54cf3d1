#pragma once
// A fake sysfs tree, /dev folder and mount table in a temporary folder, built
// the way the kernel lays them out: devices under sys/devices/<bus path>/block,
// linked from sys/block (whole disks) and sys/class/block (all).
#include "Platform/Linux/SystemRoots.h"
#include "support/TempDir.h"

#include <cstdint>
#include <map>
#include <string>

namespace TestSupport {

class FakeSystem {
public:
    FakeSystem();

    // A whole disk of the given size in 512-byte units; attributes are files
    // relative to the disk's folder ("removable", "device/model", ...).
    void AddDisk(const std::string& name, const std::string& busPath, uint64_t sectors,
                 const std::map<std::string, std::string>& attributes = {});
    void AddPartition(const std::string& disk, const std::string& name, uint64_t number, uint64_t startSector,
                      uint64_t sectors);
    // The disk and its partitions leave sysfs, as when it is unplugged.
    void RemoveDisk(const std::string& name);
    // A device-mapper device stacked on top of a device (sys/.../holders/<name>).
    void AddHolder(const std::string& device, const std::string& holder, const std::string& dmUuid);
    // One mount table line for a device added above.
    void AddMount(const std::string& device, const std::string& escapedMountPoint,
                  const std::string& fsType = "vfat", const std::string& root = "/");
    // The device node: a regular file (copied from source, or empty).
    std::string DeviceNode(const std::string& name) const;

    std::string SysPathOf(const std::string& name) const { return sysPaths.at(name); }
    Platform::SystemRoots Roots() const;
    std::string Path(const std::string& relative) const { return dir / relative; }

private:
    void WriteFile(const std::string& path, const std::string& text) const;

    TempDir dir;
    std::map<std::string, std::string> sysPaths;
    std::map<std::string, std::string> numbers;
    std::string mountInfo;
    unsigned nextMinor = 0;
    unsigned nextMountId = 30;
};

}
