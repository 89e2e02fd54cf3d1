#pragma once
// The engine's own OpenSSL library context: the default provider plus the
// legacy one (MD4, DES, DESX), loaded explicitly. A private context leaves the
// process-wide OpenSSL state alone for anyone else in the process.
#include <openssl/evp.h>

namespace Utils {

// The digest or cipher by OpenSSL name, fetched once and kept for the life of
// the process; null (and one logged error) when no loaded provider has it.
const EVP_MD* FetchDigest(const char* name);
const EVP_CIPHER* FetchCipher(const char* name);

// Whether the legacy provider could be loaded (ossl-modules/legacy.so).
bool LegacyProviderLoaded();

}
