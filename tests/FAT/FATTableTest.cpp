// The FAT32 and exFAT tables against mtools, The Sleuth Kit and dump.exfat.
#include "FAT/FATExplorer.h"
#include "FAT/FatImages.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

using namespace FatTest;
using namespace TestSupport;

namespace {

struct Fat32Case {
    const char* name;
    const char* options;
    uint64_t sizeMiB; // mtools reads a volume of fewer than 65,525 clusters as FAT16
};

std::vector<ClusterRange> RunsAsClusters(const FAT::FATTable& table, const std::vector<DataRun>& runs)
{
    std::vector<ClusterRange> ranges;
    for (const auto& run : runs) {
        const uint64_t first = (run.offset - table.DataStart()) / table.ClusterSize() + 2;
        ranges.push_back({first, first + run.length / table.ClusterSize() - 1});
    }
    return ranges;
}

// The clusters fsstat lists as allocated ("a-b (n) -> ..." in sectors).
std::set<uint64_t> FsstatAllocated(const std::string& image, const FAT::FATTable& table, uint32_t sectorSize)
{
    const std::string out = RunOrFail("fsstat " + Quote(image));
    std::set<uint64_t> clusters;
    const auto contents = out.find("FAT CONTENTS");
    static const std::regex row("(\\d+)-(\\d+) \\(\\d+\\) ->");
    for (auto it = std::sregex_iterator(out.begin() + static_cast<long>(contents), out.end(), row);
         it != std::sregex_iterator(); ++it) {
        const uint64_t first = std::stoull((*it)[1]) * sectorSize;
        const uint64_t last = std::stoull((*it)[2]) * sectorSize;
        for (uint64_t at = first; at <= last; at += table.ClusterSize())
            clusters.insert((at - table.DataStart()) / table.ClusterSize() + 2);
    }
    return clusters;
}

// The byte offsets of the sectors istat lists for the file named name (fls's first match).
std::vector<uint64_t> IstatSectorOffsets(const std::string& image, const std::string& name, uint32_t sectorSize)
{
    const std::string fls = RunOrFail("fls " + Quote(image));
    std::smatch m;
    if (!std::regex_search(fls, m, std::regex("r/r (\\d+):\\s+" + name)))
        return {};
    const std::string istat = RunOrFail("istat " + Quote(image) + " " + m[1].str());
    const std::string sectors = istat.substr(istat.find("Sectors:"));
    std::vector<uint64_t> offsets;
    static const std::regex number("\\b(\\d+)\\b");
    for (auto it = std::sregex_iterator(sectors.begin(), sectors.end(), number); it != std::sregex_iterator(); ++it)
        if (std::stoull((*it)[1]) != 0) // istat pads its last line with zeros
            offsets.push_back(std::stoull((*it)[1]) * sectorSize);
    return offsets;
}

class Fat32Tables : public ::testing::TestWithParam<Fat32Case> {};

TEST_P(Fat32Tables, AgreeWithMtoolsAndSleuthKit)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mshowfat");
    REQUIRE_TOOL("fsstat");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, GetParam().sizeMiB, GetParam().options);
    CopyPatternFile(image, dir.Path(), "::/SMALL.BIN", 3000, 1);
    RunOrFail("mmd -i " + Quote(image) + " ::/DCIM");
    CopyPatternFile(image, dir.Path(), "::/DCIM/PHOTO.JPG", 70000, 2);
    MakeFragmentedFile(image, dir.Path(), "::/MOVIE.MP4", 40000);

    const std::string minfo = RunOrFail("minfo -i " + Quote(image) + " ::");
    FAT::FAT32Explorer explorer(ImageVolume(image));
    const auto& g = explorer.reader->geometry;
    EXPECT_TRUE(g.fromBootSector);
    EXPECT_EQ(std::to_string(g.sectorSize) + " bytes", Field(minfo, "sector size"));
    EXPECT_EQ(std::to_string(g.clusterSize / g.sectorSize) + " sectors", Field(minfo, "cluster size"));
    EXPECT_EQ(std::to_string(g.tableCount), Field(minfo, "fats"));
    EXPECT_EQ(std::to_string(g.tableLength / g.sectorSize), Field(minfo, "Big fatlen"));
    EXPECT_EQ(std::to_string(g.rootCluster), Field(minfo, "rootCluster"));
    EXPECT_EQ(g.tableStart, std::stoull(Field(minfo, "reserved (boot) sectors")) * g.sectorSize);
    const std::string fsstat = RunOrFail("fsstat " + Quote(image));
    std::smatch range;
    const std::regex total("Total Cluster Range: 2 - (\\d+)");
    ASSERT_TRUE(std::regex_search(fsstat, range, total));
    EXPECT_EQ(explorer.table->EntryLimit(), std::stoull(range[1]) + 1);

    for (const char* file : {"::/SMALL.BIN", "::/DCIM/PHOTO.JPG", "::/MOVIE.MP4", "::/GAP5.BIN"}) {
        const auto expected = ShowFat(image, file);
        ASSERT_FALSE(expected.empty()) << file;
        EXPECT_EQ(RunsAsClusters(*explorer.table, explorer.table->GetClusterRuns(expected[0].first)), expected)
            << file;
    }
    EXPECT_GE(ShowFat(image, "::/MOVIE.MP4").size(), 2u) << "the fixture should be fragmented";

    // The complement of fsstat's allocated chains.
    const auto allocated = FsstatAllocated(image, *explorer.table, g.sectorSize);
    std::vector<FAT::FreeRange> expectedFree;
    for (uint64_t c = 2; c < explorer.table->EntryLimit(); ++c) {
        if (allocated.count(c))
            continue;
        if (!expectedFree.empty() &&
            expectedFree.back().first + expectedFree.back().second / g.clusterSize == c)
            expectedFree.back().second += g.clusterSize;
        else
            expectedFree.push_back({c, g.clusterSize});
    }
    EXPECT_EQ(explorer.table->GetFreeRanges(), expectedFree);
}

