// Damaged boot sectors and tables: the backup boot sector or the guesses take
// over, chains end where their links break, and nothing reads past the caps.
#include "FAT/FATExplorer.h"
#include "FAT/FatImages.h"
#include "support/DiskImages.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace FatTest;
using namespace TestSupport;

namespace {

struct BootPatch {
    const char* name;
    bool exfat;
    uint64_t offset;
    std::vector<uint8_t> bytes;
    const char* expectedSource; // "backup" or "guess"
    bool damageBackupToo;
};

std::vector<uint8_t> U32(uint32_t v)
{
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

class HostileBootSectors : public ::testing::TestWithParam<BootPatch> {
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        if (HaveTool("mkfs.fat")) {
            MakeFat32Image(*dir / "fat32.img", 40, "-s 1");
            CopyPatternFile(*dir / "fat32.img", dir->Path(), "::/A.BIN", 5000, 7);
        }
        if (HaveTool("mkfs.exfat")) {
            MakeSparseFile(*dir / "exfat.img", 64 * 1024 * 1024);
            RunOrFail("mkfs.exfat " + Quote(*dir / "exfat.img"));
        }
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    static TempDir* dir;
};

TempDir* HostileBootSectors::dir = nullptr;

TEST_P(HostileBootSectors, FallBackSafely)
{
    const auto& p = GetParam();
    const std::string original = *dir / (p.exfat ? "exfat.img" : "fat32.img");
    REQUIRE_TOOL(p.exfat ? "mkfs.exfat" : "mkfs.fat");
    ASSERT_TRUE(std::filesystem::exists(original)) << original;
    TempDir work;
    const std::string image = work / "damaged.img";
    std::filesystem::copy_file(original, image);
    Patch(image, p.offset, p.bytes);
    if (p.damageBackupToo)
        Patch(image, (p.exfat ? 12 : 6) * 512 + p.offset, p.bytes);

    FAT::VolumeGeometry g;
    if (p.exfat) {
        FAT::ExFATExplorer explorer(ImageVolume(image));
        g = explorer.reader->geometry;
        EXPECT_LE(explorer.table->GetClusterRuns(g.rootCluster).size(), 1u);
    } else {
        FAT::FAT32Explorer explorer(ImageVolume(image));
        g = explorer.reader->geometry;
        const auto runs = explorer.table->GetClusterRuns(3);
        if (!g.hasTable) {
            // The FAT's place is unknown: one cluster, never the reserved area read as links.
            ASSERT_EQ(runs.size(), 1u);
            EXPECT_EQ(runs[0].length, g.clusterSize);
            EXPECT_TRUE(explorer.table->GetFreeRanges().empty());
        }
    }
    EXPECT_NE(g.source.find(p.expectedSource), std::string::npos) << g.source;
    EXPECT_GE(g.sectorSize, 512u);
    EXPECT_LE(g.clusterSize, 32u * 1024 * 1024);
    EXPECT_LT(g.dataStart, std::filesystem::file_size(image));
}

const std::vector<uint8_t> zero16{0, 0};

INSTANTIATE_TEST_SUITE_P(
    Fields, HostileBootSectors,
    ::testing::Values(BootPatch{"Fat32SectorSizeZero", false, 11, zero16, "backup", false},
                      BootPatch{"Fat32SectorSize3000", false, 11, {0xB8, 0x0B}, "backup", false},
                      BootPatch{"Fat32ClusterNotPowerOfTwo", false, 13, {3}, "backup", false},
                      BootPatch{"Fat32ClusterZero", false, 13, {0}, "backup", false},
                      BootPatch{"Fat32FatPastVolume", false, 36, U32(0x7FFFFFFF), "backup", false},
                      BootPatch{"Fat32RootClusterPastEnd", false, 44, U32(0x0FFFFFF0), "backup", false},
                      BootPatch{"Fat32NoFats", false, 16, {0}, "backup", false},
                      BootPatch{"Fat32BothDamaged", false, 13, {0}, "guess", true},
                      BootPatch{"Fat32BitLocker", false, 3, {'-', 'F', 'V', 'E', '-', 'F', 'S', '-'}, "guess", true},
                      BootPatch{"ExFatClusterShift62", true, 109, {53}, "backup", false},
                      BootPatch{"ExFatSectorShift31", true, 108, {31}, "backup", false},
                      BootPatch{"ExFatClusterOver32MiB", true, 109, {17}, "backup", false},
                      BootPatch{"ExFatFatPastVolume", true, 80, U32(0x00FFFFFF), "backup", false},
                      BootPatch{"ExFatHeapPastVolume", true, 88, U32(0x7FFFFFFF), "backup", false},
                      BootPatch{"ExFatBothDamaged", true, 109, {40}, "guess", true}),
    [](const auto& info) { return std::string(info.param.name); });

// Links of a damaged table: loops, a link to 1, a link past the data area,
// and the reserved top bits of FAT32 entries.
class HostileChains : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TOOL("mkfs.fat");
        image = dir / "card.img";
        MakeFat32Image(image, 40, "-s 1");
        CopyPatternFile(image, dir.Path(), "::/A.BIN", 4 * 512, 1);   // clusters 3-6
        CopyPatternFile(image, dir.Path(), "::/B.BIN", 2 * 512, 2);   // clusters 7-8
        ASSERT_EQ(ShowFat(image, "::/A.BIN"), (std::vector<ClusterRange>{{3, 6}}));
        const auto boot = ReadBytes(image, 0, 512);
        fatStart = uint64_t(boot[14] | boot[15] << 8) * 512;
    }
    void Link(uint32_t cluster, uint32_t value) { PatchU32(image, fatStart + 4 * cluster, value); }
    // A copy under a new name: the read-ahead cache keeps what it read of a path.
    std::string Snapshot()
    {
        const std::string copy = dir / ("copy" + std::to_string(++copies) + ".img");
        std::filesystem::copy_file(image, copy);
        return copy;
    }

