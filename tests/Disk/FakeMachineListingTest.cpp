// The listing over a fake sysfs tree: which disks count, how they are
// numbered and described, and how mounted volumes become records.
#include "Disk/DiskInfo.h"
#include "Disk/DiskTable.h"
#include "Disk/LocalDiskListing.h"
#include "Disk/VolumeInfo.h"
#include "support/DiskImages.h"
#include "support/FakeSystem.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

constexpr const char* UsbBus = "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0";
constexpr const char* NvmeBus = "pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0";
constexpr const char* SataBus = "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0";
constexpr const char* MmcBus = "platform/fe320000.mmc/mmc_host/mmc0/mmc0:aaaa";

// A laptop: SATA disk, USB stick, NVMe with four partitions, SD card, a loop
// device over an image file, and devices that are not disks.
class FakeMachine : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TOOL("mkfs.fat");
        sys.AddDisk("sda", SataBus, 2097152, {{"device/vendor", "ATA     "}, {"device/model", "WDC WD10EZEX"}});
        sys.AddPartition("sda", "sda1", 1, 2048, 1048576);
        sys.AddMount("sda1", "/data", "ext4");

        sys.AddDisk("sdb", UsbBus, 2097152,
                    {{"removable", "1"}, {"device/vendor", "SanDisk "}, {"device/model", "Cruzer Blade    "}});
        sys.AddPartition("sdb", "sdb1", 1, 2048, 81920);
        MakeFat32File(sys.DeviceNode("sdb1"), 81920 * 512, "MYSTICK");
        sys.AddMount("sdb1", "/media/user/MY\\040STICK");

        sys.AddDisk("nvme0n1", NvmeBus, 8388608,
                    {{"device/model", "Samsung SSD 980"}, {"device/serial", "S649NX0R"},
                     {"device/firmware_rev", "3B4QFXO7"}});
        sys.AddPartition("nvme0n1", "nvme0n1p1", 1, 2048, 1048576);
        sys.AddPartition("nvme0n1", "nvme0n1p2", 2, 1050624, 4194304);
        sys.AddPartition("nvme0n1", "nvme0n1p3", 3, 5244928, 2097152);
        sys.AddPartition("nvme0n1", "nvme0n1p4", 4, 7342080, 1046528);
        sys.AddMount("nvme0n1p2", "/", "ext4");
        sys.AddMount("nvme0n1p1", "/boot/efi", "vfat");
        sys.AddMount("nvme0n1p3", "/home", "ext4");

        sys.AddDisk("mmcblk0", MmcBus, 1048576,
                    {{"device/name", "SD32G"}, {"device/serial", "0x1234abcd"}, {"device/type", "SD"}});
        sys.AddPartition("mmcblk0", "mmcblk0p1", 1, 8192, 1040384);
        sys.AddMount("mmcblk0p1", "/media/user/CARD");

        sys.AddDisk("loop0", "virtual", 204800, {{"loop/backing_file", "/srv/images/camera card.img"}});
        sys.AddMount("loop0", "/mnt/image");

        // Not disks: an unused loop device, RAM disks, an optical drive and a
        // card reader without a card.
        sys.AddDisk("loop1", "virtual", 0);
        sys.AddDisk("ram0", "virtual", 8192);
        sys.AddDisk("zram0", "virtual", 8192);
        sys.AddDisk("sr0", SataBus, 2048);
        sys.AddDisk("sdc", UsbBus, 0, {{"removable", "1"}, {"device/model", "SD/MMC Reader"}});
    }

    FakeSystem sys;
};

const DiskAndVolumeInfo& RowAt(const std::vector<DiskAndVolumeInfo>& rows, const std::string& letter)
{
    for (const auto& row : rows)
        if (row.volumeLetter == letter)
            return row;
    throw std::runtime_error("no row " + letter);
}

}

TEST_F(FakeMachine, DisksAreWholeDevicesWithMediaInNameOrder)
{
    DiskInfo disks(sys.Roots());
    disks.EnumerateDisks();
    std::vector<std::string> paths;
    for (const auto& disk : disks.GetDisks()) {
        EXPECT_EQ(disk.diskNumber, paths.size());
        paths.push_back(disk.devicePath);
    }
    const std::string dev = sys.Roots().devRoot;
    EXPECT_EQ(paths, (std::vector<std::string>{dev + "/sda", dev + "/sdb", dev + "/loop0", dev + "/nvme0n1",
                                               dev + "/mmcblk0"}));
}

