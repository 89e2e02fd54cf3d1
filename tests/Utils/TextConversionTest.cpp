#include "Utils/TextConversion.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

using namespace Utils;

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A sample of every plane: every 61st code point, surrogates left out.
std::u16string SampleUtf16()
{
    std::u16string text;
    for (char32_t cp = 1; cp <= 0x10FFFF; cp += 61) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        if (cp < 0x10000) {
            text.push_back(static_cast<char16_t>(cp));
        } else {
            text.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        }
    }
    return text;
}

}

TEST(TextConversion, Utf16ToUtf8Vectors)
{
    struct Case {
        std::u16string units;
        std::string utf8;
    };
    const Case cases[] = {
        {u"A", "A"},
        {{0x007F}, "\x7F"},
        {{0x0080}, "\xC2\x80"},
        {{0x07FF}, "\xDF\xBF"},
        {{0x0800}, "\xE0\xA0\x80"},
        {{0xFFFF}, "\xEF\xBF\xBF"},
        {{0xD83D, 0xDE00}, "\xF0\x9F\x98\x80"},
        {{0xDBFF, 0xDFFF}, "\xF4\x8F\xBF\xBF"},
        {{0xDC00}, "\xEF\xBF\xBD"},                         // lone low surrogate
        {{0xD800}, "\xEF\xBF\xBD"},                         // high surrogate at the end
        {{0xD800, 0x0041}, "\xEF\xBF\xBD" "A"},             // high surrogate before a non-surrogate
        {{0xDE00, 0xD83D}, "\xEF\xBF\xBD\xEF\xBF\xBD"},     // pair in the wrong order
        {{0x0041, 0x0000, 0x0042}, std::string("A\0B", 3)}, // NUL converted, the count ends the text
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf16ToUtf8(c.units.data(), c.units.size()), c.utf8) << "first unit " << int(c.units[0]);

    EXPECT_EQ(Utf16ToUtf8(nullptr, 5), "");
    EXPECT_EQ(Utf16ToUtf8(u"abc", 0), "");
}

TEST(TextConversion, Utf16ToUtf8NeverReadsPastTheCount)
{
    // The pair is split by the count: the high half alone is what was given.
    const char16_t units[] = {0x0041, 0xD83D, 0xDE00};
    EXPECT_EQ(Utf16ToUtf8(units, 2), "A\xEF\xBF\xBD");
}

TEST(TextConversion, AgreesWithIconvOverEveryPlane)
{
    REQUIRE_TOOL("iconv");
    TestSupport::TempDir dir;
    const std::u16string sample = SampleUtf16();
    std::string littleEndian;
    for (char16_t unit : sample) {
        littleEndian.push_back(static_cast<char>(unit & 0xFF));
        littleEndian.push_back(static_cast<char>(unit >> 8));
    }
    WriteAll(dir / "in.utf16", littleEndian);
    TestSupport::RunOrFail("iconv -f UTF-16LE -t UTF-8 " + TestSupport::Quote(dir / "in.utf16") + " > " +
                           TestSupport::Quote(dir / "out.utf8"));
    const std::string expected = ReadAll(dir / "out.utf8");
    ASSERT_FALSE(expected.empty());

    EXPECT_EQ(Utf16ToUtf8(sample), expected);
    EXPECT_EQ(WStringToUtf8(std::u16string_view(sample)), expected);
    EXPECT_EQ(Utf8ToWString(expected), sample);
}

TEST(TextConversion, Utf8ToWStringRefusesInvalidUtf8)
{
    const std::string invalid[] = {
        "\x80",             // continuation byte without a lead
        "a\xBF",            //
        "\xC0\xAF",         // overlong "/"
        "\xC1\xBF",         // overlong
        "\xE0\x80\xAF",     // overlong three-byte form
        "\xF0\x80\x80\xAF", // overlong four-byte form
        "\xED\xA0\x80",     // UTF-16 surrogate D800 encoded
        "\xED\xBF\xBF",     // surrogate DFFF
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xF5\x80\x80\x80", // lead byte that can never appear
        "\xFF",             //
        "\xC3",             // cut short
        "\xE2\x82",         //
        "\xF0\x9F\x98",     //
        "\xC3\x28",         // lead followed by a non-continuation byte
    };
    for (const auto& text : invalid) {
        try {
            Utf8ToWString(text);
            ADD_FAILURE() << "accepted " << TestSupport::Quote(text);
        } catch (const std::range_error& e) {
            EXPECT_STREQ(e.what(), "bad conversion");
        }
    }
}

