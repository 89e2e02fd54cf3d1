#pragma once
// The BitLocker metadata of a volume: its volume header (boot sector) and the
// three copies of the FVE metadata block, each split into its entries.
#include "Utils/Buffer.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace Platform {
class DeviceFile;
}

namespace Bitlocker {

using Bytes = std::shared_ptr<Utils::Buffer<uint8_t>>;

// Block header (64 bytes) and metadata header (48 bytes).
constexpr uint32_t FveHeadersSize = 112;

struct FveBlock {
    uint64_t offset = 0; // from the partition start
    Bytes header;        // the first 112 bytes; null when the block was unreadable or refused
    std::vector<Bytes> entries;
    bool complete = false; // the entry walk covered the whole entry area
};

enum class FveLayout { None, Normal, ToGo, FirstVersion };

struct FveMetadata {
    FveLayout layout = FveLayout::None;
    Bytes bootSector; // 512 bytes (null when unreadable)
    std::array<FveBlock, 3> blocks;

    bool IsBitLocker() const { return layout != FveLayout::None; }
    // The first block whose entries were all read, else the first block read
    // and accepted; null when none.
    const FveBlock* FirstGoodBlock() const;
    // The encryption method of the first good block's metadata header; 0 when none.
    uint16_t EncryptionMethod() const;
};

// Decides from the volume header alone: "-FVE-FS-" with the BitLocker
// identifier at 160 (offsets at 176), "MSWIN4.1" with it at 424 (offsets at
// 440), "-FVE-FS-" without it (the first version: block 1 at the cluster
// number at 56). Anything else is not BitLocker.
FveLayout DetectFveLayout(const uint8_t (&bootSector)[512]);

// Reads the volume header at partitionStart and, for BitLocker, the three
// metadata blocks. Damaged blocks are logged and left empty; an entry walk
// ends at the first entry whose size is below its header or past the area.
FveMetadata ReadFveMetadata(Platform::DeviceFile& device, uint64_t partitionStart);

// The whole block at offset (absolute), rounded up to 512 bytes; null (logged)
// when a read fails or the block is not one: signature "-FVE-FS-", version 1
// or 2, at least 112 bytes, and its metadata inside it.
Bytes ReadFveBlock(Platform::DeviceFile& device, uint64_t offset);

// The entry area of a block read by ReadFveBlock, split into entries;
// complete tells whether the walk reached the end of the area.
std::vector<Bytes> SplitFveEntries(const uint8_t* block, uint32_t blockSize, bool* complete = nullptr);

}
