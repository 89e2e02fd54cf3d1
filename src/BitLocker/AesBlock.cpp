#include "BitLocker/AesBlock.h"

#include "Utils/CryptoLibrary.h"

namespace Bitlocker {

AesEcb::AesEcb(const uint8_t* key, uint32_t keyBits, bool encrypt) : context(EVP_CIPHER_CTX_new())
{
    const char* name = keyBits == 128 ? "AES-128-ECB" : keyBits == 256 ? "AES-256-ECB" : nullptr;
    const EVP_CIPHER* cipher = name ? Utils::FetchCipher(name) : nullptr;
    if (!context || !cipher || !key)
        return;
    ready = EVP_CipherInit_ex2(context.get(), cipher, key, nullptr, encrypt ? 1 : 0, nullptr) == 1 &&
            EVP_CIPHER_CTX_set_padding(context.get(), 0) == 1;
}

bool AesEcb::Run(const uint8_t* in, uint8_t* out, uint32_t count)
{
    if (!ready || count % 16 != 0)
        return false;
    int written = 0;
    return EVP_CipherUpdate(context.get(), out, &written, in, static_cast<int>(count)) == 1 &&
           written == static_cast<int>(count);
}

}
