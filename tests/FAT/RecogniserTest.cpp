// The FAT32 and exFAT recognisers on blocks cut from real volumes.
#include "FAT/FATExplorer.h"
#include "FAT/FATRecognize.h"
#include "FAT/FatImages.h"
#include "support/DiskImages.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>

using namespace FatTest;
using namespace TestSupport;

namespace {

std::vector<uint8_t> Block(const std::string& image, const FAT::FATTable& table, uint64_t cluster, size_t length = 512)
{
    return ReadBytes(image, table.ClusterOffset(cluster), length);
}

std::vector<std::vector<uint8_t>> NoiseBlocks()
{
    std::vector<uint8_t> zero(512, 0);
    std::vector<uint8_t> random(512);
    std::mt19937 rng(42);
    for (auto& b : random)
        b = static_cast<uint8_t>(rng());
    std::string text;
    while (text.size() < 512)
        text += "The quick brown fox jumps over the lazy dog. 0123456789\n";
    std::vector<uint8_t> prose(text.begin(), text.begin() + 512);
    return {zero, random, prose};
}

TEST(Fat32Recognise, BlocksOfARealVolume)
{
    REQUIRE_TOOL("mkfs.fat");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, 40, "-s 1");
    for (const char* name : {"::/A rather long file name.jpeg", "::/Another long name.txt", "::/third file name.bin"})
        CopyPatternFile(image, dir.Path(), name, 100, 1);
    RunOrFail("mmd -i " + Quote(image) + " ::/Holiday");
    CopyPatternFile(image, dir.Path(), "::/Holiday/IMG_0001.JPG", 100, 2);
    RunOrFail("mmd -i " + Quote(image) + " ::/Gone");
    for (int i = 0; i < 12; ++i)
        CopyPatternFile(image, dir.Path(), "::/Gone/deleted photo " + std::to_string(i) + ".jpg", 10, 3);
    RunOrFail("mdel -i " + Quote(image) + " '::/Gone/deleted photo *.jpg'");

    FAT::FAT32Explorer explorer(ImageVolume(image));
    const auto& table = *explorer.table;
    FAT::FAT32Recognize recognise;
    const auto holiday = ShowFat(image, "::/Holiday")[0].first;
    const auto gone = ShowFat(image, "::/Gone")[0].first;
    const auto root = Block(image, table, 2);
    const auto folderStart = Block(image, table, holiday);
    const auto afterDelete = Block(image, table, gone);
    // mtools keeps the creation time in bytes 12-15 of "." and "..".
    EXPECT_NE(std::memcmp(folderStart.data() + 12, "\0\0\0\0", 4), 0);
    EXPECT_TRUE(recognise.IsDirectoryBlock(0, root.data(), root.size()));
    EXPECT_TRUE(recognise.IsDirectoryStart(0, folderStart.data(), folderStart.size()));
    EXPECT_TRUE(recognise.IsDirectoryBlock(0, folderStart.data(), folderStart.size()));
    EXPECT_FALSE(recognise.IsDirectoryStart(0, root.data(), root.size()));
    // The folder's second cluster holds only deleted entries.
    std::vector<uint64_t> goneClusters;
    for (const auto& [first, last] : ShowFat(image, "::/Gone"))
        for (uint64_t c = first; c <= last; ++c)
            goneClusters.push_back(c);
    ASSERT_GE(goneClusters.size(), 2u);
    const auto deletedOnly = Block(image, table, goneClusters[1]);
    EXPECT_EQ(deletedOnly[0], 0xE5);
    EXPECT_TRUE(recognise.IsDirectoryBlock(0, afterDelete.data(), afterDelete.size()));
    EXPECT_TRUE(recognise.IsDirectoryBlock(0, deletedOnly.data(), deletedOnly.size()));
    for (const auto& noise : NoiseBlocks()) {
        EXPECT_FALSE(recognise.IsDirectoryBlock(0, noise.data(), noise.size()));
        EXPECT_FALSE(recognise.IsDirectoryStart(0, noise.data(), noise.size()));
    }
}