    TempDir dir;
    std::string image;
    uint64_t fatStart = 0;
    int copies = 0;
};

TEST_F(HostileChains, LoopEndsAfterTheVolumesClusters)
{
    Link(6, 3);
    FAT::FAT32Explorer explorer(ImageVolume(image));
    const auto runs = explorer.table->GetClusterRuns(3);
    uint64_t total = 0;
    for (const auto& run : runs)
        total += run.length;
    EXPECT_LE(total, explorer.table->ClusterCount() * 512);
    EXPECT_EQ(runs.front().offset, explorer.table->ClusterOffset(3));
}

TEST_F(HostileChains, BadLinksKeepTheRunsFound)
{
    struct Case {
        uint32_t value;
        std::vector<ClusterRange> expected;
    };
    for (const Case& c : {Case{1, {{3, 6}}}, Case{0x0FFFFF00, {{3, 6}}}, Case{0x0FFFFFF7, {{3, 6}}},
                          Case{0x10000007, {{3, 8}}}, Case{0xF0000009, {{3, 6}, {9, 9}}}}) {
        Link(6, c.value);
        if (c.value == 0xF0000009)
            Link(9, 0x0FFFFFFF);
        FAT::FAT32Explorer explorer(ImageVolume(Snapshot()));
        std::vector<ClusterRange> got;
        for (const auto& run : explorer.table->GetClusterRuns(3)) {
            const uint64_t first = (run.offset - explorer.table->DataStart()) / 512 + 2;
            got.push_back({first, first + run.length / 512 - 1});
        }
        EXPECT_EQ(got, c.expected) << std::hex << c.value;
    }
}

TEST_F(HostileChains, FirstClusterOutsideTheDataAreaHasNoRuns)
{
    FAT::FAT32Explorer explorer(ImageVolume(image));
    for (uint64_t cluster : {uint64_t{0}, uint64_t{1}, explorer.table->EntryLimit(), uint64_t{0xFFFFFFFF}})
        EXPECT_TRUE(explorer.table->GetClusterRuns(cluster).empty()) << cluster;
    EXPECT_THROW(explorer.table->NextCluster(1), std::out_of_range);
}

}
