#pragma once
// Hexadecimal text of numbers and bytes, and bytes from hexadecimal text.
#include "Utils/Buffer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace Utils {

// Lower case, zero-filled to 2, 4, 8, 12 and 16 digits. swap reverses the
// bytes of the value first (16, 32, 64 bits; the 12-digit form swaps all 64);
// suffix appends "h".
std::string ToHex8(uint8_t value, bool suffix = false);
std::string ToHex16(uint16_t value, bool suffix = false, bool swap = false);
std::string ToHex32(uint32_t value, bool suffix = false, bool swap = false);
std::string ToHexString(uint32_t value, bool suffix = false, bool swap = false);
std::string ToHex48(uint64_t value, bool suffix = false, bool swap = false);
std::string ToHex64(uint64_t value, bool suffix = false, bool swap = false);

// Two lower-case digits per byte, last byte first when reverse is set, then
// "h" when suffix is set.
std::string BytesToHex(const void* bytes, size_t count, bool suffix = false, bool reverse = false);
std::string StringBytesToHex(const std::string& text, bool suffix = false, bool reverse = false);
// Two bytes per unit, little-endian as stored on disk.
std::string WStringBytesToHex(const std::u16string& text, bool suffix = false, bool reverse = false);
// Two upper-case digits per byte; "" for a null pointer.
std::string BytesToUpperHex(const void* bytes, uint32_t count);

// Big-endian bytes of hexadecimal text, (digits + 1) / 2 of them, every digit
// pair kept in place ("0001ff" gives 00 01 ff; "abc" gives 0a bc). Text that is
// empty or holds anything but hex digits gives an empty buffer.
std::shared_ptr<Buffer<uint8_t>> HexToBytes(const std::string& text);

}
