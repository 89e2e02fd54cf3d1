#pragma once
// Whether a block of bytes holds FAT32 directory entries. Shared by the
// FAT32 recogniser (raw volume search) and the FAT32 engine's raw pass, which
// supplies its own test of one short entry.
#include <cstdint>
#include <functional>

namespace FAT {

// Whether one 32-byte short entry looks like a real one.
using ShortEntryTest = std::function<bool(const uint8_t* entry)>;

// Blank, or one to three of "0"-"9", "A"-"Z", left-aligned, blank-padded.
bool PassesExtensionTest(const uint8_t* extension);
// The checksum a long-name entry keeps of its short entry's 11 name bytes.
uint8_t ShortNameChecksum(const uint8_t* name11);
// Attributes, dates (valid, and not after the stamp now) and extension of a
// short entry, as the recogniser judges them.
bool IsPlausibleShortEntry(const uint8_t* entry, uint32_t now);
// The block begins with a directory's "." and ".." entries.
bool IsFAT32DirectoryStart(const uint8_t* block, uint64_t length);
bool IsFAT32DirectoryBlock(const uint8_t* block, uint64_t length, const ShortEntryTest& plausible);
// The same with the present given as a stamp (a volume label must not be dated after it).
bool IsFAT32DirectoryBlock(const uint8_t* block, uint64_t length, const ShortEntryTest& plausible, uint32_t now);

}
