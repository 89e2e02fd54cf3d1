#pragma once
// The block devices the kernel lists in sysfs: whole disks and their partitions.
#include "Platform/Linux/SystemRoots.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Platform {

struct BlockDevice {
    std::string name;       // kernel name, as "sdb1"
    std::string devicePath; // device node under the /dev root
    std::string sysPath;    // the device's sysfs folder, links resolved
    unsigned major = 0;
    unsigned minor = 0;
    uint64_t size = 0;      // bytes
    bool removable = false;
    std::string transport;  // "usb", "mmc", "nvme", "loop", "dm", "md", "virtio", "ata" or empty
    bool isPartition = false;
    uint64_t partitionNumber = 0;
    uint64_t start = 0;     // partitions: byte offset on the parent disk
    std::string parent;     // partitions: kernel name of the parent disk
};

// Whole disks of /sys/block in natural name order: partitions, RAM disks, zram,
// optical drives and devices without media (size 0, such as an empty card
// reader or an unused loop device) are left out.
std::vector<BlockDevice> ListWholeDisks(const SystemRoots& roots);
// Every partition of /sys/class/block, ordered by parent disk and start.
std::vector<BlockDevice> ListPartitions(const SystemRoots& roots);
// "sda" < "sdb" < "sdaa"; "nvme0n1" < "nvme0n10"; digit runs compare as numbers.
bool NaturalNameLess(const std::string& a, const std::string& b);
// The device node of a kernel name ("cciss!c0d0" lives at cciss/c0d0).
std::string DeviceNodeOf(const SystemRoots& roots, const std::string& kernelName);

}
