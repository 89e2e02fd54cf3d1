#pragma once
// Little-endian fields of on-disk records, read with a bounds check.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace DiskBytes {

inline uint64_t ReadLittleEndian(const uint8_t* data, size_t size, size_t offset, size_t width)
{
    if (offset > size || width > size - offset)
        throw std::out_of_range("field at " + std::to_string(offset) + " lies outside the record");
    uint64_t value = 0;
    for (size_t i = width; i-- > 0;)
        value = (value << 8) | data[offset + i];
    return value;
}

inline uint16_t U16(const uint8_t* data, size_t size, size_t offset)
{
    return static_cast<uint16_t>(ReadLittleEndian(data, size, offset, 2));
}
inline uint32_t U32(const uint8_t* data, size_t size, size_t offset)
{
    return static_cast<uint32_t>(ReadLittleEndian(data, size, offset, 4));
}
inline uint64_t U64(const uint8_t* data, size_t size, size_t offset)
{
    return ReadLittleEndian(data, size, offset, 8);
}

// UTF-16LE units up to the first 0 unit, as UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(const uint8_t* data, size_t byteCount);

}
