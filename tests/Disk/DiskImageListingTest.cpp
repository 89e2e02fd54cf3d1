// Disk image files listed as disks: partitions come from the engine's own
// table reader and must agree with sfdisk and blkid.
#include "Disk/DiskTable.h"
#include "Disk/LocalDiskListing.h"
#include "support/DiskImages.h"
#include "support/FakeSystem.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <map>
#include <sstream>

using namespace TestSupport;
using nlohmann::json;

namespace {

// Two images: MBR with NTFS and FAT32 partitions and free space; GPT with an
// exFAT partition and free space.
class ImagePair : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"sfdisk", "sgdisk", "mkntfs", "mkfs.fat", "mkfs.exfat", "blkid"})
            REQUIRE_TOOL(tool);
        mbr = dir / "mbr disk.img";
        gpt = dir / "gpt.img";

        MakeSparseFile(mbr, 200 * MiB);
        RunOrFail("printf 'label: dos\\nstart=2048, size=100MiB, type=7\\nstart=206848, size=60MiB, type=c\\n' | "
                  "sfdisk -q " + Quote(mbr));
        MakeSparseFile(dir / "ntfs.fs", 100 * MiB);
        RunOrFail("mkntfs -q -F -Q -L WinData -p 2048 -H 255 -S 63 " + Quote(dir / "ntfs.fs"));
        MakeFat32File(dir / "fat.fs", 60 * MiB, "CAMERA");
        RunOrFail("dd status=none conv=notrunc,sparse bs=1M seek=1 if=" + Quote(dir / "ntfs.fs") + " of=" + Quote(mbr));
        RunOrFail("dd status=none conv=notrunc,sparse bs=512 seek=206848 if=" + Quote(dir / "fat.fs") +
                  " of=" + Quote(mbr));

        MakeSparseFile(gpt, 300 * MiB);
        RunOrFail("sgdisk -o -n 1:2048:+64M -t 1:0700 -c 1:photos " + Quote(gpt));
        MakeSparseFile(dir / "exfat.fs", 64 * MiB);
        RunOrFail("mkfs.exfat -L Holiday " + Quote(dir / "exfat.fs"));
        RunOrFail("dd status=none conv=notrunc,sparse bs=1M seek=1 if=" + Quote(dir / "exfat.fs") + " of=" + Quote(gpt));
    }

    // What blkid says about the file system at a byte offset of an image.
    std::map<std::string, std::string> Blkid(const std::string& image, uint64_t offset)
    {
        std::map<std::string, std::string> values;
        std::istringstream lines(RunOrFail("blkid -p -o export -O " + std::to_string(offset) + " " + Quote(image)));
        std::string line;
        while (std::getline(lines, line))
            if (auto eq = line.find('='); eq != std::string::npos)
                values[line.substr(0, eq)] = line.substr(eq + 1);
        return values;
    }

    static std::string EngineName(const std::map<std::string, std::string>& blkid)
    {
        const std::string type = blkid.count("TYPE") ? blkid.at("TYPE") : "";
        if (type == "ntfs")
            return "NTFS";
        if (type == "vfat")
            return blkid.at("VERSION");
        if (type == "exfat")
            return "EXFAT";
        return "?" + type;
    }

    TempDir dir;
    std::string mbr;
    std::string gpt;
};

std::vector<json> ProbeList(const std::string& images)
{
    std::string output;
    const std::string probe = BinaryDir() + "/tools/velmora-probe";
    EXPECT_EQ(RunCommand("VELMORA_DISK_IMAGES=" + Quote(images) + " " + Quote(probe) + " list", &output), 0);
    std::vector<json> rows;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line))
        rows.push_back(json::parse(line));
    return rows;
}

}

TEST_F(ImagePair, ProbeListAgreesWithSfdiskAndBlkid)
{
    const auto all = ProbeList(mbr + ":" + gpt);
    for (const std::string& image : {mbr, gpt}) {
        std::vector<json> rows;
        for (const auto& row : all)
            if (row["diskName"] == image)
                rows.push_back(row);
        const json table = json::parse(RunOrFail("sfdisk -J " + Quote(image)))["partitiontable"];
        const auto& partitions = table["partitions"];
        ASSERT_EQ(rows.size(), partitions.size() + 1) << image; // the partitions, then the free space
        uint64_t partitionsEnd = 0;
        for (size_t i = 0; i < partitions.size(); ++i) {
            const json& row = rows[i];
            const uint64_t start = partitions[i]["start"].get<uint64_t>() * 512;
            const uint64_t size = partitions[i]["size"].get<uint64_t>() * 512;
            partitionsEnd = std::max(partitionsEnd, start + size);
            EXPECT_EQ(row["startOffset"], start);
            EXPECT_EQ(row["endOffset"], start + size);
            EXPECT_EQ(row["volumeKind"], 5);
            EXPECT_EQ(row["volumePath"], image);
            EXPECT_EQ(row["volIndex"], i);
            auto blkid = Blkid(image, start);
            EXPECT_EQ(row["fileSystem"], EngineName(blkid)) << image << " #" << i;
            EXPECT_EQ(row["label"], blkid["LABEL"]) << image << " #" << i;
        }
        const json& free = rows.back();
        EXPECT_EQ(free["volumeKind"], 4);
        EXPECT_GE(free["startOffset"].get<uint64_t>(), partitionsEnd);
        EXPECT_EQ(free["endOffset"], free["deviceSize"]);
        for (const auto& row : rows) {
            EXPECT_EQ(row["deviceSize"], image == mbr ? 200 * MiB : 300 * MiB);
            EXPECT_FALSE(row["isSystem"].get<bool>());
            EXPECT_EQ(row["bitLockerStatus"], 0);
        }
    }
}

