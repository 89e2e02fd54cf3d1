#include "Utils/CodePages.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <stdexcept>

using namespace Utils;

namespace {

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// iconv's answer for the bytes, or nullopt when it refuses them.
std::optional<std::string> IconvToUtf8(const std::string& bytes, const std::string& charset)
{
    TestSupport::TempDir dir;
    WriteAll(dir / "in", bytes);
    std::string output;
    const int status =
        TestSupport::RunCommand("iconv -f " + charset + " -t UTF-8 " + TestSupport::Quote(dir / "in") + " 2>/dev/null",
                                &output);
    if (status != 0)
        return std::nullopt;
    return output;
}

std::string AllBytesFrom(int first)
{
    std::string bytes;
    for (int b = first; b <= 0xFF; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

}

TEST(CodePages, AgreeWithIconv)
{
    REQUIRE_TOOL("iconv");
    struct Case {
        uint32_t codePage;
        std::string charset; // as the iconv tool names it
        std::string bytes;
    };
    const Case cases[] = {
        {1252, "CP1252", "price 10\x80, caf\xE9"},
        {1252, "CP1252", AllBytesFrom(0x20)}, // holds bytes CP1252 leaves undefined
        {1251, "CP1251", AllBytesFrom(0x20)},
        {437, "CP437", AllBytesFrom(0x20)},
        {850, "CP850", AllBytesFrom(0x20)},
        {28591, "ISO-8859-1", AllBytesFrom(0x01)},
        {28605, "ISO-8859-15", "\xA4 \xBC"},
        {20866, "KOI8-R", "\xF0\xD2\xC9\xD7\xC5\xD4"},
        {932, "CP932", "\x93\xFA\x96\x7B\x8C\xEA abc"},
        {932, "CP932", "\x93"}, // a lead byte without its trail
        {936, "CP936", "\xD6\xD0\xCE\xC4"},
        {54936, "GB18030", "\x81\x30\x81\x30"},
    };
    for (const auto& c : cases) {
        const auto expected = IconvToUtf8(c.bytes, c.charset);
        if (expected) {
            EXPECT_EQ(CodePageToUtf8(c.bytes, c.codePage), *expected) << c.charset;
        } else {
            EXPECT_THROW(CodePageToUtf8(c.bytes, c.codePage), std::range_error) << c.charset;
        }
    }
}

TEST(CodePages, SystemCodePagesAreUtf8)
{
    for (uint32_t codePage : {0u, 1u, 3u, 65001u}) {
        EXPECT_EQ(CodePageToUtf8("p\xC3\xA4ss", codePage), "p\xC3\xA4ss");
        EXPECT_EQ(CodePageToWString("p\xC3\xA4ss\xF0\x9F\x98\x80", codePage), u"p\u00E4ss\U0001F600");
        EXPECT_THROW(CodePageToUtf8("p\xE4ss", codePage), std::range_error);
        EXPECT_THROW(CodePageToUtf8("\xED\xA0\x80", codePage), std::range_error);
    }
}

TEST(CodePages, TextEndsAtItsFirstNul)
{
    EXPECT_EQ(CodePageToUtf8(std::string("ab\0\xE9", 4), 1252), "ab");
    EXPECT_EQ(CodePageToUtf8(std::string("ab\0\xFF", 4), 0), "ab");
    EXPECT_EQ(CodePageToUtf8("", 1252), "");
}

TEST(CodePages, WideFormIsUtf16)
{
    EXPECT_EQ(CodePageToWString("\x80\xE9", 1252), u"\u20AC\u00E9");
    EXPECT_EQ(CodePageToWString("\x93\xFA", 932), u"\u65E5");
}

TEST(CodePages, UnknownCodePageIsAnError)
{
    EXPECT_THROW(CodePageToUtf8("abc", 4242424), std::range_error);
    EXPECT_EQ(CodePageCharacterSet(1252), "CP1252");
    EXPECT_EQ(CodePageCharacterSet(0), "UTF-8");
}
