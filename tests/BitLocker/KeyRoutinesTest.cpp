#include "BitLocker/AesCcm.h"
#include "BitLocker/Passwords.h"
#include "BitLocker/SectorDecryption.h"
#include "support/BitLockerVolume.h"
#include "support/Tools.h"

#include "Utils/HexText.h"

#include <gtest/gtest.h>

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <cstring>
#include <vector>

using namespace Bitlocker;

namespace {

std::vector<uint8_t> Random(size_t count)
{
    std::vector<uint8_t> bytes(count);
    if (count) {
        EXPECT_EQ(RAND_bytes(bytes.data(), static_cast<int>(count)), 1);
    }
    return bytes;
}

// Encrypts with OpenSSL's own CCM mode; returns the ciphertext, tag in tag.
std::vector<uint8_t> OpenSslCcmEncrypt(const std::vector<uint8_t>& key, const std::vector<uint8_t>& nonce,
                                       const std::vector<uint8_t>& plain, uint8_t tag[16])
{
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    std::vector<uint8_t> out(plain.size() + 16);
    int length = 0;
    EXPECT_EQ(EVP_EncryptInit_ex(context, EVP_aes_256_ccm(), nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(EVP_CIPHER_CTX_ctrl(context, EVP_CTRL_CCM_SET_IVLEN, 12, nullptr), 1);
    EXPECT_EQ(EVP_CIPHER_CTX_ctrl(context, EVP_CTRL_CCM_SET_TAG, 16, nullptr), 1);
    EXPECT_EQ(EVP_EncryptInit_ex(context, nullptr, nullptr, key.data(), nonce.data()), 1);
    EXPECT_EQ(EVP_EncryptUpdate(context, nullptr, &length, nullptr, static_cast<int>(plain.size())), 1);
    EXPECT_EQ(EVP_EncryptUpdate(context, out.data(), &length, plain.data(), static_cast<int>(plain.size())), 1);
    int last = 0;
    EXPECT_EQ(EVP_EncryptFinal_ex(context, out.data() + length, &last), 1);
    EXPECT_EQ(EVP_CIPHER_CTX_ctrl(context, EVP_CTRL_CCM_GET_TAG, 16, tag), 1);
    EVP_CIPHER_CTX_free(context);
    out.resize(plain.size());
    return out;
}

std::string Sha256Hex(const uint8_t* bytes, size_t count)
{
    uint8_t digest[32];
    unsigned length = 0;
    EXPECT_EQ(EVP_Digest(bytes, count, digest, &length, EVP_sha256(), nullptr), 1);
    return Utils::BytesToHex(digest, sizeof digest);
}

std::string Hex(const uint8_t* bytes, size_t count)
{
    return Utils::BytesToHex(bytes, count);
}

}

TEST(AesCcm, AgreesWithOpenSslCcmMode)
{
    for (const size_t length : {1u, 15u, 16u, 17u, 44u, 60u, 239u, 4080u}) {
        SCOPED_TRACE(length);
        const auto key = Random(32);
        const auto nonce = Random(12);
        const auto plain = Random(length);
        uint8_t tag[16];
        auto cipher = OpenSslCcmEncrypt(key, nonce, plain, tag);

        WrappedKey wrapped{nonce.data(), 12, tag, cipher.data(), static_cast<uint32_t>(length)};
        std::vector<uint8_t> output(16 + length);
        ASSERT_TRUE(AesCcmDecrypt(wrapped, key.data(), output.data(), static_cast<uint32_t>(output.size())));
        EXPECT_EQ(std::vector<uint8_t>(output.begin() + 16, output.end()), plain);
        EXPECT_TRUE(AesCcmVerify(output.data(), key.data(), nonce.data(), 12, static_cast<uint32_t>(length)));

        // One flipped bit anywhere (payload, tag, key) fails the check.
        if (length > 0) {
            cipher[length / 2] ^= 0x10;
            ASSERT_TRUE(AesCcmDecrypt(wrapped, key.data(), output.data(), static_cast<uint32_t>(output.size())));
            EXPECT_FALSE(AesCcmVerify(output.data(), key.data(), nonce.data(), 12, static_cast<uint32_t>(length)));
            cipher[length / 2] ^= 0x10;
        }
        tag[3] ^= 1;
        ASSERT_TRUE(AesCcmDecrypt(wrapped, key.data(), output.data(), static_cast<uint32_t>(output.size())));
        EXPECT_FALSE(AesCcmVerify(output.data(), key.data(), nonce.data(), 12, static_cast<uint32_t>(length)));
    }
}

TEST(AesCcm, RefusesSizesItCannotHold)
{
    const auto key = Random(32);
    const auto nonce = Random(12);
    const auto payload = Random(4096);
    const uint8_t tag[16] = {};
    std::vector<uint8_t> output(8192, 0xAB);
    const auto untouched = output;

    WrappedKey longPayload{nonce.data(), 12, tag, payload.data(), 4081};
    EXPECT_FALSE(AesCcmDecrypt(longPayload, key.data(), output.data(), static_cast<uint32_t>(output.size())));
    WrappedKey fits{nonce.data(), 12, tag, payload.data(), 600};
    EXPECT_FALSE(AesCcmDecrypt(fits, key.data(), output.data(), 256));
    EXPECT_FALSE(AesCcmDecrypt(fits, key.data(), output.data(), 615));
    WrappedKey shortNonce{nonce.data(), 11, tag, payload.data(), 44};
    EXPECT_FALSE(AesCcmDecrypt(shortNonce, key.data(), output.data(), 256));
    EXPECT_FALSE(AesCcmVerify(output.data(), key.data(), nonce.data(), 16, 44));
    EXPECT_FALSE(AesCcmVerify(output.data(), key.data(), nonce.data(), 12, 5000));
    EXPECT_EQ(output, untouched);
    EXPECT_TRUE(AesCcmDecrypt(fits, key.data(), output.data(), 616));
}

TEST(RecoveryPassword, GeneratedPasswordsAreValidAndHashTheirWords)
{
    for (int round = 0; round < 50; ++round) {
        const auto random = Random(16);
        std::string text;
        for (int group = 0; group < 8; ++group) {
            const unsigned word = random[2 * group] | random[2 * group + 1] << 8;
            char digits[8];
            std::snprintf(digits, sizeof digits, "%06u", word * 11);
            text += (group ? "-" : "") + std::string(digits);
        }
        SCOPED_TRACE(text);
        ASSERT_TRUE(IsValidRecoveryPassword(text));
        uint8_t key[32];
        ASSERT_TRUE(RecoveryPasswordToKey(text, key));
        EXPECT_EQ(Hex(key, 32), Sha256Hex(random.data(), 16));
    }
}

TEST(RecoveryPassword, MalformedTextIsRefused)
{
    const std::string valid = "000000-000011-000022-000033-000044-000055-000066-720885";
    ASSERT_TRUE(IsValidRecoveryPassword(valid));
    const std::string invalid[] = {
        "000000-000011-000022-000033-000044-000055-000066",           // seven groups
        "000000-000011-000022-000033-000044-000055-000066-72088",     // a 5-digit group
        "000000-000011-000022-000033-000044-000055-000066-7208855",   // a 7-digit group
        "000000-000011-000022-000033-000044-000055-000066-+12342",    // a sign
        "000000-000011-000022-000033-000044-000055-000066- 12342",    // a blank
        "000000-000011-000022-000033-000044-000055-000066-720896",    // 720896 = 11 * 65536
        "000000-000011-000022-000033-000044-000055-000066-000067",    // not divisible by 11
        "000000-000011-000022-000033-000044-000055-000066-720885 ",   // trailing blank
        "000000-000011-000022-000033-000044-000055-000066_720885",    // wrong separator
        "0000000000011-000022-000033-000044-000055-000066-720885-",   // separators moved
        "",
    };
    for (const auto& text : invalid) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(IsValidRecoveryPassword(text));
        uint8_t key[32];
        std::memset(key, 0xAA, sizeof key);
        EXPECT_FALSE(RecoveryPasswordToKey(text, key));
        EXPECT_EQ(Hex(key, 32), std::string(64, '0'));
    }
}

// Passwords are hashed as UTF-16LE; iconv and sha256sum give the reference.
TEST(PasswordHash, MatchesUtf16LeDoubleSha256)
{
    REQUIRE_TOOL("iconv");
    for (const std::string password : {"password1", "P\xC3\xA4sswo\xCC\x88rd \xE2\x9C\x93 \xF0\x9F\x98\x80", ""}) {
        SCOPED_TRACE(password);
        const std::string command = "printf '%s' " + TestSupport::Quote(password) +
                                    " | iconv -f UTF-8 -t UTF-16LE | sha256sum | cut -c1-64 | xxd -r -p | "
                                    "sha256sum | cut -c1-64";
        std::string expected = TestSupport::RunOrFail(command);
        expected.erase(expected.find_last_not_of('\n') + 1);
        uint8_t hash[32];
        ASSERT_TRUE(HashPassword(password, hash));
        EXPECT_EQ(Hex(hash, 32), expected);
    }
    uint8_t hash[32];
    EXPECT_FALSE(HashPassword("pass\xFFword", hash));
    EXPECT_FALSE(HashPassword("\xED\xA0\x80", hash)); // an encoded surrogate
}

TEST(SectorDecryption, RefusesOddSectorSizesAndOffsets)
{
    std::vector<uint8_t> in(8192), out(8192);
    const auto key = Random(64);
    struct Case {
        uint32_t sectorSize;
        uint64_t offset;
        bool accepted;
    };
    const Case cases[] = {{512, 0, true},     {512, 1536, true},  {4096, 8192, true}, {1024, 1024, true},
                          {2048, 2048, true}, {520, 0, false},    {256, 0, false},    {8192, 0, false},
                          {0, 0, false},      {512, 100, false},  {4096, 512, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.sectorSize) + " at " + std::to_string(c.offset));
        for (uint16_t method = 0x8000; method <= 0x8005; ++method)
            EXPECT_EQ(DecryptSector(method, key.data(), 64, in.data(), c.offset, c.sectorSize, out.data()), c.accepted);
    }
    std::vector<uint32_t> words(2048);
    for (const uint32_t size : {512u, 1024u, 2048u, 4096u}) {
        EXPECT_TRUE(DiffuserADecrypt(size, words.data()));
        EXPECT_TRUE(DiffuserBDecrypt(size, words.data()));
    }
    for (const uint32_t size : {0u, 4u, 20u, 520u, 8192u}) {
        EXPECT_FALSE(DiffuserADecrypt(size, words.data()));
        EXPECT_FALSE(DiffuserBDecrypt(size, words.data()));
    }
    EXPECT_FALSE(DecryptSector(0x8006, key.data(), 64, in.data(), 0, 512, out.data()));
    EXPECT_FALSE(DecryptSector(0x8001, key.data(), 32, in.data(), 0, 512, out.data()));
}

