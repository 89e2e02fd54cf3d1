// An NTFS volume (mkntfs at sector 2048, files tagged block by block written
// through ntfs-3g) behind MBR entries patched one sector off: a second entry
// overlapping it one sector on or one sector before, and a lone entry one
// sector on. Every volume the listing offers is scanned: every file comes
// back whole under its name and none holds another file's bytes (read from
// the entry's start, the volume was read 512 bytes off). tsk_recover reads
// each entry's start on the same disk, as a reader of the table would.
#include "NTFS/NtfsImage.h"
#include "support/ProbeOutput.h"
#include "support/RecoveryTally.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using TestSupport::Quote;
using TestSupport::RunOrFail;
namespace fs = std::filesystem;

namespace {

constexpr uint64_t volumeSector = 2048;
constexpr uint32_t volumeSectors = 40 * 2048;

struct Case {
    std::string name;
    std::vector<uint64_t> entrySectors; // where the table's entries begin, each volumeSectors long
    std::vector<uint64_t> listedSectors; // the partitions the listing offers
};

void PatchEntry(const std::string& disk, int slot, uint64_t first)
{
    std::fstream out(disk, std::ios::binary | std::ios::in | std::ios::out);
    uint8_t entry[16] = {0x00, 0xFE, 0xFF, 0xFF, 0x07, 0xFE, 0xFF, 0xFF};
    for (int i = 0; i < 4; ++i) {
        entry[8 + i] = static_cast<uint8_t>(first >> (8 * i));
        entry[12 + i] = static_cast<uint8_t>(volumeSectors >> (8 * i));
    }
    out.seekp(0x1BE + 16 * slot);
    out.write(reinterpret_cast<const char*>(entry), sizeof entry);
}

class MisplacedEntries : public ::testing::TestWithParam<Case> {};

TEST_P(MisplacedEntries, TheVolumeIsReadFromItsBootSectorOrNotThroughTheEntry)
{
    const Case& c = GetParam();
    REQUIRE_NTFS_TOOLS();
    REQUIRE_TOOL("sfdisk");
    REQUIRE_TOOL("tsk_recover");
    TestSupport::TempDir dir;
    const std::string source = dir / "src", part = dir / "part.img", disk = dir / "disk.img";
    std::vector<TestSupport::WrittenFile> files;
    for (uint32_t i = 1; i <= 14; ++i)
        files.push_back(TestSupport::WriteTaggedFileUnder(
            source, (i % 2 ? "Docs/page " : "Media/clip") + std::to_string(i) + ".bin", i, (2 + 6 * i) * 512 + 31 * i));
    NtfsImage::Make(part, volumeSectors / 2048, "-Q -p " + std::to_string(volumeSector),
                    "cp -r " + Quote(source) + "/. \"$M/\"\n");
    RunOrFail("truncate -s 64M " + Quote(disk) + " && echo 'start=" + std::to_string(volumeSector) +
              ", size=" + std::to_string(volumeSectors) + ", type=7' | sfdisk -q " + Quote(disk));
    RunOrFail("dd if=" + Quote(part) + " of=" + Quote(disk) + " bs=512 seek=" + std::to_string(volumeSector) +
              " conv=notrunc status=none");
    // sfdisk refuses entries that overlap: they are written into the table by hand.
    for (size_t slot = 0; slot < c.entrySectors.size(); ++slot)
        PatchEntry(disk, static_cast<int>(slot), c.entrySectors[slot]);

    std::string list;
    TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(disk) + TestSupport::ProbePath() + " list", &list);
    std::vector<uint64_t> listed;
    for (const auto& line : TestSupport::ParseJsonLines(list))
        listed.push_back(line["startOffset"].get<uint64_t>() / 512);
    EXPECT_EQ(listed, c.listedSectors) << list;

    fs::create_directories(dir / "ours");
    std::vector<std::string> found;
    const auto ours = TestSupport::ProbeTally(files, disk, {}, dir / "ours", &found);
    for (size_t i = 0; i < c.entrySectors.size(); ++i) {
        const std::string work = dir / ("tsk/" + std::to_string(i));
        fs::create_directories(work);
        TestSupport::TskTally(files, disk, c.entrySectors[i] * 512, work);
    }
    const auto tsk = TestSupport::TallyOutputs(files, dir / "tsk", "");
    TestSupport::PrintTallies(c.name, {{"velmora", ours}, {"tsk_recover", tsk}});

    const std::string listing = TestSupport::Listing(found);
    EXPECT_EQ(ours.foreign, 0u) << ::testing::PrintToString(ours.foreignPaths) << "\nlisted:\n" << listing;
    for (const auto& file : files)
        EXPECT_TRUE(ours.namedAs.count(file.path)) << file.path << " not recovered whole by name\nlisted:\n" << listing;
}

INSTANTIATE_TEST_SUITE_P(Ntfs, MisplacedEntries,
                         ::testing::Values(Case{"OverlapOneSectorOn", {2048, 2049}, {2048}},
                                           Case{"OverlapOneSectorBefore", {2048, 2047}, {2048, 2047}},
                                           Case{"OneEntryOneSectorOn", {2049}, {2048}}),
                         [](const auto& info) { return info.param.name; });

}
