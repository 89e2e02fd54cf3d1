#pragma once
// The checksums carved formats keep over their own structures.
#include <cstdint>
#include <span>

namespace Carving {

// CRC-32 of ZIP, 7z and PNG (reflected 0xEDB88320, inverted in and out).
uint32_t Crc32(std::span<const uint8_t> bytes);

// The CRC of an Ogg page (0x04C11DB7 unreflected, no inversion), continued from crc.
uint32_t OggCrc(std::span<const uint8_t> bytes, uint32_t crc = 0);

}
