#include "DataRecovery/Exceptions.h"
#include "Utils/PartReader.h"
#include "Utils/ReaderBuffer.h"
#include "Utils/ReaderBufferController.h"
#include "support/FaultyDevice.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <random>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;
using TestSupport::FaultyDevice;

namespace {

constexpr uint64_t KiB = 1024;
constexpr uint64_t MiB = 1024 * KiB;

// pread of the image itself: what every read through the cache must equal.
class Oracle {
public:
    explicit Oracle(const std::string& path) : fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~Oracle() { ::close(fd); }
    std::vector<uint8_t> Read(uint64_t offset, uint64_t length) const
    {
        std::vector<uint8_t> bytes(length);
        EXPECT_EQ(::pread(fd, bytes.data(), length, static_cast<off_t>(offset)), static_cast<ssize_t>(length));
        return bytes;
    }

private:
    int fd;
};

// Counts what random reads through a volume reader give, against pread.
struct ReadTally {
    std::atomic<int> mismatches{0};
    std::atomic<int> pastEndErrors{0};
    std::atomic<int> unexpectedErrors{0};

    // One read of up to longLength (a quarter of the time) or shortLength bytes;
    // half land near the end of the device, some across it.
    void RandomRead(Utils::PartReader& reader, std::mt19937_64& random, uint64_t size, const Oracle& oracle,
                    uint64_t longLength, uint64_t shortLength, uint64_t endSlack)
    {
        const uint64_t length = 1 + random() % (random() % 4 == 0 ? longLength : shortLength);
        const uint64_t deviceEnd = size - reader.Start();
        const uint64_t offset = random() % 2 ? random() % deviceEnd
                                             : deviceEnd - std::min<uint64_t>(deviceEnd, random() % (length + endSlack));
        std::vector<uint8_t> bytes(length);
        try {
            reader.Read(offset, bytes.data(), static_cast<uint32_t>(length));
            if (reader.Start() + offset + length > size || bytes != oracle.Read(reader.Start() + offset, length))
                ++mismatches;
        } catch (const Exceptions::DiskException&) {
            if (reader.Start() + offset + length > size)
                ++pastEndErrors;
            else
                ++unexpectedErrors;
        }
    }

    void ExpectClean() const
    {
        EXPECT_EQ(mismatches, 0);
        EXPECT_EQ(unexpectedErrors, 0);
        EXPECT_GT(pastEndErrors, 0);
    }
};

// Whether a thread of this process sleeps in a futex wait, as a reader does
// while it waits for the read-ahead: nothing else on its path can sleep.
bool BlockedInFutex(pid_t threadId)
{
    std::ifstream in("/proc/self/task/" + std::to_string(threadId) + "/syscall");
    long number = -1;
    return in >> number && number == SYS_futex;
}

class ReaderBufferTest : public ::testing::Test {
protected:
    void SetUp() override { ReaderBufferController::Clear(); }
    void TearDown() override { ReaderBufferController::Clear(); }

    std::string Image(uint64_t bytes)
    {
        const std::string path = dir / "numbered.img";
        TestSupport::WriteNumberedImage(path, bytes);
        return path;
    }

    // A buffer over a failing device, cached under a name of its own so that
    // PartReader finds it like any other.
    FaultyDevice* Faulty(const std::string& image, uint64_t chunk, uint32_t sectorSize = 512, bool strict = false,
                         bool sizeHidden = false)
    {
        auto device = std::make_unique<FaultyDevice>(image, sectorSize, strict);
        if (sizeHidden)
            device->HideSize();
        FaultyDevice* raw = device.get();
        ReaderBufferController::Insert(
            "faulty", std::make_shared<Utils::ReaderBuffer>(std::move(device), "faulty", 0, chunk));
        return raw;
    }

    static std::vector<uint8_t> ReadThrough(Utils::PartReader& reader, uint64_t offset, uint64_t length)
    {
        std::vector<uint8_t> bytes(length);
        reader.Read(offset, bytes.data(), static_cast<uint32_t>(length));
        return bytes;
    }

