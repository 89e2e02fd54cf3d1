#pragma once
// One partition or volume of a Drive::Disk: where it lies, what file system it
// holds, where it is mounted and its BitLocker metadata.
#include "BitLocker/FveMetadata.h"
#include "Platform/Linux/SystemRoots.h"
#include "Utils/Buffer.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Drive {

class Disk;

// The partition-table record a volume is built from.
struct PartitionExtent {
    uint32_t style = 2; // 0 MBR, 1 GPT, 2 RAW
    uint64_t start = 0; // bytes
    uint64_t length = 0;
    uint32_t number = 0;
    uint8_t bootFlag = 0;
    std::array<uint8_t, 16> gptType{};
};

// A volume described by text, as a listing hands it over.
struct VolumeDescription {
    std::string volumePath;
    std::string label;
    std::string fileSystem;
    uint64_t totalBytes = 0;
    uint64_t freeBytes = 0;
    std::string serialHex;
};

class Volume {
public:
    // Reads the BitLocker metadata and the boot sector at the extent's start
    // from the disk's device, then the system's view of volumePath (or of the
    // partition node that matches the extent), then names the file system.
    Volume(const PartitionExtent& extent, Disk* disk, const std::string& volumePath,
           const Platform::SystemRoots& roots);
    // Copies the description; the serial is hexadecimal text and throws
    // std::invalid_argument or std::out_of_range as std::stoul does.
    Volume(const VolumeDescription& description, uint32_t partitionNumber, Disk* disk);

    // Mount paths from the mount table, label and serial from the file
    // system itself, free bytes of the first mount path, drive type 2
    // (removable) or 3 (fixed).
    void ReadVolumeInfo(const std::string& path, const Platform::SystemRoots& roots);
    // Only while the name is empty: "NTFS", "EXFAT", "FAT32", "FAT16",
    // "FAT12" or "Bitlocker" by the boot sector's content, else "RAW".
    void DetectFileSystem();

    std::string volumePath;
    std::string label;
    std::string fileSystem;
    std::vector<std::string> mountPaths;
    std::string partitionTypeName;
    uint32_t serialNumber = 0;
    uint32_t partitionStyle = 2;
    uint32_t driveType = 0;
    uint32_t partitionNumber = 0;
    uint64_t startOffset = 0;
    uint64_t length = 0;
    uint64_t freeBytes = 0;
    uint8_t bootFlag = 0;
    uint8_t bitLocker = 0;
    Bitlocker::FveMetadata fve;
    std::shared_ptr<Utils::Buffer<uint8_t>> bootSector;
    Disk* disk = nullptr; // not owned
};

}
