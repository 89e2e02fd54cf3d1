#pragma once
// One-shot digests through OpenSSL. Each returns false (and leaves out in an
// unspecified state) when the digest could not be computed: callers check.
#include <cstddef>
#include <cstdint>
#include <string>

namespace Utils {

[[nodiscard]] bool Sha256(const void* bytes, size_t count, uint8_t out[32]);
[[nodiscard]] bool Sha1(const void* bytes, size_t count, uint8_t out[20]);
// Needs OpenSSL's legacy provider; false when it is missing.
[[nodiscard]] bool Md4(const void* bytes, size_t count, uint8_t out[16]);

// SHA-256 of a whole file read in 64 KiB chunks; false when it cannot be opened or read.
[[nodiscard]] bool Sha256File(const std::string& path, uint8_t out[32]);

}
