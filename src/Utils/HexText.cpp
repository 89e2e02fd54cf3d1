#include "Utils/HexText.h"

#include <cstdio>

namespace Utils {

namespace {

std::string Format(uint64_t value, int width, bool suffix)
{
    char text[24];
    std::snprintf(text, sizeof text, "%0*llx", width, static_cast<unsigned long long>(value));
    std::string out(text);
    if (suffix)
        out += 'h';
    return out;
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}

std::string ToHex8(uint8_t value, bool suffix)
{
    return Format(value, 2, suffix);
}

std::string ToHex16(uint16_t value, bool suffix, bool swap)
{
    return Format(swap ? __builtin_bswap16(value) : value, 4, suffix);
}

std::string ToHex32(uint32_t value, bool suffix, bool swap)
{
    return Format(swap ? __builtin_bswap32(value) : value, 8, suffix);
}

std::string ToHexString(uint32_t value, bool suffix, bool swap)
{
    return ToHex32(value, suffix, swap);
}

std::string ToHex48(uint64_t value, bool suffix, bool swap)
{
    return Format(swap ? __builtin_bswap64(value) : value, 12, suffix);
}

std::string ToHex64(uint64_t value, bool suffix, bool swap)
{
    return Format(swap ? __builtin_bswap64(value) : value, 16, suffix);
}

std::string BytesToHex(const void* bytes, size_t count, bool suffix, bool reverse)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string out;
    const auto* in = static_cast<const uint8_t*>(bytes);
    if (in) {
        out.reserve(count * 2 + 1);
        for (size_t i = 0; i < count; ++i) {
            const uint8_t b = in[reverse ? count - 1 - i : i];
            out.push_back(Digits[b >> 4]);
            out.push_back(Digits[b & 0xF]);
        }
    }
    if (suffix)
        out += 'h';
    return out;
}

std::string StringBytesToHex(const std::string& text, bool suffix, bool reverse)
{
    return BytesToHex(text.data(), text.size(), suffix, reverse);
}

std::string WStringBytesToHex(const std::u16string& text, bool suffix, bool reverse)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return BytesToHex(bytes.data(), bytes.size(), suffix, reverse);
}

std::string BytesToUpperHex(const void* bytes, uint32_t count)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string out;
    if (!bytes)
        return out;
    const auto* in = static_cast<const uint8_t*>(bytes);
    out.reserve(size_t(count) * 2);
    for (uint32_t i = 0; i < count; ++i) {
        out.push_back(Digits[in[i] >> 4]);
        out.push_back(Digits[in[i] & 0xF]);
    }
    return out;
}

std::shared_ptr<Buffer<uint8_t>> HexToBytes(const std::string& text)
{
    if (text.empty() || text.size() / 2 >= UINT32_MAX)
        return MakeBuffer<uint8_t>(0);
    for (const char c : text)
        if (HexDigitValue(c) < 0)
            return MakeBuffer<uint8_t>(0);
    auto bytes = MakeBuffer<uint8_t>(static_cast<uint32_t>((text.size() + 1) / 2));
    if (bytes->length == 0)
        return bytes;
    // An odd count of digits: the first byte holds the first digit alone.
    size_t digit = 0;
    uint32_t index = 0;
    if (text.size() % 2 == 1)
        bytes->data[index++] = static_cast<uint8_t>(HexDigitValue(text[digit++]));
    for (; digit < text.size(); digit += 2)
        bytes->data[index++] = static_cast<uint8_t>(HexDigitValue(text[digit]) << 4 | HexDigitValue(text[digit + 1]));
    return bytes;
}

}
