#pragma once
// What a boot sector found by the raw search says of its volume's place:
// its length, where it keeps its backup, and where a volume starts whose
// backup was met before its own, damaged, boot sector.
#include <cstdint>
#include <span>

namespace Utils {
class PartReader;
}

// By file-system type: 0 NTFS, 1 FAT32, 2 exFAT.

// The length a boot sector of the type gives its volume, in bytes; 0 when it names none.
uint64_t BootSectorVolumeLength(int type, std::span<const uint8_t> block);
// Where a boot sector's volume keeps its backup, from the volume's start, in
// bytes (NTFS: the last sector; FAT32: the sector it names, 6 by default;
// exFAT: sector 12); 0 when it names none.
uint64_t BootSectorBackupOffset(int type, std::span<const uint8_t> block);
// The checksum of an exFAT boot region's first eleven sectors, as its twelfth repeats it.
uint32_t ExFatBootChecksum(std::span<const uint8_t> sectors);
// Where the volume of the boot sector at position (of reader's volume, of
// volumeLength bytes) starts: there, or where its backup offset leads back
// to when the sectors around both show it is a backup (NTFS: the $MFT lies
// where that start puts it; FAT32: both FSInfo sectors; exFAT: the backup
// region holds its checksum and the main region's other sectors equal it).
uint64_t VolumeStartOfBoot(Utils::PartReader& reader, uint64_t volumeLength, int type, uint64_t position,
                           std::span<const uint8_t> block);
