#pragma once
// Windows CryptoAPI algorithm ids (ALG_ID) and the OpenSSL algorithms they name.
#include <cstdint>
#include <openssl/evp.h>

namespace Utils {

// The CBC cipher of CALG_DES, CALG_3DES, CALG_DESX and CALG_AES_128/192/256;
// null for any other id, or when the provider that has it is not loaded
// (DES and DESX need the legacy provider).
const EVP_CIPHER* CipherFromAlgId(uint32_t algId);

// The digest of CALG_MD4, CALG_MD5, CALG_SHA1 and CALG_SHA_256/384/512; null
// for any other id, or when unavailable (MD4 needs the legacy provider).
const EVP_MD* DigestFromAlgId(uint32_t algId);

}
