#include "BitLocker/Protectors.h"

#include "BitLocker/KeyFile.h"
#include "BitLocker/KeyStretch.h"
#include "BitLocker/MetadataEntry.h"
#include "BitLocker/Passwords.h"
#include "Utils/Buffer.h"

#include <functional>

namespace Bitlocker {

namespace {

constexpr uint32_t CcmEntryPayloadOffset = EntryHeaderSize + CcmNonceSize + CcmMacSize;

// A 32-byte key made by make (false when none could be made), used to decrypt,
// wiped afterwards.
bool DecryptWithMadeKey(const WrappedKey& wrapped, const std::function<bool(uint8_t*)>& make, uint8_t* output,
                        uint32_t capacity)
{
    const auto key = Utils::MakeBuffer(32);
    return key->length == 32 && make(key->data) && AesCcmDecrypt(wrapped, key->data, output, capacity);
}

bool VerifyWithMadeKey(const WrappedKey& wrapped, const std::function<bool(uint8_t*)>& make)
{
    const auto key = Utils::MakeBuffer(32);
    const auto output = Utils::MakeBuffer(ProtectorOutputSize);
    return key->length == 32 && output->length == ProtectorOutputSize && make(key->data) &&
           AesCcmDecrypt(wrapped, key->data, output->data, output->length) &&
           AesCcmVerify(output->data, key->data, wrapped.nonce, wrapped.nonceLength, wrapped.payloadLength);
}

std::function<bool(uint8_t*)> Given(const uint8_t* key)
{
    return [key](uint8_t* out) {
        if (!key)
            return false;
        std::copy(key, key + 32, out);
        return true;
    };
}

std::function<bool(uint8_t*)> FromKeyFile(const std::string& path)
{
    return [&path](uint8_t* out) {
        const auto key = ReadStartupKey(path);
        if (!key)
            return false;
        std::copy(key->data, key->data + 32, out);
        return true;
    };
}

std::function<bool(uint8_t*)> Stretched(const uint8_t* salt, const std::function<bool(uint8_t*)>& initial)
{
    return [salt, initial](uint8_t* out) {
        const auto hash = Utils::MakeBuffer(32);
        return salt && hash->length == 32 && initial(hash->data) && StretchKey(hash->data, salt, StretchCount, out);
    };
}

std::function<bool(uint8_t*)> FromPassword(const uint8_t* salt, const std::string& password)
{
    return Stretched(salt, [&password](uint8_t* out) { return HashPassword(password, out); });
}

std::function<bool(uint8_t*)> FromRecoveryPassword(const uint8_t* salt, const std::string& text)
{
    return Stretched(salt, [&text](uint8_t* out) { return RecoveryPasswordToKey(text, out); });
}

}

std::optional<WrappedKey> WrappedKeyFromEntry(const uint8_t* entry, uint32_t entrySize)
{
    if (!entry || entrySize < CcmEntryPayloadOffset)
        return std::nullopt;
    WrappedKey wrapped;
    wrapped.nonce = entry + EntryHeaderSize;
    wrapped.nonceLength = CcmNonceSize;
    wrapped.mac = entry + EntryHeaderSize + CcmNonceSize;
    wrapped.payload = entry + CcmEntryPayloadOffset;
    wrapped.payloadLength = entrySize - CcmEntryPayloadOffset;
    return wrapped;
}

bool DecryptWithClearKey(const WrappedKey& wrapped, const uint8_t key[32], uint8_t* output, uint32_t capacity)
{
    return DecryptWithMadeKey(wrapped, Given(key), output, capacity);
}

bool DecryptWithStartupKey(const WrappedKey& wrapped, const std::string& keyFilePath, uint8_t* output,
                           uint32_t capacity)
{
    return DecryptWithMadeKey(wrapped, FromKeyFile(keyFilePath), output, capacity);
}

bool DecryptWithPassword(const WrappedKey& wrapped, const uint8_t salt[16], const std::string& password,
                         uint8_t* output, uint32_t capacity)
{
    return DecryptWithMadeKey(wrapped, FromPassword(salt, password), output, capacity);
}

bool DecryptWithRecoveryPassword(const WrappedKey& wrapped, const uint8_t salt[16],
                                 const std::string& recoveryPassword, uint8_t* output, uint32_t capacity)
{
    return DecryptWithMadeKey(wrapped, FromRecoveryPassword(salt, recoveryPassword), output, capacity);
}

bool DecryptWithClearKey(const WrappedKey& wrapped, const uint8_t key[32])
{
    return VerifyWithMadeKey(wrapped, Given(key));
}

bool DecryptWithStartupKey(const WrappedKey& wrapped, const std::string& keyFilePath)
{
    return VerifyWithMadeKey(wrapped, FromKeyFile(keyFilePath));
}

bool DecryptWithPassword(const WrappedKey& wrapped, const uint8_t salt[16], const std::string& password)
{
    return VerifyWithMadeKey(wrapped, FromPassword(salt, password));
}

bool DecryptWithRecoveryPassword(const WrappedKey& wrapped, const uint8_t salt[16],
                                 const std::string& recoveryPassword)
{
    return VerifyWithMadeKey(wrapped, FromRecoveryPassword(salt, recoveryPassword));
}

}
