#include "BitLocker/Passwords.h"

#include "Utils/Buffer.h"
#include "Utils/Digests.h"
#include "Utils/Utf8Codec.h"

#include <openssl/crypto.h>

namespace Bitlocker {

namespace {

constexpr size_t RecoveryPasswordLength = 55;
constexpr size_t GroupCount = 8;
constexpr size_t GroupLength = 6;

bool Fail(uint8_t out[32])
{
    if (out)
        OPENSSL_cleanse(out, 32);
    return false;
}

}

bool HashPassword(const std::string& password, uint8_t out[32])
{
    if (!out || password.size() > UINT32_MAX / 4)
        return Fail(out);
    // At most two UTF-16 units (four bytes) per UTF-8 byte; held in a buffer that is wiped.
    const auto units = Utils::MakeBuffer(static_cast<uint32_t>(password.size() * 4) + 1);
    if (!units->data)
        return Fail(out);
    size_t length = 0;
    const auto put = [&](char32_t unit) {
        units->data[length++] = static_cast<uint8_t>(unit);
        units->data[length++] = static_cast<uint8_t>(unit >> 8);
    };
    for (size_t pos = 0; pos < password.size();) {
        char32_t codePoint = 0;
        if (!Utils::DecodeUtf8(password, pos, codePoint))
            return Fail(out);
        if (codePoint >= 0x10000) {
            put(0xD800 + ((codePoint - 0x10000) >> 10));
            put(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        } else {
            put(codePoint);
        }
    }
    uint8_t first[32];
    const bool ok = Utils::Sha256(units->data, length, first) && Utils::Sha256(first, 32, out);
    OPENSSL_cleanse(first, sizeof first);
    return ok || Fail(out);
}

bool IsValidRecoveryPassword(const std::string& text)
{
    if (text.size() != RecoveryPasswordLength)
        return false;
    for (size_t group = 0; group < GroupCount; ++group) {
        const size_t start = group * (GroupLength + 1);
        if (group + 1 < GroupCount && text[start + GroupLength] != '-')
            return false;
        int digits[GroupLength];
        uint32_t value = 0;
        for (size_t i = 0; i < GroupLength; ++i) {
            const char c = text[start + i];
            if (c < '0' || c > '9')
                return false;
            digits[i] = c - '0';
            value = value * 10 + static_cast<uint32_t>(digits[i]);
        }
        if (value % 11 != 0 || value >= 720896)
            return false;
        const int check = ((digits[0] - digits[1] + digits[2] - digits[3] + digits[4]) % 11 + 11) % 11;
        if (check != digits[5])
            return false;
    }
    return true;
}

bool RecoveryPasswordToKey(const std::string& text, uint8_t out[32])
{
    if (!out || !IsValidRecoveryPassword(text))
        return Fail(out);
    uint8_t words[16];
    for (size_t group = 0; group < GroupCount; ++group) {
        uint32_t value = 0;
        for (size_t i = 0; i < GroupLength; ++i)
            value = value * 10 + static_cast<uint32_t>(text[group * (GroupLength + 1) + i] - '0');
        const uint32_t word = value / 11;
        words[2 * group] = static_cast<uint8_t>(word);
        words[2 * group + 1] = static_cast<uint8_t>(word >> 8);
    }
    const bool ok = Utils::Sha256(words, sizeof words, out);
    OPENSSL_cleanse(words, sizeof words);
    return ok || Fail(out);
}

}