    static void WaitForReadAhead(Utils::PartReader& reader, uint64_t count)
    {
        for (int i = 0; i < 2000 && reader.LockReaderBuffer()->GetStatistics().prefetchReads < count; ++i)
            std::this_thread::sleep_for(1ms);
    }

    TestSupport::TempDir dir;
};

}

TEST_F(ReaderBufferTest, RandomConcurrentReadsAndResizesMatchPread)
{
    // An odd size: the last sector is partial, and no chunk size divides it.
    const uint64_t size = 12 * MiB + 3 * 512 + 100;
    const std::string image = Image(size);
    const Oracle oracle(image);

    // The first reader covers only 1 MiB; later ones still read to the device end.
    std::vector<std::unique_ptr<Utils::PartReader>> readers;
    readers.push_back(std::make_unique<Utils::PartReader>(image, 0, 1 * MiB));
    readers.push_back(std::make_unique<Utils::PartReader>(image, 0, size));
    readers.push_back(std::make_unique<Utils::PartReader>(image, 777, size - 777));
    readers.push_back(std::make_unique<Utils::PartReader>(image, 5 * MiB + 512, 1 * MiB));
    readers[0]->SetBufferSize(512 * KiB);
    EXPECT_EQ(readers[0]->LockReaderBuffer()->LimitOffset(), size);

    ReadTally tally;
    auto worker = [&](unsigned seed) {
        std::mt19937_64 random(seed);
        for (int i = 0; i < 120; ++i) {
            auto& reader = *readers[random() % readers.size()];
            if (random() % 24 == 0) {
                // A new reader's own boot-sector read races with everybody else's.
                const uint64_t start = random() % (size - 512) / 512 * 512;
                Utils::PartReader fresh(image, start, 512);
                if (std::vector<uint8_t>(fresh.bootSector, fresh.bootSector + 512) != oracle.Read(start, 512))
                    ++tally.mismatches;
                continue;
            }
            if (random() % 16 == 0) {
                reader.SetBufferSize((512 + random() % 1536) * KiB);
                continue;
            }
            tally.RandomRead(reader, random, size, oracle, 2 * MiB, 64 * KiB, 4096);
        }
    };
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < 8; ++t)
        threads.emplace_back(worker, 1000 + t);
    for (auto& t : threads)
        t.join();
    tally.ExpectClean();
}

TEST_F(ReaderBufferTest, ForwardReadingIsServedByTheReadAhead)
{
    const uint64_t size = 20 * MiB;
    const std::string image = Image(size);
    const Oracle oracle(image);
    Utils::PartReader reader(image, 0, size);
    reader.SetBufferSize(1 * MiB);
    for (uint64_t offset = 0; offset < size; offset += 48 * KiB) {
        const uint64_t length = std::min<uint64_t>(48 * KiB, size - offset);
        ASSERT_EQ(ReadThrough(reader, offset, length), oracle.Read(offset, length)) << offset;
    }
    const auto stats = reader.LockReaderBuffer()->GetStatistics();
    EXPECT_LE(stats.directReads, 2u);
    EXPECT_GE(stats.swaps, 18u);

    // Long reads of a page-cached image go straight to the caller's memory.
    ASSERT_EQ(ReadThrough(reader, 3 * MiB + 5, 3 * MiB), oracle.Read(3 * MiB + 5, 3 * MiB));
    EXPECT_EQ(reader.LockReaderBuffer()->GetStatistics().bypassReads, 1u);
    EXPECT_THROW(ReadThrough(reader, size - 2 * MiB, 2 * MiB + 1), Exceptions::DiskException);
}

