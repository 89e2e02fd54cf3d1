#pragma once
#include <cstdint>
#include <string>

// One disk volume as the engine lists it and as the caller selects it.
struct DiskAndVolumeInfo {
    std::string diskName;
    std::string diskModel;
    std::string volumeLetter;
    std::string label;
    std::string volumePath;
    std::string fileSystem;
    uint64_t startOffset = 0;
    uint64_t endOffset = 0;
    uint64_t deviceSize = 0;
    uint32_t volumeKind = 0;
    int32_t bitLockerStatus = 0;
    uint8_t diskIndex = 0;
    uint8_t volIndex = 0;
    bool isExternal = false;
    bool isSystem = false;
    bool isRemovable = false;
    // Listed although this process may not read it (a normal user's disks):
    // scanning it needs the right to read disks. Added last: the fields above
    // keep their places for callers built before it.
    bool isUnreadable = false;
};