TEST_F(FakeMachine, DisksAreDescribedFromSysfs)
{
    DiskInfo info(sys.Roots());
    info.EnumerateDisks();
    const auto& disks = info.GetDisks();
    ASSERT_EQ(disks.size(), 5u);
    // sda: SATA, fixed
    EXPECT_EQ(disks[0].vendor, "ATA     ");
    EXPECT_EQ(disks[0].product, "WDC WD10EZEX");
    EXPECT_EQ(disks[0].diskSize, 2097152ull * 512);
    EXPECT_FALSE(disks[0].isUsb);
    EXPECT_FALSE(disks[0].isRemovable);
    // sdb: USB stick
    EXPECT_EQ(disks[1].product, "Cruzer Blade    ");
    EXPECT_TRUE(disks[1].isUsb);
    EXPECT_TRUE(disks[1].isRemovable);
    // loop0: named after its backing file
    EXPECT_EQ(disks[2].product, "camera card.img");
    EXPECT_FALSE(disks[2].isUsb);
    // NVMe
    EXPECT_EQ(disks[3].product, "Samsung SSD 980");
    EXPECT_EQ(disks[3].serialNumber, "S649NX0R");
    EXPECT_EQ(disks[3].revision, "3B4QFXO7");
    EXPECT_FALSE(disks[3].isUsb);
    // SD card on an MMC host: external; the kernel never flags it removable,
    // its card type "SD" does
    EXPECT_EQ(disks[4].product, "SD32G");
    EXPECT_EQ(disks[4].serialNumber, "0x1234abcd");
    EXPECT_TRUE(disks[4].isUsb);
    EXPECT_TRUE(disks[4].isRemovable);
}

TEST_F(FakeMachine, MountedVolumesCarryTheirPartitionRange)
{
    VolumeInfo info(sys.Roots());
    ASSERT_TRUE(info.EnumerateVolumes());
    const auto volumes = info.GetVolumes();
    ASSERT_EQ(volumes.size(), 7u); // the NVMe's fourth partition is not mounted
    const VolumeInfoItem* home = nullptr;
    for (const auto& volume : volumes)
        if (volume.mountPath == "/home/")
            home = &volume;
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->entryKind, VolumeInfoItem::MountedVolume);
    EXPECT_EQ(home->volumeName, sys.DeviceNode("nvme0n1p3"));
    EXPECT_EQ(home->offset, 5244928ull * 512);
    EXPECT_EQ(home->length, 2097152ull * 512);
    ASSERT_EQ(home->extents.size(), 1u);
    EXPECT_EQ(home->extents[0].start, 5244928ull * 512);
    EXPECT_EQ(home->extents[0].diskNumber, 3u);
    EXPECT_EQ(home->extents[0].partitionNumber, 3u);
    EXPECT_EQ(home->fileSystem, "EXT4"); // from the mount table: the fake node holds nothing
}

TEST_F(FakeMachine, ListingRecordsFollowDisksThenPartitions)
{
    const auto rows = ListLocalDisksAndVolumes(sys.Roots());
    std::vector<std::string> letters;
    for (const auto& row : rows)
        letters.push_back(row.volumeLetter);
    EXPECT_EQ(letters, (std::vector<std::string>{"/data/", "/media/user/MY STICK/", "/mnt/image/", "/boot/efi/", "/",
                                                 "/home/", "/media/user/CARD/"}));

    const auto& stick = RowAt(rows, "/media/user/MY STICK/");
    EXPECT_EQ(stick.diskName, sys.Roots().devRoot + "/sdb");
    EXPECT_EQ(stick.diskModel, "SanDisk  Cruzer Blade    ");
    EXPECT_EQ(stick.label, "MYSTICK");
    EXPECT_EQ(stick.fileSystem, "FAT32");
    EXPECT_EQ(stick.volumePath, sys.DeviceNode("sdb1"));
    EXPECT_EQ(stick.startOffset, 0u);
    EXPECT_EQ(stick.endOffset, 81920ull * 512);
    EXPECT_EQ(stick.deviceSize, 2097152ull * 512);
    EXPECT_EQ(stick.volumeKind, 0u);
    EXPECT_EQ(stick.diskIndex, 1);
    EXPECT_EQ(stick.volIndex, 0);
    EXPECT_TRUE(stick.isExternal);
    EXPECT_TRUE(stick.isRemovable);
    EXPECT_FALSE(stick.isSystem);

    const auto& card = RowAt(rows, "/media/user/CARD/");
    EXPECT_TRUE(card.isExternal);
    EXPECT_TRUE(card.isRemovable);
    EXPECT_EQ(card.diskModel, "SD32G");

    const auto& image = RowAt(rows, "/mnt/image/");
    EXPECT_EQ(image.volumePath, sys.DeviceNode("loop0"));
    EXPECT_EQ(image.endOffset, 204800ull * 512);
    EXPECT_EQ(image.diskModel, "camera card.img");
}

