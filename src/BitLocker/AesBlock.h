#pragma once
// AES in ECB mode over whole 16-byte blocks, the building block of the key
// unwrapping and of the sector IVs. Keys of 128 or 256 bits.
#include <openssl/evp.h>

#include <cstdint>
#include <memory>

namespace Bitlocker {

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

class AesEcb {
public:
    // keyBits 128 or 256; Ready() is false for any other size or when OpenSSL fails.
    AesEcb(const uint8_t* key, uint32_t keyBits, bool encrypt = true);
    bool Ready() const { return ready; }
    // count a multiple of 16; in and out may be the same.
    bool Run(const uint8_t* in, uint8_t* out, uint32_t count);

private:
    CipherContext context;
    bool ready = false;
};

}
