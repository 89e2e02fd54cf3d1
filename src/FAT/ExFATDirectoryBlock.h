#pragma once
// Whether a block of bytes holds exFAT directory entries.
#include <cstdint>

namespace FAT {

// Benign entries a walk steps over: primaries 0xA0-0xBF (volume GUID,
// padding) and secondaries 0xE0-0xFF (vendor extensions), in use.
inline bool IsBenignPrimary(uint8_t type)
{
    return type >= 0xA0 && type <= 0xBF;
}
inline bool IsBenignSecondary(uint8_t type)
{
    return type >= 0xE0;
}

// How the entries of one cluster of an exFAT directory read, up to its end
// marker (a zero type with only zeros after it): entries of the types a
// directory holds count good, others bad; sets names the File entries whose
// set checksum holds.
struct ExFATEntryCount {
    uint64_t good = 0;
    uint64_t bad = 0;
    uint64_t sets = 0;
    bool ended = false;
    // Mostly entries (or none at all): the cluster belongs to a directory.
    bool Holds() const { return bad * 3 <= good; }
};
ExFATEntryCount CountExFATEntries(const uint8_t* block, uint64_t length);

// The block begins a root directory: label, allocation bitmap and up-case table entries.
bool IsExFATDirectoryStart(const uint8_t* block, uint64_t length);
bool IsExFATDirectoryBlock(const uint8_t* block, uint64_t length);

}
