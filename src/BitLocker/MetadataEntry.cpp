#include "BitLocker/MetadataEntry.h"

#include "Disk/DiskBytes.h"

#include <cstring>

namespace Bitlocker {

std::optional<EntryHeader> ParseEntryHeader(const uint8_t* area, uint32_t areaSize)
{
    if (!area || areaSize < EntryHeaderSize)
        return std::nullopt;
    EntryHeader header;
    header.size = DiskBytes::U16(area, areaSize, 0);
    header.type = DiskBytes::U16(area, areaSize, 2);
    header.valueType = DiskBytes::U16(area, areaSize, 4);
    header.version = DiskBytes::U16(area, areaSize, 6);
    if (header.size < EntryHeaderSize || header.size > areaSize)
        return std::nullopt;
    return header;
}

std::optional<uint32_t> FindValue(const uint8_t* area, uint32_t areaSize, uint16_t valueType)
{
    for (uint32_t at = 0; at < areaSize;) {
        const auto entry = ParseEntryHeader(area + at, areaSize - at);
        if (!entry)
            return std::nullopt;
        if (entry->valueType == valueType)
            return at;
        at += entry->size;
    }
    return std::nullopt;
}

std::shared_ptr<Utils::Buffer<uint8_t>> FindKeyProperty(const uint8_t* area, uint32_t areaSize)
{
    constexpr uint32_t KeyOffset = EntryHeaderSize + 4;
    for (uint32_t at = 0; at < areaSize;) {
        const auto found = FindValue(area + at, areaSize - at, ValueTypeKey);
        if (!found)
            return nullptr;
        const uint8_t* entry = area + at + *found;
        const auto header = ParseEntryHeader(entry, areaSize - at - *found);
        if (header->size == KeyOffset + 32) {
            auto key = Utils::MakeBuffer(32);
            if (key->length != 32)
                return nullptr;
            std::memcpy(key->data, entry + KeyOffset, 32);
            return key;
        }
        at += *found + header->size;
    }
    return nullptr;
}

}