INSTANTIATE_TEST_SUITE_P(Layouts, Fat32Tables,
                         ::testing::Values(Fat32Case{"OneSectorClusters", "-s 1", 40},
                                           Fat32Case{"EightSectorClusters", "-s 8", 300},
                                           Fat32Case{"OneFat", "-s 1 -f 1", 40},
                                           Fat32Case{"FourKibSectors", "-S 4096 -s 1", 300}),
                         [](const auto& info) { return std::string(info.param.name); });

// The fragmented file's runs in bytes equal istat's sectors.
TEST(Fat32Table, RunsEqualIstatSectors)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("istat");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, 40, "-s 1");
    MakeFragmentedFile(image, dir.Path(), "::/MOVIE.MP4", 20000);
    FAT::FAT32Explorer explorer(ImageVolume(image));
    const auto expected = IstatSectorOffsets(image, "MOVIE.MP4", 512);
    const auto ranges = ShowFat(image, "::/MOVIE.MP4");
    std::vector<uint64_t> actual;
    for (const auto& run : explorer.table->GetClusterRuns(ranges[0].first))
        for (uint64_t at = run.offset; at < run.offset + run.length; at += 512)
            actual.push_back(at);
    EXPECT_EQ(actual, expected);
}

// How a chain ends: its own mark, or one damaged link of a file mtools wrote
// (its third cluster's entry), whose cluster no chain may run through.
TEST(Fat32Table, ChainEndsAtItsMarkOrAtADamagedLink)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mshowfat");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, 40, "-s 1");
    CopyPatternFile(image, dir.Path(), "::/FIVE.BIN", 5 * 512, 1);
    const auto ranges = ShowFat(image, "::/FIVE.BIN");
    ASSERT_EQ(ranges.size(), 1u);
    const uint64_t first = ranges[0].first;
    const auto boot = ReadBytes(image, 0, 512);
    const uint64_t fatStart = (uint64_t{boot[14]} | uint64_t{boot[15]} << 8) * 512;
    struct Case {
        const char* what;
        uint32_t thirdEntry; // 0xFFFFFFFF: left as written
        FAT::ChainEnd end;
        uint64_t clusters;
    };
    for (const Case& c : {
             Case{"as written", 0xFFFFFFFF, FAT::ChainEnd::Mark, 5},
             Case{"end mark early", 0x0FFFFFFF, FAT::ChainEnd::Mark, 3},
             Case{"bad-cluster mark", 0x0FFFFFF7, FAT::ChainEnd::Broken, 3},
             Case{"link to itself", static_cast<uint32_t>(first + 2), FAT::ChainEnd::Broken, 3},
             Case{"link past the table", 0x0FFFFF00, FAT::ChainEnd::Broken, 3},
             Case{"link to a free cluster", 70000, FAT::ChainEnd::Broken, 3},
             Case{"own entry free", 0, FAT::ChainEnd::Broken, 2},
         }) {
        // One image a case: the engine's read cache knows a path's bytes.
        const std::string damaged = dir / (std::string(c.what) + ".img");
        std::filesystem::copy_file(image, damaged, std::filesystem::copy_options::overwrite_existing);
        if (c.thirdEntry != 0xFFFFFFFF)
            PatchU32(damaged, fatStart + 4 * (first + 2), c.thirdEntry);
        FAT::FAT32Explorer explorer(ImageVolume(damaged));
        FAT::ChainEnd end = c.end == FAT::ChainEnd::Mark ? FAT::ChainEnd::Broken : FAT::ChainEnd::Mark;
        const auto runs = explorer.table->GetClusterRuns(first, &end);
        EXPECT_EQ(end, c.end) << c.what;
        EXPECT_EQ(RunsAsClusters(*explorer.table, runs), (std::vector<ClusterRange>{{first, first + c.clusters - 1}}))
            << c.what;
    }
}

