// The raw pass on worker threads: any worker count finds the same files and
// the same lost volumes as one worker, chunks arrive in volume order with a
// failed read in its place, and a stop or pause holds a multi-worker pass at
// once.
#include "DataRecovery/Exceptions.h"
#include "DeepScan/ChunkReader.h"
#include "DeepScan/CarvingHarness.h"
#include "DeepScan/UnknownDataRecovery.h"
#include "NTFS/NtfsImage.h"
#include "Utils/ThreadPool.h"
#include "Utils/PartReader.h"
#include "support/CarvingFixtures.h"
#include "support/DiskImages.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

using TestSupport::Quote;
using TestSupport::RunOrFail;

namespace {

constexpr uint64_t MiB = 1024 * 1024;

void WriteAt(const std::string& path, uint64_t at, const std::vector<uint8_t>& bytes)
{
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(at));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Files larger than a chunk: a JPEG whose scan data the parser reads through
// for 3 MiB (its carve reads on through the volume reader) and a stored zip
// whose member the parser skips (passed over unread).
std::vector<std::string> LargeFiles(const TestSupport::TempDir& dir)
{
    const std::string jpg = dir / "large.jpg";
    const std::string zip = dir / "large.zip";
    if (!std::filesystem::exists(jpg)) {
        RunOrFail("convert -size 1100x1000 xc: -seed 4 +noise Random -quality 100 " + Quote(jpg) + " 2>&1");
        const auto noise = CarvingTest::RandomBytes(3 * MiB + 777, 8);
        std::ofstream(dir / "noise.bin", std::ios::binary)
            .write(reinterpret_cast<const char*>(noise.data()), static_cast<std::streamsize>(noise.size()));
        RunOrFail("cd " + Quote(dir.Path().string()) + " && zip -q -0 large.zip noise.bin");
    }
    return {jpg, zip};
}

// Every fixture at 4096-aligned offsets between random clusters, then the
// large files each starting in the last block of a chunk; no table, no file
// system. Returns where the large files lie.
std::vector<std::pair<uint64_t, uint64_t>> MakeRawImage(const TestSupport::TempDir& dir, const std::string& image)
{
    std::vector<std::pair<uint64_t, uint64_t>> large;
    std::vector<uint8_t> bytes(8192, 0);
    std::mt19937 random(11);
    for (const auto& fixture : TestSupport::CarvingFixtures()) {
        const auto file = TestSupport::ReadFileBytes(fixture.file);
        bytes.insert(bytes.end(), file.begin(), file.end());
        const size_t filler = (4096 - bytes.size() % 4096) % 4096 + (1 + random() % 3) * 4096;
        const auto noise = CarvingTest::RandomBytes(filler, random());
        bytes.insert(bytes.end(), noise.begin(), noise.end());
    }
    for (const auto& path : LargeFiles(dir)) {
        const size_t chunkEnd = (bytes.size() / MiB + 2) * MiB;
        const auto noise = CarvingTest::RandomBytes(chunkEnd - 512 - bytes.size(), random());
        bytes.insert(bytes.end(), noise.begin(), noise.end());
        const auto file = TestSupport::ReadFileBytes(path);
        EXPECT_GT(file.size(), 2 * MiB);
        large.push_back({bytes.size(), file.size()});
        bytes.insert(bytes.end(), file.begin(), file.end());
    }
    const auto tail = CarvingTest::RandomBytes(MiB + 1234 * 512 - bytes.size() % MiB, 3);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    std::ofstream(image, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return large;
}

// The large files and the first fixtures: what the file-system cases hold,
// every second one then deleted.
std::vector<std::string> FilesToHold(const TestSupport::TempDir& dir)
{
    std::vector<std::string> files = LargeFiles(dir);
    for (const auto& fixture : TestSupport::CarvingFixtures())
        if (files.size() < 14)
            files.push_back(fixture.file);
    return files;
}

// A FAT32 file system holding the files, half of them deleted.
void MakeFat32WithFiles(const TestSupport::TempDir& dir, const std::string& image, uint64_t size,
                        const std::string& tag)
{
    TestSupport::MakeFat32File(image, size, tag);
    const auto files = FilesToHold(dir);
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string name = "::f" + std::to_string(i) + std::filesystem::path(files[i]).extension().string();
        RunOrFail("mcopy -i " + Quote(image) + " " + Quote(files[i]) + " " + name);
        if (i % 2 == 1)
            RunOrFail("mdel -i " + Quote(image) + " " + name);
    }
}

// An NTFS volume (mkntfs, files through ntfs-3g) holding the files, half of them deleted.
void MakeNtfsWithFiles(const TestSupport::TempDir& dir, const std::string& image)
{
    std::string script = "set -e\n";
    const auto files = FilesToHold(dir);
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string extension = std::filesystem::path(files[i]).extension().string();
        const std::string name = "\"$M/f" + std::to_string(i) + extension + "\"";
        script += "cp " + Quote(files[i]) + " " + name + "\n";
        if (i % 2 == 1)
            script += "rm " + name + "\n";
    }
    NtfsImage::Make(image, 48, "-c 4096", script);
}

