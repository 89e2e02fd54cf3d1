#include "FAT/ExFATNames.h"

#include "FAT/EntryBytes.h"
#include "Utils/TextConversion.h"

namespace FAT {

namespace {

std::u16string Units(const std::vector<std::array<uint8_t, 32>>& entries, size_t nameLength)
{
    std::u16string units;
    for (const auto& e : entries) {
        for (int at = 2; at + 1 < 32; at += 2) {
            if (units.size() >= nameLength)
                return units;
            const char16_t c = static_cast<char16_t>(EntryU16(&e[at]));
            if (c == 0)
                return units;
            units.push_back(c);
        }
    }
    return units;
}

uint16_t Rotate(uint16_t sum, uint8_t byte)
{
    return static_cast<uint16_t>(((sum & 1) ? 0x8000 : 0) + (sum >> 1) + byte);
}

}

std::string Parser::ExFATFileName(const std::vector<std::array<uint8_t, 32>>& entries, size_t nameLength)
{
    return Utils::Utf16ToUtf8(Units(entries, nameLength));
}

uint16_t EntrySetChecksum(const std::vector<std::array<uint8_t, 32>>& entries)
{
    uint16_t sum = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        for (int b = 0; b < 32; ++b) {
            if (i == 0 && (b == 2 || b == 3))
                continue;
            const uint8_t byte = b == 0 ? static_cast<uint8_t>(entries[i][0] | 0x80) : entries[i][b];
            sum = Rotate(sum, byte);
        }
    }
    return sum;
}

uint16_t NameHash(const std::vector<std::array<uint8_t, 32>>& entries, size_t nameLength,
                  const std::vector<uint16_t>& upcase)
{
    uint16_t hash = 0;
    for (char16_t c : Units(entries, nameLength)) {
        const uint16_t up = c < upcase.size() ? upcase[c] : c;
        hash = Rotate(hash, static_cast<uint8_t>(up & 0xFF));
        hash = Rotate(hash, static_cast<uint8_t>(up >> 8));
    }
    return hash;
}

std::vector<uint16_t> ExpandUpcaseTable(const uint8_t* bytes, size_t size)
{
    std::vector<uint16_t> table;
    table.reserve(65536);
    for (size_t at = 0; at + 1 < size && table.size() < 65536; at += 2) {
        const uint16_t v = EntryU16(bytes + at);
        if (v == 0xFFFF && at + 3 < size && size / 2 != 65536) {
            const uint16_t run = EntryU16(bytes + at + 2);
            for (uint32_t i = 0; i < run && table.size() < 65536; ++i)
                table.push_back(static_cast<uint16_t>(table.size()));
            at += 2;
            continue;
        }
        table.push_back(v);
    }
    return table;
}

uint32_t UpcaseTableChecksum(const uint8_t* bytes, size_t size)
{
    uint32_t sum = 0;
    for (size_t i = 0; i < size; ++i)
        sum = ((sum & 1) ? 0x80000000u : 0) + (sum >> 1) + bytes[i];
    return sum;
}

}
