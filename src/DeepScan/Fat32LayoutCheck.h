#pragma once
// Checks a FAT32 layout (data-area start and cluster size) that the raw search
// infers from directory blocks without a boot sector, against the volume's
// own blocks: a folder's start names its own cluster in its "." entry, so
// every folder a block names (its subfolders, its parent) must lie where the
// layout puts that cluster.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace Utils {
class DataRecognize;
class PartReader;
}

namespace DeepScan {

// Where a FAT32 data area or an exFAT cluster heap begins, and its cluster size.
struct ClusterLayout {
    uint64_t dataStart = 0;
    uint64_t clusterSize = 0;

    // Where the layout puts a cluster; none below cluster 2 or past 64 bits.
    std::optional<uint64_t> PositionOf(uint64_t cluster) const;
    bool Places(uint64_t position, uint64_t cluster) const { return PositionOf(cluster) == position; }
    bool operator==(const ClusterLayout&) const = default;
};

// The clusters a FAT32 directory block names: its own (the "." entry; 0 when
// there is none), its parent's (".."; 0 for the root or none) and those of its
// live subfolders.
struct Fat32FolderEntries {
    uint64_t self = 0;
    uint64_t parent = 0;
    std::vector<uint64_t> subfolders;
};
Fat32FolderEntries ReadFat32FolderEntries(std::span<const uint8_t> block);

struct LayoutEvidence {
    unsigned confirmed = 0;    // folders found where the layout puts them
    unsigned contradicted = 0; // another folder, or nothing the volume holds, there

    LayoutEvidence& operator+=(const LayoutEvidence& other)
    {
        confirmed += other.confirmed;
        contradicted += other.contradicted;
        return *this;
    }
};

class Fat32LayoutCheck {
public:
    // reader spans the scanned volume of volumeLength bytes; recogniser tells directory starts.
    Fat32LayoutCheck(Utils::PartReader& reader, uint64_t volumeLength, Utils::DataRecognize& recogniser);

    // What the blocks at the places the layout gives the folders block names
    // say. A place holding no directory start (overwritten since) says nothing.
    LayoutEvidence Check(const ClusterLayout& layout, std::span<const uint8_t> block) const;

private:
    // The folder entries of the directory start at position; none when there is no start there.
    std::optional<Fat32FolderEntries> StartAt(uint64_t position) const;

    Utils::PartReader& reader;
    uint64_t volumeLength;
    Utils::DataRecognize& recogniser;
};

}
