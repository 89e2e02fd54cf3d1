#include "Utils/Base64.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

using namespace Utils;

TEST(Base64, Vectors)
{
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"", ""},
        {"a", "YQ=="},
        {"ab", "YWI="},
        {"abc", "YWJj"},
        {"foobar", "Zm9vYmFy"},
        {std::string("\0\xFF\xFE", 3), "AP/+"},
        {"\xFB\xFF", "+/8="},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Base64EncodeString(c.in), c.out);
    EXPECT_EQ(Base64Encode(nullptr, 4), "");
}

TEST(Base64, AgreesWithTheBase64Tool)
{
    REQUIRE_TOOL("base64");
    TestSupport::TempDir dir;
    std::mt19937 random(7);
    for (size_t length : {1, 2, 3, 4, 5, 57, 58, 59, 60, 1000, 4099}) {
        std::string bytes(length, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        std::ofstream(dir / "in", std::ios::binary) << bytes;
        std::string expected = TestSupport::RunOrFail("base64 -w 0 " + TestSupport::Quote(dir / "in"));
        EXPECT_EQ(Base64Encode(bytes.data(), bytes.size()), expected) << length;
    }
}
