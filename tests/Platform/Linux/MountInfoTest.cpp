#include "Platform/Linux/BlockDevices.h"
#include "Platform/Linux/FileSystemProbe.h"
#include "Platform/Linux/MountInfo.h"
#include "Platform/Linux/SystemRoots.h"

#include <gtest/gtest.h>

using namespace Platform;

TEST(MountInfo, ParsesFieldsOptionalTagsAndEscapes)
{
    const std::string text =
        "36 35 98:0 /mnt1 /mnt/parent\\040dir\\011tab rw,noatime master:1 shared:7 - ext3 /dev/root rw,errors=continue\n"
        "40 1 8:17 / /media/a\\134b\\012c rw - vfat /dev/sdb1 rw\n"
        "garbage line\n"
        "41 1 8:18 / /x rw no-separator-here\n"
        "42 1 0:45 / /srv rw - btrfs /dev/sdc\\0401 rw\n";
    auto entries = ParseMountInfo(text);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].major, 98u);
    EXPECT_EQ(entries[0].minor, 0u);
    EXPECT_EQ(entries[0].root, "/mnt1");
    EXPECT_EQ(entries[0].mountPoint, "/mnt/parent dir\ttab");
    EXPECT_EQ(entries[0].fsType, "ext3");
    EXPECT_EQ(entries[0].source, "/dev/root");
    EXPECT_EQ(entries[1].mountPoint, "/media/a\\b\nc");
    EXPECT_EQ(entries[2].source, "/dev/sdc 1");
}

TEST(MountInfo, LeavesIncompleteEscapesAlone)
{
    EXPECT_EQ(DecodeMountInfoEscapes("a\\04"), "a\\04");
    EXPECT_EQ(DecodeMountInfoEscapes("a\\9999"), "a\\9999");
    EXPECT_EQ(DecodeMountInfoEscapes("\\"), "\\");
    EXPECT_EQ(DecodeMountInfoEscapes("\\040\\040"), "  ");
}

TEST(MountInfo, MissingFileIsReported)
{
    EXPECT_FALSE(ReadMountInfo("/nonexistent/mountinfo").has_value());
}

TEST(BlockDevices, NaturalNameOrder)
{
    const std::vector<std::pair<std::string, std::string>> ordered = {
        {"sda", "sdb"}, {"sdz", "sdaa"}, {"nvme0n1", "nvme0n10"}, {"nvme0n2", "nvme1n1"},
        {"loop2", "loop10"}, {"mmcblk0", "mmcblk1"}, {"sdb1", "sdb2"}, {"sdb", "sdb1"},
    };
    for (const auto& [first, second] : ordered) {
        EXPECT_TRUE(NaturalNameLess(first, second)) << first << " < " << second;
        EXPECT_FALSE(NaturalNameLess(second, first)) << second << " !< " << first;
    }
    EXPECT_FALSE(NaturalNameLess("sda", "sda"));
}

TEST(SystemRoots, SplitsImageList)
{
    EXPECT_EQ(SplitPathList("a.img:b.img"), (std::vector<std::string>{"a.img", "b.img"}));
    EXPECT_EQ(SplitPathList(":a::b:"), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(SplitPathList("").empty());
}

TEST(FileSystemProbe, EngineSpellingOfNames)
{
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"ntfs", "", "NTFS"},      {"vfat", "FAT32", "FAT32"}, {"vfat", "FAT16", "FAT16"},
        {"vfat", "FAT12", "FAT12"}, {"vfat", "", "FAT"},       {"exfat", "1.0", "EXFAT"},
        {"BitLocker", "", "Bitlocker"}, {"ext4", "1.0", "EXT4"}, {"", "", "N/A"},
    };
    for (const auto& [type, version, name] : cases)
        EXPECT_EQ(FileSystemDisplayName(type, version), name) << type << " " << version;
}

TEST(FileSystemProbe, VolumeSerials)
{
    EXPECT_EQ(VolumeSerialFromUuid("vfat", "1234-ABCD"), 0x1234ABCDu);
    EXPECT_EQ(VolumeSerialFromUuid("exfat", "DEAD-BEEF"), 0xDEADBEEFu);
    EXPECT_EQ(VolumeSerialFromUuid("ntfs", "0123456789ABCDEF"), 0x89ABCDEFu);
    EXPECT_EQ(VolumeSerialFromUuid("ext4", "0123-4567"), 0u);
    EXPECT_EQ(VolumeSerialFromUuid("vfat", "12G4-ABCD"), 0u);
    EXPECT_EQ(VolumeSerialFromUuid("ntfs", "0123456789ABCDEF01"), 0u);
}
