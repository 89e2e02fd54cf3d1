#include "Disk/GuidText.h"

namespace {
std::string Hex(const uint8_t* bytes, const int (&order)[16], const char* digits)
{
    std::string text;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        const uint8_t b = bytes[order[i]];
        text += digits[b >> 4];
        text += digits[b & 0xF];
    }
    return text;
}
}

std::string FormatGuidBytes(const uint8_t* bytes)
{
    static const int stored[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    return Hex(bytes, stored, "0123456789abcdef");
}

std::string FormatGuid(const uint8_t* bytes)
{
    static const int mixed[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    return Hex(bytes, mixed, "0123456789ABCDEF");
}
