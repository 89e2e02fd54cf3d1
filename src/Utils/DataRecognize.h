#pragma once
// Base of the file-system recognisers: decides whether a block belongs to a
// file system and builds an engine for a volume found by its boot sector.
#include "DataRecovery/DataRecoveryMulti.h"
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "Disk/VolumeInfoItem.h"

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

class DataRecoveryEntity;

namespace Utils {

class DataRecognize {
public:
    DataRecognize() = default;
    // Volumes with these serials count as already seen.
    explicit DataRecognize(const std::vector<uint32_t>& knownSerials) : seenSerials(knownSerials.begin(), knownSerials.end()) {}
    virtual ~DataRecognize() = default;
    virtual bool IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length) = 0;
    virtual bool IsDirectoryStart(uint64_t position, const uint8_t* block, uint64_t length) = 0;
    virtual bool CheckBootSector(const uint8_t* block512) = 0;
    virtual std::unique_ptr<DataRecoveryEntity> CreateRecoveryWithLayout(const VolumeInfoItem& volume,
                                                                         DiskAndVolumeInfo info,
                                                                         DataRecoveryCallback callback,
                                                                         uint64_t start, uint64_t size) = 0;
    virtual std::unique_ptr<DataRecoveryEntity> CreateRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                               DataRecoveryCallback callback) = 0;
    virtual int GetFileSystemType() = 0; // 0 NTFS, 1 FAT32, 2 exFAT

    // Whether the sector is a boot sector of this file system, whatever
    // serials were met before: two volumes may share one (a cloned
    // partition), so the raw search tells a backup by where it lies.
    bool IsBootSectorAnySerial(const uint8_t* block512)
    {
        std::set<uint32_t> met;
        met.swap(seenSerials);
        const bool boot = CheckBootSector(block512);
        met.swap(seenSerials);
        return boot;
    }

    // A look at one block's bytes alone, free of state and safe on any thread
    // while the other calls run: false only where CheckBootSector and
    // IsDirectoryBlock both fail for these bytes whatever came before
    // (IsDirectoryStart is asked only of directory blocks). The raw search runs
    // it on its workers and asks the rest only of blocks it lets through or
    // that Expects.
    virtual bool MayRecognize(const uint8_t* block, uint64_t length) const { return true; }
    // True where IsDirectoryBlock holds for the block at position whatever its
    // bytes (the rest of a structure begun in earlier blocks).
    virtual bool Expects(uint64_t position) const { return false; }

protected:
    // Volume serial numbers already seen, so one volume is recognised once.
    std::set<uint32_t> seenSerials;
};

}