// A disk of two FAT32 volumes whose partition table was zeroed.
void MakeWipedDisk(const TestSupport::TempDir& dir, const std::string& disk)
{
    RunOrFail("truncate -s 100M " + Quote(disk));
    std::ofstream(dir / "table.txt") << "label: dos\nstart=2048, size=90112, type=c\nstart=92160, size=90112, type=c\n";
    RunOrFail("sfdisk -q " + Quote(disk) + " < " + Quote(dir / "table.txt"));
    for (uint64_t start : {1 * MiB, 45 * MiB}) {
        const std::string part = dir / ("part" + std::to_string(start) + ".img");
        MakeFat32WithFiles(dir, part, 44 * MiB, "P" + std::to_string(start / MiB));
        RunOrFail("dd if=" + Quote(part) + " of=" + Quote(disk) + " bs=1M oflag=seek_bytes seek=" +
                  std::to_string(start) + " conv=notrunc status=none");
    }
    RunOrFail("dd if=/dev/zero of=" + Quote(disk) + " bs=512 count=1 conv=notrunc status=none");
}

struct ScanLines {
    std::vector<std::string> carved;   // in the order reported
    std::vector<std::string> others;   // sorted: files of the volume and of lost volumes
};

ScanLines Scan(const std::string& image, const std::string& workers)
{
    std::string out;
    const std::string env = workers.empty() ? "" : "VELMORA_CARVE_WORKERS=" + workers + " ";
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + env + TestSupport::ProbePath() +
                                          " scan --disk 0 --volume 0 2>/dev/null",
                                      &out),
              0);
    ScanLines lines;
    for (auto line : TestSupport::ParseJsonLines(out)) {
        const std::string kind = line["kind"].get<std::string>();
        if (kind.find("Progress") != std::string::npos || kind == "ScanFinished")
            continue;
        line.erase("t");
        (kind == "CarvedFile" ? lines.carved : lines.others).push_back(line.dump());
    }
    std::sort(lines.others.begin(), lines.others.end());
    return lines;
}

uint64_t CarvedStart(const std::string& line)
{
    return nlohmann::json::parse(line)["runs"][0][0].get<uint64_t>();
}

}

