#pragma once
#include "Disk/VolumeInfoItem.h"

#include <cstdint>
#include <string>
#include <vector>

// One physical disk (or disk image file).
struct DiskInfoItem {
    std::string devicePath;
    std::string vendor;
    std::string product;
    std::string revision;
    std::string serialNumber;
    uint64_t diskNumber = 0;
    uint64_t diskSize = 0;
    uint8_t isLocalBus = 0;
    uint8_t isUsb = 0;
    uint8_t isRemovable = 0;
    // This process may not read the disk: its partition table stays unread and
    // these entries (the kernel's partitions, or the whole disk) stand for it.
    bool readRefused = false;
    std::vector<VolumeInfoItem> refusedEntries;
};

// A disk together with the volumes that lie on it.
struct DiskInfoWithVolumes : DiskInfoItem {
    DiskInfoWithVolumes() = default;
    // Keeps the volumes of allVolumes that lie on this disk, then scans the
    // disk's partition table for partitions and free regions (src/Disk/DiskInfo.cpp).
    DiskInfoWithVolumes(const DiskInfoItem& disk, const std::vector<VolumeInfoItem>& allVolumes);

    // Appends partitions no mounted volume covers and large free regions
    // (src/Disk/PartitionTableScan.cpp).
    void ScanPartitionTable();

    std::vector<VolumeInfoItem> volumes;

    const std::vector<VolumeInfoItem>& GetVolumes() const { return volumes; }
};
