#include "Utils/StringTools.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace Utils;

TEST(StringTools, SplitKeepsEmptyFields)
{
    using Fields = std::vector<std::string>;
    EXPECT_EQ(Split("a,b,", ','), (Fields{"a", "b", ""}));
    EXPECT_EQ(Split("", ','), (Fields{""}));
    EXPECT_EQ(Split(",", ','), (Fields{"", ""}));
    EXPECT_EQ(Split("111111-222222", '-'), (Fields{"111111", "222222"}));
    EXPECT_EQ(Split("no delimiter", ','), (Fields{"no delimiter"}));
}

TEST(StringTools, TrimRemovesWhiteSpaceAndNul)
{
    struct Case {
        std::string in, both, left, right;
    };
    const Case cases[] = {
        {"  a b \t\n", "a b", "a b \t\n", "  a b"},
        {std::string("\0x\0", 3), "x", std::string("x\0", 2), std::string("\0x", 2)},
        {" \v\f\r ", "", "", ""},
        {"", "", "", ""},
        {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"}, // not white space in the C locale
    };
    for (const auto& c : cases) {
        std::string both = c.in, left = c.in, right = c.in;
        Trim(both);
        TrimLeft(left);
        TrimRight(right);
        EXPECT_EQ(both, c.both);
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(right, c.right);
    }
}

TEST(StringTools, FindLastNotSpace)
{
    EXPECT_EQ(FindLastNotSpace("ab  "), 2);
    EXPECT_EQ(FindLastNotSpace(std::string("ab\0\0", 4)), 2);
    EXPECT_EQ(FindLastNotSpace(" a"), 2);
    EXPECT_EQ(FindLastNotSpace("   "), -1);
    EXPECT_EQ(FindLastNotSpace(""), -1);
}

TEST(StringTools, CaseAndOrder)
{
    EXPECT_EQ(ToLower("MiXeD 1\xC3\x89"), "mixed 1\xC3\x89");
    EXPECT_EQ(ToUpper("MiXeD 1"), "MIXED 1");
    EXPECT_EQ(ToLowerW(L"ABC"), L"abc");
    EXPECT_EQ(ToUpperW(L"abc"), L"ABC");
    EXPECT_EQ(Reverse("abc"), "cba");
    EXPECT_EQ(RepeatChar(3, '-'), "---");
    EXPECT_EQ(RepeatChar(0, '-'), "");
}

TEST(StringTools, ReplaceAllGoesOnAfterTheInsertedText)
{
    struct Case {
        std::string text, from, to, result;
    };
    const Case cases[] = {
        {"aaa", "a", "aa", "aaaaaa"},
        {"a.b.c", ".", "\\", "a\\b\\c"},
        {"abcabc", "abc", "", ""},
        {"abc", "", "x", "abc"},
        {"abc", "zz", "x", "abc"},
    };
    for (auto c : cases) {
        ReplaceAll(c.text, c.from, c.to);
        EXPECT_EQ(c.text, c.result);
    }
}

TEST(StringTools, EscapeBackslashes)
{
    EXPECT_EQ(EscapeBackslashes(std::string("\\\\?\\Volume{1}\\")), "\\\\\\\\?\\\\Volume{1}\\\\");
    EXPECT_EQ(EscapeBackslashes(std::wstring(L"C:\\")), L"C:\\\\");
    EXPECT_EQ(EscapeBackslashes(std::string("plain")), "plain");
}

TEST(StringTools, AskYesNoAsksUntilAnswered)
{
    struct Case {
        std::string input;
        bool answer;
        int questions;
    };
    const Case cases[] = {
        {"y\n", true, 1},
        {"Y\n", true, 1},
        {"\n", false, 1},
        {"N\n", false, 1},
        {"maybe\nyes\ny\n", true, 3},
        {"maybe\n", false, 2}, // the input ends: no
        {"", false, 1},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        std::ostringstream out;
        EXPECT_EQ(AskYesNo("Overwrite", in, out), c.answer) << c.input;
        std::string expected;
        for (int i = 0; i < c.questions; ++i)
            expected += "Overwrite [y/N] ? ";
        EXPECT_EQ(out.str(), expected) << c.input;
    }
}

TEST(StringTools, PrintUnderlinedCountsCharactersNotBytes)
{
    std::ostringstream out;
    PrintUnderlined("R\xC3\xA9sum\xC3\xA9", out);
    EXPECT_EQ(out.str(), "R\xC3\xA9sum\xC3\xA9\n------\n\n");
}
