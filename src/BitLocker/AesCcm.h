#pragma once
// AES-256-CCM as BitLocker wraps its keys (NIST SP 800-38C): a 12-byte nonce,
// a 3-byte counter and a 16-byte encrypted MAC in front of the payload.
#include <cstdint>

namespace Bitlocker {

constexpr uint32_t CcmNonceSize = 12;
constexpr uint32_t CcmMacSize = 16;
// The lowest counter byte alone would wrap after 255 blocks: 4080 bytes of
// payload, far above any wrapped key.
constexpr uint32_t MaxWrappedPayload = 4080;

// A wrapped key as the metadata holds it.
struct WrappedKey {
    const uint8_t* nonce = nullptr;
    uint32_t nonceLength = 0;
    const uint8_t* mac = nullptr;   // 16 bytes, encrypted
    const uint8_t* payload = nullptr;
    uint32_t payloadLength = 0;
};

// output = decrypted MAC (16 bytes) then the decrypted payload. Refuses (false,
// output untouched) a nonce other than 12 bytes, a payload over 4080 bytes or
// one that does not fit the output, and any OpenSSL failure.
bool AesCcmDecrypt(const WrappedKey& wrapped, const uint8_t key[32], uint8_t* output, uint32_t outputCapacity);

// Whether the CBC-MAC of the decrypted payload (output + 16, payloadLength
// bytes) equals the decrypted MAC at output.
bool AesCcmVerify(const uint8_t* output, const uint8_t key[32], const uint8_t* nonce, uint32_t nonceLength,
                  uint32_t payloadLength);

}
