#include "Disk/MbrTableReader.h"

#include <cstdint>
#include <iostream>
#include <set>

namespace {
constexpr size_t RecordOffsets[4] = {0x1BE, 0x1CE, 0x1DE, 0x1EE};

bool HasBootSignature(const uint8_t* sector)
{
    return sector[510] == 0x55 && sector[511] == 0xAA;
}
}

bool IsExtendedPartitionType(uint8_t type)
{
    // 0x85 is the Linux extended container; its chain is walked the same way.
    return type == 0x05 || type == 0x0F || type == 0x85;
}

void MbrTableReader::Fail(const std::string& message)
{
    std::cerr << message << std::endl;
    if (error.empty())
        error = message;
}

std::vector<MbrPartitionEntry> MbrTableReader::Read()
{
    error.clear();
    nextLogicalNumber = 5;
    std::vector<MbrPartitionEntry> entries;
    uint8_t sector[512] = {};
    if (!reader.ReadSector(0, sector, sizeof sector)) {
        Fail("Error reading MBR sector");
        return entries;
    }
    for (uint32_t slot = 0; slot < 4; ++slot) {
        MbrPartitionEntry record = MbrPartitionEntry::Decode(sector, RecordOffsets[slot]);
        record.partitionNumber = slot + 1;
        if (IsExtendedPartitionType(record.type) && record.sectorCount != 0)
            WalkChain(record.firstSector, entries);
        else if (!IsExtendedPartitionType(record.type))
            entries.push_back(record);
    }
    return entries;
}

std::vector<MbrPartitionEntry> MbrTableReader::ReadEbrChain(uint64_t startSector)
{
    error.clear();
    nextLogicalNumber = 5;
    std::vector<MbrPartitionEntry> entries;
    WalkChain(startSector, entries);
    return entries;
}

void MbrTableReader::WalkChain(uint64_t startSector, std::vector<MbrPartitionEntry>& out)
{
    // A damaged or hostile chain may link back to an earlier EBR.
    std::set<uint64_t> visited;
    uint64_t current = startSector;
    uint8_t sector[512] = {};
    while (true) {
        if (!visited.insert(current).second) {
            Fail("EBR chain loops back to LBA " + std::to_string(current));
            return;
        }
        if (visited.size() > MaxPartitionEntries) {
            Fail("EBR chain longer than " + std::to_string(MaxPartitionEntries) + " links");
            return;
        }
        if (!reader.ReadSector(current, sector, sizeof sector)) {
            Fail("Error reading EBR at LBA " + std::to_string(current));
            return;
        }
        if (!HasBootSignature(sector))
            return;
        MbrPartitionEntry logical = MbrPartitionEntry::Decode(sector, RecordOffsets[0]);
        if (logical.sectorCount != 0) {
            // The cap counts every chain of the table: four extended records
            // may all name the same long chain.
            if (nextLogicalNumber - 5 >= MaxPartitionEntries) {
                Fail("more than " + std::to_string(MaxPartitionEntries) + " logical partitions");
                return;
            }
            logical.firstSector += current;
            logical.partitionNumber = nextLogicalNumber++;
            out.push_back(logical);
        }
        const MbrPartitionEntry link = MbrPartitionEntry::Decode(sector, RecordOffsets[1]);
        if (link.firstSector == 0)
            return;
        current = startSector + link.firstSector;
    }
}