// Every method and sector size, sectors encrypted by the test's own writer:
// the diffusers must reach all sectorSize / 4 words, the IVs and tweaks the
// right offset. (dislocker checks the 512-byte sectors of whole volumes.)
TEST(SectorDecryption, UndoesEncryptionForEverySectorSize)
{
    for (uint16_t method = 0x8000; method <= 0x8005; ++method)
        for (const uint32_t sectorSize : {512u, 1024u, 2048u, 4096u}) {
            SCOPED_TRACE(std::to_string(method) + " / " + std::to_string(sectorSize));
            auto key = Random(64);
            if (method == 0x8000) { // 16-byte keys in 32-byte slots
                std::fill(key.begin() + 16, key.begin() + 32, 0);
                std::fill(key.begin() + 48, key.end(), 0);
            }
            const auto plain = Random(sectorSize);
            const uint64_t offset = uint64_t{sectorSize} * 123457;
            std::vector<uint8_t> cipher(sectorSize), back(sectorSize), wrongPlace(sectorSize);
            TestSupport::EncryptBitLockerSector(method, key, offset, sectorSize, plain.data(), cipher.data());
            ASSERT_TRUE(DecryptSector(method, key.data(), 64, cipher.data(), offset, sectorSize, back.data()));
            EXPECT_EQ(back, plain);
            ASSERT_TRUE(DecryptSector(method, key.data(), 64, cipher.data(), offset + sectorSize, sectorSize,
                                      wrongPlace.data()));
            EXPECT_NE(wrongPlace, plain);
        }
}
