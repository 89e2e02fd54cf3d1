#pragma once
// User passwords and the 48-digit recovery passwords, turned into the keys
// that are then stretched.
#include <cstdint>
#include <string>

namespace Bitlocker {

// SHA-256 of SHA-256 of the password's UTF-16LE bytes (no terminator). The
// password arrives as UTF-8; invalid UTF-8 is refused (false, out wiped).
bool HashPassword(const std::string& password, uint8_t out[32]);

// Exactly 55 characters: 8 groups of 6 ASCII digits joined by "-", each group
// divisible by 11, below 720896, and its sixth digit the check digit of the
// first five.
bool IsValidRecoveryPassword(const std::string& text);

// SHA-256 of the 8 groups / 11 as 16-bit little-endian words. False (out
// wiped) for text that IsValidRecoveryPassword refuses.
bool RecoveryPasswordToKey(const std::string& text, uint8_t out[32]);

}
