// Whether a device went away, asked after a read failed with EIO: a bad stretch
// of a device still there (a device-mapper "error" segment) is a plain read
// error that costs only its bytes; a device whose node is gone is disconnected.
#include "DataRecovery/Exceptions.h"
#include "Platform/Linux/DeviceFile.h"
#include "Utils/PartReader.h"
#include "Utils/ReaderBufferController.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <typeinfo>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

using TestSupport::Quote;

namespace {

constexpr uint64_t MiB = 1024 * 1024;

std::string Trimmed(std::string text)
{
    text.erase(text.find_last_not_of('\n') + 1);
    return text;
}

}

TEST(DeviceGone, AnImageFileNeverGoes)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "a.img";
    TestSupport::RunOrFail("truncate -s 1M " + Quote(image));
    auto file = Platform::OpenDeviceFile(image, false);
    ASSERT_TRUE(file);
    EXPECT_FALSE(file->Gone());
}

TEST(DeviceGone, BadSectorsOfAPresentDevice)
{
    REQUIRE_TOOL("losetup");
    REQUIRE_TOOL("dmsetup");
    if (!TestSupport::IsRoot())
        SKIP_FOR_MISSING("loop and device-mapper devices need root");
    REQUIRE_KERNEL_DEVICE_MAPPER();
    TestSupport::TempDir dir;
    const std::string image = dir / "disk.img";
    TestSupport::RunOrFail("head -c 4M /dev/urandom > " + Quote(image));
    std::string loop;
    ASSERT_EQ(TestSupport::RunCommand("losetup -f --show " + Quote(image), &loop), 0)
        << "losetup could not attach the image";
    loop = Trimmed(loop);
    const std::string name = "velmora-gone-" + std::to_string(::getpid()) + "-" + dir.Path().filename().string();
    struct Cleanup {
        std::string loop, name;
        bool mapped = false;
        ~Cleanup()
        {
            ReaderBufferController::Clear();
            // --retry: a table may stay open a moment after its last reader closed it.
            std::string output;
            if (mapped && TestSupport::RunCommand("dmsetup remove --retry " + Quote(name) + " 2>&1", &output) != 0)
                ADD_FAILURE() << "dmsetup remove " << name << " failed: " << output;
            TestSupport::RunCommand("losetup -d " + Quote(loop));
        }
    } cleanup{loop, name};
    // Sectors 2048-2055 (1 MiB on) fail with EIO, as a disk's bad sectors do.
    const std::string table = "0 2048 linear " + loop + " 0\\n2048 8 error\\n2056 6136 linear " + loop + " 2056\\n";
    std::string dmOutput;
    ASSERT_EQ(TestSupport::RunCommand("printf " + Quote(table) + " | dmsetup create " + Quote(name) + " 2>&1", &dmOutput),
              0)
        << "dmsetup create failed: " << dmOutput;
    cleanup.mapped = true;
    const std::string device = "/dev/mapper/" + name;
    TestSupport::RunCommand("udevadm settle 2>/dev/null");

    auto file = Platform::OpenDeviceFile(device, false);
    ASSERT_TRUE(file);
    std::vector<uint8_t> bytes(4096);
    EXPECT_EQ(file->ReadAt(1 * MiB, bytes.data(), bytes.size()), -EIO);
    EXPECT_FALSE(file->Gone());

    // Through the reader: the bad stretch is a plain read error, its neighbours read.
    {
        Utils::PartReader reader(device, 0, 4 * MiB);
        EXPECT_NO_THROW(reader.Read(0, bytes.data(), 4096));
        try {
            reader.Read(1 * MiB, bytes.data(), 512);
            ADD_FAILURE() << "a bad sector gave data";
        } catch (const Exceptions::DiskException& e) {
            EXPECT_EQ(typeid(e), typeid(Exceptions::DiskException)) << e.what();
        }
        EXPECT_NO_THROW(reader.Read(2 * MiB, bytes.data(), 4096));
    }
}

// A block device whose node vanished is gone; while the node names it, it is not.
TEST(DeviceGone, ARemovedNodeIsGone)
{
    REQUIRE_TOOL("losetup");
    if (!TestSupport::IsRoot())
        SKIP_FOR_MISSING("attaching a loop device needs root");
    TestSupport::TempDir dir;
    const std::string image = dir / "disk.img";
    TestSupport::RunOrFail("truncate -s 1M " + Quote(image));
    std::string loop;
    ASSERT_EQ(TestSupport::RunCommand("losetup -f --show " + Quote(image), &loop), 0)
        << "losetup could not attach the image";
    loop = Trimmed(loop);
    struct Detach {
        std::string loop;
        ~Detach() { TestSupport::RunCommand("losetup -d " + Quote(loop)); }
    } detach{loop};
    struct stat info {};
    ASSERT_EQ(::stat(loop.c_str(), &info), 0);
    const std::string node = dir / "node";
    ASSERT_EQ(::mknod(node.c_str(), S_IFBLK | 0600, info.st_rdev), 0) << std::strerror(errno);
    auto viaNode = Platform::OpenDeviceFile(node, false);
    ASSERT_TRUE(viaNode);
    EXPECT_FALSE(viaNode->Gone());
    ::unlink(node.c_str());
    EXPECT_TRUE(viaNode->Gone());
}
