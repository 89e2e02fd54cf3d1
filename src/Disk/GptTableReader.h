#pragma once
#include "Disk/PartitionEntries.h"
#include "Disk/SectorReader.h"

#include <string>
#include <vector>

// The GPT header at LBA 1 and the used entries of its partition-entry array.
class GptTableReader {
public:
    explicit GptTableReader(SectorReader& reader) : reader(reader) {}

    // Entries whose type GUID is not all zeros, in array order.
    std::vector<GptPartitionEntry> Read();
    // Reads the header only; false when sector 1 cannot be read.
    bool ReadHeader();

    uint64_t EntryArrayLba() const { return entryArrayLba; }
    uint32_t EntryCount() const { return entryCount; }
    uint32_t EntrySize() const { return entrySize; }
    // Why the last read stopped early; empty when the table was read whole.
    const std::string& Error() const { return error; }

private:
    void Fail(const std::string& message);

    SectorReader& reader;
    uint64_t entryArrayLba = 0;
    uint32_t entryCount = 0;
    uint32_t entrySize = 0;
    std::string error;
};
