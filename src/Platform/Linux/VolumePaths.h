#pragma once
// Where a volume of a disk shows up on the system: its partition node, the
// mount paths of that node and the free space behind them.
#include "Platform/Linux/BlockDevices.h"
#include "Platform/Linux/SystemRoots.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Platform {

// The whole disk or partition whose device node is devicePath; empty for
// image files and anything sysfs does not list.
std::optional<BlockDevice> FindBlockDevice(const SystemRoots& roots, const std::string& devicePath);

// The node of the partition of diskDevicePath that starts at start and is
// length bytes long (sysfs counts both in 512-byte units); "" when none.
std::string FindPartitionNode(const SystemRoots& roots, const std::string& diskDevicePath, uint64_t start,
                              uint64_t length);

// The mount points of the device with these numbers (the root of the file
// system only, not bind mounts of its folders), in mount-table order.
std::vector<std::string> MountPathsOf(const SystemRoots& roots, unsigned major, unsigned minor);

// Free bytes of the file system mounted at path; 0 when statvfs fails.
uint64_t FreeBytesAt(const std::string& path);

}
