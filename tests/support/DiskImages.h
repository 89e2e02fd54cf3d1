#pragma once
// Disk and file-system images made at test time with the real tools.
#include <cstdint>
#include <string>

namespace TestSupport {

constexpr uint64_t MiB = 1024 * 1024;

// A sparse file of the given size.
void MakeSparseFile(const std::string& path, uint64_t size);
// A FAT32 file system filling a new file; fails the test when mkfs.fat fails.
void MakeFat32File(const std::string& path, uint64_t size, const std::string& label);
// A file whose boot sector at offset carries BitLocker's signature "-FVE-FS-".
void WriteBitLockerBootSector(const std::string& path, uint64_t offset);

}