TEST_F(ReaderBufferTest, ReadersOfOnePathShareOneBufferAndReadToTheDeviceEnd)
{
    const uint64_t size = 3 * MiB + 512;
    const std::string image = Image(size);
    const Oracle oracle(image);
    {
        // The reader that creates the buffer may go first; the buffer outlives it.
        Utils::PartReader creator(image, 2 * MiB, 4096);
    }
    Utils::PartReader first(image, 1 * MiB, 512);
    Utils::PartReader second(image, 0, size);
    EXPECT_EQ(first.LockReaderBuffer(), second.LockReaderBuffer());
    EXPECT_EQ(ReaderBufferController::Count(), 1u);
    EXPECT_EQ(std::vector<uint8_t>(first.bootSector, first.bootSector + 512), oracle.Read(1 * MiB, 512));
    EXPECT_EQ(ReadThrough(second, size - 700, 700), oracle.Read(size - 700, 700));
    // Exactly up to the end is fine; one byte more is an error, never stale bytes.
    EXPECT_THROW(ReadThrough(second, size - 700, 701), Exceptions::DiskException);
    EXPECT_THROW(ReadThrough(second, size, 1), Exceptions::DiskException);
    EXPECT_THROW(ReadThrough(second, size + 10 * MiB, 1), Exceptions::DiskException);
    EXPECT_EQ(ReadThrough(second, 0, 4096), oracle.Read(0, 4096));
}

TEST_F(ReaderBufferTest, ADeviceOfUnknownSizeServesOnlyTheBytesItDelivered)
{
    const uint64_t size = 2 * MiB + 700;
    const std::string image = Image(size);
    const Oracle oracle(image);
    Faulty(image, 1 * MiB, 512, false, true);
    // The reader believes the range runs a megabyte past the device's end.
    Utils::PartReader reader("faulty", 0, size + 1 * MiB);
    EXPECT_EQ(reader.LockReaderBuffer()->LimitOffset(), size + 1 * MiB);
    EXPECT_EQ(ReadThrough(reader, size - 1000, 1000), oracle.Read(size - 1000, 1000));
    // The last window is short: what lies after the delivered bytes is an error.
    EXPECT_THROW(ReadThrough(reader, size - 1000, 1001), Exceptions::DiskException);
    EXPECT_THROW(ReadThrough(reader, size + 4096, 16), Exceptions::DiskException);
    EXPECT_EQ(ReadThrough(reader, 100, 5000), oracle.Read(100, 5000));
}

TEST_F(ReaderBufferTest, AReadAheadFailureSurfacesOnlyForItsOwnBytes)
{
    const std::string image = Image(8 * MiB);
    const Oracle oracle(image);
    FaultyDevice* device = Faulty(image, 1 * MiB);
    device->FailRange(1 * MiB, 2 * MiB, EIO);
    device->Unplug();
    // The constructor's read of [0, 1 MiB) posts a read-ahead of [1 MiB, 2 MiB), which fails.
    Utils::PartReader reader("faulty", 0, 8 * MiB);
    WaitForReadAhead(reader, 1);

    // An unrelated refill does not inherit that failure.
    EXPECT_EQ(ReadThrough(reader, 5 * MiB + 3, 1000), oracle.Read(5 * MiB + 3, 1000));

    // A refill that needs the failed bytes gets the stored failure, not data.
    EXPECT_EQ(ReadThrough(reader, 10, 1000), oracle.Read(10, 1000));
    WaitForReadAhead(reader, 3);
    const uint64_t readsBefore = device->Reads();
    try {
        ReadThrough(reader, 1 * MiB + 100, 10);
        ADD_FAILURE() << "the failed read-ahead gave data";
    } catch (const Exceptions::DiskDisconnectedException& e) {
        EXPECT_STREQ(e.what(), "The request could not be performed because of an I/O device error (error code 0x45d). "
                               "Disk is disconnected");
    }
    EXPECT_EQ(device->Reads(), readsBefore);

    // The failure was handed over once; a healed device reads again.
    device->Heal();
    EXPECT_EQ(ReadThrough(reader, 1 * MiB + 100, 10), oracle.Read(1 * MiB + 100, 10));
}

