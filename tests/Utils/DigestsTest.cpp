#include "Utils/CryptoLibrary.h"
#include "Utils/Digests.h"
#include "Utils/HexText.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <fstream>
#include <atomic>
#include <random>
#include <thread>
#include <vector>

using namespace Utils;

namespace {

std::string RandomBytes(size_t length, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(length, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

// The first word of a digest tool's output line.
std::string FirstWord(const std::string& line)
{
    return line.substr(0, line.find_first_of(" \n"));
}

// "openssl dgst -r" prints "<hex> *<file>".
std::string OpensslDigest(const std::string& algorithm, const std::string& path, const std::string& providers = "")
{
    return FirstWord(TestSupport::RunOrFail("openssl dgst -" + algorithm + " -r " + providers + " " +
                                            TestSupport::Quote(path)));
}

}

TEST(Digests, KnownVectors)
{
    uint8_t sha256[32], sha1[20];
    ASSERT_TRUE(Sha256("abc", 3, sha256));
    EXPECT_EQ(BytesToHex(sha256, 32), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    ASSERT_TRUE(Sha256("", 0, sha256));
    EXPECT_EQ(BytesToHex(sha256, 32), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    ASSERT_TRUE(Sha1("abc", 3, sha1));
    EXPECT_EQ(BytesToHex(sha1, 20), "a9993e364706816aba3e25717850c26c9cd0d89d");
}

TEST(Digests, Md4NeedsTheLegacyProvider)
{
    REQUIRE_TOOL("openssl");
    uint8_t md4[16];
    const bool legacyAvailable = TestSupport::OpensslLegacyProviderAvailable();
    EXPECT_EQ(LegacyProviderLoaded(), legacyAvailable);
    if (!legacyAvailable) {
        // Reported, never a digest made up.
        EXPECT_FALSE(Md4("abc", 3, md4));
        SKIP_FOR_MISSING("OpenSSL's legacy provider (ossl-modules/legacy.so of libssl3) is missing");
    }
    ASSERT_TRUE(Md4("abc", 3, md4));
    EXPECT_EQ(BytesToHex(md4, 16), "a448017aaf21d8525fc10ae87aa6729d"); // RFC 1320
    ASSERT_TRUE(Md4("", 0, md4));
    EXPECT_EQ(BytesToHex(md4, 16), "31d6cfe0d16ae931b73c59d7e0c089c0");
}

TEST(Digests, AgreeWithTheDigestTools)
{
    REQUIRE_TOOL("sha256sum");
    REQUIRE_TOOL("openssl");
    TestSupport::TempDir dir;
    const bool legacyAvailable = TestSupport::OpensslLegacyProviderAvailable();
    for (size_t length : {1, 63, 64, 65, 65535, 65536, 65537, 300000}) {
        const std::string bytes = RandomBytes(length, static_cast<unsigned>(length));
        const std::string path = dir / "data";
        std::ofstream(path, std::ios::binary) << bytes;

        uint8_t sha256[32], fileSha256[32], sha1[20];
        ASSERT_TRUE(Sha256(bytes.data(), bytes.size(), sha256));
        ASSERT_TRUE(Sha256File(path, fileSha256));
        ASSERT_TRUE(Sha1(bytes.data(), bytes.size(), sha1));
        const std::string expected = FirstWord(TestSupport::RunOrFail("sha256sum " + TestSupport::Quote(path)));
        EXPECT_EQ(BytesToHex(sha256, 32), expected) << length;
        EXPECT_EQ(BytesToHex(fileSha256, 32), expected) << length;
        EXPECT_EQ(BytesToHex(sha1, 20), OpensslDigest("sha1", path)) << length;
        if (legacyAvailable) {
            uint8_t md4[16];
            ASSERT_TRUE(Md4(bytes.data(), bytes.size(), md4));
            EXPECT_EQ(BytesToHex(md4, 16), OpensslDigest("md4", path, "-provider legacy -provider default"))
                << length;
        }
    }
}

TEST(Digests, FailuresAreReported)
{
    TestSupport::TempDir dir;
    uint8_t out[32];
    EXPECT_FALSE(Sha256File(dir / "missing", out));
    EXPECT_FALSE(Sha256File(dir.Path().string(), out)); // a folder cannot be read as a file
    EXPECT_FALSE(Sha256(nullptr, 5, out));
    EXPECT_FALSE(Sha1("abc", 3, nullptr));

    std::ofstream(dir / "empty").close();
    ASSERT_TRUE(Sha256File(dir / "empty", out));
    EXPECT_EQ(BytesToHex(out, 32), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

TEST(Digests, SafeFromManyThreads)
{
    // The first calls race to set the library up.
    const std::string expected = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    std::vector<std::thread> threads;
    std::atomic<int> mismatches{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 500; ++i) {
                uint8_t digest[32];
                if (!Sha256("abc", 3, digest) || BytesToHex(digest, 32) != expected)
                    ++mismatches;
            }
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches.load(), 0);
}
