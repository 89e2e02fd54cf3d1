#include "Utils/CryptoLibrary.h"
#include "Utils/CryptoNames.h"
#include "Utils/HexText.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <thread>
#include <vector>

using namespace Utils;

namespace {

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};

// Encrypts with the cipher as handed out, without padding.
std::string Encrypt(const EVP_CIPHER* cipher, const std::string& key, const std::string& iv, const std::string& plain)
{
    std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> context(EVP_CIPHER_CTX_new());
    std::string out(plain.size() + 64, '\0');
    int written = 0, last = 0;
    const auto* k = reinterpret_cast<const unsigned char*>(key.data());
    const auto* v = reinterpret_cast<const unsigned char*>(iv.data());
    if (EVP_EncryptInit_ex2(context.get(), cipher, k, v, nullptr) != 1 ||
        EVP_CIPHER_CTX_set_padding(context.get(), 0) != 1 ||
        EVP_EncryptUpdate(context.get(), reinterpret_cast<unsigned char*>(out.data()), &written,
                          reinterpret_cast<const unsigned char*>(plain.data()), static_cast<int>(plain.size())) != 1 ||
        EVP_EncryptFinal_ex(context.get(), reinterpret_cast<unsigned char*>(out.data()) + written, &last) != 1)
        return "(failed)";
    out.resize(written + last);
    return BytesToHex(out.data(), out.size());
}

}

TEST(CryptoNames, DigestTable)
{
    REQUIRE_TOOL("openssl");
    const bool legacyAvailable = TestSupport::OpensslLegacyProviderAvailable();
    struct Case {
        uint32_t algId;
        const char* name;
        int size;
        bool legacy;
    };
    const Case cases[] = {
        {0x8002, "MD4", 16, true},     {0x8003, "MD5", 16, false},    {0x8004, "SHA1", 20, false},
        {0x800C, "SHA256", 32, false}, {0x800D, "SHA384", 48, false}, {0x800E, "SHA512", 64, false},
    };
    for (const auto& c : cases) {
        const EVP_MD* digest = DigestFromAlgId(c.algId);
        if (c.legacy && !legacyAvailable) {
            EXPECT_EQ(digest, nullptr);
            continue;
        }
        ASSERT_NE(digest, nullptr) << c.name;
        EXPECT_TRUE(EVP_MD_is_a(digest, c.name)) << c.name;
        EXPECT_EQ(EVP_MD_get_size(digest), c.size) << c.name;
    }
    for (uint32_t unknown : {0x8001u, 0x8005u, 0x800Fu, 0u, 0x6601u})
        EXPECT_EQ(DigestFromAlgId(unknown), nullptr) << unknown;
}

TEST(CryptoNames, CipherTable)
{
    REQUIRE_TOOL("openssl");
    const bool legacyAvailable = TestSupport::OpensslLegacyProviderAvailable();
    struct Case {
        uint32_t algId;
        const char* name;
        int keyLength;
        bool legacy;
    };
    const Case cases[] = {
        {0x6601, "DES-CBC", 8, true},       {0x6603, "DES-EDE3-CBC", 24, false}, {0x6604, "DESX-CBC", 24, true},
        {0x660E, "AES-128-CBC", 16, false}, {0x660F, "AES-192-CBC", 24, false},  {0x6610, "AES-256-CBC", 32, false},
    };
    for (const auto& c : cases) {
        const EVP_CIPHER* cipher = CipherFromAlgId(c.algId);
        if (c.legacy && !legacyAvailable) {
            EXPECT_EQ(cipher, nullptr);
            continue;
        }
        ASSERT_NE(cipher, nullptr) << c.name;
        EXPECT_TRUE(EVP_CIPHER_is_a(cipher, c.name)) << c.name;
        EXPECT_EQ(EVP_CIPHER_get_key_length(cipher), c.keyLength) << c.name;
        EXPECT_EQ(EVP_CIPHER_get_mode(cipher), EVP_CIPH_CBC_MODE) << c.name;
    }
    for (uint32_t unknown : {0x6602u, 0x6611u, 0x8003u, 0u})
        EXPECT_EQ(CipherFromAlgId(unknown), nullptr) << unknown;
}

// The ciphers handed out work in an ordinary EVP context, legacy ones included,
// and agree with the openssl tool.
TEST(CryptoNames, CiphersAgreeWithOpensslEnc)
{
    REQUIRE_TOOL("openssl");
    REQUIRE_TOOL("xxd");
    const bool legacyAvailable = TestSupport::OpensslLegacyProviderAvailable();
    TestSupport::TempDir dir;
    const std::string plain = "sixteen byte blk" "another 16 bytes";
    std::ofstream(dir / "plain", std::ios::binary) << plain;
    struct Case {
        uint32_t algId;
        const char* tool;
        int keyLength, ivLength;
        bool legacy;
    };
    const Case cases[] = {
        {0x6601, "des-cbc", 8, 8, true},       {0x6603, "des-ede3-cbc", 24, 8, false},
        {0x6604, "desx-cbc", 24, 8, true},     {0x660E, "aes-128-cbc", 16, 16, false},
        {0x660F, "aes-192-cbc", 24, 16, false}, {0x6610, "aes-256-cbc", 32, 16, false},
    };
    for (const auto& c : cases) {
        if (c.legacy && !legacyAvailable)
            continue;
        std::string key, iv;
        for (int i = 0; i < c.keyLength; ++i)
            key.push_back(static_cast<char>(0x11 * (i + 1)));
        for (int i = 0; i < c.ivLength; ++i)
            iv.push_back(static_cast<char>(0xA0 + i));
        const std::string expected = TestSupport::RunOrFail(
            std::string("openssl enc -") + c.tool + " -nopad -provider legacy -provider default -K " +
            BytesToHex(key.data(), key.size()) + " -iv " + BytesToHex(iv.data(), iv.size()) + " -in " +
            TestSupport::Quote(dir / "plain") + " | xxd -p | tr -d '\\n'");
        EXPECT_EQ(Encrypt(CipherFromAlgId(c.algId), key, iv, plain), expected) << c.tool;
    }
}

TEST(CryptoNames, FirstLookupsFromManyThreads)
{
    std::vector<std::thread> threads;
    std::vector<const EVP_MD*> found(8);
    for (size_t t = 0; t < found.size(); ++t)
        threads.emplace_back([&, t] { found[t] = DigestFromAlgId(0x800D); });
    for (auto& thread : threads)
        thread.join();
    for (const EVP_MD* digest : found)
        EXPECT_EQ(digest, found[0]);
    EXPECT_NE(found[0], nullptr);
}
