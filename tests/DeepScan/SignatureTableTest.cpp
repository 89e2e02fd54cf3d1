#include "DeepScan/Carving/DataTypeParser.h"
#include "DeepScan/Carving/SignatureTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Block(const std::string& bytes, size_t length = 512)
{
    std::vector<uint8_t> block(bytes.begin(), bytes.end());
    if (block.size() < length)
        block.resize(length, 0);
    return block;
}

}

TEST(SignatureTable, MatchesTheShortestSignatureOffsetZeroFirst)
{
    struct Case {
        const char* what;
        std::vector<uint8_t> block;
        std::optional<int32_t> id;
    };
    const std::string asf("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16);
    const Case cases[] = {
        {"png", Block("\x89PNG\r\n\x1A\n"), 0},
        {"jpg", Block("\xFF\xD8\xFF\xE0"), 1},
        {"bmp whatever follows", Block("BMxyz"), 4},
        {"tiff II", Block(std::string("II*\0", 4)), 5},
        {"tiff MM", Block(std::string("MM\0*", 4)), 5},
        {"heic at 4", Block(std::string("\0\0\0\x18" "ftypheic", 12)), 2},
        {"RIFF before ftyp", Block("RIFFftypisom"), 15},
        {"moov at 4", Block(std::string("\0\0\0\x08moov", 8)), 14},
        {"mdat at 4", Block(std::string("\0\0\0\x08mdat", 8)), 14},
        {"free at 4", Block(std::string("\0\0\0\x08" "free", 8)), 14},
        {"wide at 4", Block(std::string("\0\0\0\x08wide", 8)), 14},
        {"crx brand", Block(std::string("\0\0\0\x18" "ftypcrx ", 12)), 7},
        {"M4V brand", Block(std::string("\0\0\0\x18" "ftypM4V ", 12)), 16},
        {"M4A brand", Block(std::string("\0\0\0\x18" "ftypM4A ", 12)), 25},
        {"3gp brand", Block(std::string("\0\0\0\x18" "ftyp3gp4", 12)), 21},
        {"rar 4", Block(std::string("Rar!\x1A\x07\x00", 7)), 32},
        {"rar 5", Block(std::string("Rar!\x1A\x07\x01\x00", 8)), 32},
        {"rar other", Block(std::string("Rar!\x1A\x07\x02", 7)), std::nullopt},
        {"iso", Block("\x01" "CD001"), 33},
        {"ole2", Block("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"), 34},
        {"mpeg pack", Block(std::string("\0\0\x01\xBA", 4)), 19},
        {"mpeg sequence", Block(std::string("\0\0\x01\xB3", 4)), 19},
        {"asf", Block(asf), 23},
        {"gif87a", Block("GIF87a"), 12},
        {"lower-case pdf", Block("%pdf-"), std::nullopt},
        {"pdf", Block("%PDF-1.7"), 41},
        {"three bytes only at 0", Block("ID3", 3), 24},
        {"short block misses offset 4", Block(std::string("\0\0\0\x08mo", 6), 6), std::nullopt},
        {"zeros", Block(""), std::nullopt},
        {"empty", {}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SignatureTable::Instance().Match(c.block), c.id) << c.what;
}

TEST(SignatureTable, ExtensionsAndFactoryCoverTheTypeIds)
{
    EXPECT_EQ(TypeExtension(0), "png");
    EXPECT_EQ(TypeExtension(20), "rmvb");
    EXPECT_EQ(TypeExtension(41), "pdf");
    EXPECT_FALSE(TypeExtension(34));
    EXPECT_FALSE(TypeExtension(42));
    EXPECT_FALSE(TypeExtension(-1));
    const std::set<int32_t> none = {6, 9, 10, 11, 22, 26, 28, 35, 36, 37, 38, 39, 40, 42, 43, -1};
    for (int32_t id = -1; id <= 43; ++id)
        EXPECT_EQ(CreateDataTypeParser(id) == nullptr, none.count(id) == 1) << id;
}
