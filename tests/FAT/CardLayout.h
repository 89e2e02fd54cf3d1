#pragma once
// Where a FAT32 or exFAT volume inside a disk image keeps its tables, clusters
// and directory entries, read straight from the image, so a test can damage
// one field of a named entry or chain.
#include <cstdint>
#include <string>
#include <vector>

namespace FatTest {

struct CardLayout {
    bool exfat = false;
    uint64_t volumeStart = 0; // bytes into the disk image
    uint64_t sectorSize = 512;
    uint64_t fatStart = 0;  // disk offset of the first FAT
    uint64_t fatLength = 0; // bytes of one FAT
    uint64_t fatCount = 1;
    uint64_t dataStart = 0; // disk offset of cluster 2
    uint64_t clusterSize = 0;
    uint64_t clusterCount = 0;
    uint32_t rootCluster = 0;

    uint64_t EntryOffset(uint64_t cluster, uint64_t copy = 0) const { return fatStart + copy * fatLength + 4 * cluster; }
    uint64_t ClusterOffset(uint64_t cluster) const { return dataStart + (cluster - 2) * clusterSize; }
    uint32_t EndOfChain() const { return exfat ? 0xFFFFFFFF : 0x0FFFFFFF; }
};

CardLayout ReadCardLayout(const std::string& disk, uint64_t volumeStart, bool exfat);
uint32_t FatEntry(const std::string& disk, const CardLayout& layout, uint64_t cluster);
// Sets a cluster's entry in every FAT.
void SetFatEntry(const std::string& disk, const CardLayout& layout, uint64_t cluster, uint32_t value);
// The clusters of a chain as the first FAT links them.
std::vector<uint64_t> ChainOf(const std::string& disk, const CardLayout& layout, uint64_t first);

// A file's or folder's directory entry, found by its path ("DCIM/100CAM/IMG_0003.BMP").
struct EntryPlace {
    uint64_t offset = 0;       // disk offset of the short entry (FAT32) or of the File entry (exFAT)
    uint64_t streamOffset = 0; // exFAT: its Stream extension entry
    std::vector<uint64_t> longNames; // FAT32: its long-name entries, in the order met
    uint64_t firstCluster = 0;
    uint64_t size = 0;
    bool noFatChain = false;
};
// Fails the calling test when the path is not there.
EntryPlace FindEntry(const std::string& disk, const CardLayout& layout, const std::string& path);
// The disk offsets of a directory's clusters, in order.
std::vector<uint64_t> DirectoryClusters(const std::string& disk, const CardLayout& layout, const std::string& path);

// exFAT: writes the set checksum of the entry set whose File entry is at offset.
void FixExFatSetChecksum(const std::string& disk, uint64_t fileEntry);

}
