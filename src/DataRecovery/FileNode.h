#pragma once
// One found file or folder as the engines describe it. Name and runs are held
// by value, so every copy is a deep copy and nothing is shared between nodes.
#include "DataRecovery/DataRecoveryInfo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace FileManagerSP {

struct FileNode {
    std::string name;          // UTF-8, may be empty
    std::vector<DataRun> runs; // volume-relative byte offset and length of each piece
    uint64_t size = 0;
    int64_t time = 0; // seconds since 1970-01-01
    uint32_t id = 0;
    uint32_t parentId = 0; // 0 for none
    uint8_t folderFlag = 0;
    uint8_t deletedState = 0; // 0 live, 1 deleted, 2 set by the producer and kept
    uint8_t pathState = 0;    // 0 under the root, 1 lost, 2 carved
    uint8_t dataState = DataWhole; // FileDataState
    // NTFS: the sequence number a reference to this node carries, and the one
    // its reference to its parent carries. A parent whose number differs was
    // reused for another folder; 0 on either side checks nothing.
    uint16_t sequence = 0;
    uint16_t parentSequence = 0;

    uint32_t NameLength() const { return static_cast<uint32_t>(name.size()); }
    // Unbounded on purpose: a file with more than 255 runs must stay whole.
    size_t RunCount() const { return runs.size(); }
};

}
