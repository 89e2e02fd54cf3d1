#pragma once
// Label, file-system name, serial and partition style of a volume, from its
// bytes where they can be read and from udev's record where they cannot.
#include "Disk/VolumeInfoItem.h"
#include "Platform/Linux/BlockDevices.h"
#include "Platform/Linux/SystemRoots.h"

#include <string>

// A mounted partition or whole disk; mountFsType is the mount table's name,
// used when nothing else names the file system.
void DescribeVolume(const Platform::SystemRoots& roots, const Platform::BlockDevice& device,
                    const std::string& mountFsType, VolumeInfoItem& item);

// An entry of the partition-table scan, read from the disk at item.offset: the
// label and file system replace the placeholders when a file system is found.
// False when nothing is recognised there.
bool DescribeUnmountedEntry(const std::string& diskPath, VolumeInfoItem& item);

// "MBR" for a DOS table, "GPT", else the name in upper case; "N/A" for none.
std::string PartitionStyleName(const std::string& tableType);
