#pragma once
// The cluster heap of an exFAT volume without a boot sector, from its root
// directory alone, taken only where the volume's blocks bear it out.
#include "DeepScan/Fat32LayoutCheck.h"

#include <cstdint>
#include <optional>
#include <span>

namespace Utils {
class PartReader;
}

namespace DeepScan {

// The checksum of an exFAT up-case table, as its directory entry holds it.
uint32_t ExFatTableChecksum(std::span<const uint8_t> table);

// The heap and cluster size of the root directory whose first block (label,
// bitmap and up-case entries) lies at position: where the up-case table the
// root names lies at the place they put it, a few clusters before the root
// as formatters write them, holding the checksum the root gives, and where
// the allocation bitmap, at its own place, marks the table's clusters and the
// root's in use (which tells the cluster size). None where no size holds.
std::optional<ClusterLayout> ExFatHeapOfRoot(Utils::PartReader& reader, uint64_t volumeLength, uint64_t position,
                                             std::span<const uint8_t> block);

}