TEST(ParallelCarving, AnyWorkerCountFindsWhatOneWorkerFinds)
{
    REQUIRE_TOOL("convert");
    REQUIRE_TOOL("zip");
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mcopy");
    REQUIRE_TOOL("sfdisk");
    TestSupport::TempDir dir;
    std::vector<std::pair<uint64_t, uint64_t>> large;
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
        size_t minCarved;
        size_t minOthers;
    } cases[] = {
        {"raw image, every type", [&](const std::string& image) { large = MakeRawImage(dir, image); }, 45, 0},
        {"two lost FAT32 volumes", [&](const std::string& image) { MakeWipedDisk(dir, image); }, 10, 8},
        {"own FAT32 volume, carving in free space",
         [&](const std::string& image) { MakeFat32WithFiles(dir, image, 64 * MiB, "OWN"); }, 5, 4},
        {"own NTFS volume, carving in free space", [&](const std::string& image) { MakeNtfsWithFiles(dir, image); },
         3, 4},
    };
    const std::string ntfsMissing = NtfsImage::MissingTools();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name).find("NTFS") != std::string::npos && !ntfsMissing.empty()) {
            if (TestSupport::NoToolSkips())
                ADD_FAILURE() << ntfsMissing;
            std::cout << "NTFS case left out: " << ntfsMissing << "\n";
            continue;
        }
        const std::string image = dir / "image.img";
        std::filesystem::remove(image);
        c.make(image);
        const auto one = Scan(image, "1");
        EXPECT_GE(one.carved.size(), c.minCarved);
        EXPECT_GE(one.others.size(), c.minOthers);
        for (size_t i = 1; i < one.carved.size(); ++i)
            EXPECT_LE(CarvedStart(one.carved[i - 1]), CarvedStart(one.carved[i])) << one.carved[i];
        // Files past their chunk's end are carved whole: read on, or passed over unread.
        for (const auto& [offset, size] : std::exchange(large, {})) {
            const auto it = std::find_if(one.carved.begin(), one.carved.end(),
                                         [&](const std::string& line) { return CarvedStart(line) == offset; });
            ASSERT_NE(it, one.carved.end()) << offset;
            EXPECT_EQ(nlohmann::json::parse(*it)["fileSize"].get<uint64_t>(), size) << *it;
        }
        for (const std::string workers : {"3", ""}) {
            SCOPED_TRACE("workers: " + (workers.empty() ? std::string("all cores") : workers));
            const auto many = Scan(image, workers);
            EXPECT_EQ(many.carved, one.carved);
            EXPECT_EQ(many.others, one.others);
        }
    }
}

// A loop device is read with direct I/O where its backing file allows it,
// through the reader's window, which the workers then share: they find what
// the image file gives.
TEST(ParallelCarving, ALoopDeviceGivesWhatItsImageGives)
{
    REQUIRE_TOOL("convert");
    REQUIRE_TOOL("zip");
    REQUIRE_TOOL("losetup");
    if (!TestSupport::IsRoot())
        SKIP_FOR_MISSING("attaching a loop device needs root");
    TestSupport::TempDir dir;
    const std::string image = dir / "raw.img";
    MakeRawImage(dir, image);
    std::string device;
    ASSERT_EQ(TestSupport::RunCommand("losetup -f --show " + Quote(image) + " 2>&1", &device), 0) << device;
    device.erase(device.find_last_not_of('\n') + 1);
    struct Detach {
        std::string device;
        ~Detach() { TestSupport::RunCommand("losetup -d " + Quote(device)); }
    } detach{device};
    const auto fromImage = Scan(image, "");
    const auto fromDevice = Scan(device, "");
    EXPECT_GE(fromImage.carved.size(), 45u);
    EXPECT_EQ(fromDevice.carved, fromImage.carved);
}

