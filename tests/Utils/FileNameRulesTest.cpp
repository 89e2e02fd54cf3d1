#include "Utils/FileNameRules.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

using namespace Utils;

namespace {

struct NameCase {
    std::string name;
    bool valid;
};

// Names whose verdict is the same in the UTF-8 and the UTF-16 form.
const NameCase SharedNames[] = {
    {"", false},
    {".", false},
    {"..", false},
    {"...", false},
    {" name", false},
    {"name ", false},
    {".name", false},
    {"name.", false},
    {"a:b", false},
    {"a<b", false},
    {"a>b", false},
    {"a\"b", false},
    {"a/b", false},
    {"a\\b", false},
    {"a|b", false},
    {"a?b", false},
    {"a*b", false},
    {"con", false},
    {"CON", false},
    {"Com1.txt", false},
    {"lpt9", false},
    {"nul.tar.gz", false},
    {"aux", false},
    {"prn.", false},
    {"a b", true},
    {"con1", true},
    {"com10", true},
    {"lpt0", true},
    {"nul_x", true},
    {"x.con", true},
    {"a\tb", true},
    {"a\nb\rc", true},
    {"photo.jpg", true},
    {"caf\xC3\xA9.txt", true},
    {"\xF0\x9F\x98\x80.png", true},
    {"a.b", true},
};

}

TEST(FileNameRules, Utf8Names)
{
    for (const auto& c : SharedNames)
        EXPECT_EQ(IsValidFileName(c.name), c.valid) << TestSupport::Quote(c.name);

    const NameCase utf8Only[] = {
        {"\xC0\xAF", false},             // overlong "/"
        {"a\xC3", false},                // cut short at the end
        {"a\xC3(b", false},              // lead without its continuation
        {"\xED\xA0\x80x", false},        // encoded surrogate
        {"\xF4\x90\x80\x80", false},     // above U+10FFFF
        {"\xFF", false},                 //
        {"a\xEF\xB7\x90", false},        // U+FDD0
        {"a\xEF\xB7\xAF", false},        // U+FDEF
        {"a\xEF\xB7\xB0", true},         // U+FDF0
        {"a\xEF\xBF\xBE", false},        // U+FFFE
        {"a\xF0\x9F\xBF\xBF", false},    // U+1FFFF
        {"a\x01", false},                // control character
        {"a\x1F", false},
        {"a\x7F", true},                 // DEL is not below U+0020
        {std::string("a\0b", 3), false}, // NUL inside
    };
    for (const auto& c : utf8Only)
        EXPECT_EQ(IsValidFileName(c.name), c.valid) << TestSupport::Quote(c.name);

    // With a length, nothing past it is looked at.
    EXPECT_FALSE(IsValidFileName("con.txt", 3));
    EXPECT_TRUE(IsValidFileName("con1", 4));
    EXPECT_FALSE(IsValidFileName("\xC3\xA9", 1)); // the character is cut by the length
    EXPECT_FALSE(IsValidFileName(nullptr, 4));
}

TEST(FileNameRules, Utf16Names)
{
    for (const auto& c : SharedNames) {
        std::u16string wide;
        // Every shared name is ASCII but for the two with é and the smiley.
        if (c.name == "caf\xC3\xA9.txt")
            wide = u"caf\u00E9.txt";
        else if (c.name == "\xF0\x9F\x98\x80.png")
            wide = u"\U0001F600.png";
        else
            wide.assign(c.name.begin(), c.name.end());
        EXPECT_EQ(IsValidFileNameW(wide), c.valid) << TestSupport::Quote(c.name);
    }

    struct WideCase {
        std::u16string name;
        bool valid;
    };
    const WideCase wideOnly[] = {
        {u"a\u0001b", true},           // control characters are accepted by this form
        {u"a\uFDD0", true},            // and so are U+FDD0-U+FDEF
        {{u'a', 0xFFFE}, false},
        {{u'a', 0xFFFF}, false},
        {{u'a', 0xD800}, false},       // high surrogate at the end
        {{0xD800, u'a'}, false},       // high surrogate without its low one
        {{u'a', 0xDC00, u'b'}, false}, // low surrogate on its own
        {{0xD83D, 0xDE00}, true},
        {{u'c', u'o', u'n', 0}, true}, // the NUL is part of the stem
    };
    for (const auto& c : wideOnly)
        EXPECT_EQ(IsValidFileNameW(c.name), c.valid);

    EXPECT_FALSE(IsValidFileNameW(nullptr, 3));
    // The count ends the name: the reserved stem is all that is seen.
    const char16_t units[] = u"con1";
    EXPECT_FALSE(IsValidFileNameW(units, 3));
    EXPECT_TRUE(IsValidFileNameW(units, 4));
}

TEST(FileNameRules, GetFileNamePart)
{
    EXPECT_EQ(GetFileNamePart("C:\\dir\\file.txt"), "file.txt");
    EXPECT_EQ(GetFileNamePart("a/b\\c/d"), "d");
    EXPECT_EQ(GetFileNamePart("name"), "name");
    EXPECT_EQ(GetFileNamePart("dir\\"), "");
}

TEST(FileNameRules, ReplaceExtension)
{
    struct Case {
        std::string path, extension, result;
    };
    const Case cases[] = {
        {"a\\b.txt", "jpg", "a\\b.jpg"},
        {"a/b.txt", ".jpg", "a/b.jpg"},
        {"a\\b", "jpg", "a\\b.jpg"},
        {"a\\b.tar.gz", "zip", "a\\b.tar.zip"},
        {"a.d\\b", "jpg", "a.d\\b.jpg"},          // a dot in a folder is no extension
        {"a\\.profile", "bak", "a\\.profile.bak"}, // a leading dot is no extension
        {"a\\b.txt", "", "a\\b"},
        {"..", "x", "...x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceExtension(c.path, c.extension), c.result) << c.path;
}

TEST(FileNameRules, SplitStreamName)
{
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(SplitStreamName("C:\\dir\\file.txt:Zone.Identifier"), (Pair{"C:\\dir\\file.txt", "Zone.Identifier"}));
    EXPECT_EQ(SplitStreamName("C:\\dir\\file.txt"), (Pair{"C:\\dir\\file.txt", ""}));
    EXPECT_EQ(SplitStreamName("C:file"), (Pair{"C", "file"}));
    EXPECT_EQ(SplitStreamName("dir\\f:s:$DATA"), (Pair{"dir\\f:s", "s:$DATA"}));
}