TEST_F(ReaderBufferTest, DeviceErrorsBecomeTheMappedExceptions)
{
    const std::string image = Image(4 * MiB);
    struct Case {
        int error;
        bool gone; // the device went away with the failure
        bool disconnected;
        const char* message;
    };
    // EIO is a bad sector while the device is still there, a disconnection
    // only once it is gone.
    const Case cases[] = {
        {ENODEV, false, true, "Device does not exist (error code 0x15). Disk is disconnected"},
        {ENXIO, false, true, "Device not ready (error code 0x37). Disk is disconnected"},
        {ENOMEDIUM, false, true, "Device not ready (error code 0x37). Disk is disconnected"},
        {EIO, true, true, "The request could not be performed because of an I/O device error (error code 0x45d). Disk is "
                          "disconnected"},
        {EIO, false, false, "read offset 2097152 failed (00000005)"},
        {EBADMSG, false, false, "read offset 2097152 failed (0000004a)"},
        {EINVAL, false, false, "read offset 2097152 failed (00000016)"},
    };
    for (const auto& c : cases) {
        ReaderBufferController::Clear();
        FaultyDevice* device = Faulty(image, 1 * MiB);
        Utils::PartReader reader("faulty", 0, 4 * MiB);
        WaitForReadAhead(reader, 1);
        device->FailRange(2 * MiB, 3 * MiB, c.error);
        if (c.gone)
            device->Unplug();
        try {
            ReadThrough(reader, 2 * MiB + 1, 1);
            ADD_FAILURE() << "error " << c.error << " gave data";
        } catch (const Exceptions::DiskException& e) {
            EXPECT_EQ(typeid(e) == typeid(Exceptions::DiskDisconnectedException), c.disconnected) << c.error;
            EXPECT_STREQ(e.what(), c.message);
        }
        // A long read skips the window on this page-cached device and fails the same way.
        try {
            ReadThrough(reader, 2 * MiB - 4096, 512 * KiB);
            ADD_FAILURE() << "error " << c.error << " gave data to a long read";
        } catch (const Exceptions::DiskException& e) {
            EXPECT_EQ(typeid(e) == typeid(Exceptions::DiskDisconnectedException), c.disconnected) << c.error;
            if (c.disconnected)
                EXPECT_STREQ(e.what(), c.message);
            else
                EXPECT_NE(std::string(e.what()).find(" failed (000000"), std::string::npos) << e.what();
        }
        EXPECT_EQ(reader.LockReaderBuffer()->GetStatistics().bypassReads, 1u);
    }
}

TEST_F(ReaderBufferTest, AFailedDirectReadLeavesTheWindowIntact)
{
    const std::string image = Image(8 * MiB);
    const Oracle oracle(image);
    FaultyDevice* device = Faulty(image, 1 * MiB);
    Utils::PartReader reader("faulty", 0, 8 * MiB);
    WaitForReadAhead(reader, 1);
    device->FailRange(4 * MiB, 5 * MiB, EIO);
    try {
        ReadThrough(reader, 4 * MiB + 512, 512);
        ADD_FAILURE() << "a bad sector gave data";
    } catch (const Exceptions::DiskException& e) {
        EXPECT_EQ(typeid(e), typeid(Exceptions::DiskException)) << "a bad sector is no disconnection";
    }
    // The window still holds [0, 1 MiB), read before the failure, and serves it.
    const uint64_t readsBefore = device->Reads();
    EXPECT_EQ(ReadThrough(reader, 512, 64 * KiB), oracle.Read(512, 64 * KiB));
    EXPECT_EQ(device->Reads(), readsBefore);
    device->Heal();
    EXPECT_EQ(ReadThrough(reader, 4 * MiB + 512, 512), oracle.Read(4 * MiB + 512, 512));
}

