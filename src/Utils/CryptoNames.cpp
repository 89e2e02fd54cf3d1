#include "Utils/CryptoNames.h"

#include "Utils/CryptoLibrary.h"

namespace Utils {

namespace {

struct AlgIdName {
    uint32_t algId;
    const char* openSslName;
};

constexpr AlgIdName Ciphers[] = {
    {0x6601, "DES-CBC"},     // CALG_DES
    {0x6603, "DES-EDE3-CBC"}, // CALG_3DES
    {0x6604, "DESX-CBC"},    // CALG_DESX
    {0x660E, "AES-128-CBC"}, // CALG_AES_128
    {0x660F, "AES-192-CBC"}, // CALG_AES_192
    {0x6610, "AES-256-CBC"}, // CALG_AES_256
};

constexpr AlgIdName Digests[] = {
    {0x8002, "MD4"},    // CALG_MD4
    {0x8003, "MD5"},    // CALG_MD5
    {0x8004, "SHA1"},   // CALG_SHA1
    {0x800C, "SHA256"}, // CALG_SHA_256
    {0x800D, "SHA384"}, // CALG_SHA_384
    {0x800E, "SHA512"}, // CALG_SHA_512
};

}

const EVP_CIPHER* CipherFromAlgId(uint32_t algId)
{
    for (const auto& entry : Ciphers)
        if (entry.algId == algId)
            return FetchCipher(entry.openSslName);
    return nullptr;
}

const EVP_MD* DigestFromAlgId(uint32_t algId)
{
    for (const auto& entry : Digests)
        if (entry.algId == algId)
            return FetchDigest(entry.openSslName);
    return nullptr;
}

}
