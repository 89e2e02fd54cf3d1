#include "BitLocker/FveMetadata.h"

#include "BitLocker/MetadataEntry.h"
#include "DataRecovery/Log.h"
#include "Disk/DiskBytes.h"
#include "Platform/Linux/DeviceFile.h"

#include <cstring>

static constexpr const char* LogSource = "src/BitLocker/FveMetadata";

namespace Bitlocker {

namespace {

constexpr uint32_t SectorSize = 512;
constexpr char Signature[] = "-FVE-FS-";
constexpr char ToGoSignature[] = "MSWIN4.1";
// 4967d63b-2e29-4ad8-8399-f6a339e3d001 and the encrypt-on-write variant
// 92a84d3b-dd80-4d0e-9e4e-b1e3284eaed8, in their on-disk byte order.
constexpr uint8_t BitLockerGuid[16] = {0x3b, 0xd6, 0x67, 0x49, 0x29, 0x2e, 0xd8, 0x4a,
                                       0x83, 0x99, 0xf6, 0xa3, 0x39, 0xe3, 0xd0, 0x01};
constexpr uint8_t EncryptOnWriteGuid[16] = {0x3b, 0x4d, 0xa8, 0x92, 0x80, 0xdd, 0x0e, 0x4d,
                                            0x9e, 0x4e, 0xb1, 0xe3, 0x28, 0x4e, 0xae, 0xd8};

bool HasIdentifier(const uint8_t* at)
{
    return std::memcmp(at, BitLockerGuid, 16) == 0 || std::memcmp(at, EncryptOnWriteGuid, 16) == 0;
}

bool ReadExactly(Platform::DeviceFile& device, uint64_t offset, uint8_t* buffer, uint32_t length)
{
    return device.ReadAt(offset, buffer, length) == static_cast<int64_t>(length);
}

void FillBlock(Platform::DeviceFile& device, uint64_t partitionStart, uint64_t offset, FveBlock& block)
{
    block.offset = offset;
    if (offset > UINT64_MAX - partitionStart) {
        VLOG_ERROR("FVE metadata offset %llu lies past the end of the device.", static_cast<unsigned long long>(offset));
        return;
    }
    const Bytes whole = ReadFveBlock(device, partitionStart + offset);
    if (!whole)
        return;
    block.header = Utils::MakeBuffer(FveHeadersSize);
    std::memcpy(block.header->data, whole->data, FveHeadersSize);
    block.entries = SplitFveEntries(whole->data, whole->length, &block.complete);
}

}

const FveBlock* FveMetadata::FirstGoodBlock() const
{
    for (const auto& block : blocks)
        if (block.header && block.complete)
            return &block;
    for (const auto& block : blocks)
        if (block.header)
            return &block;
    return nullptr;
}

uint16_t FveMetadata::EncryptionMethod() const
{
    const FveBlock* block = FirstGoodBlock();
    return block ? DiskBytes::U16(block->header->data, block->header->length, 100) : 0;
}

FveLayout DetectFveLayout(const uint8_t (&bootSector)[512])
{
    if (std::memcmp(bootSector + 3, Signature, 8) == 0)
        return HasIdentifier(bootSector + 160) ? FveLayout::Normal : FveLayout::FirstVersion;
    if (std::memcmp(bootSector + 3, ToGoSignature, 8) == 0 && HasIdentifier(bootSector + 424))
        return FveLayout::ToGo;
    return FveLayout::None;
}

Bytes ReadFveBlock(Platform::DeviceFile& device, uint64_t offset)
{
    auto block = Utils::MakeBuffer(SectorSize);
    if (!ReadExactly(device, offset, block->data, SectorSize)) {
        VLOG_ERROR("FVE metadata block at %llu cannot be read.", static_cast<unsigned long long>(offset));
        return nullptr;
    }
    const uint8_t* bytes = block->data;
    const uint16_t version = DiskBytes::U16(bytes, SectorSize, 10);
    if (std::memcmp(bytes, Signature, 8) != 0 || (version != 1 && version != 2)) {
        VLOG_ERROR("No FVE metadata block at %llu.", static_cast<unsigned long long>(offset));
        return nullptr;
    }
    const uint32_t size = DiskBytes::U16(bytes, SectorSize, 8) * (version == 2 ? 16u : 1u);
    if (size < FveHeadersSize) {
        VLOG_ERROR("FVE metadata block at %llu claims only %u bytes.", static_cast<unsigned long long>(offset), size);
        return nullptr;
    }
    const uint32_t metadataSize = DiskBytes::U32(bytes, SectorSize, 64);
    const uint32_t metadataHeaderSize = DiskBytes::U32(bytes, SectorSize, 72);
    if (metadataHeaderSize < FveHeadersSize - 64 || metadataSize < metadataHeaderSize ||
        metadataSize > size - 64) {
        VLOG_ERROR("FVE metadata block at %llu: metadata of %u bytes (header %u) does not fit its %u bytes.",
                   static_cast<unsigned long long>(offset), metadataSize, metadataHeaderSize, size);
        return nullptr;
    }
    const uint32_t rounded = (size + SectorSize - 1) / SectorSize * SectorSize;
    block->Resize(rounded);
    if (block->length != rounded || !ReadExactly(device, offset, block->data, rounded)) {
        VLOG_ERROR("FVE metadata block at %llu (%u bytes) cannot be read.", static_cast<unsigned long long>(offset),
                   rounded);
        return nullptr;
    }
    return block;
}

std::vector<Bytes> SplitFveEntries(const uint8_t* block, uint32_t blockSize, bool* complete)
{
    std::vector<Bytes> entries;
    if (complete)
        *complete = false;
    if (!block || blockSize < FveHeadersSize)
        return entries;
    const uint32_t metadataSize = DiskBytes::U32(block, blockSize, 64);
    const uint32_t metadataHeaderSize = DiskBytes::U32(block, blockSize, 72);
    if (metadataSize < metadataHeaderSize || metadataSize - metadataHeaderSize > blockSize - FveHeadersSize) {
        VLOG_ERROR("FVE entry area of %u bytes lies past its block.", metadataSize - metadataHeaderSize);
        return entries;
    }
    const uint8_t* area = block + FveHeadersSize;
    const uint32_t areaSize = metadataSize - metadataHeaderSize;
    for (uint32_t at = 0; at < areaSize;) {
        const auto entry = ParseEntryHeader(area + at, areaSize - at);
        if (!entry) {
            VLOG_ERROR("FVE entry walk ends at %u of %u bytes: bad entry size.", at, areaSize);
            break;
        }
        auto copy = Utils::MakeBuffer(entry->size);
        std::memcpy(copy->data, area + at, entry->size);
        entries.push_back(std::move(copy));
        at += entry->size;
        if (at == areaSize && complete)
            *complete = true;
    }
    return entries;
}

FveMetadata ReadFveMetadata(Platform::DeviceFile& device, uint64_t partitionStart)
{
    FveMetadata metadata;
    auto boot = Utils::MakeBuffer(SectorSize);
    if (!ReadExactly(device, partitionStart, boot->data, SectorSize)) {
        VLOG_ERROR("Volume boot record at %llu cannot be read.", static_cast<unsigned long long>(partitionStart));
        return metadata;
    }
    metadata.bootSector = boot;
    uint8_t sector[512];
    std::memcpy(sector, boot->data, SectorSize);
    metadata.layout = DetectFveLayout(sector);

    std::array<uint64_t, 3> offsets{};
    switch (metadata.layout) {
    case FveLayout::None:
        return metadata;
    case FveLayout::Normal:
    case FveLayout::ToGo: {
        const size_t first = metadata.layout == FveLayout::Normal ? 176 : 440;
        for (size_t i = 0; i < 3; ++i)
            offsets[i] = DiskBytes::U64(sector, SectorSize, first + 8 * i);
        break;
    }
    case FveLayout::FirstVersion: {
        const uint64_t cluster = DiskBytes::U16(sector, SectorSize, 11) * uint64_t{sector[13]};
        const uint64_t lcn = DiskBytes::U64(sector, SectorSize, 56);
        if (cluster == 0 || lcn > UINT64_MAX / cluster) {
            VLOG_ERROR("BitLocker volume header names no metadata cluster.");
            return metadata;
        }
        FillBlock(device, partitionStart, lcn * cluster, metadata.blocks[0]);
        if (!metadata.blocks[0].header)
            return metadata;
        offsets[0] = lcn * cluster;
        for (size_t i = 1; i < 3; ++i)
            offsets[i] = DiskBytes::U64(metadata.blocks[0].header->data, FveHeadersSize, 32 + 8 * i);
        for (size_t i = 1; i < 3; ++i)
            FillBlock(device, partitionStart, offsets[i], metadata.blocks[i]);
        return metadata;
    }
    }
    for (size_t i = 0; i < 3; ++i)
        FillBlock(device, partitionStart, offsets[i], metadata.blocks[i]);
    return metadata;
}

}
