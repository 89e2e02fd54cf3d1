#include "Disk/GptTableReader.h"

#include "Disk/DiskBytes.h"

#include <algorithm>
#include <cstring>
#include <iostream>

void GptTableReader::Fail(const std::string& message)
{
    std::cerr << message << std::endl;
    if (error.empty())
        error = message;
}

bool GptTableReader::ReadHeader()
{
    error.clear();
    uint8_t header[512] = {};
    if (!reader.ReadSector(1, header, sizeof header)) {
        Fail("Error reading GPT header sector");
        return false;
    }
    if (std::memcmp(header, "EFI PART", 8) != 0) {
        Fail("No GPT header at LBA 1");
        return false;
    }
    entryArrayLba = DiskBytes::U64(header, sizeof header, 72);
    entryCount = DiskBytes::U32(header, sizeof header, 80);
    entrySize = DiskBytes::U32(header, sizeof header, 84);
    return true;
}

std::vector<GptPartitionEntry> GptTableReader::Read()
{
    std::vector<GptPartitionEntry> entries;
    if (!ReadHeader())
        return entries;
    if (entrySize < 128 || entrySize > 4096 || entrySize % 8 != 0) {
        Fail("Unsupported GPT entry size " + std::to_string(entrySize));
        return entries;
    }
    // The count comes from the disk: bound it before it sizes any read.
    uint32_t count = entryCount;
    if (count > MaxPartitionEntries) {
        Fail("GPT entry count " + std::to_string(count) + " exceeds the limit of " +
             std::to_string(MaxPartitionEntries));
        count = MaxPartitionEntries;
    }
    const uint64_t sectorSize = reader.SectorSize();
    const uint64_t arrayBytes = uint64_t{count} * entrySize;
    const uint64_t sectors = (arrayBytes + sectorSize - 1) / sectorSize;
    std::vector<uint8_t> array(sectors * sectorSize);
    uint64_t readBytes = 0;
    for (uint64_t s = 0; s < sectors; ++s) {
        if (entryArrayLba > UINT64_MAX - s ||
            !reader.ReadSector(entryArrayLba + s, array.data() + s * sectorSize, static_cast<uint32_t>(sectorSize))) {
            Fail("Error reading GPT partition entries sector " + std::to_string(s));
            break;
        }
        readBytes += sectorSize;
    }
    // Entries are packed across sector boundaries; keep those read whole.
    const uint64_t available = std::min<uint64_t>(count, readBytes / entrySize);
    for (uint64_t i = 0; i < available; ++i) {
        const uint8_t* slot = array.data() + i * entrySize;
        if (std::all_of(slot, slot + 16, [](uint8_t b) { return b == 0; }))
            continue;
        GptPartitionEntry entry = GptPartitionEntry::Decode(slot, entrySize);
        entry.partitionNumber = static_cast<uint32_t>(i + 1);
        entries.push_back(entry);
    }
    return entries;
}
