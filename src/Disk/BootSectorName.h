#pragma once
#include <cstdint>
#include <string>

// The file system a volume's first sector announces (OEM name, then FAT type text):
// "NTFS", "Bitlocker", "FAT32", "FAT16", "FAT12", "EXFAT", or "RAW".
std::string GetFileSystemNameFromBootSector(const uint8_t (&sector)[512]);
