#include "Disk/PartitionEntries.h"

#include "Disk/DiskBytes.h"

#include <algorithm>
#include <stdexcept>

MbrPartitionEntry MbrPartitionEntry::Decode(const uint8_t* sector, size_t offset)
{
    constexpr size_t size = 512;
    MbrPartitionEntry entry;
    entry.status = static_cast<uint8_t>(DiskBytes::ReadLittleEndian(sector, size, offset, 1));
    std::copy_n(sector + offset + 1, 3, entry.firstChs.begin());
    entry.type = static_cast<uint8_t>(DiskBytes::ReadLittleEndian(sector, size, offset + 4, 1));
    std::copy_n(sector + offset + 5, 3, entry.lastChs.begin());
    entry.firstSector = DiskBytes::U32(sector, size, offset + 8);
    entry.sectorCount = DiskBytes::U32(sector, size, offset + 12);
    return entry;
}

GptPartitionEntry GptPartitionEntry::Decode(const uint8_t* entry, size_t size)
{
    if (size < 128)
        throw std::out_of_range("a GPT entry needs 128 bytes");
    GptPartitionEntry result;
    std::copy_n(entry, 16, result.typeGuid.begin());
    std::copy_n(entry + 16, 16, result.uniqueGuid.begin());
    result.firstLba = DiskBytes::U64(entry, size, 32);
    result.lastLba = DiskBytes::U64(entry, size, 40);
    result.attributes = DiskBytes::U64(entry, size, 48);
    std::copy_n(entry + 56, 72, result.name.begin());
    return result;
}

std::string GptPartitionEntry::Name() const
{
    return DiskBytes::Utf16LeToUtf8(name.data(), name.size());
}