TEST(Fat32Recognise, ImplausibleEntries)
{
    // One live short entry, then zeros: its dates decide.
    auto entry = [](uint16_t date, uint8_t attribute) {
        std::vector<uint8_t> block(512, 0);
        std::memcpy(block.data(), "PHOTO   JPG", 11);
        block[11] = attribute;
        for (int at : {16, 18, 24}) {
            block[at] = uint8_t(date);
            block[at + 1] = uint8_t(date >> 8);
        }
        block[26] = 3;
        return block;
    };
    const uint16_t y2020 = (40 << 9) | (6 << 5) | 15;
    const uint16_t y1979 = (0 << 9) | (0 << 5) | 0;
    const uint16_t y2100 = (120 << 9) | (6 << 5) | 15;
    FAT::FAT32Recognize recognise;
    EXPECT_TRUE(recognise.IsDirectoryBlock(0, entry(y2020, 0x20).data(), 512));
    EXPECT_FALSE(recognise.IsDirectoryBlock(0, entry(y1979, 0x20).data(), 512));
    EXPECT_FALSE(recognise.IsDirectoryBlock(0, entry(y2100, 0x20).data(), 512));
    EXPECT_FALSE(recognise.IsDirectoryBlock(0, entry(y2020, 0x30).data(), 512));
    auto deleted = entry(y1979, 0x20);
    deleted[0] = 0xE5;
    auto rest = entry(y2020, 0x20);
    std::memcpy(deleted.data() + 32, rest.data(), 32);
    EXPECT_FALSE(recognise.IsDirectoryBlock(0, deleted.data(), 512));
}

