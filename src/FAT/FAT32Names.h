#pragma once
// Names of FAT32 directory entries: long names from their long-name entries,
// 8.3 names with their case bits and code page 437.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace FAT {

using RawEntry = std::array<uint8_t, 32>;

// The long name of entries in the order met on disk (the entry nearest the
// short entry holds the start of the name); characters up to the first 0.
std::string LongName(const std::vector<RawEntry>& entriesAsMet);
// Whether a long-name entry holds the name's end (a 0 unit after its last character).
bool HoldsLongNameEnd(const RawEntry& entry);
// The 8.3 name: trailing blanks cut, byte 12 bits 0x08 (base) and 0x10
// (extension) lower-case, bytes >= 0x80 by code page 437, a first byte 0x05
// standing for 0xE5, and a first byte 0xE5 (deleted) read as U+00E5.
std::string ShortName(const uint8_t* entry);

}