TEST(TextConversion, Utf8ToWStringStopsAtTheEndOfItsInput)
{
    // The euro sign's last byte lies beyond the view: it must not be used.
    const char bytes[] = "\xE2\x82\xAC";
    EXPECT_THROW(Utf8ToWString(std::string_view(bytes, 2)), std::range_error);
    EXPECT_EQ(Utf8ToWString(std::string_view(bytes, 3)), u"\u20AC");
}

TEST(TextConversion, Utf8ToWStringFourByteCharactersBecomePairs)
{
    EXPECT_EQ(Utf8ToWString("\xF0\x9F\x98\x80"), (std::u16string{0xD83D, 0xDE00}));
    EXPECT_EQ(Utf8ToWString("\xF4\x8F\xBF\xBF"), (std::u16string{0xDBFF, 0xDFFF}));
    EXPECT_EQ(Utf8ToWString(std::string("a\0b", 3)), (std::u16string{u'a', 0, u'b'}));
    EXPECT_EQ(Utf8ToWString(""), u"");
}

TEST(TextConversion, WStringToUtf8RefusesUnpairedSurrogates)
{
    const std::u16string bad[] = {{0xD800}, {0xDC00}, {0x0041, 0xD83D}, {0xDE00, 0xD83D}};
    for (const auto& text : bad)
        EXPECT_THROW(WStringToUtf8(std::u16string_view(text)), std::range_error);
}

TEST(TextConversion, WideTextIsUtf32AndConvertsExactly)
{
    EXPECT_EQ(WStringToUtf8(std::wstring_view(L"\u00E9\U0001F600")), "\xC3\xA9\xF0\x9F\x98\x80");
    // A UTF-16 pair carried in two wchar_t is joined.
    const std::wstring pair = {wchar_t(0xD83D), wchar_t(0xDE00)};
    EXPECT_EQ(WStringToUtf8(std::wstring_view(pair)), "\xF0\x9F\x98\x80");
    const std::wstring bad[] = {{wchar_t(0xDC00)}, {wchar_t(0xD83D)}, {wchar_t(0x110000)}};
    for (const auto& text : bad)
        EXPECT_THROW(WStringToUtf8(std::wstring_view(text)), std::range_error);

    EXPECT_EQ(WStringToUtf8Ucs2(L"\u00E9\U0001F600"), "\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(WStringToUtf8Ucs2(L""), "");
    EXPECT_EQ(WStringToUtf8Ucs2(std::wstring{L'a', wchar_t(0xD800)}), "");
    EXPECT_EQ(WStringToUtf8Ucs2(std::wstring{wchar_t(0x110000)}), "");
}

// Bytes above 0x7F were once sign-extended one by one (0xC3 0xA9 gave
// 0xFFC3 0xFFA9); they are decoded as UTF-8 now.
TEST(TextConversion, WidenStringDecodesUtf8)
{
    struct Case {
        std::string in;
        std::wstring out;
    };
    const Case cases[] = {
        {"plain ASCII", L"plain ASCII"},
        {"\xC3\xA9t\xC3\xA9", L"\u00E9t\u00E9"},
        {"\xE2\x82\xAC", L"\u20AC"},
        {"\xF0\x9F\x98\x80", L"\U0001F600"},
        {"a\xFF" "b", L"a\uFFFD" "b"},        // a byte that never starts a character
        {"\xE2\x82", L"\uFFFD"},              // a cut sequence is one replacement
        {"\xC0\xAF", L"\uFFFD\uFFFD"},        // overlong: two bytes, neither valid
        {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"}, // encoded surrogate
        {"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WidenString(c.in), c.out) << TestSupport::Quote(c.in);
}

TEST(TextConversion, CountUtf8Chars)
{
    struct Case {
        std::string text;
        uint32_t count;
    };
    const Case cases[] = {
        {"", 0},
        {"abc", 3},
        {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", 3},
        {"\xC3", 1},    // cut short: the lead still counts, nothing past the end is read
        {"\x80", 0},    // continuation byte in lead position
        {"ab\xBF", 0},  //
        {"a\xF8", 0},   // lead bytes F8-FF do not exist
        {"a\xFF", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountUtf8Chars(c.text), c.count) << TestSupport::Quote(c.text);
}