// Eight readers wait for a read-ahead that the device holds; the device then
// disconnects and the read-ahead fails: every reader wakes with the disconnect.
TEST_F(ReaderBufferTest, ADisconnectWakesEveryWaitingReader)
{
    const std::string image = Image(16 * MiB);
    FaultyDevice* device = Faulty(image, 256 * KiB);
    Utils::PartReader reader("faulty", 0, 16 * MiB);
    WaitForReadAhead(reader, 1);
    // Taking in the read-ahead of [256 KiB, 512 KiB) posts the next one, held at the gate.
    device->HoldReads();
    ReadThrough(reader, 256 * KiB, 512);
    for (int i = 0; i < 5000 && device->HeldReads() == 0; ++i)
        std::this_thread::sleep_for(1ms);
    ASSERT_EQ(device->HeldReads(), 1u);

    constexpr int readers = 8;
    std::vector<std::atomic<pid_t>> threadIds(readers);
    std::vector<std::future<std::string>> results;
    for (int t = 0; t < readers; ++t) {
        results.push_back(std::async(std::launch::async, [&, t] {
            threadIds[t] = ::gettid();
            std::vector<uint8_t> bytes(4 * KiB);
            try {
                // Short reads past the window: each must wait for the read-ahead.
                reader.Read(512 * KiB + t * MiB, bytes.data(), static_cast<uint32_t>(bytes.size()));
                return std::string("data");
            } catch (const Exceptions::DiskDisconnectedException& e) {
                return std::string(e.what());
            } catch (const std::exception& e) {
                return std::string("not a disconnect: ") + e.what();
            }
        }));
    }
    const auto allWaiting = [&] {
        for (const auto& id : threadIds)
            if (id == 0 || !BlockedInFutex(id))
                return false;
        return true;
    };
    for (int i = 0; i < 5000 && !allWaiting(); ++i)
        std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(allWaiting()) << "the readers never all waited for the read-ahead";
    device->FailRange(0, UINT64_MAX, ENODEV);
    device->ReleaseReads();
    for (auto& result : results) {
        if (result.wait_for(20s) != std::future_status::ready) {
            ADD_FAILURE() << "a waiting reader never woke up";
            std::fflush(stdout);
            std::_Exit(1); // its thread can never be joined
        }
        EXPECT_EQ(result.get(), "Device does not exist (error code 0x15). Disk is disconnected");
    }
}

TEST_F(ReaderBufferTest, AResizeDuringAReadAheadNeitherOverflowsNorServesWrongBytes)
{
    const uint64_t size = 16 * MiB;
    const std::string image = Image(size);
    const Oracle oracle(image);
    FaultyDevice* device = Faulty(image, 4 * MiB);
    Utils::PartReader reader("faulty", 0, size);
    device->SetDelay(20ms);
    std::mt19937_64 random(7);
    for (int round = 0; round < 6; ++round) {
        reader.SetBufferSize(4 * MiB);
        const uint64_t offset = random() % (size - 64 * KiB);
        ASSERT_EQ(ReadThrough(reader, offset, 64 * KiB), oracle.Read(offset, 64 * KiB));
        // The read-ahead of a 4 MiB chunk is under way: shrink the chunks now.
        std::this_thread::sleep_for(5ms);
        reader.SetBufferSize(512 * KiB);
        EXPECT_EQ(reader.GetBufferSize(), 512 * KiB);
        // Short enough to go through the window, which now has the new size.
        const uint64_t next = random() % (size - 1 * MiB);
        ASSERT_EQ(ReadThrough(reader, next, 200 * KiB), oracle.Read(next, 200 * KiB));
    }
}

TEST_F(ReaderBufferTest, ReadsAlignToTheDevicesLogicalBlockSize)
{
    const uint64_t size = 6 * MiB + 4096 * 3;
    const std::string image = Image(size);
    const Oracle oracle(image);
    // The size is hidden, so the reader's unaligned end is the read-ahead limit:
    // reads near it must still be whole 4 KiB blocks.
    FaultyDevice* device = Faulty(image, 1 * MiB, 4096, true, true);
    Utils::PartReader reader("faulty", 512 * 3, size - 512 * 3 - 1000);
    reader.SetBufferSize(513 * KiB); // not a whole number of 4 KiB blocks
    EXPECT_EQ(reader.GetBufferSize() % 4096, 0u);
    std::mt19937_64 random(11);
    for (int i = 0; i < 200; ++i) {
        const uint64_t length = 1 + random() % (300 * KiB);
        const uint64_t offset = random() % (reader.Size() - length + 1);
        ASSERT_EQ(ReadThrough(reader, offset, length), oracle.Read(reader.Start() + offset, length)) << offset;
    }
    EXPECT_EQ(device->MisalignedReads(), 0u);
}

