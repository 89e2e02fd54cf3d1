#pragma once
// Little-endian fields of a 32-byte directory entry already in memory (the
// callers hold whole entries), and the zero test of a block's tail.
#include <cstdint>

namespace FAT {

inline uint16_t EntryU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
inline uint32_t EntryU32(const uint8_t* p)
{
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
inline uint64_t EntryU64(const uint8_t* p)
{
    return uint64_t{EntryU32(p)} | uint64_t{EntryU32(p + 4)} << 32;
}

// Whether every byte of block from from to length is zero.
inline bool RestIsZero(const uint8_t* block, uint64_t from, uint64_t length)
{
    for (uint64_t i = from; i < length; ++i)
        if (block[i] != 0)
            return false;
    return true;
}

}
