#pragma once
// Whether a disk's first sector is a master boot record. Any sector that ends
// in 0x55 0xAA looks like one: a card formatted without a partition table
// starts with its volume's boot sector, whose boot code reads as junk
// partition records.
#include <cstdint>

// A FAT, NTFS, exFAT or BitLocker boot sector by its own fields: FAT the
// jump, a valid bytes-per-sector and sectors-per-cluster, reserved sectors
// and a FAT count (its type text and media byte may be damaged); the others
// their name (NTFS, BitLocker with a valid bytes-per-sector).
bool IsVolumeBootSector(const uint8_t* sector);

// A sector of 512 bytes that can be this disk's partition table: the
// signature, no volume boot sector, and four records a partitioning tool
// writes: status 0x00 or 0x80, a type and a start past sector 0 wherever
// there is a size, each inside the disk of diskSectors sectors (0: size
// unknown; a protective record may claim more). Records that overlap are a
// table written off by a sector, which the listing reads from the volumes'
// boot sectors: no sign of boot code.
bool IsPlausibleMbr(const uint8_t* sector, uint64_t diskSectors);
