// BitLocker protection and lock state from crafted boot sectors and fake
// device-mapper holders; the unlock's error paths.
#include "DataRecovery/VelmoraExports.h"
#include "Disk/LocalDiskListing.h"
#include "Drive/CIMV2WMIServer.h"
#include "support/DiskImages.h"
#include "support/FakeSystem.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>
#include <vector>
#include <string.h>

using namespace TestSupport;

TEST(BitLockerStatus, ProtectionComesFromTheBootSector)
{
    REQUIRE_TOOL("mkfs.fat");
    TempDir dir;
    const std::string disk = dir / "disk.img";
    MakeSparseFile(disk, 4 * MiB);
    WriteBitLockerBootSector(disk, MiB);
    MakeSparseFile(dir / "short.img", 100);
    MakeFat32File(dir / "fat.img", 40 * MiB, "PLAIN");

    const CIMV2WMIServer server;
    EXPECT_EQ(server.GetProtectionStatus(disk, MiB), 1);
    EXPECT_EQ(server.GetProtectionStatus(disk, 0), 0);
    EXPECT_EQ(server.GetProtectionStatus(dir / "fat.img", 0), 0);
    EXPECT_EQ(server.GetProtectionStatus(dir / "short.img", 0), -1);
    EXPECT_EQ(server.GetProtectionStatus(dir / "absent.img", 0), -1);
    EXPECT_EQ(server.GetProtectionStatus(disk, 4 * MiB - 100), -1); // sector cut off by the end
}

TEST(BitLockerStatus, UnlockedOnlyWithABitLockerMappingOnTop)
{
    FakeSystem sys;
    sys.AddDisk("sdb", "pci0000:00/usb1/1-1/1-1:1.0/host3/target3:0:0/3:0:0:0", 2097152);
    sys.AddPartition("sdb", "sdb1", 1, 2048, 1048576);
    sys.AddPartition("sdb", "sdb2", 2, 1050624, 1046528);
    sys.AddDisk("sdc", "pci0000:00/ata2/host1/target1:0:0/1:0:0:0", 2097152);
    sys.AddPartition("sdc", "sdc1", 1, 2048, 1048576);
    sys.AddHolder("sdb1", "dm-0", "CRYPT-BITLK-0f1e2d3c-velmora-bitlk-sdb1");
    sys.AddHolder("sdc1", "dm-1", "CRYPT-LUKS2-5a6b7c8d-home");
    for (const char* node : {"sdb", "sdb1", "sdb2", "sdc", "sdc1"})
        MakeSparseFile(sys.DeviceNode(node), 4096);

    const CIMV2WMIServer server(sys.Roots());
    EXPECT_EQ(server.GetLockStatus(sys.DeviceNode("sdb1"), 0), 0);
    EXPECT_EQ(server.GetLockStatus(sys.DeviceNode("sdb"), 2048 * 512), 0); // the same partition, through the disk
    EXPECT_EQ(server.GetLockStatus(sys.DeviceNode("sdb2"), 0), 1);
    EXPECT_EQ(server.GetLockStatus(sys.DeviceNode("sdc1"), 0), 1); // a LUKS mapping does not unlock BitLocker
    EXPECT_EQ(server.GetLockStatus(sys.DeviceNode("sdb"), 4096), 1); // no partition starts there
    EXPECT_EQ(server.VolumeKernelName(sys.DeviceNode("sdb"), 1050624ull * 512), "sdb2");
}

TEST(BitLockerStatus, ListingReportsLockedAndUnlockedVolumes)
{
    REQUIRE_TOOL("sfdisk");
    // Two BitLocker partitions of one disk, one of them opened; a plain one.
    FakeSystem sys;
    sys.AddDisk("sdb", "pci0000:00/usb1/1-1/1-1:1.0/host3/target3:0:0/3:0:0:0", 204800);
    sys.AddPartition("sdb", "sdb1", 1, 2048, 40960);
    sys.AddPartition("sdb", "sdb2", 2, 43008, 40960);
    sys.AddPartition("sdb", "sdb3", 3, 83968, 40960);
    sys.AddHolder("sdb2", "dm-0", "CRYPT-BITLK-0f1e2d3c-velmora-bitlk-sdb2");
    const std::string disk = sys.DeviceNode("sdb");
    MakeSparseFile(disk, 204800ull * 512);
    RunOrFail("printf 'label: dos\\nstart=2048, size=40960, type=7\\nstart=43008, size=40960, type=7\\n"
              "start=83968, size=40960, type=7\\n' | sfdisk -q " + Quote(disk));
    WriteBitLockerBootSector(disk, 2048 * 512);
    WriteBitLockerBootSector(disk, 43008 * 512);

    const auto rows = ListLocalDisksAndVolumes(sys.Roots());
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0].startOffset, 2048u * 512);
    EXPECT_EQ(rows[0].bitLockerStatus, 1);
    EXPECT_EQ(rows[0].fileSystem, "Bitlocker");
    EXPECT_EQ(rows[1].startOffset, 43008u * 512);
    EXPECT_EQ(rows[1].bitLockerStatus, 2);
    EXPECT_EQ(rows[2].startOffset, 83968u * 512);
    EXPECT_EQ(rows[2].bitLockerStatus, 0);
}