TEST_F(ReaderBufferTest, DirectReadsOnAFourKibSectorLoopDevice)
{
    REQUIRE_TOOL("losetup");
    if (!TestSupport::IsRoot())
        SKIP_FOR_MISSING("attaching a loop device needs root");
    const uint64_t size = 8 * MiB;
    const std::string image = Image(size);
    const Oracle oracle(image);
    std::string device;
    // With losetup there and root, an attach that fails is a failure.
    ASSERT_EQ(TestSupport::RunCommand(
                  "losetup -f --show --direct-io=on --sector-size 4096 " + TestSupport::Quote(image) + " 2>&1", &device),
              0)
        << "losetup could not attach a 4 KiB-sector loop device: " << device;
    device.erase(device.find_last_not_of('\n') + 1);
    device.erase(0, device.find_last_of('\n') + 1);
    struct Detach {
        std::string device;
        ~Detach() { TestSupport::RunCommand("losetup -d " + TestSupport::Quote(device)); }
    } detach{device};
    {
        Utils::PartReader reader(device, 1536, size - 1536);
        EXPECT_EQ(reader.LockReaderBuffer()->Alignment(), 4096u);
        EXPECT_EQ(reader.LockReaderBuffer()->DeviceSize(), size);
        std::mt19937_64 random(5);
        for (int i = 0; i < 100; ++i) {
            const uint64_t length = 1 + random() % (3 * MiB);
            const uint64_t offset = random() % (reader.Size() - length + 1);
            ASSERT_EQ(ReadThrough(reader, offset, length), oracle.Read(1536 + offset, length)) << offset;
        }
    }
    ReaderBufferController::Clear();
}

TEST_F(ReaderBufferTest, ClearEndsOldReadersAndAMissingDeviceIsNotCached)
{
    const std::string image = Image(2 * MiB);
    Utils::PartReader reader(image, 0, 2 * MiB);
    auto held = reader.LockReaderBuffer();
    ReaderBufferController::Clear();
    EXPECT_EQ(ReaderBufferController::Count(), 0u);
    std::vector<uint8_t> bytes(16);
    // A buffer locked before the clear lives on for its holder.
    held->ReadBytes(0, bytes.data(), bytes.size());
    held.reset();
    try {
        reader.Read(0, bytes.data(), 16);
        ADD_FAILURE() << "read after clear";
    } catch (const Exceptions::DiskException& e) {
        EXPECT_STREQ(e.what(), "ReaderBuffer expired, cannot recognize file system.");
    }
    try {
        Utils::PartReader missing(dir / "missing.img", 0, 1);
        ADD_FAILURE() << "opened a missing device";
    } catch (const Exceptions::DiskException& e) {
        EXPECT_STREQ(e.what(), "CreateFile failed");
    }
    EXPECT_EQ(ReaderBufferController::Count(), 0u);
}

