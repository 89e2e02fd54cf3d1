// Damaged directories: random bytes, a folder chain that loops back on
// itself, entries with sizes and clusters far past the volume. The scans log
// and go on: no crash, no hang, no run past the volume.
#include "FAT/ExFATDataRecovery.h"
#include "FAT/FAT32DataRecovery.h"
#include "FAT/FatImages.h"
#include "FAT/TableEngine.h"
#include "support/DiskImages.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

using namespace FatTest;
using namespace TestSupport;

namespace {

std::vector<uint8_t> Noise(size_t size, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(random());
    return bytes;
}

void ExpectRunsInside(const std::vector<Reported>& files, uint64_t volume)
{
    for (const auto& f : files)
        for (const auto& run : f.runs)
            EXPECT_LE(run.offset + run.length, volume) << f.path;
}

TEST(HostileDirectories, Fat32)
{
    REQUIRE_TOOL("mkfs.fat");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, 40, "-s 1");
    RunOrFail("mmd -i " + Quote(image) + " ::/Pics ::/Loop");
    for (int n = 0; n < 30; ++n)
        CopyPatternFile(image, dir.Path(), "::/Pics/photo number " + std::to_string(n) + ".jpg", 600, n);
    const auto pics = ShowFat(image, "::/Pics");
    const auto loop = ShowFat(image, "::/Loop")[0].first;
    uint64_t fatStart = 0;
    {
        FAT::FAT32Explorer explorer(ImageVolume(image));
        fatStart = explorer.reader->geometry.tableStart;
        // Noise over the second cluster of Pics, a loop in Loop's chain, and an
        // entry with a first cluster and size far past the volume.
        Patch(image, explorer.table->ClusterOffset(pics[0].first + 1), Noise(512, 1));
        std::vector<uint8_t> huge(32, 0);
        std::memcpy(huge.data(), "HUGE    BIN", 11);
        huge[11] = 0x20;
        huge[16] = 0x21; huge[17] = 0x50; huge[24] = 0x21; huge[25] = 0x50; huge[18] = 0x21; huge[19] = 0x50;
        huge[20] = 0xFF; huge[21] = 0x0F; huge[26] = 0xFF; huge[27] = 0xFF;
        huge[28] = 0xFF; huge[29] = 0xFF; huge[30] = 0xFF; huge[31] = 0xFF;
        Patch(image, explorer.table->ClusterOffset(loop) + 64, huge);
    }
    PatchU32(image, fatStart + 4 * loop, static_cast<uint32_t>(loop));
    const std::string copy = dir / "damaged.img";
    std::filesystem::copy_file(image, copy);

    Recorder recorder;
    FAT::FAT32DataRecovery engine(ImageVolume(copy), {}, recorder.Callback());
    EXPECT_EQ(engine.Start("X:\\"), 0);
    engine.ScanRaw();
    engine.AfterScanRaw();
    const auto files = recorder.Files();
    EXPECT_GE(files.size(), 10u);
    ExpectRunsInside(files, engine.GetScanSize());
}

TEST(HostileDirectories, ExFat)
{
    REQUIRE_TOOL("mkfs.exfat");
    TempDir dir;
    const std::string image = dir / "exfat.img";
    MakeSparseFile(image, 32 * 1024 * 1024);
    RunOrFail("mkfs.exfat " + Quote(image));
    {
        FAT::ExFATExplorer explorer(ImageVolume(image));
        const uint64_t root = explorer.table->ClusterOffset(explorer.reader->geometry.rootCluster);
        // After the volume's own entries: a folder and a file whose cluster
        // and length lie far past the volume, a folder of noise, then noise.
        std::vector<uint8_t> sets(4 * 96, 0);
        auto set = [&](size_t at, uint16_t attributes, uint32_t first, uint64_t length, uint8_t flags) {
            sets[at] = 0x85;
            sets[at + 1] = 2;
            sets[at + 4] = static_cast<uint8_t>(attributes);
            sets[at + 32] = 0xC0;
            sets[at + 33] = flags;
            sets[at + 35] = 4;
            std::memcpy(&sets[at + 52], &first, 4);
            std::memcpy(&sets[at + 56], &length, 8);
            sets[at + 64] = 0xC1;
            const char16_t name[] = u"name";
            for (int i = 0; i < 4; ++i)
                sets[at + 66 + 2 * i] = static_cast<uint8_t>(name[i] + at / 96);
        };
        set(0, 0x10, 0xFFFFFFF0, ~uint64_t{0}, 3);
        set(96, 0x20, 0x7FFFFFFF, ~uint64_t{0} / 2, 3);
        set(192, 0x10, 10, 1 << 20, 3);
        set(288, 0x20, 11, ~uint64_t{0}, 1);
        Patch(image, root + 96, sets);
        Patch(image, explorer.table->ClusterOffset(10), Noise(1 << 16, 2));
    }
    const std::string copy = dir / "damaged.img";
    std::filesystem::copy_file(image, copy);
    Recorder recorder;
    FAT::ExFATDataRecovery engine(ImageVolume(copy), {}, recorder.Callback());
    EXPECT_EQ(engine.Start("X:\\"), 0);
    engine.ScanRaw();
    engine.AfterScanRaw();
    ExpectRunsInside(recorder.Files(), engine.GetScanSize());
}

}
