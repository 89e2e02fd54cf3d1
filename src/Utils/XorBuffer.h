#pragma once
#include <cstdint>

namespace Utils {

// In place: byte i ^= key[i % keyLength]. An empty key changes nothing.
void XorBuffer(uint8_t* bytes, uint32_t count, const uint8_t* key, uint32_t keyLength);

}
