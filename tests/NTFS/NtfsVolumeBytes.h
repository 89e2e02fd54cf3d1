#pragma once
// An NTFS image's bytes with its file records located through istat of $MFT
// (not through the engine), patched the way a damaged disk would hold them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NtfsImage {

using Bytes = std::vector<uint8_t>;

Bytes ReadAll(const std::string& path);
// Fails the calling test when the file cannot be written.
void WriteAll(const std::string& path, const Bytes& bytes);

class VolumeBytes {
public:
    // The $MFT's clusters as istat lists them under its $DATA.
    explicit VolumeBytes(std::string image);

    // The image offset of record inode.
    uint64_t Record(uint64_t inode) const;
    // The record's offset of its first attribute of type, read with the
    // record's sector ends restored.
    size_t Attribute(uint64_t inode, uint32_t type) const;
    uint64_t Field(uint64_t inode, size_t at, int width) const;
    // A little-endian value at an image offset.
    uint64_t Get(uint64_t offset, int width) const;

    // Writes a little-endian value; a patch over a sector's protected end fails the test.
    void Put(uint64_t offset, uint64_t value, int width);
    void PutInRecord(uint64_t inode, size_t at, uint64_t value, int width) { Put(Record(inode) + at, value, width); }
    void Save() { WriteAll(image, bytes); }

    std::string image;
    Bytes bytes;
    std::vector<uint64_t> mftClusters; // volume offset of each cluster of the $MFT
    uint64_t clusterSize = 0;
    static constexpr uint64_t recordSize = 1024;
};

// The $DATA run list's first run: (offset of its header byte in the record, LCN).
std::pair<size_t, uint64_t> FirstRun(const VolumeBytes& volume, uint64_t inode);

}
