// The disk-object family over fake sysfs trees and over disk and volume
// images made by sfdisk, sgdisk, mkfs.fat, mkfs.exfat and mkntfs.
#include "Drive/DiskEnumeration.h"
#include "Drive/EbrChain.h"
#include "support/BitLockerVolume.h"
#include "support/DiskImages.h"
#include "support/FakeSystem.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <filesystem>
#include <fstream>

using namespace TestSupport;

namespace {

constexpr const char* UsbBus = "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0";
constexpr const char* SataBus = "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0";
constexpr const char* NvmeBus = "pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0";

Platform::SystemRoots ImagesOnly(std::vector<std::string> images)
{
    Platform::SystemRoots roots;
    roots.sysRoot = "/nonexistent-sys";
    roots.mountInfoPath = "/nonexistent-mountinfo";
    roots.diskImages = std::move(images);
    roots.includeMachineDisks = false;
    return roots;
}

struct TablePartition {
    uint64_t start = 0; // sectors
    uint64_t size = 0;
};

// What sfdisk itself reads from the image's table.
std::vector<TablePartition> SfdiskPartitions(const std::string& image)
{
    const auto json = nlohmann::json::parse(RunOrFail("sfdisk -J " + Quote(image)));
    std::vector<TablePartition> partitions;
    for (const auto& p : json["partitiontable"]["partitions"]) {
        const std::string type = p.value("type", "");
        if (type == "5" || type == "f" || type == "85")
            continue; // the extended container itself holds no volume
        partitions.push_back({p["start"].get<uint64_t>(), p["size"].get<uint64_t>()});
    }
    return partitions;
}

void ExpectVolumesMatch(const Drive::Disk& disk, const std::vector<TablePartition>& table)
{
    ASSERT_EQ(disk.volumes.size(), table.size());
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(disk.volumes[i]->startOffset, table[i].start * 512) << i;
        EXPECT_EQ(disk.volumes[i]->length, table[i].size * 512) << i;
    }
}

void PokeBytes(const std::string& path, uint64_t offset, const void* bytes, size_t count)
{
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(count));
    ASSERT_TRUE(file.good()) << path;
}

}

TEST(DriveImages, MbrWithLogicalPartitionsAgreesWithSfdisk)
{
    REQUIRE_TOOL("sfdisk");
    REQUIRE_TOOL("mkfs.fat");
    TempDir dir;
    const std::string image = dir / "mbr.img";
    MakeSparseFile(image, 64 * MiB);
    RunOrFail("printf 'label: dos\\nstart=2048, size=20480, type=c, bootable\\nstart=22528, type=5\\n"
              "start=24576, size=8192, type=7\\nstart=34816, size=8192, type=83\\n' | sfdisk -q " + Quote(image));
    const auto table = SfdiskPartitions(image);
    ASSERT_EQ(table.size(), 3u);

    const auto disk = Drive::OpenImageFile(image, ImagesOnly({}));
    ASSERT_TRUE(disk);
    EXPECT_FALSE(disk->IsVirtual());
    EXPECT_EQ(disk->partitionStyle, 0u);
    EXPECT_EQ(disk->diskSize, 64 * MiB);
    ASSERT_EQ(disk->extendedBootRecords.size(), 2u);
    // Stored records name their partitions by absolute address.
    const auto& second = disk->extendedBootRecords[1].sector;
    EXPECT_EQ(second[0x1C6] | second[0x1C7] << 8 | second[0x1C8] << 16, 34816);
    ExpectVolumesMatch(*disk, table);
    EXPECT_EQ(disk->volumes[0]->bootFlag, 1);
    EXPECT_EQ(disk->volumes[0]->partitionNumber, 1u);
    EXPECT_EQ(disk->volumes[1]->partitionNumber, 5u);
    EXPECT_EQ(disk->volumes[2]->partitionNumber, 6u);
    EXPECT_EQ(disk->GetVolume(6), disk->volumes[2]);
    EXPECT_FALSE(disk->GetVolume(7));
    for (const auto& volume : disk->volumes) {
        EXPECT_EQ(volume->fileSystem, "RAW");
        EXPECT_EQ(volume->partitionStyle, 0u);
        EXPECT_EQ(volume->disk, disk.get());
    }
}