TEST_F(ImagePair, ImagesComeAfterTheRealDisksInTheirOrder)
{
    FakeSystem sys;
    sys.AddDisk("sda", "pci0000:00/ata1/host0/target0:0:0/0:0:0:0", 2097152);
    sys.AddPartition("sda", "sda1", 1, 2048, 1048576);
    sys.AddMount("sda1", "/", "ext4");
    auto roots = sys.Roots();
    roots.diskImages = {gpt, dir / "missing.img", mbr};
    const auto rows = ListLocalDisksAndVolumes(roots);
    ASSERT_EQ(rows.size(), 1u + 2u + 3u);
    EXPECT_EQ(rows[0].diskIndex, 0);
    EXPECT_TRUE(rows[0].isSystem);
    EXPECT_EQ(rows[1].diskName, gpt);
    EXPECT_EQ(rows[1].diskIndex, 1);
    EXPECT_EQ(rows[1].diskModel, "gpt.img");
    EXPECT_EQ(rows[3].diskName, mbr);
    EXPECT_EQ(rows[3].diskIndex, 2);
    // Generated names: partitions and free regions count separately, across disks.
    std::vector<std::string> letters;
    for (size_t i = 1; i < rows.size(); ++i)
        letters.push_back(rows[i].volumeLetter);
    EXPECT_EQ(letters, (std::vector<std::string>{"1", "1", "2", "3", "2"}));

    for (const auto& row : rows) {
        auto volume = DiskTable::FindVolume(row);
        ASSERT_TRUE(volume.has_value()) << row.volumeLetter;
        EXPECT_EQ(volume->devicePath, row.volumePath);
        EXPECT_EQ(volume->offset, row.startOffset);
        EXPECT_EQ(volume->length, row.endOffset - row.startOffset);
        EXPECT_EQ(volume->fileSystem, row.fileSystem);
    }
}

TEST_F(ImagePair, UnmountedPartitionOfADeviceIsReadThroughTheDisk)
{
    // A USB disk holding the MBR image: its first partition is mounted, the
    // second is not and the free space after them is offered too.
    FakeSystem sys;
    sys.AddDisk("sdd", "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host7/target7:0:0/7:0:0:0", 409600,
                {{"removable", "1"}});
    sys.AddPartition("sdd", "sdd1", 1, 2048, 204800);
    sys.AddPartition("sdd", "sdd2", 2, 206848, 122880);
    sys.AddMount("sdd1", "/media/win", "ntfs3");
    RunOrFail("cp --sparse=always " + Quote(mbr) + " " + Quote(sys.DeviceNode("sdd")));

    const auto rows = ListLocalDisksAndVolumes(sys.Roots());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].volumeLetter, "/media/win/");
    EXPECT_EQ(rows[0].volumePath, sys.DeviceNode("sdd1"));
    EXPECT_EQ(rows[0].fileSystem, "NTFS");
    EXPECT_EQ(rows[0].volumeKind, 0u);

    EXPECT_EQ(rows[1].volumeKind, 5u);
    EXPECT_EQ(rows[1].volumeLetter, "1");
    EXPECT_EQ(rows[1].volumePath, sys.DeviceNode("sdd"));
    EXPECT_EQ(rows[1].startOffset, 206848ull * 512);
    EXPECT_EQ(rows[1].endOffset, (206848ull + 122880) * 512);
    EXPECT_EQ(rows[1].fileSystem, "FAT32");
    EXPECT_EQ(rows[1].label, "CAMERA");
    EXPECT_TRUE(rows[1].isExternal);

    EXPECT_EQ(rows[2].volumeKind, 4u);
    EXPECT_EQ(rows[2].volumeLetter, "1");
    EXPECT_EQ(rows[2].endOffset, 200 * MiB);

    for (const auto& row : rows) {
        auto volume = DiskTable::FindVolume(row);
        ASSERT_TRUE(volume.has_value());
        EXPECT_EQ(volume->offset, row.startOffset);
    }
}

TEST(DiskImageListing, BareFileSystemImageIsOneVolume)
{
    REQUIRE_TOOL("mkfs.fat");
    TempDir dir;
    FakeSystem none;
    MakeFat32File(dir / "card.img", 48 * MiB, "SDCARD");
    auto roots = none.Roots();
    roots.diskImages = {dir / "card.img"};
    const auto rows = ListLocalDisksAndVolumes(roots);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].volumeKind, 5u);
    EXPECT_EQ(rows[0].startOffset, 0u);
    EXPECT_EQ(rows[0].endOffset, 48 * MiB);
    EXPECT_EQ(rows[0].fileSystem, "FAT32");
    EXPECT_EQ(rows[0].label, "SDCARD");
    EXPECT_EQ(rows[0].volumePath, dir / "card.img");
    ASSERT_TRUE(DiskTable::FindVolume(rows[0]).has_value());
    EXPECT_EQ(DiskTable::FindVolume(rows[0])->serialNumber, 0x1234ABCDu);
}

TEST(DiskImageListing, UnusableImagesAreLeftOut)
{
    TempDir dir;
    FakeSystem none;
    MakeSparseFile(dir / "empty.img", 0);
    MakeSparseFile(dir / "blank.img", 8 * MiB);
    auto roots = none.Roots();
    roots.diskImages = {dir / "empty.img", dir / "absent.img", dir.Path().string(), dir / "blank.img"};
    // The blank disk is offered whole, as one free region to search.
    const auto listed = ListLocalDisksAndVolumes(roots);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].startOffset, 0u);
    EXPECT_EQ(listed[0].endOffset, 8 * MiB);
    const auto table = DiskTable::Snapshot();
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].devicePath, dir / "blank.img");
    EXPECT_EQ(table[0].diskNumber, 0u);
}
