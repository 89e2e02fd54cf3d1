#pragma once
// Pairs the "$R" data files of a Recycle Bin with their "$I" index records
// and names each data file by the path the index record stores.
#include "DataRecovery/FileNode.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Utils {
class PartReader;
}

namespace FAT {

// Largest index record read: version 2 with the longest Windows path.
constexpr size_t maxIndexRecordSize = 28 + 2 * 32767;

// The former path an index record stores, without its drive ("X:\"); none
// for a record of no known layout. Versions 1 (path at 24, at most 260
// characters) and 2 (length-prefixed at 24, path at 28) by their version
// field, else the 568-byte layout (path at 24). Cut at the first NUL.
std::optional<std::string> IndexRecordPath(const uint8_t* record, size_t size);

// The nodes of one scan pass that wait for their partner, keyed by their
// folder and the name after the "$I"/"$R" prefix.
class RecycleBinPairs {
public:
    // The nodes to report now for node: itself (no Recycle Bin name), none
    // (held back until its partner comes), or the data file named from its
    // index record (deleted state 2). The deleted forms "åI"/"åR" count only
    // inside a Recycle Bin folder. Reads index records through reader at the
    // engine's own offsets; read errors pass through.
    std::vector<FileManagerSP::FileNode> Pair(const FileManagerSP::FileNode& node, Utils::PartReader& reader,
                                              bool insideRecycleBin);
    // Every node still held back, under its own name; the pass is over.
    std::vector<FileManagerSP::FileNode> TakeHeldBack();
    bool Empty() const { return groups.empty(); }

private:
    std::map<std::pair<uint32_t, std::string>, std::vector<FileManagerSP::FileNode>> groups;
};

// The Part's name for one pairing step.
inline std::vector<FileManagerSP::FileNode> PairRecycleBinEntry(const FileManagerSP::FileNode& node,
                                                                Utils::PartReader& reader, RecycleBinPairs& pairs,
                                                                bool insideRecycleBin)
{
    return pairs.Pair(node, reader, insideRecycleBin);
}

}
