// A card formatted without a partition table (mkfs.fat on the whole device)
// whose FAT32 boot sector is damaged in its type text, its media byte or
// both: libblkid takes the sector's closing 0x55 0xAA for an MBR, whose
// records are then the boot code's bytes. The disk is offered whole, from
// byte 0, never as a table with a region from sector 1, and its scan gives
// every file back whole by name. tsk_recover reads the same disk from byte 0.
#include "FAT/FatImages.h"
#include "support/ProbeOutput.h"
#include "support/RecoveryTally.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>

using TestSupport::Quote;
using TestSupport::RunOrFail;
namespace fs = std::filesystem;

namespace {

constexpr uint64_t diskMiB = 48;

struct Case {
    std::string name;
    std::vector<std::pair<uint64_t, uint8_t>> bytes; // (offset, value) written into the boot sector
};

class TablelessCard : public ::testing::TestWithParam<Case> {};

TEST_P(TablelessCard, IsOfferedWholeAndItsFilesComeBack)
{
    const Case& c = GetParam();
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mcopy");
    REQUIRE_TOOL("tsk_recover");
    TestSupport::TempDir dir;
    const std::string source = dir / "src", disk = dir / "card.img";
    std::vector<TestSupport::WrittenFile> files;
    for (uint32_t i = 1; i <= 12; ++i)
        files.push_back(TestSupport::WriteTaggedFileUnder(
            source, (i % 3 ? "DCIM/IMG_" : "NOTE") + std::to_string(i) + ".BIN", i, (3 + 5 * i) * 512 + 17 * i));
    FatTest::MakeFat32Image(disk, diskMiB, "-I -s 1 -n CARD");
    RunOrFail("mcopy -s -i " + Quote(disk) + " " + Quote(source) + "/* ::/");
    for (const auto& [offset, value] : c.bytes)
        FatTest::Patch(disk, offset, {value});

    std::string partitions;
    TestSupport::RunCommand(TestSupport::ProbePath() + " partitions " + Quote(disk) + " 2>/dev/null", &partitions);
    EXPECT_TRUE(TestSupport::ParseJsonLines(partitions).empty()) << "the boot sector was read as a table:\n"
                                                                 << partitions;
    std::string list;
    TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(disk) + TestSupport::ProbePath() + " list", &list);
    const auto rows = TestSupport::ParseJsonLines(list);
    ASSERT_EQ(rows.size(), 1u) << list;
    EXPECT_EQ(rows[0]["startOffset"].get<uint64_t>(), 0u) << list;
    EXPECT_EQ(rows[0]["endOffset"].get<uint64_t>(), diskMiB << 20) << list;

    fs::create_directories(dir / "ours");
    std::vector<std::string> found;
    const auto ours = TestSupport::ProbeTally(files, disk, {}, dir / "ours", &found);
    fs::create_directories(dir / "tsk");
    const auto tsk = TestSupport::TskTally(files, disk, 0, dir / "tsk");
    TestSupport::PrintTallies(c.name, {{"velmora", ours}, {"tsk_recover", tsk}});

    const std::string listing = TestSupport::Listing(found);
    EXPECT_EQ(ours.foreign, 0u) << ::testing::PrintToString(ours.foreignPaths) << "\nlisted:\n" << listing;
    for (const auto& file : files)
        EXPECT_TRUE(ours.namedAs.count(file.path)) << file.path << " not recovered whole by name\nlisted:\n" << listing;
}

INSTANTIATE_TEST_SUITE_P(Fat32, TablelessCard,
                         ::testing::Values(Case{"TypeTextAndMediaByte", {{83, 'X'}, {21, 0x00}}},
                                           Case{"TypeText", {{82, 'X'}, {83, 'X'}}},
                                           Case{"MediaByte", {{21, 0x00}}}),
                         [](const auto& info) { return info.param.name; });

}
