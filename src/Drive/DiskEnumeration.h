#pragma once
// The roots of the disk-object family: the machine's disks (sysfs whole
// disks, then the images of VELMORA_DISK_IMAGES, numbered by position), the
// opened TrueCrypt and VeraCrypt containers, and image files.
#include "Drive/Disk.h"
#include "Platform/Linux/SystemRoots.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Drive {

std::vector<std::shared_ptr<Disk>> EnumerateDisks(
    const Platform::SystemRoots& roots = Platform::SystemRoots::FromEnvironment());
// The disk at this position of a fresh enumeration, or null.
std::shared_ptr<Disk> GetDisk(size_t index,
                              const Platform::SystemRoots& roots = Platform::SystemRoots::FromEnvironment());
// The volumes of every disk of a fresh enumeration, disk by disk.
std::vector<std::shared_ptr<Volume>> EnumerateVolumes(
    const Platform::SystemRoots& roots = Platform::SystemRoots::FromEnvironment());
// Disk number N of the listing (containers not counted), or null.
std::shared_ptr<Disk> OpenDisk(uint32_t number,
                               const Platform::SystemRoots& roots = Platform::SystemRoots::FromEnvironment());
// A file holding one volume (its first sector a file system's boot sector or a
// BitLocker header) becomes a virtual disk of kind ImageFile with one volume;
// any other file is read as a whole disk. Null when it cannot be opened.
std::shared_ptr<Disk> OpenImageFile(const std::string& path,
                                    const Platform::SystemRoots& roots = Platform::SystemRoots::FromEnvironment());
// Device-mapper devices of opened containers: name "veracrypt..." is kind
// VeraCrypt; name "truecrypt..." or a cryptsetup TCRYPT mapping is TrueCrypt.
std::vector<std::shared_ptr<Disk>> FindEncryptedContainers(
    const Platform::SystemRoots& roots = Platform::SystemRoots::FromEnvironment());
// The partition node of the disk at diskDevicePath whose start and length
// (bytes) match; "" when none.
std::string FindVolumePathByExtent(const Platform::SystemRoots& roots, const std::string& diskDevicePath,
                                   uint64_t start, uint64_t length);

}
