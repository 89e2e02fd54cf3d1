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

// The block begins a root directory: label, allocation bitmap and up-case table entries.
bool IsExFATDirectoryStart(const uint8_t* block, uint64_t length);
bool IsExFATDirectoryBlock(const uint8_t* block, uint64_t length);

}
