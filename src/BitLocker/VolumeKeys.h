#pragma once
// From metadata entries to keys: the volume master keys (VMKs) with their
// protectors, and the full-volume encryption key (FVEK) they unwrap.
#include "BitLocker/AesCcm.h"
#include "BitLocker/FveMetadata.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Bitlocker {

constexpr uint16_t ProtectionClearKey = 0x0000;
constexpr uint16_t ProtectionStartupKey = 0x0200;
constexpr uint16_t ProtectionRecoveryPassword = 0x0800;
constexpr uint16_t ProtectionPassword = 0x2000;

struct VmkEntry {
    Bytes entry;            // the whole entry; the pointers below point into it
    const uint8_t* guid = nullptr;
    uint16_t protection = 0;
    std::optional<WrappedKey> wrapped;
    const uint8_t* salt = nullptr;     // stretch-key property (passwords)
    const uint8_t* clearKey = nullptr; // key property (clear key), 32 bytes
};

// The VMK entries of a block, in metadata order; entries too short for their
// fields are logged and left out.
std::vector<VmkEntry> FindVmks(const FveBlock& block);
// The wrapped FVEK of a block; empty when it has none.
std::optional<WrappedKey> FindFvek(const FveBlock& block);

enum class Credential { ClearKey, StartupKeyFile, Password, RecoveryPassword };

// The 32-byte VMK unwrapped by the first VMK of the credential's kind whose MAC
// checks; secret is the password, the recovery password or the key-file path
// (unused for the clear key). Null when none opens.
Bytes UnlockVmk(const FveBlock& block, Credential kind, const std::string& secret);

// The FVEK key bytes (as many as the decrypted key entry holds) and the
// method stored with them; null when the MAC does not check.
struct Fvek {
    Bytes key;
    uint32_t method = 0;
};
std::optional<Fvek> UnwrapFvek(const FveBlock& block, const uint8_t vmk[32]);

}
