#pragma once
// The NTFS member of the file-system recognisers: file-record blocks and boot
// sectors in raw data, and the engine for a volume found by its boot sector.
#include "Utils/DataRecognize.h"

namespace NTFS {

class NTFSRecognize : public Utils::DataRecognize {
public:
    NTFSRecognize() = default;
    explicit NTFSRecognize(const std::vector<uint32_t>& knownSerials) : DataRecognize(knownSerials) {}
    bool IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length) override;
    bool IsDirectoryStart(uint64_t position, const uint8_t* block, uint64_t length) override;
    bool CheckBootSector(const uint8_t* block512) override;
    std::unique_ptr<DataRecoveryEntity> CreateRecoveryWithLayout(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                                 DataRecoveryCallback callback, uint64_t start,
                                                                 uint64_t size) override;
    std::unique_ptr<DataRecoveryEntity> CreateRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                       DataRecoveryCallback callback) override;
    int GetFileSystemType() override { return 0; }
    bool MayRecognize(const uint8_t* block, uint64_t length) const override;
    bool Expects(uint64_t position) const override { return pendingSecondHalf != 0 && pendingSecondHalf == position; }

    // Position of the next block that continues the last file record found (0 when none).
    uint64_t pendingSecondHalf = 0;

private:
    // Blocks still expected after pendingSecondHalf (a 4096-byte record has eight).
    uint32_t pendingBlocks = 0;
};

}
