#pragma once
// Tables several parsers share, built once.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace Carving {

// Whether a JPEG parser accepts this second marker byte after FF.
bool IsJpegMarker(uint8_t code);

// Length of the fixed part that follows a ZIP record's 4-byte signature.
std::optional<uint32_t> ZipHeaderLength(uint32_t signature);

inline constexpr uint32_t zipLocalHeader = 0x04034B50;
inline constexpr uint32_t zipCentralHeader = 0x02014B50;
inline constexpr uint32_t zipEndOfCentralDirectory = 0x06054B50;
inline constexpr uint32_t zipDataDescriptor = 0x08074B50;
inline constexpr uint32_t zipDigitalSignature = 0x05054B50;
inline constexpr uint32_t zip64EndOfCentralDirectory = 0x06064B50;
inline constexpr uint32_t zip64Locator = 0x07064B50;

// End-of-archive records of RAR 1.5-4 and of RAR 5.
inline constexpr std::string_view rar4EndMarker{"\xC4\x3D\x7B\x00\x40\x07\x00", 7};
inline constexpr std::string_view rar5EndMarker{"\x1D\x77\x56\x51\x03\x05\x04\x00", 8};

}
