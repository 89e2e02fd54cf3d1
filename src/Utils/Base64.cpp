#include "Utils/Base64.h"

namespace Utils {

std::string Base64Encode(const void* bytes, size_t count)
{
    static constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    if (!bytes || count == 0)
        return out;
    const auto* in = static_cast<const uint8_t*>(bytes);
    out.reserve((count + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= count; i += 3) {
        const uint32_t group = (uint32_t(in[i]) << 16) | (uint32_t(in[i + 1]) << 8) | in[i + 2];
        out.push_back(Alphabet[group >> 18]);
        out.push_back(Alphabet[(group >> 12) & 0x3F]);
        out.push_back(Alphabet[(group >> 6) & 0x3F]);
        out.push_back(Alphabet[group & 0x3F]);
    }
    if (const size_t rest = count - i; rest > 0) {
        const uint32_t group = (uint32_t(in[i]) << 16) | (rest == 2 ? uint32_t(in[i + 1]) << 8 : 0);
        out.push_back(Alphabet[group >> 18]);
        out.push_back(Alphabet[(group >> 12) & 0x3F]);
        out.push_back(rest == 2 ? Alphabet[(group >> 6) & 0x3F] : '=');
        out.push_back('=');
    }
    return out;
}

std::string Base64EncodeString(const std::string& text)
{
    return Base64Encode(text.data(), text.size());
}

}
