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

// FAT32: every FAT copy begins like a FAT (its media entry or the end mark of
// entry 1) or repeats one that does, the FAT marks the root cluster no bad
// cluster, the root cluster reads as a root directory (mostly entries), and
// the cluster size agrees with most of the root's folders (each "." names its
// own cluster) and files (each chain counts the clusters its size needs). A
// geometry without a table (a guess) must show root entries and nothing else.
// why: what did not hold. Disk errors other than a disconnection are a
// geometry that does not hold.
bool FAT32GeometryHolds(Utils::PartReader& reader, const VolumeGeometry& geometry, std::string& why);
// FAT32: the geometry holds, at least two of the root's folders and files
// bear its cluster size out and none contradicts it: strong enough to take a
// cluster size no boot sector gives.
bool FAT32ClusterSizeConfirmed(Utils::PartReader& reader, const VolumeGeometry& geometry, std::string& why);
// exFAT: the FAT begins like a FAT, and the root cluster reads as a root
// directory: mostly entries, among them its label, bitmap or up-case entry. A
// guess must show the bitmap and up-case entries, both pointing into the heap.
bool ExFATGeometryHolds(Utils::PartReader& reader, const VolumeGeometry& geometry, std::string& why);

}
