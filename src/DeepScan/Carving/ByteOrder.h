#pragma once
// Bounds-checked reads of fixed-width integers from a byte span; a read that
// does not fit answers 0, so callers test the span length first where 0 matters.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace Carving {

template <size_t N>
inline uint64_t ReadBE(std::span<const uint8_t> bytes, size_t at)
{
    if (at > bytes.size() || bytes.size() - at < N)
        return 0;
    uint64_t value = 0;
    for (size_t i = 0; i < N; ++i)
        value = (value << 8) | bytes[at + i];
    return value;
}

template <size_t N>
inline uint64_t ReadLE(std::span<const uint8_t> bytes, size_t at)
{
    if (at > bytes.size() || bytes.size() - at < N)
        return 0;
    uint64_t value = 0;
    for (size_t i = N; i-- > 0;)
        value = (value << 8) | bytes[at + i];
    return value;
}

inline uint32_t BE16(std::span<const uint8_t> b, size_t at) { return static_cast<uint32_t>(ReadBE<2>(b, at)); }
inline uint32_t BE32(std::span<const uint8_t> b, size_t at) { return static_cast<uint32_t>(ReadBE<4>(b, at)); }
inline uint64_t BE64(std::span<const uint8_t> b, size_t at) { return ReadBE<8>(b, at); }
inline uint32_t LE16(std::span<const uint8_t> b, size_t at) { return static_cast<uint32_t>(ReadLE<2>(b, at)); }
inline uint32_t LE32(std::span<const uint8_t> b, size_t at) { return static_cast<uint32_t>(ReadLE<4>(b, at)); }
inline uint64_t LE64(std::span<const uint8_t> b, size_t at) { return ReadLE<8>(b, at); }

// Whether bytes [at, at + text length) equal text.
inline bool HasText(std::span<const uint8_t> bytes, size_t at, std::string_view text)
{
    if (at > bytes.size() || bytes.size() - at < text.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (bytes[at + i] != static_cast<uint8_t>(text[i]))
            return false;
    return true;
}

// Index of the first occurrence of needle in bytes at or after from, or npos.
size_t FindBytes(std::span<const uint8_t> bytes, std::string_view needle, size_t from = 0);

inline constexpr size_t npos = static_cast<size_t>(-1);

}
