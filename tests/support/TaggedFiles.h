#pragma once
// Test files whose every 512-byte block names its file and block number, so a
// recovered file holding another file's bytes (or its own bytes out of place)
// is seen block by block, not only as a wrong digest.
#include <cstdint>
#include <string>
#include <vector>

namespace TestSupport {

// The bytes of tagged file `fileId` of `size` bytes: each block starts with
// "VTAG", the file id and the block number (little-endian 32-bit each), and is
// filled after that with bytes drawn from both.
std::vector<uint8_t> TaggedFileBytes(uint32_t fileId, uint64_t size);

// What a recovered file holds, block by block, against tagged file `fileId`.
struct TagCheck {
    uint64_t ownBlocks = 0;     // blocks equal to the file's own block at that place
    uint64_t foreignBlocks = 0; // blocks tagged with another file's id, or the file's own id at another place
    uint64_t otherBlocks = 0;   // anything else (zeros, untagged data, damage)
    bool exact = false;         // the whole file equal to TaggedFileBytes(fileId, size)
};
TagCheck CheckTaggedFile(uint32_t fileId, uint64_t size, const std::vector<uint8_t>& recovered);

// Writes TaggedFileBytes(fileId, size) to path; fails the calling test on error.
void WriteTaggedFile(const std::string& path, uint32_t fileId, uint64_t size);

}