// A read that fails is thrown where its chunk would have come; the chunks
// before it arrive whole and in order, each with its workers' marks.
TEST(ParallelCarving, ChunksArriveInOrderWithAFailedReadInItsPlace)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "short.img";
    std::vector<uint8_t> bytes(3 * MiB + MiB / 2);
    for (size_t i = 0; i < bytes.size(); i += 512)
        bytes[i] = static_cast<uint8_t>((i / 512) % 7 == 0);
    std::ofstream(image, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Utils::PartReader reader(image, 0, 5 * MiB);
    auto workers = std::make_shared<Thread::ThreadPool>(4);
    DeepScan::ChunkReader chunks(reader, 5 * MiB, MiB, 6, workers, [](const DeepScan::Chunk& chunk) {
        std::vector<bool> marks(chunk.bytes.size() / 512);
        for (size_t i = 0; i < marks.size(); ++i)
            marks[i] = chunk.bytes[i * 512] != 0;
        return marks;
    });
    for (uint64_t offset = 0; offset < 3 * MiB; offset += MiB) {
        const auto delivered = chunks.Next();
        ASSERT_TRUE(delivered.chunk);
        EXPECT_EQ(delivered.chunk->offset, offset);
        ASSERT_EQ(delivered.chunk->bytes.size(), MiB);
        EXPECT_TRUE(std::equal(delivered.chunk->bytes.begin(), delivered.chunk->bytes.end(), bytes.begin() + offset));
        ASSERT_EQ(delivered.marks.size(), MiB / 512);
        for (size_t i = 0; i < delivered.marks.size(); ++i)
            EXPECT_EQ(delivered.marks[i], (offset / 512 + i) % 7 == 0);
    }
    EXPECT_THROW(chunks.Next(), Exceptions::DiskException);
    EXPECT_FALSE(chunks.Next().chunk);
}

class ParallelCarvingStop : public ::testing::Test {
protected:
    // A sparse 512 MiB volume with a PDF that never ends at its start, so a
    // worker reads on through the whole volume, and PDF starts every MiB.
    void SetUp() override
    {
        image = dir / "volume.img";
        TestSupport::MakeSparseFile(image, 512 * MiB);
        const std::string head = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n";
        for (uint64_t at = 0; at < 512 * MiB; at += MiB)
            WriteAt(image, at, std::vector<uint8_t>(head.begin(), head.end()));
        VolumeInfoItem volume;
        volume.devicePath = image;
        volume.length = 512 * MiB;
        DiskAndVolumeInfo info;
        info.endOffset = volume.length;
        search = std::make_unique<UnknownDataRecovery>(nullptr, volume, info, [this](const DataRecoveryInfo& e) {
            const int count = ++events;
            if (e.kind == RawScanProgress && onProgress)
                onProgress(count);
        });
        search->SetCarveWorkers(8);
    }

    TestSupport::TempDir dir;
    std::string image;
    std::unique_ptr<UnknownDataRecovery> search;
    std::atomic<int> events{0};
    std::function<void(int)> onProgress;
};

// Stopped some MiB in, with workers reading on for the PDFs begun so far.
TEST_F(ParallelCarvingStop, AStopEndsThePassAndItsWorkersAtOnce)
{
    onProgress = [&](int count) {
        if (count == 20)
            search->SetStop(0);
    };
    EXPECT_THROW(search->ScanRaw(), Exceptions::ProcessControllerException);
    // At most the rest of the chunk under way reports after the stop (the whole
    // pass would report 512 times); nothing after the pass, not even while the
    // search and whatever it still owns are torn down.
    const int after = events.load();
    EXPECT_LE(after, 22);
    search.reset();
    EXPECT_EQ(events.load(), after);
}

TEST_F(ParallelCarvingStop, APauseHoldsThePassUntilStopped)
{
    std::atomic<bool> paused{false};
    std::atomic<int> held{0};
    onProgress = [&](int count) {
        if (count != 1)
            return;
        search->Pause(0);
        paused = true;
    };
    std::thread control([&] {
        while (!paused)
            std::this_thread::yield();
        // The rest of the chunk under way may still report; once the pass has
        // waited at the pause nothing more may, however many more waits it makes.
        while (search->PausedPolls() == 0)
            std::this_thread::yield();
        held = events.load();
        const uint64_t acknowledged = search->PausedPolls();
        while (search->PausedPolls() < acknowledged + 3)
            std::this_thread::yield();
        EXPECT_EQ(events.load(), held);
        search->SetStop(0);
    });
    EXPECT_THROW(search->ScanRaw(), Exceptions::ProcessControllerException);
    control.join();
    EXPECT_LE(held, 3);
    EXPECT_EQ(events.load(), held);
}
