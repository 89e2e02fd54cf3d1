// exFAT volumes (mkfs.exfat, files tagged block by block and two pictures
// written through exfat-fuse) in a disk whose table is wiped, damaged where
// the raw search must place them: the main boot sector's name (the backup
// region gives the volume at its place), both boot regions (the root's
// up-case table and bitmap give the cluster heap), and with them the root's
// up-case checksum (nothing places the folders: their files are listed
// without data). No recovered file may hold another file's bytes; photorec
// and tsk_recover run on the same disk, and the figures of all three print.
#include "FAT/FatImages.h"
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

constexpr uint64_t MiB = 1024 * 1024;
constexpr uint64_t volumeStart = 1 * MiB;

enum class Damage { MainBootSectorName, BootRegions, BootRegionsAndUpcaseChecksum };

struct Case {
    std::string name;
    Damage damage;
    bool placed; // the raw search can place the folders: every file comes back by name
};

std::vector<TestSupport::WrittenFile> WriteVolume(const TestSupport::TempDir& dir, const std::string& part,
                                                  std::string* why)
{
    FatTest::ExFatMount mount(part, 64, dir / "mnt");
    if (!mount.ok) {
        *why = mount.why;
        return {};
    }
    std::vector<TestSupport::WrittenFile> files;
    const auto add = [&](const std::string& path, const std::string& bytes) {
        std::ofstream(mount.mountPoint + "/" + path, std::ios::binary) << bytes;
        files.push_back({path, bytes});
    };
    fs::create_directories(mount.mountPoint + "/DCIM/100CAM");
    fs::create_directories(mount.mountPoint + "/Docs");
    for (uint32_t i = 1; i <= 20; ++i)
        files.push_back(TestSupport::WriteTaggedFileUnder(
            mount.mountPoint, (i % 2 ? "DCIM/100CAM/shot " : "Docs/note ") + std::to_string(i) + ".bin", i,
            (3 + 7 * i) * 512 + i * 13));
    for (const auto& [name, width] : {std::pair{"rose.jpg", 320}, std::pair{"rose.png", 180}}) {
        const std::string local = dir / name;
        RunOrFail("convert rose: -resize " + std::to_string(width) + "x " + Quote(local));
        std::ifstream in(local, std::ios::binary);
        add(std::string("DCIM/100CAM/") + name, {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    }
    mount.Finish();
    return files;
}

// The root directory's first block: the one beginning with the volume label entry and holding the up-case entry.
uint64_t RootOffset(const std::string& part)
{
    std::ifstream in(part, std::ios::binary);
    std::vector<uint8_t> block(512);
    for (uint64_t at = 0; in.read(reinterpret_cast<char*>(block.data()), 512); at += 512)
        if ((block[0] == 0x83 || block[0] == 0x03) && block[32] == 0x81 && block[64] == 0x82)
            return at;
    return 0;
}

class LostExFat : public ::testing::TestWithParam<Case> {};

TEST_P(LostExFat, FilesComeBackWholeWhereTheVolumeIsPlacedAndNoneHoldsAnothersBytes)
{
    const Case& c = GetParam();
    for (const char* tool : {"mkfs.exfat", "convert", "sfdisk", "photorec", "tsk_recover"})
        REQUIRE_TOOL(tool);
    TestSupport::TempDir dir;
    const std::string part = dir / "part.img", disk = dir / "disk.img";
    std::string why;
    const auto files = WriteVolume(dir, part, &why);
    if (files.empty())
        SKIP_FOR_MISSING(why);

    switch (c.damage) {
    case Damage::MainBootSectorName:
        FatTest::Patch(part, 3, {'Y'});
        break;
    case Damage::BootRegionsAndUpcaseChecksum: {
        const uint64_t root = RootOffset(part);
        ASSERT_NE(root, 0u);
        FatTest::PatchU32(part, root + 64 + 4, 0x12345678);
        [[fallthrough]];
    }
    case Damage::BootRegions:
        FatTest::Patch(part, 0, std::vector<uint8_t>(24 * 512, 0));
        break;
    }
    RunOrFail("truncate -s 96M " + Quote(disk));
    RunOrFail("echo 'start=" + std::to_string(volumeStart / 512) + ", size=" + std::to_string(64 * MiB / 512) +
              ", type=7' | sfdisk -q " + Quote(disk));
    RunOrFail("dd if=" + Quote(part) + " of=" + Quote(disk) + " bs=1M seek=1 conv=notrunc status=none");
    RunOrFail("sfdisk -q --delete " + Quote(disk));

    fs::create_directories(dir / "ours");
    std::vector<std::string> found;
    const auto ours = TestSupport::ProbeTally(files, disk, {0}, dir / "ours", &found);
    const auto photorec = TestSupport::PhotorecTally(files, disk, dir.Path().string());
    const auto tsk = TestSupport::TskTally(files, disk, volumeStart, dir.Path().string());
    TestSupport::PrintTallies(c.name, {{"velmora", ours}, {"photorec", photorec}, {"tsk_recover", tsk}});

    const std::string listing = TestSupport::Listing(found);
    EXPECT_EQ(ours.foreign, 0u) << ::testing::PrintToString(ours.foreignPaths) << "\nlisted:\n" << listing;
    EXPECT_EQ(found.size() >= files.size(), true) << "every file is listed, with data or without\n" << listing;
    if (!c.placed)
        return;
    for (const auto& file : files) {
        SCOPED_TRACE(file.path);
        const auto named = ours.namedAs.find(file.path);
        ASSERT_TRUE(named != ours.namedAs.end()) << "listed:\n" << listing;
        EXPECT_EQ(named->second.front(), file.path);
    }
}

INSTANTIATE_TEST_SUITE_P(Damaged, LostExFat,
                         ::testing::Values(Case{"MainBootSectorName", Damage::MainBootSectorName, true},
                                           Case{"BootRegionsGone", Damage::BootRegions, true},
                                           Case{"UpcaseChecksumToo", Damage::BootRegionsAndUpcaseChecksum, false}),
                         [](const auto& info) { return info.param.name; });

}
