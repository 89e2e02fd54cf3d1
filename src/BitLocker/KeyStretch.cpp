#include "BitLocker/KeyStretch.h"

#include "Utils/Buffer.h"
#include "Utils/CryptoLibrary.h"

#include <cstring>
#include <memory>
#include <openssl/crypto.h>

namespace Bitlocker {

namespace {
struct DigestContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
}

bool StretchKey(const uint8_t initialHash[32], const uint8_t salt[16], uint64_t count, uint8_t out[32])
{
    static const EVP_MD* const sha256 = Utils::FetchDigest("SHA256");
    std::unique_ptr<EVP_MD_CTX, DigestContextFree> context(EVP_MD_CTX_new());
    const auto state = Utils::MakeBuffer(88);
    if (!sha256 || !context || state->length != 88 || !initialHash || !salt || !out)
        return false;
    uint8_t* bytes = state->data;
    std::memcpy(bytes + 32, initialHash, 32);
    std::memcpy(bytes + 64, salt, 16);
    bool ok = true;
    for (uint64_t round = 0; ok && round < count; ++round) {
        for (int i = 0; i < 8; ++i)
            bytes[80 + i] = static_cast<uint8_t>(round >> (8 * i));
        unsigned length = 0;
        // One context re-initialised per round: a fresh one each time costs as much as the hash.
        ok = EVP_DigestInit_ex2(context.get(), sha256, nullptr) == 1 &&
             EVP_DigestUpdate(context.get(), bytes, 88) == 1 &&
             EVP_DigestFinal_ex(context.get(), bytes, &length) == 1 && length == 32;
    }
    if (ok)
        std::memcpy(out, bytes, 32);
    else
        OPENSSL_cleanse(out, 32);
    return ok;
}

}
