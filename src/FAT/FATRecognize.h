#pragma once
// Recognisers of FAT32 and exFAT: directory blocks, directory starts and boot
// sectors of volumes not met before; they build the engine of a found volume.
#include "Utils/DataRecognize.h"

#include <vector>

namespace FAT {

class FAT32Recognize : public Utils::DataRecognize {
public:
    FAT32Recognize();
    explicit FAT32Recognize(const std::vector<uint32_t>& knownSerials);

    bool IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length) override;
    bool IsDirectoryStart(uint64_t position, const uint8_t* block, uint64_t length) override;
    bool CheckBootSector(const uint8_t* block512) override;
    std::unique_ptr<DataRecoveryEntity> CreateRecoveryWithLayout(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                                 DataRecoveryCallback callback, uint64_t dataStart,
                                                                 uint64_t clusterSize) override;
    std::unique_ptr<DataRecoveryEntity> CreateRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                       DataRecoveryCallback callback) override;
    int GetFileSystemType() override { return 1; }
    bool MayRecognize(const uint8_t* block, uint64_t length) const override;

private:
    // The present as a DOS stamp, taken once: entries dated later are not
    // plausible, and the workers' quick look must judge as the scan thread does.
    uint32_t now;
};

class ExFATRecognize : public Utils::DataRecognize {
public:
    ExFATRecognize() = default;
    explicit ExFATRecognize(const std::vector<uint32_t>& knownSerials) : DataRecognize(knownSerials) {}

    bool IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length) override;
    bool IsDirectoryStart(uint64_t position, const uint8_t* block, uint64_t length) override;
    bool CheckBootSector(const uint8_t* block512) override;
    std::unique_ptr<DataRecoveryEntity> CreateRecoveryWithLayout(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                                 DataRecoveryCallback callback, uint64_t dataStart,
                                                                 uint64_t clusterSize) override;
    std::unique_ptr<DataRecoveryEntity> CreateRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                       DataRecoveryCallback callback) override;
    int GetFileSystemType() override { return 2; }
    bool MayRecognize(const uint8_t* block, uint64_t length) const override;
};

}
