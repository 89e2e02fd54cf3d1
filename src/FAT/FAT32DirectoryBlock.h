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
// An entry as a FAT32 writer leaves one: a long-name entry, a deleted entry,
// or a short entry whose name bytes are legal. Attributes and dates are not
// judged: a bad byte there damages the entry, not its folder.
bool LooksLikeDirectoryEntry(const uint8_t* entry);
// A long-name entry whose order byte was zeroed: its other fields stand.
bool IsZeroedLongNameEntry(const uint8_t* entry);

// How the entries of one cluster of a directory read, up to its end marker
// (a zero first byte with only zeros after it).
struct EntryCount {
    uint64_t good = 0;
    uint64_t bad = 0;
    bool ended = false;
    // Mostly entries (or none at all): the cluster belongs to a directory.
    bool Holds() const { return bad * 3 <= good; }
};
EntryCount CountFAT32Entries(const uint8_t* block, uint64_t length);

// The block begins with a directory's "." and ".." entries.
bool IsFAT32DirectoryStart(const uint8_t* block, uint64_t length);
// The same, with its "." naming cluster: the folder an entry points to is one.
bool IsFAT32DirectoryStartOf(const uint8_t* block, uint64_t length, uint64_t cluster);
bool IsFAT32DirectoryBlock(const uint8_t* block, uint64_t length, const ShortEntryTest& plausible);
// Whether the entry at at begins an item: a long-name chain whose checksum
// agrees with the plausible short entry after it, a plausible short entry,
// or a deleted entry.
bool BeginsDirectoryItem(const uint8_t* block, uint64_t at, uint64_t length, const ShortEntryTest& plausible);
// The same with the present given as a stamp (a volume label must not be dated after it).
bool IsFAT32DirectoryBlock(const uint8_t* block, uint64_t length, const ShortEntryTest& plausible, uint32_t now);

}
