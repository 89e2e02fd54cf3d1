#include "DeepScan/Carving/Checksums.h"

#include <array>

namespace Carving {

namespace {

std::array<uint32_t, 256> ReflectedTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

std::array<uint32_t, 256> OggTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i << 24;
        for (int k = 0; k < 8; ++k)
            c = c & 0x80000000u ? (c << 1) ^ 0x04C11DB7u : c << 1;
        table[i] = c;
    }
    return table;
}

}

uint32_t Crc32(std::span<const uint8_t> bytes)
{
    static const auto table = ReflectedTable();
    uint32_t crc = 0xFFFFFFFFu;
    for (uint8_t byte : bytes)
        crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

uint32_t OggCrc(std::span<const uint8_t> bytes, uint32_t crc)
{
    static const auto table = OggTable();
    for (uint8_t byte : bytes)
        crc = (crc << 8) ^ table[((crc >> 24) ^ byte) & 0xFF];
    return crc;
}

}
