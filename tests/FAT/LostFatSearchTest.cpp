// The FAT of a FAT32 volume known by its layout alone (mkfs.fat, mtools, a
// fragmented file, both boot sectors gone): found before the data area where
// its chains agree with the folders and files, refused where they do not.
#include "FAT/FAT32DataRecovery.h"
#include "FAT/FATGeometry.h"
#include "FAT/FATTable.h"
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
    std::string format = "-s 1";
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

void SetEntryInEveryFat(const std::string& image, const FAT::VolumeGeometry& g, uint64_t cluster, uint32_t value)
{
    for (uint32_t copy = 0; copy < g.tableCount; ++copy)
        PatchU32(image, g.tableStart + copy * g.tableLength + 4 * cluster, value);
}

// What the raw search knows of a volume: the data area's start and the cluster size.
FAT::VolumeGeometry Layout(const FAT::VolumeGeometry& made)
{
    FAT::VolumeGeometry layout;
    layout.source = "layout";
    layout.clusterSize = made.clusterSize;
    layout.dataStart = made.dataStart;
    layout.volumeLength = made.volumeLength;
    layout.clusterCount = (made.volumeLength - made.dataStart) / made.clusterSize;
    return layout;
}

class LostFat : public ::testing::TestWithParam<Case> {};

TEST_P(LostFat, IsTakenOnlyWhereItsChainsAgreeWithTheFolders)
{
    const Case& c = GetParam();
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mshowfat");
    TempDir dir;
    const std::string image = dir / "volume.img";
    MakeFat32Image(image, 40, c.format);
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

    auto reader = std::make_shared<Utils::PartReader>(image, 0, made.volumeLength);
    const auto block = ReadBytes(image, position, 512);
    bool judged = false;
    const auto found = FAT::LostFatSearch(reader, Layout(made)).Find(position, block.data(), block.size(), &judged);
    EXPECT_TRUE(judged) << "the folders and files were too few to judge a FAT by";
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
        // The data area lies further from the volume start than the search
        // looks back (a wide reserved area, as card formatters leave to align it).
        Case{"ReservedAreaWiderThanTheSearchWindow", [](auto&, auto&, auto) {}, true, 2, "-s 1 -R 4096"},
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

// A volume with its boot sectors gone whose folder A (parent of the empty
// folder B) is overwritten; C holds a fragmented file.
class LostFatFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TOOL("mkfs.fat");
        REQUIRE_TOOL("mshowfat");
        MakeFat32Image(image, 40, "-s 1");
        RunOrFail("mmd -i " + Quote(image) + " ::/A ::/A/B ::/C");
        CopyPatternFile(image, dir.Path(), "::/C/NOTES.BIN", 3000, 7);
        MakeFragmentedFile(image, dir.Path(), "::/C/MOVIE.MP4", 4000);
        const auto boot = ReadBytes(image, 0, 512);
        ASSERT_TRUE(FAT::ParseFAT32BootSector(boot.data(), std::filesystem::file_size(image), made));
        b = FolderStart("::/A/B");
        c = FolderStart("::/C");
        Patch(image, FolderStart("::/A"), std::vector<uint8_t>(made.clusterSize, 0));
        Patch(image, 0, std::vector<uint8_t>(512, 0));
        Patch(image, 6 * 512, std::vector<uint8_t>(512, 0));
    }

    uint64_t FolderStart(const std::string& folder)
    {
        return made.dataStart + (ShowFat(image, folder).at(0).first - 2) * made.clusterSize;
    }

    TempDir dir;
    const std::string image = dir / "volume.img";
    FAT::VolumeGeometry made;
    uint64_t b = 0, c = 0; // where folders B and C start
};

// B names only itself and A, which reads as no folder now: the root at its
// usual cluster leads to the others.
TEST_F(LostFatFolders, TheRootAtItsUsualClusterIsAWitnessWhereNoFolderNamesIt)
{
    auto reader = std::make_shared<Utils::PartReader>(image, 0, made.volumeLength);
    const auto block = ReadBytes(image, b, 512);
    const auto found = FAT::LostFatSearch(reader, Layout(made)).Find(b, block.data(), block.size());
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->tableStart, made.tableStart);
    EXPECT_EQ(found->tableCount, 2u);
}

// The root overwritten as well: B names too few folders and files to judge a
// FAT by, so the engine looks again at the next folder block it meets.
TEST_F(LostFatFolders, TheEngineLooksAgainWhereAFolderNamesTooFew)
{
    Patch(image, made.dataStart + (made.rootCluster - 2) * made.clusterSize, std::vector<uint8_t>(made.clusterSize, 0));
    auto reader = std::make_shared<Utils::PartReader>(image, 0, made.volumeLength);
    const auto first = ReadBytes(image, b, 512);
    const auto next = ReadBytes(image, c, 512);
    bool judged = true;
    EXPECT_FALSE(FAT::LostFatSearch(reader, Layout(made)).Find(b, first.data(), first.size(), &judged));
    EXPECT_FALSE(judged);

    FAT::FAT32DataRecovery engine(ImageVolume(image), {}, [](const DataRecoveryInfo&) {}, made.dataStart,
                                  made.clusterSize);
    engine.ScanBlock(b, first.data(), first.size());
    EXPECT_FALSE(engine.GetTablePtr()->HasTable());
    engine.ScanBlock(c, next.data(), next.size());
    ASSERT_TRUE(engine.GetTablePtr()->HasTable()) << "the FAT was not looked for again at C";
    EXPECT_EQ(engine.GetTablePtr()->Geometry().tableStart, made.tableStart);
}

}
