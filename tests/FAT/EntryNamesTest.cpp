// Names of FAT32 8.3 entries and of exFAT File name entries.
#include "FAT/ExFATNames.h"
#include "FAT/FAT32Names.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::array<uint8_t, 32> ShortEntry(const char* name11, uint8_t caseBits, uint8_t first = 0)
{
    std::array<uint8_t, 32> e{};
    std::memcpy(e.data(), name11, 11);
    if (first)
        e[0] = first;
    e[11] = 0x20;
    e[12] = caseBits;
    return e;
}

TEST(Fat32ShortNames, CaseBitsCodePageAndMarkers)
{
    struct Case {
        std::array<uint8_t, 32> entry;
        const char* expected;
    };
    for (const auto& c : {
             Case{ShortEntry("README  TXT", 0x18), "readme.txt"},
             Case{ShortEntry("README  TXT", 0x08), "readme.TXT"},
             Case{ShortEntry("README  TXT", 0x10), "README.txt"},
             Case{ShortEntry("README     ", 0x00), "README"},
             Case{ShortEntry("\x90T\x90     TXT", 0x18), "été.txt"},    // code page 437, lower case too
             Case{ShortEntry("\x82T\x82     TXT", 0x00), "éTé.TXT"},
             Case{ShortEntry("XIMG0001JPG", 0x00, 0xE5), "\xC3\xA5IMG0001.JPG"}, // deleted: U+00E5
             Case{ShortEntry("XABC    TXT", 0x00, 0x05), "σABC.TXT"},   // 0x05 stands for 0xE5
         })
        EXPECT_EQ(FAT::ShortName(c.entry.data()), c.expected);
}

std::array<uint8_t, 32> NameEntry(const std::u16string& part)
{
    std::array<uint8_t, 32> e{};
    e[0] = 0xC1;
    for (size_t i = 0; i < part.size() && i < 15; ++i) {
        e[2 + 2 * i] = static_cast<uint8_t>(part[i]);
        e[3 + 2 * i] = static_cast<uint8_t>(part[i] >> 8);
    }
    return e;
}

TEST(ExFatNames, CutAtTheNameLengthAndTheFirstNul)
{
    const std::vector<std::array<uint8_t, 32>> entries{NameEntry(u"A long name of "), NameEntry(u"a photo.jpegXYZ")};
    EXPECT_EQ(FAT::Parser::ExFATFileName(entries, 27), "A long name of a photo.jpeg");
    EXPECT_EQ(FAT::Parser::ExFATFileName(entries, 300), "A long name of a photo.jpegXYZ");
    EXPECT_EQ(FAT::Parser::ExFATFileName({NameEntry(u"short")}, 15), "short");
    // The hash covers the name's own characters only, upper-cased.
    std::vector<uint16_t> upcase(65536);
    for (size_t c = 0; c < upcase.size(); ++c)
        upcase[c] = static_cast<uint16_t>(c >= 'a' && c <= 'z' ? c - 32 : c);
    EXPECT_EQ(FAT::NameHash(entries, 27, upcase),
              FAT::NameHash({NameEntry(u"A LONG NAME OF "), NameEntry(u"A PHOTO.JPEG")}, 27, upcase));
    EXPECT_NE(FAT::NameHash(entries, 27, upcase), FAT::NameHash(entries, 30, upcase));
}

TEST(ExFatNames, CompressedUpcaseTable)
{
    // 'a' -> 'A' after an identity run of 0x61 characters, then 0xFFFF run of the rest.
    std::vector<uint8_t> stored{0xFF, 0xFF, 0x61, 0x00, 0x41, 0x00, 0xFF, 0xFF, 0x9E, 0xFF};
    const auto table = FAT::ExpandUpcaseTable(stored.data(), stored.size());
    ASSERT_EQ(table.size(), 65536u);
    EXPECT_EQ(table[0x60], 0x60);
    EXPECT_EQ(table[0x61], 0x41);
    EXPECT_EQ(table[0x62], 0x62);
    EXPECT_EQ(table[0xFFFF], 0xFFFF);
}

}