TEST_F(FakeMachine, OnlyTheRootMountIsTheSystemVolume)
{
    const auto rows = ListLocalDisksAndVolumes(sys.Roots());
    for (const auto& row : rows)
        EXPECT_EQ(row.isSystem, row.volumeLetter == "/") << row.volumeLetter;
    const auto& root = RowAt(rows, "/");
    EXPECT_EQ(root.diskIndex, 3);
    EXPECT_EQ(root.volIndex, 1); // after /boot/efi, which lies first on the disk
}

TEST_F(FakeMachine, EveryRecordFindsItsOwnVolumeInTheTable)
{
    const auto rows = ListLocalDisksAndVolumes(sys.Roots());
    const auto table = DiskTable::Snapshot();
    ASSERT_EQ(table.size(), 5u);
    for (const auto& row : rows) {
        auto volume = DiskTable::FindVolume(row);
        ASSERT_TRUE(volume.has_value()) << row.volumeLetter;
        EXPECT_EQ(volume->devicePath, row.volumePath);
        EXPECT_EQ(volume->mountPath, row.volumeLetter);
        EXPECT_EQ(volume->offset, row.startOffset);
        EXPECT_EQ(volume->offset + volume->length, row.endOffset);
        // The position in the table agrees with the record's index.
        ASSERT_LT(row.volIndex, table[row.diskIndex].volumes.size());
        EXPECT_EQ(table[row.diskIndex].volumes[row.volIndex].mountPath, row.volumeLetter);
    }
    DiskAndVolumeInfo stranger = rows.front();
    stranger.startOffset += 512;
    EXPECT_FALSE(DiskTable::FindVolume(stranger).has_value());
    stranger = rows.front();
    stranger.diskIndex = 200;
    EXPECT_FALSE(DiskTable::FindVolume(stranger).has_value());
}

TEST(FakeMachineMounts, DuplicateMountPathIsDroppedFromOutputAndTable)
{
    FakeSystem sys;
    sys.AddDisk("sdb", UsbBus, 4194304, {{"removable", "1"}});
    sys.AddPartition("sdb", "sdb1", 1, 2048, 1048576);
    sys.AddPartition("sdb", "sdb2", 2, 1050624, 1048576);
    sys.AddPartition("sdb", "sdb3", 3, 2099200, 1048576);
    sys.AddMount("sdb1", "/mnt/x");
    sys.AddMount("sdb2", "/mnt/x"); // mounted over the first
    sys.AddMount("sdb3", "/mnt/y");
    sys.AddMount("sdb3", "/mnt/z"); // one volume, two mount paths
    sys.AddMount("sdb3", "/etc/hosts", "ext4", "/containers/web/hosts"); // a bind mount of one file
    sys.AddMount("sdb1", "/srv/share", "vfat", "/shared"); // a bind mount of a folder

    const auto rows = ListLocalDisksAndVolumes(sys.Roots());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].volumeLetter, "/mnt/x/");
    EXPECT_EQ(rows[0].volumePath, sys.DeviceNode("sdb1"));
    EXPECT_EQ(rows[1].volumeLetter, "/mnt/y/");
    EXPECT_EQ(rows[2].volumeLetter, "/mnt/z/");

    const auto table = DiskTable::Snapshot();
    ASSERT_EQ(table.size(), 1u);
    ASSERT_EQ(table[0].volumes.size(), 3u);
    for (const auto& row : rows) {
        EXPECT_EQ(table[0].volumes[row.volIndex].mountPath, row.volumeLetter);
        auto volume = DiskTable::FindVolume(row);
        ASSERT_TRUE(volume.has_value());
        EXPECT_EQ(volume->mountPath, row.volumeLetter);
        EXPECT_EQ(volume->devicePath, row.volumePath);
    }
}

TEST(FakeMachineMounts, NoDisksGiveAnEmptyListAndTable)
{
    FakeSystem sys;
    ListLocalDisksAndVolumes(sys.Roots()); // leaves nothing behind from other calls
    EXPECT_TRUE(ListLocalDisksAndVolumes(sys.Roots()).empty());
    EXPECT_TRUE(DiskTable::Snapshot().empty());
}