// Chains through the same window logic on exFAT, checked by dump.exfat and istat.
TEST(ExFatTable, GeometryAndFragmentedChain)
{
    REQUIRE_TOOL("dump.exfat");
    TempDir dir;
    const std::string image = dir / "exfat.img";
    ExFatMount mount(image, 64, dir / "mnt");
    if (!mount.ok)
        GTEST_SKIP() << mount.why;
    const std::string mnt = mount.mountPoint;
    for (int i = 1; i <= 5; ++i)
        RunOrFail("head -c 40000 /dev/urandom > " + Quote(mnt + "/gap" + std::to_string(i)));
    RunOrFail("sync; rm " + Quote(mnt + "/gap2") + " " + Quote(mnt + "/gap4") + "; sync");
    RunOrFail("head -c 150000 /dev/urandom > " + Quote(mnt + "/movie.mp4"));
    mount.Finish();

    FAT::ExFATExplorer explorer(ImageVolume(image));
    const auto& g = explorer.reader->geometry;
    const std::string dump = RunOrFail("dump.exfat " + Quote(image));
    EXPECT_TRUE(g.fromBootSector);
    EXPECT_EQ(std::to_string(g.tableStart / g.sectorSize), Field(dump, "FAT Offset(sector offset)"));
    EXPECT_EQ(std::to_string(g.tableLength / g.sectorSize), Field(dump, "FAT Length(sectors)"));
    EXPECT_EQ(std::to_string(g.dataStart / g.sectorSize), Field(dump, "Cluster Heap Offset (sector offset)"));
    EXPECT_EQ(std::to_string(g.clusterCount), Field(dump, "Cluster Count"));
    EXPECT_EQ(std::to_string(g.rootCluster), Field(dump, "Root Cluster (cluster offset)"));
    EXPECT_EQ(1u << std::stoul(Field(dump, "Sector Size Bits")), g.sectorSize);

    const auto expected = IstatSectorOffsets(image, "movie.mp4", g.sectorSize);
    ASSERT_FALSE(expected.empty());
    const uint64_t first = (expected[0] - g.dataStart) / g.clusterSize + 2;
    std::vector<uint64_t> actual;
    const auto runs = explorer.table->GetClusterRuns(first);
    EXPECT_GE(runs.size(), 2u) << "exfat-fuse should have written a fragmented chain";
    for (const auto& run : runs)
        for (uint64_t at = run.offset; at < run.offset + run.length; at += g.sectorSize)
            actual.push_back(at);
    // istat stops at the file's size, the chain at its last cluster's end.
    ASSERT_GE(actual.size(), expected.size());
    EXPECT_LT(actual.size() - expected.size(), g.clusterSize / g.sectorSize);
    actual.resize(expected.size());
    EXPECT_EQ(actual, expected);
}

}
