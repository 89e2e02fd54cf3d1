#pragma once
#include "Disk/PartitionEntries.h"
#include "Disk/SectorReader.h"

#include <string>
#include <vector>

// The four primary records of sector 0 and the logical partitions of each
// extended partition's EBR chain.
class MbrTableReader {
public:
    explicit MbrTableReader(SectorReader& reader) : reader(reader) {}

    // Primary records in slot order (empty ones included); an extended record
    // is replaced by the logical partitions of its chain.
    std::vector<MbrPartitionEntry> Read();
    // Logical partitions of the chain whose first EBR is startSector; links are
    // relative to startSector.
    std::vector<MbrPartitionEntry> ReadEbrChain(uint64_t startSector);

    // Why the last read stopped early; empty when the table was read whole.
    const std::string& Error() const { return error; }

private:
    void WalkChain(uint64_t startSector, std::vector<MbrPartitionEntry>& out);
    void Fail(const std::string& message);

    SectorReader& reader;
    uint32_t nextLogicalNumber = 5;
    std::string error;
};

bool IsExtendedPartitionType(uint8_t type);