TEST_F(ReaderBufferTest, ConcurrentReadsOfADirectDeviceOfUnknownSizeMatchPread)
{
    // Every read goes through the window here (no page cache to skip to), the
    // device demands 4 KiB alignment, and the limit comes from the readers.
    const uint64_t size = 9 * MiB + 5 * 4096 + 512;
    const std::string image = Image(size);
    const Oracle oracle(image);
    FaultyDevice* device = Faulty(image, 1 * MiB, 4096, true, true);
    std::vector<std::unique_ptr<Utils::PartReader>> readers;
    readers.push_back(std::make_unique<Utils::PartReader>("faulty", 0, 1 * MiB));
    readers.push_back(std::make_unique<Utils::PartReader>("faulty", 3 * 512, size + 2 * MiB));
    readers.push_back(std::make_unique<Utils::PartReader>("faulty", 4 * MiB + 100, 2 * MiB));

    ReadTally tally;
    auto worker = [&](unsigned seed) {
        std::mt19937_64 random(seed);
        for (int i = 0; i < 150; ++i) {
            auto& reader = *readers[random() % readers.size()];
            if (random() % 20 == 0) {
                reader.SetBufferSize((256 + random() % 1024) * KiB);
                continue;
            }
            tally.RandomRead(reader, random, size, oracle, 3 * MiB, 48 * KiB, 8192);
        }
    };
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < 8; ++t)
        threads.emplace_back(worker, 2000 + t);
    for (auto& t : threads)
        t.join();
    tally.ExpectClean();
    EXPECT_EQ(device->MisalignedReads(), 0u);
}

TEST_F(ReaderBufferTest, ClearWhileReadersReadEndsThemWithTheExpiredError)
{
    const uint64_t size = 6 * MiB + 512;
    const std::string image = Image(size);
    const Oracle oracle(image);
    std::atomic<bool> stop{false};
    std::atomic<int> mismatches{0};
    std::atomic<int> expired{0};
    std::atomic<int> otherErrors{0};
    auto worker = [&](unsigned seed) {
        std::mt19937_64 random(seed);
        auto reader = std::make_unique<Utils::PartReader>(image, 0, size);
        while (!stop) {
            const uint64_t length = 1 + random() % (random() % 4 == 0 ? 1 * MiB : 32 * KiB);
            const uint64_t offset = random() % (size - length);
            std::vector<uint8_t> bytes(length);
            try {
                reader->Read(offset, bytes.data(), static_cast<uint32_t>(length));
                if (bytes != oracle.Read(offset, length))
                    ++mismatches;
            } catch (const Exceptions::DiskException& e) {
                if (std::string(e.what()) != "ReaderBuffer expired, cannot recognize file system.") {
                    ++otherErrors;
                    continue;
                }
                ++expired;
                // A reader made after the clear gets a new buffer of its own.
                reader = std::make_unique<Utils::PartReader>(image, 0, size);
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < 8; ++t)
        threads.emplace_back(worker, 3000 + t);
    for (int round = 0; round < 20; ++round) {
        std::this_thread::sleep_for(5ms);
        ReaderBufferController::Clear();
    }
    stop = true;
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(otherErrors, 0);
    EXPECT_GT(expired, 0);
}

TEST_F(ReaderBufferTest, OffsetsNearTheTopOfTheRangeFailCleanly)
{
    const uint64_t size = 2 * MiB;
    const std::string image = Image(size);
    const Oracle oracle(image);
    const uint64_t top = UINT64_MAX;
    const uint64_t signedTop = uint64_t{INT64_MAX};
    // Known size, unknown size (the device itself must refuse), direct and page-cached.
    for (const bool sizeHidden : {false, true}) {
        for (const bool strict : {false, true}) {
            ReaderBufferController::Clear();
            Faulty(image, 1 * MiB, 512, strict, sizeHidden);
            Utils::PartReader reader("faulty", 4096, size);
            for (const auto& [offset, length] : {std::pair{top - 4096, 1ull}, std::pair{top - 4096 - 100, 200ull},
                                                 std::pair{signedTop - 4096 - 10, 512ull * KiB},
                                                 std::pair{signedTop - 4096 - 10, 100ull},
                                                 std::pair{signedTop + 1, 16ull}}) {
                std::vector<uint8_t> bytes(length);
                EXPECT_THROW(reader.Read(offset, bytes.data(), static_cast<uint32_t>(length)), Exceptions::DiskException)
                    << offset << " " << length << " hidden " << sizeHidden << " strict " << strict;
            }
            EXPECT_EQ(ReadThrough(reader, 100, 5000), oracle.Read(4096 + 100, 5000));
        }
    }
}
