#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Where a volume lies on a physical disk.
struct VolumeExtent {
    uint64_t start = 0;
    uint64_t length = 0;
    uint64_t diskNumber = 0;
    uint64_t partitionNumber = 0;
};

// One volume-like entry of a disk: what readers open and engines are built from.
// Text is UTF-8.
struct VolumeInfoItem {
    enum EntryKind : int32_t {
        MountedVolume = 0,
        GptPartition = 1,
        MbrPartition = 2,
        Unallocated = 3,
    };

    int32_t entryKind = MountedVolume;
    std::string devicePath; // the device node (or image file) a reader opens
    std::string volumeName;
    std::string label;
    std::string mountPath;
    std::vector<VolumeExtent> extents;
    uint64_t serialNumber = 0;
    std::string deviceId;
    std::string fileSystem;
    std::string partitionStyle;
    uint64_t offset = 0; // byte offset of the volume on devicePath
    uint64_t length = 0; // byte length of the volume
    bool readRefused = false; // this process may not open devicePath for reading
};
