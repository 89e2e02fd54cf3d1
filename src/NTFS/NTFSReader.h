#pragma once
// The volume reader of the NTFS engine: a PartReader whose geometry comes from
// the NTFS boot sector.
#include "Utils/PartReader.h"

#include <cstdint>
#include <string>

namespace NTFS {

// The four boot-sector tests: OEM text, zero at 0x20, jump bytes, 0xAA55.
bool IsNtfsBootSector(const uint8_t* bootSector512);

struct BootGeometry {
    uint32_t sectorSize = 0;
    uint32_t clusterSize = 0;
    uint32_t recordSize = 0;
    uint32_t indexBlockSize = 0;
    uint64_t mftCluster = 0;
    uint64_t totalClusters = 0;
    uint32_t serial = 0; // low half of the volume serial number
};

// Decodes and checks the geometry: power-of-two sizes (sector 256-4096,
// cluster up to 2 MiB, record and index block 256 bytes to 64 KiB) and an $MFT
// inside the volume. volumeLength 0 means "as long as the boot sector says".
bool ReadBootGeometry(const uint8_t* bootSector512, uint64_t volumeLength, BootGeometry& out);

class NTFSReader : public Utils::PartReader {
public:
    NTFSReader(std::string devicePath, uint64_t start, uint64_t length);

    // Takes the geometry of another copy of the volume's boot sector (its
    // backup) as the reader's own; false, with nothing changed, when that copy
    // fails the boot-sector tests.
    bool UseBootSector(const uint8_t* sector512);
    // Takes a geometry found elsewhere (a volume whose boot sectors are gone,
    // placed by its records) as the reader's own, its boot sector written as
    // the volume's would hold it; false when the geometry is not a valid one.
    bool UseGeometry(const BootGeometry& geometry, uint64_t mirrorCluster);

    // True when the boot sector passed every test and its geometry is used.
    bool geometryValid = false;
    // True when that geometry also held its check against the volume (the
    // explorer's): only then are cluster numbers turned into bytes of the volume.
    bool geometryChecked = false;
    uint64_t mftCluster = 0;
    uint64_t totalClusters = 0;
    uint32_t volumeSerial = 0;
};

}
