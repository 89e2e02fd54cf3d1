#pragma once
// Unwrapping a wrapped key (a VMK or the FVEK) with what the user holds. The
// decrypting forms write the decrypted MAC and payload to output (16 +
// payload bytes) and return false when no key could be made or the sizes are
// refused; only the verifying forms tell a wrong key (their MAC check fails).
#include "BitLocker/AesCcm.h"

#include <cstdint>
#include <optional>
#include <string>

namespace Bitlocker {

// The room the verifying forms decrypt into.
constexpr uint32_t ProtectorOutputSize = 256;

// An AES-CCM entry (value type 5) as a wrapped key pointing into its bytes;
// empty when the entry is too short.
std::optional<WrappedKey> WrappedKeyFromEntry(const uint8_t* entry, uint32_t entrySize);

bool DecryptWithClearKey(const WrappedKey& wrapped, const uint8_t key[32], uint8_t* output, uint32_t capacity);
bool DecryptWithStartupKey(const WrappedKey& wrapped, const std::string& keyFilePath, uint8_t* output,
                           uint32_t capacity);
bool DecryptWithPassword(const WrappedKey& wrapped, const uint8_t salt[16], const std::string& password,
                         uint8_t* output, uint32_t capacity);
bool DecryptWithRecoveryPassword(const WrappedKey& wrapped, const uint8_t salt[16],
                                 const std::string& recoveryPassword, uint8_t* output, uint32_t capacity);

// Verifying forms: true only when the key unwraps and its MAC checks.
bool DecryptWithClearKey(const WrappedKey& wrapped, const uint8_t key[32]);
bool DecryptWithStartupKey(const WrappedKey& wrapped, const std::string& keyFilePath);
bool DecryptWithPassword(const WrappedKey& wrapped, const uint8_t salt[16], const std::string& password);
bool DecryptWithRecoveryPassword(const WrappedKey& wrapped, const uint8_t salt[16],
                                 const std::string& recoveryPassword);

}