// A GPT slot left empty between partitions does not hide the ones after it.
TEST(DriveImages, GptAgreesWithSfdiskAcrossAnEmptySlot)
{
    REQUIRE_TOOL("sgdisk");
    REQUIRE_TOOL("sfdisk");
    TempDir dir;
    const std::string image = dir / "gpt.img";
    MakeSparseFile(image, 32 * MiB);
    RunOrFail("sgdisk -o -n 1:2048:4095 -t 1:0700 -n 3:8192:16383 -t 3:8300 -n 4:16384:20479 -t 4:ef00 " +
              Quote(image) + " >/dev/null");
    MakeFat32File(dir / "part.img", 4 * MiB, "INSIDE");
    RunOrFail("dd if=" + Quote(dir / "part.img") + " of=" + Quote(image) +
              " bs=512 seek=8192 conv=notrunc status=none");
    const auto table = SfdiskPartitions(image);
    ASSERT_EQ(table.size(), 3u);

    const auto disk = Drive::OpenImageFile(image, ImagesOnly({}));
    ASSERT_TRUE(disk);
    EXPECT_EQ(disk->partitionStyle, 1u);
    EXPECT_EQ(disk->gpt, 1);
    ExpectVolumesMatch(*disk, table);
    EXPECT_EQ(disk->volumes[0]->length, MiB); // LBA 2048 to 4095
    EXPECT_EQ(disk->volumes[0]->partitionTypeName, "Basic Data");
    EXPECT_EQ(disk->volumes[2]->partitionTypeName, "EFI System");
    EXPECT_EQ(disk->volumes[1]->fileSystem, "FAT32");
    EXPECT_EQ(disk->volumes[1]->label, "INSIDE");
    EXPECT_EQ(disk->volumes[1]->serialNumber, 0x1234ABCDu);
    EXPECT_EQ(disk->volumes[0]->partitionNumber, 0u);
    EXPECT_EQ(disk->volumes[2]->partitionNumber, 2u);
}

// Images holding one volume open as a virtual disk whatever their OEM name;
// the file system is named by the boot sector's content.
TEST(DriveImages, VolumeImagesOpenAsOneVolume)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mkntfs");
    REQUIRE_TOOL("mkfs.exfat");
    TempDir dir;
    MakeFat32File(dir / "fat32.img", 40 * MiB, "CAMERA");
    RunOrFail("mkfs.fat -F 16 -C -n SMALL " + Quote(dir / "fat16.img") + " 16384");
    RunOrFail("truncate -s 4M " + Quote(dir / "ntfs.img") + " && mkntfs -F -q -Q -L WINDATA " + Quote(dir / "ntfs.img"));
    RunOrFail("truncate -s 8M " + Quote(dir / "exfat.img") + " && mkfs.exfat -L STICK " + Quote(dir / "exfat.img"));
    RunOrFail("cp " + Quote(dir / "fat32.img") + " " + Quote(dir / "windows.img"));
    PokeBytes(dir / "windows.img", 3, "MSDOS5.0", 8);
    RunOrFail("cp " + Quote(dir / "fat32.img") + " " + Quote(dir / "other.img"));
    PokeBytes(dir / "other.img", 3, "CAMERA01", 8);
    WriteBitLockerBootSector(dir / "bitlocker.img", 0);
    RunOrFail("truncate -s 1M " + Quote(dir / "bitlocker.img"));

    struct Case {
        const char* file;
        const char* fileSystem;
        const char* label;
    };
    const Case cases[] = {{"fat32.img", "FAT32", "CAMERA"},   {"fat16.img", "FAT16", "SMALL"},
                          {"ntfs.img", "NTFS", "WINDATA"},    {"exfat.img", "EXFAT", "STICK"},
                          {"windows.img", "FAT32", "CAMERA"}, {"other.img", "FAT32", "CAMERA"},
                          {"bitlocker.img", "Bitlocker", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = dir / c.file;
        const auto disk = Drive::OpenImageFile(path, ImagesOnly({}));
        ASSERT_TRUE(disk);
        ASSERT_TRUE(disk->IsVirtual());
        EXPECT_EQ(disk->product, "ImageFile");
        EXPECT_EQ(disk->partitionStyle, 2u);
        ASSERT_EQ(disk->volumes.size(), 1u);
        const auto& volume = *disk->volumes[0];
        EXPECT_EQ(volume.startOffset, 0u);
        EXPECT_EQ(volume.length, std::filesystem::file_size(path));
        EXPECT_EQ(volume.volumePath, path);
        EXPECT_EQ(volume.partitionStyle, 2u);
        EXPECT_EQ(volume.fileSystem, c.fileSystem);
        EXPECT_EQ(volume.label, c.label);
        EXPECT_EQ(volume.bitLocker, std::string(c.fileSystem) == "Bitlocker");
    }
    EXPECT_FALSE(Drive::OpenImageFile(dir / "missing.img", ImagesOnly({})));
}