// Dates are judged by their fields, never through the process's time zone:
// 1980-01-01 00:00, a camera's date before its clock is set, passes east and
// west of Greenwich, and a day its month lacks fails.
TEST(Fat32Recognise, DatesJudgedByTheirFields)
{
    auto entry = [](uint16_t date, uint16_t time) {
        std::vector<uint8_t> block(512, 0);
        std::memcpy(block.data(), "IMG_0001JPG", 11);
        block[11] = 0x20;
        for (int at : {16, 18, 24}) {
            block[at] = uint8_t(date);
            block[at + 1] = uint8_t(date >> 8);
        }
        for (int at : {14, 22}) {
            block[at] = uint8_t(time);
            block[at + 1] = uint8_t(time >> 8);
        }
        block[26] = 3;
        block[28] = 0x45; // 74565 bytes
        block[29] = 0x23;
        block[30] = 0x01;
        return block;
    };
    auto date = [](unsigned year, unsigned month, unsigned day) {
        return static_cast<uint16_t>((year - 1980) << 9 | month << 5 | day);
    };
    auto time = [](unsigned hour, unsigned minute, unsigned second) {
        return static_cast<uint16_t>(hour << 11 | minute << 5 | second / 2);
    };
    const char* previous = std::getenv("TZ");
    const std::string saved = previous ? previous : "";
    struct Case {
        uint16_t date;
        uint16_t time;
        bool plausible;
    };
    for (const char* zone : {"UTC0", "JST-9", "HST10", "NZST-12NZDT,M9.5.0,M4.1.0/3"}) {
        SCOPED_TRACE(zone);
        ::setenv("TZ", zone, 1);
        ::tzset();
        FAT::FAT32Recognize recognise;
        for (const Case& c : {Case{date(1980, 1, 1), 0, true}, Case{date(2020, 2, 29), time(23, 59, 58), true},
                              Case{date(2021, 2, 29), 0, false}, Case{date(2021, 4, 31), 0, false},
                              Case{date(1981, 0, 10), 0, false}, Case{date(1981, 13, 10), 0, false},
                              Case{date(2020, 6, 0), 0, false}, Case{date(2020, 6, 1), time(24, 0, 0), false},
                              Case{date(2020, 6, 1), time(12, 60, 0), false}}) {
            const auto block = entry(c.date, c.time);
            EXPECT_EQ(recognise.IsDirectoryBlock(0, block.data(), block.size()), c.plausible)
                << std::hex << c.date << " " << c.time;
        }
    }
    if (previous)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

TEST(Fat32Recognise, BootSectors)
{
    REQUIRE_TOOL("mkfs.fat");
    TempDir dir;
    const std::string one = dir / "one.img";
    const std::string two = dir / "two.img";
    MakeFat32Image(one, 40, "-s 1 -i 11111111");
    MakeFat32Image(two, 40, "-s 1 -i 22222222");
    const auto primary = ReadBytes(one, 0, 512);
    const auto backup = ReadBytes(one, 6 * 512, 512);
    const auto other = ReadBytes(two, 0, 512);
    FAT::FAT32Recognize recognise;
    EXPECT_TRUE(recognise.CheckBootSector(primary.data()));
    EXPECT_FALSE(recognise.CheckBootSector(backup.data()));
    EXPECT_TRUE(recognise.CheckBootSector(other.data()));
    FAT::FAT32Recognize knowing({0x22222222});
    EXPECT_FALSE(knowing.CheckBootSector(other.data()));
    EXPECT_TRUE(knowing.CheckBootSector(primary.data()));

    const std::string locked = dir / "locked.img";
    MakeFat32Image(locked, 40, "-s 1 -i 33333333");
    WriteBitLockerBootSector(locked, 0);
    auto header = ReadBytes(locked, 0, 512);
    std::memcpy(header.data() + 82, "FAT32   ", 8);
    FAT::FAT32Recognize fresh;
    EXPECT_FALSE(fresh.CheckBootSector(header.data()));
    FAT::ExFATRecognize exfat;
    EXPECT_FALSE(exfat.CheckBootSector(primary.data()));
}

TEST(ExFatRecognise, BlocksAndBootSectors)
{
    TempDir dir;
    const std::string image = dir / "exfat.img";
    ExFatMount mount(image, 64, dir / "mnt");
    if (!mount.ok)
        GTEST_SKIP() << mount.why;
    RunOrFail("mkdir " + Quote(mount.mountPoint + "/Holiday"));
    for (const char* name : {"/a.jpg", "/Holiday/A long name of a photo.jpeg", "/Holiday/b.txt", "/Holiday/c.txt"})
        RunOrFail("echo data > " + Quote(mount.mountPoint + name));
    RunOrFail("sync; rm " + Quote(mount.mountPoint + "/Holiday/b.txt"));
    mount.Finish();

    FAT::ExFATExplorer explorer(ImageVolume(image));
    const auto& table = *explorer.table;
    const auto& g = explorer.reader->geometry;
    FAT::ExFATRecognize recognise;
    const auto root = Block(image, table, g.rootCluster);
    EXPECT_TRUE(recognise.IsDirectoryStart(0, root.data(), root.size()));
    EXPECT_TRUE(recognise.IsDirectoryBlock(0, root.data(), root.size()));
    // The folder's first cluster: found through the root's stream entry.
    uint64_t folder = 0;
    for (size_t at = 0; at + 64 <= root.size(); at += 32)
        if (root[at] == 0x85 && (root[at + 4] & 0x10) && root[at + 32] == 0xC0)
            std::memcpy(&folder, root.data() + at + 32 + 20, 4);
    ASSERT_GE(folder, 2u);
    const auto sub = Block(image, table, folder);
    EXPECT_TRUE(recognise.IsDirectoryBlock(0, sub.data(), sub.size()));
    EXPECT_FALSE(recognise.IsDirectoryStart(0, sub.data(), sub.size()));
    for (const auto& noise : NoiseBlocks())
        EXPECT_FALSE(recognise.IsDirectoryBlock(0, noise.data(), noise.size()));

    const auto primary = ReadBytes(image, 0, 512);
    const auto backup = ReadBytes(image, 12 * 512, 512);
    EXPECT_TRUE(recognise.CheckBootSector(primary.data()));
    EXPECT_FALSE(recognise.CheckBootSector(backup.data()));
    FAT::FAT32Recognize fat32;
    EXPECT_FALSE(fat32.CheckBootSector(primary.data()));
}

}
