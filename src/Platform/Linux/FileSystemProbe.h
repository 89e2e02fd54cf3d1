#pragma once
// Naming the file system in a byte range of a device or image file (libblkid).
#include <cstdint>
#include <optional>
#include <string>

namespace Platform {

struct FileSystemProbeResult {
    std::string type;    // libblkid's name: "ntfs", "vfat", "exfat", "BitLocker", ...
    std::string version; // "FAT32", "FAT16", ... where libblkid tells it
    std::string label;   // UTF-8
    std::string uuid;    // the serial as libblkid prints it: "1234-ABCD", "0123456789ABCDEF"
};

// The file system that starts at offset (length 0: to the end of the device).
// Empty when the range cannot be read, holds no known file system, or two
// file systems claim it.
std::optional<FileSystemProbeResult> ProbeFileSystem(const std::string& path, uint64_t offset,
                                                     uint64_t length);
// libblkid's name of the partition table at the start of path ("dos", "gpt"),
// empty when there is none or it cannot be read.
std::string PartitionTableType(const std::string& path);

// The engine's spelling: "NTFS", "FAT32", "FAT16", "FAT12", "EXFAT", "Bitlocker",
// other file systems in upper case ("EXT4"); "N/A" for an empty type.
std::string FileSystemDisplayName(const std::string& type, const std::string& version);
// The 32-bit volume serial of NTFS, FAT and exFAT file systems; 0 for others.
uint64_t VolumeSerialFromUuid(const std::string& type, const std::string& uuid);

}
