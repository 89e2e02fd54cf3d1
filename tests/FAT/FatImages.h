#pragma once
// FAT32 and exFAT fixtures made with mkfs.fat and mtools (and mkfs.exfat with
// exfat-fuse), and the readings of the independent tools they are checked against.
#include "Disk/VolumeInfoItem.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace FatTest {

// (first, last) cluster of one stretch.
using ClusterRange = std::pair<uint64_t, uint64_t>;

// A new FAT32 image of sizeMiB made by "mkfs.fat -F 32 options".
void MakeFat32Image(const std::string& image, uint64_t sizeMiB, const std::string& options);
// Copies a file made of size bytes of a seeded pattern into the image at target ("::/a.bin").
void CopyPatternFile(const std::string& image, const std::string& scratchDir, const std::string& target,
                     uint64_t size, uint32_t seed);
// Five files copied, every other one deleted, the FSInfo hint cleared, and a
// larger file copied at target: mtools fills the gaps, so it is fragmented.
void MakeFragmentedFile(const std::string& image, const std::string& scratchDir, const std::string& target,
                        uint64_t pieceSize);
// mshowfat's cluster ranges of a file.
std::vector<ClusterRange> ShowFat(const std::string& image, const std::string& target);
// A volume record for a whole image file.
VolumeInfoItem ImageVolume(const std::string& image, uint64_t offset = 0, uint64_t length = 0);
// Writes bytes into a file at offset.
void Patch(const std::string& file, uint64_t offset, const std::vector<uint8_t>& bytes);
void PatchU32(const std::string& file, uint64_t offset, uint32_t value);
std::vector<uint8_t> ReadBytes(const std::string& file, uint64_t offset, size_t length);
// The value of "key: value" in a tool's output ("" when missing).
std::string Field(const std::string& output, const std::string& key);

// Copies files (leaf name -> bytes) into folder ("::/DCIM") of the image in one
// mcopy, in the order given, so they take clusters one after the other.
void CopyFiles(const std::string& image, const std::string& scratchDir, const std::string& folder,
               const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files);
// Clears the FSInfo next-free hint: mtools then fills the first free clusters.
void ClearNextFreeHint(const std::string& image);
// A disk image with an MBR whose one partition (type, e.g. "c" or "7") holds
// the volume image at start bytes, as on a memory card.
void PlaceInMbrDisk(const std::string& volume, const std::string& disk, uint64_t start, const std::string& type);

// An exFAT volume on a loop device mounted through exfat-fuse; all three are
// undone by the destructor. Usable only when ok (root, /dev/fuse, tools).
class ExFatMount {
public:
    // mkfsOptions go to mkfs.exfat ("-c 512" for 512-byte clusters).
    ExFatMount(const std::string& image, uint64_t sizeMiB, const std::string& mountPoint,
               const std::string& mkfsOptions = "");
    ~ExFatMount();
    // Unmounts and detaches, so the image is complete on disk.
    void Finish();

    bool ok = false;
    std::string why; // why not ok
    std::string device;
    std::string mountPoint;

private:
    bool mounted = false;
};

}
