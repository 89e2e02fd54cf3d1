#include "BitLocker/SectorDecryption.h"

#include "BitLocker/AesBlock.h"
#include "Utils/Buffer.h"
#include "Utils/CryptoLibrary.h"
#include "Utils/XorBuffer.h"

#include <cstring>
#include <openssl/crypto.h>

namespace Bitlocker {

namespace {

// The context given, or one of our own for this call.
class ContextFor {
public:
    explicit ContextFor(EVP_CIPHER_CTX* given) : context(given)
    {
        if (!context) {
            own.reset(EVP_CIPHER_CTX_new());
            context = own.get();
        }
    }
    EVP_CIPHER_CTX* Get() const { return context; }

private:
    CipherContext own;
    EVP_CIPHER_CTX* context;
};

void OffsetBlock(uint64_t value, uint8_t block[16])
{
    std::memset(block, 0, 16);
    for (int i = 0; i < 8; ++i)
        block[i] = static_cast<uint8_t>(value >> (8 * i));
}

bool RunCipher(EVP_CIPHER_CTX* context, const char* name, const uint8_t* key, const uint8_t* iv,
               const uint8_t* input, uint32_t length, uint8_t* output)
{
    const EVP_CIPHER* cipher = Utils::FetchCipher(name);
    int written = 0;
    int last = 0;
    return context && cipher && EVP_DecryptInit_ex2(context, cipher, key, iv, nullptr) == 1 &&
           EVP_CIPHER_CTX_set_padding(context, 0) == 1 &&
           EVP_DecryptUpdate(context, output, &written, input, static_cast<int>(length)) == 1 &&
           EVP_DecryptFinal_ex(context, output + written, &last) == 1 &&
           written + last == static_cast<int>(length);
}

uint32_t RotateLeft(uint32_t value, unsigned count)
{
    return count ? (value << count) | (value >> (32 - count)) : value;
}

bool CbcDecrypt(EVP_CIPHER_CTX* context, const uint8_t* input, const uint8_t* key, uint32_t keyBits,
                uint64_t offset, uint32_t sectorSize, uint8_t* output)
{
    uint8_t iv[16];
    OffsetBlock(offset, iv);
    AesEcb aes(key, keyBits);
    const bool ok = aes.Run(iv, iv, 16) &&
                    RunCipher(context, keyBits == 128 ? "AES-128-CBC" : "AES-256-CBC", key, iv, input, sectorSize,
                              output);
    OPENSSL_cleanse(iv, sizeof iv);
    return ok;
}

}

bool IsValidSectorGeometry(uint64_t offset, uint32_t sectorSize)
{
    const bool size = sectorSize == 512 || sectorSize == 1024 || sectorSize == 2048 || sectorSize == 4096;
    return size && offset % sectorSize == 0;
}

bool DecryptSectorAesCbc(EVP_CIPHER_CTX* context, const uint8_t* input, const uint8_t* key, uint32_t keyBits,
                         uint64_t offset, uint32_t sectorSize, uint8_t* output)
{
    if (!input || !key || !output || (keyBits != 128 && keyBits != 256) || !IsValidSectorGeometry(offset, sectorSize))
        return false;
    const ContextFor use(context);
    return CbcDecrypt(use.Get(), input, key, keyBits, offset, sectorSize, output);
}

bool DecryptSectorAesCbcDiffuser(EVP_CIPHER_CTX* context, const uint8_t* input, const uint8_t* key,
                                 uint32_t keyBits, uint64_t offset, uint32_t sectorSize, uint8_t* output)
{
    if (!input || !key || !output || (keyBits != 128 && keyBits != 256) || !IsValidSectorGeometry(offset, sectorSize))
        return false;
    const ContextFor use(context);
    const auto sectorKey = Utils::MakeBuffer(32);
    const auto words = Utils::MakeBuffer<uint32_t>(sectorSize);
    if (sectorKey->length != 32 || words->length != sectorSize)
        return false;
    OffsetBlock(offset, sectorKey->data);
    OffsetBlock(offset, sectorKey->data + 16);
    sectorKey->data[31] = 0x80;
    AesEcb tweak(key + 32, keyBits);
    if (!tweak.Run(sectorKey->data, sectorKey->data, 32) ||
        !CbcDecrypt(use.Get(), input, key, keyBits, offset, sectorSize, output))
        return false;
    const uint32_t count = sectorSize / 4;
    for (uint32_t i = 0; i < count; ++i)
        words->data[i] = static_cast<uint32_t>(output[4 * i]) | static_cast<uint32_t>(output[4 * i + 1]) << 8 |
                         static_cast<uint32_t>(output[4 * i + 2]) << 16 |
                         static_cast<uint32_t>(output[4 * i + 3]) << 24;
    DiffuserBDecrypt(sectorSize, words->data);
    DiffuserADecrypt(sectorSize, words->data);
    for (uint32_t i = 0; i < count; ++i)
        for (int b = 0; b < 4; ++b)
            output[4 * i + b] = static_cast<uint8_t>(words->data[i] >> (8 * b));
    Utils::XorBuffer(output, sectorSize, sectorKey->data, 32);
    return true;
}

bool DecryptSectorAesXts(EVP_CIPHER_CTX* context, const uint8_t* input, const uint8_t* key, uint32_t keyBits,
                         uint64_t offset, uint32_t sectorSize, uint8_t* output)
{
    if (!input || !key || !output || (keyBits != 128 && keyBits != 256) || !IsValidSectorGeometry(offset, sectorSize))
        return false;
    const ContextFor use(context);
    uint8_t tweak[16];
    OffsetBlock(offset / sectorSize, tweak);
    return RunCipher(use.Get(), keyBits == 128 ? "AES-128-XTS" : "AES-256-XTS", key, tweak, input, sectorSize, output);
}

bool DiffuserADecrypt(uint32_t sectorSize, uint32_t* words)
{
    if (!words || !IsValidSectorGeometry(0, sectorSize))
        return false;
    static constexpr unsigned Ra[4] = {9, 0, 13, 0};
    const uint32_t n = sectorSize / 4;
    for (int cycle = 0; cycle < 5; ++cycle)
        for (uint32_t i = 0; i < n; ++i)
            words[i] += words[(i + n - 2) % n] ^ RotateLeft(words[(i + n - 5) % n], Ra[i % 4]);
    return true;
}

bool DiffuserBDecrypt(uint32_t sectorSize, uint32_t* words)
{
    if (!words || !IsValidSectorGeometry(0, sectorSize))
        return false;
    static constexpr unsigned Rb[4] = {0, 10, 0, 25};
    const uint32_t n = sectorSize / 4;
    for (int cycle = 0; cycle < 3; ++cycle)
        for (uint32_t i = 0; i < n; ++i)
            words[i] += words[(i + 2) % n] ^ RotateLeft(words[(i + 5) % n], Rb[i % 4]);
    return true;
}

uint32_t FvekKeySize(uint16_t method)
{
    switch (method) {
    case 0x8000: // 16-byte key and 16-byte tweak key, each in a 32-byte slot
    case 0x8001:
    case 0x8005:
        return 64;
    case 0x8002:
        return 16;
    case 0x8003:
    case 0x8004:
        return 32;
    default:
        return 0;
    }
}

bool DecryptSector(uint16_t method, const uint8_t* key, uint32_t keySize, const uint8_t* input, uint64_t offset,
                   uint32_t sectorSize, uint8_t* output)
{
    const uint32_t needed = FvekKeySize(method);
    if (needed == 0 || keySize < needed)
        return false;
    switch (method) {
    case 0x8000:
        return DecryptSectorAesCbcDiffuser(nullptr, input, key, 128, offset, sectorSize, output);
    case 0x8001:
        return DecryptSectorAesCbcDiffuser(nullptr, input, key, 256, offset, sectorSize, output);
    case 0x8002:
        return DecryptSectorAesCbc(nullptr, input, key, 128, offset, sectorSize, output);
    case 0x8003:
        return DecryptSectorAesCbc(nullptr, input, key, 256, offset, sectorSize, output);
    case 0x8004:
        return DecryptSectorAesXts(nullptr, input, key, 128, offset, sectorSize, output);
    default:
        return DecryptSectorAesXts(nullptr, input, key, 256, offset, sectorSize, output);
    }
}

}
