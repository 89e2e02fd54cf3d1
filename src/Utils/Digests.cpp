#include "Utils/Digests.h"

#include "Utils/Buffer.h"
#include "Utils/CryptoLibrary.h"
#include "Utils/FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace Utils {

namespace {

struct DigestContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextFree>;

bool OneShot(const EVP_MD* digest, const void* bytes, size_t count, uint8_t* out, unsigned expected)
{
    if (!digest || !out || (!bytes && count > 0))
        return false;
    DigestContext context(EVP_MD_CTX_new());
    if (!context)
        return false;
    unsigned length = 0;
    return EVP_DigestInit_ex2(context.get(), digest, nullptr) == 1 &&
           EVP_DigestUpdate(context.get(), bytes, count) == 1 &&
           EVP_DigestFinal_ex(context.get(), out, &length) == 1 && length == expected;
}


}

bool Sha256(const void* bytes, size_t count, uint8_t out[32])
{
    // Fetched once: key derivation calls this a million times.
    static const EVP_MD* const digest = FetchDigest("SHA256");
    return OneShot(digest, bytes, count, out, 32);
}

bool Sha1(const void* bytes, size_t count, uint8_t out[20])
{
    static const EVP_MD* const digest = FetchDigest("SHA1");
    return OneShot(digest, bytes, count, out, 20);
}

bool Md4(const void* bytes, size_t count, uint8_t out[16])
{
    static const EVP_MD* const digest = FetchDigest("MD4");
    return OneShot(digest, bytes, count, out, 16);
}

bool Sha256File(const std::string& path, uint8_t out[32])
{
    static const EVP_MD* const digest = FetchDigest("SHA256");
    if (!digest || !out)
        return false;
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        return false;
    DigestContext context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex2(context.get(), digest, nullptr) != 1)
        return false;
    // The chunk is a Buffer so that the file's bytes are wiped when it goes.
    const auto chunk = MakeBuffer<uint8_t>(65536);
    if (!chunk->data)
        return false;
    for (;;) {
        const ssize_t got = ::read(file.Get(), chunk->data, chunk->length);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            break;
        if (EVP_DigestUpdate(context.get(), chunk->data, static_cast<size_t>(got)) != 1)
            return false;
    }
    unsigned length = 0;
    return EVP_DigestFinal_ex(context.get(), out, &length) == 1 && length == 32;
}

}
