#pragma once
// Where an NTFS volume lies that is known by its file records alone (its boot
// sector and its backup gone): a copy of record 0 ($MFT) names the $MFT's
// first cluster, which, at a cluster size, puts the volume's start before it.
// Which cluster size is taken only where the volume's other structures bear it
// out at that geometry.
#include "NTFS/DataRuns.h"

#include <cstdint>
#include <vector>

namespace NTFS {

class NTFSReader;

struct PlacedVolume {
    uint64_t start = 0; // bytes into the reader's range
    uint64_t length = 0; // bytes from start: the clusters its $Bitmap counts, cut at the range's end
    uint32_t clusterSize = 0;
    uint32_t recordSize = 0;
    uint64_t mftCluster = 0;
    uint64_t mirrorCluster = 0; // 0 when its record gave none
    std::vector<DataRun> mftRuns;

    // Whether a record found at position (of the range) is one of this volume's $MFT.
    bool HoldsRecord(uint64_t position) const;
    uint64_t Clusters() const { return length / clusterSize; }
};

// The volumes that copies of record 0 (at the positions anchors, of reader's
// range) place, each once. A geometry is taken where at least two of these
// hold and more hold than fail: the other copy of record 0 ($MFT or its
// mirror) names the same $MFT, $AttrDef and $UpCase hold their fixed
// contents, the $Bitmap marks the boot sector's, the $MFT's and the mirror's
// clusters in use, a boot sector at the start names the geometry. A system
// file whose runs reach past the range fails; one whose record is gone tells
// nothing. An anchor that two geometries fit equally well places nothing.
std::vector<PlacedVolume> PlaceVolumes(NTFSReader& reader, const std::vector<uint64_t>& anchors);

}
