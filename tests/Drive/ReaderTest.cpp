#include "DataRecovery/Exceptions.h"
#include "Disk/SectorReader.h"
#include "Drive/Reader.h"
#include "support/FaultyDevice.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <cstdint>
#include <vector>

namespace {

std::string NumberedImage(const TestSupport::TempDir& dir, uint64_t bytes)
{
    const std::string path = dir / "disk.img";
    TestSupport::WriteNumberedImage(path, bytes);
    return path;
}

uint64_t SectorNumberAt(const std::vector<uint8_t>& bytes, size_t offset)
{
    uint64_t value = 0;
    for (size_t b = 0; b < 8; ++b)
        value |= uint64_t{bytes[offset + b]} << (8 * b);
    return value;
}

}

TEST(DriveReader, SeeksAndReadsWholeSectors)
{
    TestSupport::TempDir dir;
    Drive::Reader reader(NumberedImage(dir, 64 * 512));
    EXPECT_EQ(reader.LogicalSectorSize(), 512u);
    EXPECT_EQ(reader.DeviceSize(), 64u * 512);
    std::vector<uint8_t> bytes(1024);
    ASSERT_TRUE(reader.Seek(10 * 512));
    ASSERT_TRUE(reader.Read(bytes.data(), 1024));
    EXPECT_EQ(SectorNumberAt(bytes, 0), 10u);
    EXPECT_EQ(SectorNumberAt(bytes, 512), 11u);
    // A read moves the position, so the next seek to the old offset moves back.
    EXPECT_EQ(reader.Position(), 12u * 512);
    ASSERT_TRUE(reader.Seek(10 * 512));
    ASSERT_TRUE(reader.Read(bytes.data(), 512));
    EXPECT_EQ(SectorNumberAt(bytes, 0), 10u);
}

TEST(DriveReader, AShortReadAtTheEndSucceedsAndCountsWhatArrived)
{
    TestSupport::TempDir dir;
    Drive::Reader reader(NumberedImage(dir, 8 * 512));
    std::vector<uint8_t> bytes(4096);
    ASSERT_TRUE(reader.Seek(6 * 512));
    EXPECT_TRUE(reader.Read(bytes.data(), 4096));
    EXPECT_EQ(reader.LastReadLength(), 1024u);
    EXPECT_EQ(reader.Position(), 8u * 512);
    EXPECT_TRUE(reader.Read(bytes.data(), 512));
    EXPECT_EQ(reader.LastReadLength(), 0u);
}

TEST(DriveReader, AFailedSeekDoesNotMoveTheRecordedPosition)
{
    TestSupport::TempDir dir;
    Drive::Reader reader(NumberedImage(dir, 8 * 512));
    const uint64_t impossible = (uint64_t{1} << 63) + 512;
    EXPECT_FALSE(reader.Seek(impossible));
    EXPECT_EQ(reader.LastError(), EINVAL);
    EXPECT_EQ(reader.Position(), 0u);
    // Asking again fails again instead of pretending the handle stands there.
    EXPECT_FALSE(reader.Seek(impossible));
}

TEST(DriveReader, WithoutADeviceNothingReads)
{
    Drive::Reader reader(std::unique_ptr<Platform::DeviceFile>{});
    std::vector<uint8_t> bytes(512);
    EXPECT_FALSE(reader.Read(bytes.data(), 512));
    EXPECT_EQ(reader.LastError(), EBADF);
    EXPECT_EQ(reader.Position(), 0u);
    EXPECT_FALSE(reader.Seek(512));
}

TEST(DriveReader, ReadErrorsKeepTheirErrno)
{
    TestSupport::TempDir dir;
    const std::string image = NumberedImage(dir, 8 * 512);
    auto device = std::make_unique<TestSupport::FaultyDevice>(image);
    device->FailRange(0, 512, ENXIO);
    Drive::Reader reader(std::move(device));
    std::vector<uint8_t> bytes(512);
    EXPECT_FALSE(reader.Read(bytes.data(), 512));
    EXPECT_EQ(reader.LastError(), ENXIO);
    EXPECT_EQ(reader.Position(), 0u);
}

TEST(DriveReader, OneTrailingBackslashIsDropped)
{
    TestSupport::TempDir dir;
    const std::string image = NumberedImage(dir, 8 * 512);
    Drive::Reader reader(image + "\\");
    EXPECT_EQ(reader.DeviceSize(), 8u * 512);
    EXPECT_THROW(Drive::Reader(image + "\\\\"), Exceptions::DiskException);
    try {
        Drive::Reader missing(dir / "missing.img");
        ADD_FAILURE() << "opened a missing file";
    } catch (const Exceptions::DiskException& e) {
        EXPECT_STREQ(e.what(), "CreateFile failed");
    }
}

TEST(DriveReader, APathThatIsNeitherADeviceNorAFileFailsAtOnce)
{
    // Opening a FIFO for reading waits for a writer: a mistyped path must be an
    // error, not a hang.
    TestSupport::TempDir dir;
    const std::string fifo = dir / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto opened = std::async(std::launch::async, [&] {
        const bool reader = [&] {
            try {
                Drive::Reader r(fifo);
                return true;
            } catch (const Exceptions::DiskException&) {
                return false;
            }
        }();
        SectorReader sectors(fifo);
        return std::pair{reader, sectors.Open()};
    });
    if (opened.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Let the blocked opens go so that the test ends.
        for (int i = 0; i < 2; ++i) {
            const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            if (writer >= 0)
                ::close(writer);
        }
        FAIL() << "opening a FIFO hung";
    }
    const auto [reader, sectors] = opened.get();
    EXPECT_FALSE(reader);
    EXPECT_FALSE(sectors);
    EXPECT_EQ(Platform::OpenDeviceFile(fifo, false), nullptr);
    EXPECT_EQ(errno, EINVAL);
}
