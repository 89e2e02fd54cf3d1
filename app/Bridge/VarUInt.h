#pragma once
#include <QtGlobal>
#include <cstdint>

// Unsigned LEB128: seven bits a byte, low group first, bit 7 set on every byte but the last.

// Bytes the value takes (1-10).
int varUIntLength(quint64 value);
// Writes the value into at most room bytes; returns the bytes written (fewer than
// varUIntLength when room runs out).
int encodeVarUInt(quint64 value, uint8_t* out, int room);
// Bytes used, also when the buffer ends inside a value (out then holds the groups read);
// 0 for an empty buffer; -1 when the value runs past 64 bits.
int decodeVarUInt(const uint8_t* data, int remaining, quint64* out);
// Bytes of one whole value; -1 when the buffer ends inside it, it runs past 64
// bits or the buffer is empty.
int decodeWholeVarUInt(const uint8_t* data, int remaining, quint64* out);
