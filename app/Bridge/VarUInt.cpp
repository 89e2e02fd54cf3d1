#include "VarUInt.h"

int varUIntLength(quint64 value)
{
    int length = 1;
    while (value >= 0x80) {
        value >>= 7;
        ++length;
    }
    return length;
}

int encodeVarUInt(quint64 value, uint8_t* out, int room)
{
    int written = 0;
    while (written < room) {
        const uint8_t group = value & 0x7F;
        value >>= 7;
        out[written++] = value ? (group | 0x80) : group;
        if (!value)
            break;
    }
    return written;
}

int decodeVarUInt(const uint8_t* data, int remaining, quint64* out)
{
    quint64 value = 0;
    int used = 0;
    while (used < remaining) {
        const uint8_t byte = data[used];
        const int shift = 7 * used;
        // The tenth byte may only carry bit 63; anything more, or an eleventh byte, overflows.
        if (shift == 63 && (byte & 0x7E))
            return -1;
        if (shift > 63)
            return -1;
        value |= quint64(byte & 0x7F) << shift;
        ++used;
        if (!(byte & 0x80))
            break;
    }
    if (out)
        *out = value;
    return used;
}

int decodeWholeVarUInt(const uint8_t* data, int remaining, quint64* out)
{
    const int used = decodeVarUInt(data, remaining, out);
    if (used <= 0 || (data[used - 1] & 0x80))
        return -1;
    return used;
}
