#pragma once
// Directory index entries ($I30, and the $R reparse index) and the bounded walk
// over index nodes and INDX blocks that both index readers use.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NTFS {

// One raw entry: a span into a node the caller keeps alive.
struct EntrySpan {
    const uint8_t* data = nullptr;
    uint64_t length = 0;
};

// The flag an $I30 key's file attributes carry for a folder.
constexpr uint32_t FileAttributeDirectory = 0x10000000;

class IndexEntry {
public:
    // Fills the entry from a raw entry of length bytes. Throws
    // Exceptions::NTFSException when its $I30 name does not fit the entry.
    IndexEntry(const uint8_t* entry, uint64_t length, const std::string& indexName);

    uint64_t fileReference = 0;
    uint64_t parentRecord = 0;
    uint16_t parentSequence = 0; // the sequence number the key's parent reference carries
    std::u16string name;
    uint64_t subNodeVcn = 0;
    uint8_t nameSpace = 0;
    uint32_t reparseTag = 0;
    uint32_t fileAttributes = 0; // of the $I30 key; FileAttributeDirectory marks a folder
    int16_t entryFlags = 0;
    std::string indexName;
};

// The entries of one index node; node points at the node header (0x10 into an
// $INDEX_ROOT value, 0x18 into an INDX block) with nodeSize bytes after it.
// Entries are taken while they lie inside the node's used part; an entry whose
// length or (with fileNameKeys) whose name does not fit ends the walk. A last
// entry is taken only when it names a file.
std::vector<EntrySpan> WalkIndexNode(const uint8_t* node, size_t nodeSize, bool fileNameKeys);

struct IndexBlockEntries {
    uint64_t position = 0; // the block's index in the value
    uint64_t vcn = 0;
    std::vector<EntrySpan> entries;
};

// Fixes up and walks every INDX block of size bytes at step-byte strides (the
// index-block size). A block that fails its magic, its fix-up or its header
// checks is skipped.
std::vector<IndexBlockEntries> ParseIndexBlockList(uint8_t* bytes, size_t size, uint32_t step, bool fileNameKeys);

// The entries of every INDX block in block order.
std::vector<EntrySpan> ParseIndexBlocks(uint8_t* bytes, size_t size, uint32_t step);

}
