// The FAT of a FAT32 volume known by its layout alone (mkfs.fat, mtools, a
// fragmented file, both boot sectors gone): found before the data area where
// its chains agree with the folders and files, refused where they do not.
#include "FAT/FATGeometry.h"
#include "FAT/FatImages.h"
#include "FAT/LostFatSearch.h"
#include "Utils/PartReader.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace FatTest;
using namespace TestSupport;

namespace {

struct Case {
    std::string name;
    // Damage done once the boot sectors are gone; g is the volume as mkfs.fat
    // made it, gap5 the first cluster of GAP5.BIN.
    std::function<void(const std::string& image, const FAT::VolumeGeometry& g, uint64_t gap5)> damage;
    bool found;
    uint64_t tableCopies = 0; // where found: 2, or 1 when only the second copy opens like a FAT
};

void SetEntryInEveryFat(const std::string& image, const FAT::VolumeGeometry& g, uint64_t cluster, uint32_t value)
{
    for (uint32_t copy = 0; copy < g.tableCount; ++copy)
        PatchU32(image, g.tableStart + copy * g.tableLength + 4 * cluster, value);
}

class LostFat : public ::testing::TestWithParam<Case> {};

TEST_P(LostFat, IsTakenOnlyWhereItsChainsAgreeWithTheFolders)
{
    const Case& c = GetParam();
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mshowfat");
    TempDir dir;
    const std::string image = dir / "volume.img";
    MakeFat32Image(image, 40, "-s 1");
    RunOrFail("mmd -i " + Quote(image) + " ::/Frag");
    MakeFragmentedFile(image, dir.Path(), "::/Frag/MOVIE.MP4", 4000);
    ASSERT_GT(ShowFat(image, "::/Frag/MOVIE.MP4").size(), 1u) << "MOVIE.MP4 is not fragmented";
    const auto boot = ReadBytes(image, 0, 512);
    FAT::VolumeGeometry made;
    ASSERT_TRUE(FAT::ParseFAT32BootSector(boot.data(), std::filesystem::file_size(image), made));
    const uint64_t folder = ShowFat(image, "::/Frag").at(0).first;
    const uint64_t position = made.dataStart + (folder - 2) * made.clusterSize;
    const uint64_t gap5 = ShowFat(image, "::/GAP5.BIN").at(0).first;

    Patch(image, 0, std::vector<uint8_t>(512, 0));
    Patch(image, 6 * 512, std::vector<uint8_t>(512, 0));
    c.damage(image, made, gap5);

    // What the raw search knows: the data area's start and the cluster size.
    FAT::VolumeGeometry layout;
    layout.source = "layout";
    layout.clusterSize = made.clusterSize;
    layout.dataStart = made.dataStart;
    layout.volumeLength = made.volumeLength;
    layout.clusterCount = (made.volumeLength - made.dataStart) / made.clusterSize;
    auto reader = std::make_shared<Utils::PartReader>(image, 0, made.volumeLength);
    const auto block = ReadBytes(image, position, 512);
    const auto found = FAT::LostFatSearch(reader, layout).Find(position, block.data(), block.size());
    ASSERT_EQ(found.has_value(), c.found);
    if (!found)
        return;
    EXPECT_TRUE(found->hasTable);
    EXPECT_EQ(found->tableCount, c.tableCopies);
    EXPECT_EQ(found->tableStart, made.tableStart + (c.tableCopies == 1 ? made.tableLength : 0));
    EXPECT_EQ(found->tableLength, made.tableLength);
    EXPECT_EQ(found->dataStart, made.dataStart);
}

INSTANTIATE_TEST_SUITE_P(
    Fat32, LostFat,
    ::testing::Values(
        Case{"Intact", [](auto&, auto&, auto) {}, true, 2},
        Case{"FirstCopyOpensWithNoMediaEntry",
             [](const std::string& image, const FAT::VolumeGeometry& g, auto) { PatchU32(image, g.tableStart, 0); },
             true, 1},
        // One witness of several disagreeing is one damaged entry, not a wrong FAT.
        Case{"OneFileChainBroken",
             [](const std::string& image, const FAT::VolumeGeometry& g, uint64_t gap5) {
                 SetEntryInEveryFat(image, g, gap5, 0);
             },
             true, 2},
        Case{"BothCopiesWiped",
             [](const std::string& image, const FAT::VolumeGeometry& g, auto) {
                 Patch(image, g.tableStart, std::vector<uint8_t>(g.tableLength * g.tableCount, 0));
             },
             false},
        // A quick format over the same layout writes a FAT of its own, which
        // opens like one but knows none of the folders left in the data area.
        Case{"FormattedAgainOverTheSameLayout",
             [](const std::string& image, const FAT::VolumeGeometry&, auto) {
                 RunOrFail("mkfs.fat -F 32 -s 1 " + Quote(image) + " >/dev/null");
                 Patch(image, 0, std::vector<uint8_t>(512, 0));
             },
             false}),
    [](const auto& info) { return info.param.name; });

}
