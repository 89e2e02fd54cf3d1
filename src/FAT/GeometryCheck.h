#pragma once
// Whether a volume geometry agrees with what the volume holds: a boot sector
// whose fields are each in range can still be wrong in one of them (a FAT
// count, a reserved-sector count, a FAT size), and then every cluster is read
// from the wrong place.
#include "FAT/FATGeometry.h"

#include <string>

namespace Utils {
class PartReader;
}

namespace FAT {

// FAT32: every FAT copy begins with the media entry, the root cluster is in
// use in the first one, and the root cluster reads as a root directory. A
// geometry without a table (a guess) must show at least one root entry.
// why: what did not hold. Disk errors other than a disconnection are a
// geometry that does not hold.
bool FAT32GeometryHolds(Utils::PartReader& reader, const VolumeGeometry& geometry, std::string& why);
// exFAT: the FAT begins with the media entry, and the root cluster holds the
// allocation bitmap and up-case table entries, both pointing into the heap.
bool ExFATGeometryHolds(Utils::PartReader& reader, const VolumeGeometry& geometry, std::string& why);

}
