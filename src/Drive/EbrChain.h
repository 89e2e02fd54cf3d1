#pragma once
// The extended boot records of an MBR disk's extended partition.
#include "Platform/Linux/DeviceFile.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Drive {

using Sector = std::array<uint8_t, 512>;

struct EbrRecord {
    Sector sector{};            // as read, its entries' addresses made absolute
    uint64_t partitionStart = 0; // the logical partition, in sectors from the disk's start
    uint32_t sectorCount = 0;
    uint8_t type = 0;
    uint8_t status = 0;
};

// Follows the chain from the EBR at extendedStart (in sectors); each record
// comes back with its entries' start addresses made absolute. The walk stops
// at a record without the 0x55 0xAA signature, a repeated record, a link
// outside the disk, or after MaxPartitionEntries records.
std::vector<EbrRecord> ReadEbrChain(Platform::DeviceFile& device, uint64_t extendedStart, uint32_t sectorSize,
                                 uint64_t diskSize);

}
