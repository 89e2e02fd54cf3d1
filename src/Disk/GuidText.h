#pragma once
#include <cstdint>
#include <string>

// The 16 bytes in stored order as lower-case hex, grouped 4-2-2-2-6 by "-".
std::string FormatGuidBytes(const uint8_t* bytes);
// The usual upper-case text of a GUID held in the on-disk (GPT) layout, whose
// first three fields are little-endian.
std::string FormatGuid(const uint8_t* bytes);