// Extended boot records that link back, to themselves or past the disk end
// the walk instead of looping.
TEST(DriveImages, HostileEbrChainsEnd)
{
    REQUIRE_TOOL("sfdisk");
    TempDir dir;
    const std::string image = dir / "loop.img";
    MakeSparseFile(image, 16 * MiB);
    RunOrFail("printf 'label: dos\\nstart=2048, type=5\\nstart=4096, size=2048, type=83\\n"
              "start=8192, size=2048, type=83\\n' | sfdisk -q " + Quote(image));
    const auto original = ReadWholeFile(image);
    // The first EBR sits at the extended partition's start; its link names the second.
    const size_t first = 2048 * 512;
    ASSERT_EQ(original[first + 510], 0x55);
    const uint32_t secondEbr = original[first + 0x1D6] | original[first + 0x1D7] << 8;
    ASSERT_NE(secondEbr, 0u);
    struct Case {
        const char* what;
        uint32_t link;
        size_t records;
    };
    const Case cases[] = {{"back to the first", 0, 2}, {"to itself", secondEbr, 2}, {"past the disk", 0x7FFFFFF0, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto bytes = original;
        const size_t second = (2048 + size_t{secondEbr}) * 512;
        ASSERT_EQ(bytes[second + 510], 0x55);
        bytes[second + 0x1D2] = 0x05;
        for (int i = 0; i < 4; ++i)
            bytes[second + 0x1D6 + i] = static_cast<uint8_t>(c.link >> (8 * i));
        const uint32_t one = 1;
        for (int i = 0; i < 4; ++i)
            bytes[second + 0x1DA + i] = static_cast<uint8_t>(one >> (8 * i));
        WriteWholeFile(image, bytes);
        auto device = Platform::OpenDeviceFile(image, false);
        ASSERT_TRUE(device);
        const auto chain = Drive::ReadEbrChain(*device, 2048, 512, 16 * MiB);
        EXPECT_EQ(chain.size(), c.records);
        const auto disk = Drive::OpenImageFile(image, ImagesOnly({}));
        ASSERT_TRUE(disk);
        EXPECT_LE(disk->volumes.size(), 2u);
    }
}

// A fake machine: disks of each media kind with partitions, mounts and an
// opened VeraCrypt and TrueCrypt container, and a LUKS mapping that is not one.
TEST(DriveFakeMachine, DisksVolumesAndContainers)
{
    REQUIRE_TOOL("sfdisk");
    REQUIRE_TOOL("mkfs.fat");
    FakeSystem sys;
    TempDir dir;
    sys.AddDisk("sda", SataBus, 32768,
                {{"device/vendor", "ATA,"}, {"device/model", "WDC WD10EZEX"}, {"device/rev", "1A01"},
                 {"device/serial", "  WD-WCC3F.  "}, {"queue/rotational", "1"}});
    sys.AddPartition("sda", "sda1", 1, 2048, 16384);
    sys.AddDisk("nvme0n1", NvmeBus, 32768, {{"device/model", "Samsung SSD 980"}, {"queue/rotational", "0"}});
    sys.AddDisk("sdb", UsbBus, 32768, {{"removable", "1"}, {"device/model", "Cruzer Blade"}});
    sys.AddDisk("dm-0", "virtual", 8192, {{"dm/name", "veracrypt1"}, {"dm/uuid", "CRYPT-TCRYPT-abc"}});
    sys.AddDisk("dm-1", "virtual", 8192, {{"dm/name", "truecrypt3"}});
    sys.AddDisk("dm-2", "virtual", 8192, {{"dm/name", "vault"}, {"dm/uuid", "CRYPT-TCRYPT-def"}});
    sys.AddDisk("dm-3", "virtual", 8192, {{"dm/name", "home"}, {"dm/uuid", "CRYPT-LUKS2-123"}});
    const std::string mountPoint = dir.Path().string();
    sys.AddMount("sda1", mountPoint);

    MakeSparseFile(sys.DeviceNode("sda"), 16 * MiB);
    RunOrFail("printf 'label: dos\\nstart=2048, size=16384, type=c\\n' | sfdisk -q " + Quote(sys.DeviceNode("sda")));
    MakeFat32File(dir / "part.img", 8 * MiB, "DATA");
    RunOrFail("dd if=" + Quote(dir / "part.img") + " of=" + Quote(sys.DeviceNode("sda")) +
              " bs=512 seek=2048 conv=notrunc status=none");
    RunOrFail("cp " + Quote(dir / "part.img") + " " + Quote(sys.DeviceNode("sda1")));
    MakeSparseFile(sys.DeviceNode("nvme0n1"), 16 * MiB);
    MakeSparseFile(sys.DeviceNode("sdb"), 16 * MiB);
    for (const char* dm : {"dm-0", "dm-1", "dm-2", "dm-3"})
        MakeFat32File(sys.DeviceNode(dm), 4 * MiB, "SECRET");

    const auto disks = Drive::EnumerateDisks(sys.Roots());
    ASSERT_EQ(disks.size(), 7u); // sda, sdb, nvme0n1 and dm-3 as disks; three containers after them
    std::map<std::string, std::shared_ptr<Drive::Disk>> byPath;
    for (size_t i = 0; i < disks.size(); ++i) {
        EXPECT_EQ(disks[i]->diskNumber, static_cast<int32_t>(i));
        byPath[disks[i]->devicePath] = disks[i];
    }
    const auto& sda = *byPath.at(sys.DeviceNode("sda"));
    EXPECT_EQ(sda.mediaKind, 1u);
    EXPECT_EQ(sda.vendor, "ATA");
    EXPECT_EQ(sda.serial, "WD-WCC3F");
    EXPECT_EQ(sda.revision, "1A01");
    ASSERT_EQ(sda.volumes.size(), 1u);
    const auto& volume = *sda.volumes[0];
    EXPECT_EQ(volume.volumePath, sys.DeviceNode("sda1"));
    EXPECT_EQ(Drive::FindVolumePathByExtent(sys.Roots(), sys.DeviceNode("sda"), 2048 * 512, 16384 * 512),
              sys.DeviceNode("sda1"));
    EXPECT_EQ(Drive::FindVolumePathByExtent(sys.Roots(), sys.DeviceNode("sda"), 2048 * 512, 16383 * 512), "");
    EXPECT_EQ(volume.mountPaths, std::vector<std::string>{mountPoint});
    EXPECT_GT(volume.freeBytes, 0u);
    EXPECT_EQ(volume.label, "DATA");
    EXPECT_EQ(volume.fileSystem, "FAT32");
    EXPECT_EQ(volume.driveType, 3u);
    EXPECT_EQ(byPath.at(sys.DeviceNode("nvme0n1"))->mediaKind, 2u);
    const auto& stick = *byPath.at(sys.DeviceNode("sdb"));
    EXPECT_EQ(stick.mediaKind, 3u);
    EXPECT_EQ(stick.usb, 1);
    EXPECT_FALSE(byPath.at(sys.DeviceNode("dm-3"))->IsVirtual());

    const auto containers = Drive::FindEncryptedContainers(sys.Roots());
    ASSERT_EQ(containers.size(), 3u);
    std::map<std::string, std::string> kinds;
    for (const auto& container : containers) {
        ASSERT_TRUE(container->IsVirtual());
        kinds[container->devicePath] = container->product;
        ASSERT_EQ(container->volumes.size(), 1u);
        EXPECT_EQ(container->volumes[0]->length, 4 * MiB);
        EXPECT_EQ(container->volumes[0]->fileSystem, "FAT32");
        EXPECT_EQ(container->volumes[0]->label, "SECRET");
    }
    EXPECT_EQ(kinds.at(sys.DeviceNode("dm-0")), "VeraCrypt");
    EXPECT_EQ(kinds.at(sys.DeviceNode("dm-1")), "TrueCrypt");
    EXPECT_EQ(kinds.at(sys.DeviceNode("dm-2")), "TrueCrypt");
    EXPECT_EQ(Drive::VirtualDiskKindName(7), "Unknown");

    EXPECT_EQ(Drive::GetDisk(6, sys.Roots())->product, disks[6]->product);
    EXPECT_FALSE(Drive::GetDisk(7, sys.Roots()));
    EXPECT_EQ(Drive::EnumerateVolumes(sys.Roots()).size(), 1u + 1u + 3u);
    ASSERT_TRUE(Drive::OpenDisk(0, sys.Roots()));
    EXPECT_EQ(Drive::OpenDisk(0, sys.Roots())->devicePath, disks[0]->devicePath);
    EXPECT_FALSE(Drive::OpenDisk(4, sys.Roots()));
}

TEST(DriveVolume, DescribedVolumeParsesItsHexSerial)
{
    Drive::VolumeDescription description{"/dev/sdz1", "LABEL", "NTFS", 1000, 10, "1234ABCD"};
    const Drive::Volume volume(description, 3, nullptr);
    EXPECT_EQ(volume.serialNumber, 0x1234ABCDu);
    EXPECT_EQ(volume.partitionNumber, 3u);
    EXPECT_EQ(volume.partitionStyle, 2u);
    EXPECT_EQ(volume.length, 1000u);
    description.serialHex = "xyz";
    EXPECT_THROW(Drive::Volume(description, 0, nullptr), std::invalid_argument);
    description.serialHex = "FFFFFFFFFFFFFFFFFFFFFF";
    EXPECT_THROW(Drive::Volume(description, 0, nullptr), std::out_of_range);
}
