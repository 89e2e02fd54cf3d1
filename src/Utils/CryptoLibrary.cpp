#include "Utils/CryptoLibrary.h"

#include "DataRecovery/Log.h"

#include <map>
#include <mutex>
#include <openssl/err.h>
#include <openssl/provider.h>
#include <string>

static constexpr const char* LogSource = "src/Utils/CryptoLibrary";

namespace Utils {

namespace {

// Built once, never freed: fetched algorithms handed out stay valid until the
// process ends, and freeing after OpenSSL's own exit clean-up would be unsafe.
struct CryptoContext {
    OSSL_LIB_CTX* library = nullptr;
    bool legacy = false;
    std::mutex mutex;
    std::map<std::string, EVP_MD*> digests;
    std::map<std::string, EVP_CIPHER*> ciphers;
};

CryptoContext& Context()
{
    static CryptoContext* context = [] {
        auto* made = new CryptoContext;
        made->library = OSSL_LIB_CTX_new();
        if (!made->library) {
            VLOG_ERROR("OpenSSL library context could not be created.");
            return made;
        }
        if (!OSSL_PROVIDER_load(made->library, "default"))
            VLOG_ERROR("OpenSSL default provider could not be loaded.");
        made->legacy = OSSL_PROVIDER_load(made->library, "legacy") != nullptr;
        if (!made->legacy)
            VLOG_ERROR("OpenSSL legacy provider could not be loaded: MD4, DES and DESX are unavailable.");
        ERR_clear_error();
        return made;
    }();
    return *context;
}

template <typename Algorithm, typename Fetch>
const Algorithm* FetchCached(std::map<std::string, Algorithm*>& cache, const char* name, Fetch fetch)
{
    CryptoContext& context = Context();
    std::lock_guard lock(context.mutex);
    if (const auto found = cache.find(name); found != cache.end())
        return found->second;
    Algorithm* algorithm = context.library ? fetch(context.library, name, nullptr) : nullptr;
    if (!algorithm) {
        ERR_clear_error();
        VLOG_ERROR("OpenSSL algorithm %s is unavailable.", name);
    }
    // A miss is remembered too, so it is logged once.
    cache.emplace(name, algorithm);
    return algorithm;
}

}

const EVP_MD* FetchDigest(const char* name)
{
    return FetchCached(Context().digests, name, EVP_MD_fetch);
}

const EVP_CIPHER* FetchCipher(const char* name)
{
    return FetchCached(Context().ciphers, name, EVP_CIPHER_fetch);
}

bool LegacyProviderLoaded()
{
    return Context().legacy;
}

}
