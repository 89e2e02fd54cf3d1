#pragma once
// exFAT names, checksums and the up-case table.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace FAT {

namespace Parser {
// The characters of File name entries (15 each at 2-31) cut at nameLength
// characters and at the first NUL, as UTF-8.
std::string ExFATFileName(const std::vector<std::array<uint8_t, 32>>& nameEntries, size_t nameLength);
}

// The set checksum over entries, with their live type bytes.
uint16_t EntrySetChecksum(const std::vector<std::array<uint8_t, 32>>& entries);
// The name hash of up to nameLength characters mapped through upcase.
uint16_t NameHash(const std::vector<std::array<uint8_t, 32>>& nameEntries, size_t nameLength,
                  const std::vector<uint16_t>& upcase);
// The up-case table from its stored form: flat (65536 values) or the
// compressed form (0xFFFF, n: n characters that map to themselves).
std::vector<uint16_t> ExpandUpcaseTable(const uint8_t* bytes, size_t size);
// The checksum of a stored up-case table.
uint32_t UpcaseTableChecksum(const uint8_t* bytes, size_t size);

}