TEST(BitLockerUnlock, FailuresGiveFalse)
{
    TempDir dir;
    const std::string zeros = dir / "zeros.img";
    MakeSparseFile(zeros, 8 * MiB);
    const std::string crafted = dir / "crafted.img";
    MakeSparseFile(crafted, 8 * MiB);
    WriteBitLockerBootSector(crafted, 0); // signature without metadata

    auto volume = [](const std::string& path, uint64_t offset) {
        DiskAndVolumeInfo info;
        info.volumePath = path;
        info.volumeLetter = "1";
        info.startOffset = offset;
        info.endOffset = offset + MiB;
        return info;
    };
    EXPECT_FALSE(UnlockBitLockerVolume(volume(dir / "absent.img", 0), L"secret"));
    EXPECT_FALSE(UnlockBitLockerVolume(volume(zeros, 0), L"secret"));
    EXPECT_FALSE(UnlockBitLockerVolume(volume(crafted, 0), L"secret"));
    EXPECT_FALSE(UnlockBitLockerVolume(volume(crafted, 0), nullptr));
    EXPECT_FALSE(UnlockBitLockerVolume(volume(crafted, MiB), L"secret")); // an image range has no node of its own
    const wchar_t invalid[] = {L'a', static_cast<wchar_t>(0xD800), 0};
    EXPECT_FALSE(UnlockBitLockerVolume(volume(crafted, 0), invalid));
}

// A correct password counts as an unlock only when the volume reads unlocked
// afterwards: an image file (no node to map) and a mapping that never appears
// give false; a mapping over the volume's node gives true.
TEST(BitLockerUnlock, ACorrectPasswordCountsOnlyWhenTheVolumeReadsUnlocked)
{
    if (::geteuid() != 0)
        SKIP_FOR_MISSING("mapping a BitLocker volume needs root");
    FakeSystem sys;
    sys.AddDisk("sdb", "pci0000:00/usb1/1-1/1-1:1.0/host3/target3:0:0/3:0:0:0", 2097152);
    sys.AddPartition("sdb", "sdb1", 1, 2048, 1048576);
    sys.AddPartition("sdb", "sdb2", 2, 1050624, 1046528);
    for (const char* node : {"sdb", "sdb1", "sdb2"})
        MakeSparseFile(sys.DeviceNode(node), 4096);
    TempDir dir;
    const std::string image = dir / "bitlocker.img";
    MakeSparseFile(image, MiB);

    struct Case {
        const char* name;
        std::string device;
        bool mapsIt; // the fake mapping appears over the node
        bool expected;
        const char* mappingName;
    };
    const std::vector<Case> cases{
        {"image file", image, true, false, ""},
        {"mapping never appears", sys.DeviceNode("sdb2"), false, false, "velmora-bitlk-sdb2"},
        {"mapped", sys.DeviceNode("sdb1"), true, true, "velmora-bitlk-sdb1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string askedMapping = "(not asked)";
        const CIMV2WMIServer server(sys.Roots(), [&](const std::string& node, const std::string& password,
                                                     const std::string& mapping) {
            askedMapping = mapping;
            EXPECT_EQ(node, c.device);
            EXPECT_EQ(password, "correct");
            if (c.mapsIt && !mapping.empty())
                sys.AddHolder(mapping.substr(std::string("velmora-bitlk-").size()), "dm-0",
                              "CRYPT-BITLK-0f1e2d3c-" + mapping);
            return Platform::BitlkUnlockResult{true, {}};
        });
        EXPECT_EQ(server.UnlockWithPassphrase(c.device, 0, "correct"), c.expected);
        EXPECT_EQ(askedMapping, c.mappingName);
        EXPECT_EQ(server.GetLockStatus(c.device, 0), c.expected ? 0 : 1);
    }
}

// The export's UTF-8 copy of the password is wiped before it is freed: the
// block a same-sized allocation gets back at once must not hold it. (Only the
// plain allocator hands the block back; sanitizer builds pass trivially.)
TEST(BitLockerUnlock, PasswordCopyIsWipedBeforeItIsFreed)
{
    TempDir dir;
    DiskAndVolumeInfo volume;
    volume.volumePath = dir / "absent.img";
    volume.volumeLetter = "1";
    // ASCII, characters of three UTF-8 bytes that would outgrow a block
    // reserved at two bytes a unit, and a password refused at its last unit.
    const std::pair<std::wstring, std::string> cases[] = {
        {L"wipe-check:" + std::wstring(109, L'Q'), std::string(16, 'Q')},
        {std::wstring(100, L'\u4E2D'), "\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD"},
        {L"wipe-check:" + std::wstring(109, L'Q') + static_cast<wchar_t>(0xD800), std::string(16, 'Q')}, // refused
    };
    for (const auto& [password, needle] : cases) {
        for (const size_t bytes : {password.size() * 2, password.size() * 4}) {
            EXPECT_FALSE(UnlockBitLockerVolume(volume, password.c_str()));
            char* reused = static_cast<char*>(std::malloc(bytes + 1));
            ASSERT_NE(reused, nullptr);
            const bool found = ::memmem(reused, bytes + 1, needle.data(), needle.size()) != nullptr;
            std::free(reused);
            EXPECT_FALSE(found) << "block of " << bytes + 1 << " bytes";
        }
    }
}