TEST(FakeMachineMounts, UnreadableMountTableStillListsNothingAndDoesNotThrow)
{
    FakeSystem sys;
    sys.AddDisk("sdb", UsbBus, 4194304);
    auto roots = sys.Roots();
    roots.mountInfoPath = sys.Path("missing");
    VolumeInfo volumes(roots);
    EXPECT_FALSE(volumes.EnumerateVolumes());
    EXPECT_TRUE(ListLocalDisksAndVolumes(roots).empty());
}

TEST(FakeMachineMounts, UsbCardReaderShowsOnlySlotsWithACard)
{
    // A multi-slot USB reader: the SD slot holds a card, the CF slot is empty.
    FakeSystem sys;
    const std::string reader = "pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/host8/target8:0:0/8:0:0:";
    sys.AddDisk("sde", reader + "0", 0, {{"removable", "1"}, {"device/vendor", "Generic-"}, {"device/model", "CF"}});
    sys.AddDisk("sdf", reader + "1", 62333952,
                {{"removable", "1"}, {"device/vendor", "Generic-"}, {"device/model", "SD/MMC"}});
    sys.AddPartition("sdf", "sdf1", 1, 32768, 62301184);
    sys.AddMount("sdf1", "/media/user/3031-3032", "exfat");

    const auto rows = ListLocalDisksAndVolumes(sys.Roots());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].diskName, sys.Roots().devRoot + "/sdf");
    EXPECT_EQ(rows[0].diskIndex, 0);
    EXPECT_EQ(rows[0].diskModel, "Generic- SD/MMC");
    EXPECT_EQ(rows[0].fileSystem, "EXFAT");
    EXPECT_EQ(rows[0].deviceSize, 62333952ull * 512);
    EXPECT_TRUE(rows[0].isExternal);
    EXPECT_TRUE(rows[0].isRemovable);
}

TEST(FakeMachineMounts, DiskUnpluggedBetweenTheVolumeAndDiskScansShiftsNoVolume)
{
    FakeSystem sys;
    for (const std::string name : {"sda", "sdb", "sdc"}) {
        sys.AddDisk(name, UsbBus, 4194304);
        sys.AddPartition(name, name + "1", 1, 2048, 1048576);
        sys.AddMount(name + "1", "/mnt/" + name);
    }
    VolumeInfo volumeInfo(sys.Roots());
    ASSERT_TRUE(volumeInfo.EnumerateVolumes());
    auto volumes = volumeInfo.GetVolumes();
    sys.RemoveDisk("sdb");
    DiskInfo diskInfo(sys.Roots());
    diskInfo.EnumerateDisks();
    ASSERT_EQ(diskInfo.GetDisks().size(), 2u);

    MatchVolumeDisks(volumes, volumeInfo.GetDiskPaths(), diskInfo.GetDisks());
    const std::vector<std::string> expected[] = {{"/mnt/sda/"}, {"/mnt/sdc/"}};
    for (size_t i = 0; i < 2; ++i) {
        DiskInfoWithVolumes record(diskInfo.GetDisks()[i], volumes);
        std::vector<std::string> mounts;
        for (const auto& volume : record.volumes)
            if (volume.entryKind == VolumeInfoItem::MountedVolume)
                mounts.push_back(volume.mountPath);
        EXPECT_EQ(mounts, expected[i]) << diskInfo.GetDisks()[i].devicePath;
    }
}

// Only an SD card in a built-in slot counts as removable: eMMC and SDIO
// devices on an MMC host are soldered in.
TEST(FakeMachineCards, MmcCardTypeDecidesRemovable)
{
    FakeSystem sys;
    const struct {
        const char* name;
        const char* type;
        bool removable;
    } cases[] = {{"mmcblk0", "SD", true}, {"mmcblk1", "MMC", false}, {"mmcblk2", "SDIO", false}, {"mmcblk3", "", false}};
    for (const auto& c : cases) {
        std::map<std::string, std::string> attributes{{"device/name", "CARD"}};
        if (*c.type)
            attributes["device/type"] = c.type;
        sys.AddDisk(c.name, std::string("platform/mmc/mmc_host/") + c.name + "/" + c.name + ":0001", 65536, attributes);
    }
    DiskInfo info(sys.Roots());
    info.EnumerateDisks();
    const auto& disks = info.GetDisks();
    ASSERT_EQ(disks.size(), 4u);
    for (size_t i = 0; i < disks.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_TRUE(disks[i].isUsb);
        EXPECT_EQ(disks[i].isRemovable, cases[i].removable);
    }
}
