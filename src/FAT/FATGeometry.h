#pragma once
// Volume geometry of a FAT32 or exFAT volume: read from a boot sector whose
// geometry agrees with the volume (the primary, else the backup), or guessed
// from the volume length.
#include <cstdint>
#include <string>

namespace Utils {
class PartReader;
}

namespace FAT {

struct VolumeGeometry {
    bool fromBootSector = false; // false: every value below the table is a guess
    bool hasTable = false;       // the FAT's place is known
    std::string source;          // "primary boot sector", "backup boot sector at sector 6", "guess", "layout"
    uint32_t sectorSize = 512;
    uint32_t clusterSize = 4096;
    uint64_t tableStart = 0;  // volume byte offset of the first FAT
    uint64_t tableLength = 0; // bytes of one FAT
    uint32_t tableCount = 2;
    uint64_t dataStart = 0;    // volume byte offset of cluster 2
    uint64_t clusterCount = 0; // clusters of the data area (numbered 2 .. clusterCount + 1)
    uint32_t rootCluster = 2;
    uint32_t serial = 0;
    uint64_t volumeLength = 0;
    // Not empty: the volume has a boot sector, but neither its geometry nor
    // the backup's nor the guess agrees with what the volume holds.
    std::string failure;
};

// Largest cluster number that lies in the data area, plus one.
inline uint64_t ClusterLimit(const VolumeGeometry& g)
{
    return g.clusterCount + 2;
}

// Checks one 512-byte boot sector. volumeLength 0 skips the checks against
// the volume's end (a recogniser meets sectors of unknown volumes).
bool ParseFAT32BootSector(const uint8_t* sector, uint64_t volumeLength, VolumeGeometry& out);
bool ParseExFATBootSector(const uint8_t* sector, uint64_t volumeLength, VolumeGeometry& out);

// The first sector of the volume, else its backup (FAT32 sector 6, exFAT
// sector 12), each only when its geometry holds (FAT32: the FATs begin with
// the media entry and the root cluster reads as a root directory; exFAT: the
// root holds the bitmap and up-case entries), else the guesses by volume
// length, which set failure when a boot sector was met and they do not hold
// either. A cluster size other than 0 (a volume found without a boot sector)
// wins over all of them, and a data start other than 0 as well.
VolumeGeometry ReadFAT32Geometry(Utils::PartReader& reader, uint32_t clusterSizeHint, uint64_t dataStartHint);
VolumeGeometry ReadExFATGeometry(Utils::PartReader& reader, uint32_t clusterSizeHint, uint64_t dataStartHint);

// Guessed data-area start of a FAT32 volume without a boot sector.
uint64_t GuessFAT32DataStart(uint64_t volumeLength);

}
