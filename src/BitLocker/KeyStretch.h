#pragma once
// BitLocker's SHA-256 key stretching of password and recovery-password keys.
#include <cstdint>

namespace Bitlocker {

// Every protector stretches this many rounds (about a second of work).
constexpr uint64_t StretchCount = 0x100000;

// Each round hashes the 88-byte state (last hash, initial hash, salt, 64-bit
// little-endian round number) into the last hash; out = the last hash. False
// when OpenSSL fails (out is then wiped).
bool StretchKey(const uint8_t initialHash[32], const uint8_t salt[16], uint64_t count, uint8_t out[32]);

}
