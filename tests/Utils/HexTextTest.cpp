#include "Utils/HexText.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace Utils;

namespace {

std::string BufferText(const std::shared_ptr<Buffer<uint8_t>>& bytes)
{
    return BytesToHex(bytes->data, bytes->length);
}

}

TEST(HexText, NumbersAreZeroFilledToTheirWidth)
{
    EXPECT_EQ(ToHex32(0x1A2B, true, true), "2b1a0000h");
    EXPECT_EQ(ToHex32(0x1A2B, false, false), "00001a2b");
    EXPECT_EQ(ToHexString(0xDEADBEEF), "deadbeef");
    EXPECT_EQ(ToHex8(0x0A), "0a");
    EXPECT_EQ(ToHex8(0xFF, true), "ffh");
    EXPECT_EQ(ToHex16(0x0102), "0102");
    EXPECT_EQ(ToHex16(0x0102, false, true), "0201");
    EXPECT_EQ(ToHex48(0x010203040506), "010203040506");
    EXPECT_EQ(ToHex48(0x7, true), "000000000007h");
    // The 12-digit form swaps all 64 bits.
    EXPECT_EQ(ToHex48(0x010203040506, false, true), "605040302010000");
    EXPECT_EQ(ToHex64(1), "0000000000000001");
    EXPECT_EQ(ToHex64(0x0102030405060708, true, true), "0807060504030201h");
}

TEST(HexText, Bytes)
{
    const uint8_t bytes[] = {0x00, 0x1F, 0xA0, 0xFF};
    EXPECT_EQ(BytesToHex(bytes, 4), "001fa0ff");
    EXPECT_EQ(BytesToHex(bytes, 4, true, true), "ffa01f00h");
    EXPECT_EQ(BytesToHex(bytes, 0, true), "h");
    EXPECT_EQ(BytesToUpperHex(bytes, 4), "001FA0FF");
    EXPECT_EQ(BytesToUpperHex(nullptr, 4), "");
    EXPECT_EQ(StringBytesToHex("AB"), "4142");
    EXPECT_EQ(WStringBytesToHex(u"A\u20AC"), "4100ac20");
    EXPECT_EQ(WStringBytesToHex(u"A\u20AC", false, true), "20ac0041");
}

TEST(HexText, HexToBytesKeepsEveryPairInPlace)
{
    struct Case {
        std::string text, bytes;
    };
    const Case cases[] = {
        {"0001ff", "0001ff"},   // leading zero bytes stay at the front
        {"000000", "000000"},
        {"DEADbeef", "deadbeef"},
        {"abc", "0abc"},        // odd count: the first byte holds one digit
        {"7", "07"},
        {"", ""},
        {"12zz", ""},           // anything but hex digits: nothing
        {"-12", ""},
        {"0x12", ""},
        {" 12", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BufferText(HexToBytes(c.text)), c.bytes) << c.text;
}

TEST(HexText, HexToBytesAgreesWithXxd)
{
    REQUIRE_TOOL("xxd");
    TestSupport::TempDir dir;
    const std::string text = "00ff10e0a1b2c3d4e5f60718293a4b5c6d7e8f90";
    TestSupport::RunOrFail("printf %s " + text + " | xxd -r -p > " + TestSupport::Quote(dir / "out"));
    std::ifstream in(dir / "out", std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto bytes = HexToBytes(text);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes->data), bytes->length), expected);
}
