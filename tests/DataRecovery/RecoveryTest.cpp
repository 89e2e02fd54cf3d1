// Recovery of found files: copies compared by sha256 with the originals and
// with The Sleuth Kit's icat, hostile names that must stay under the target
// folder, free names, folder repair, previews into memory, run control.
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/RecoveryFixture.h"
#include "DataRecovery/RecoveryPath.h"
#include "DataRecovery/VelmoraContainer.h"
#include "Disk/DiskTable.h"
#include "Utils/PartReader.h"
#include "Utils/ReaderBuffer.h"
#include "Utils/ReaderBufferController.h"
#include "support/FaultyDevice.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
using namespace RecoveryFixture;
using TestSupport::Quote;
using TestSupport::RunOrFail;

namespace {

struct Collector {
    std::mutex mutex;
    std::vector<DataRecoveryInfo> events;
    DataRecoveryCallback Callback()
    {
        return [this](const DataRecoveryInfo& info) {
            std::lock_guard lock(mutex);
            events.push_back(info);
        };
    }
    std::vector<DataRecoveryInfo> OfKind(uint32_t kind)
    {
        std::lock_guard lock(mutex);
        std::vector<DataRecoveryInfo> out;
        for (const auto& e : events)
            if (e.kind == kind)
                out.push_back(e);
        return out;
    }
};

DataRecoveryMultiImpl::Options NoWait()
{
    DataRecoveryMultiImpl::Options options;
    options.sleep = [](std::chrono::milliseconds) {};
    return options;
}

// Every file below root, as paths relative to it.
std::vector<std::string> FilesUnder(const fs::path& root)
{
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (!entry.is_directory())
            files.push_back(fs::relative(entry.path(), root).string());
    return files;
}

}

TEST(Recovery, Fat32FilesMatchOriginalsAndIcat)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mcopy");
    REQUIRE_TOOL("istat");
    TestSupport::TempDir dir;
    const std::string image = dir / "fat.img";
    RunOrFail("truncate -s 40M " + Quote(image) + " && mkfs.fat -F 32 -S 512 -s 1 " + Quote(image));
    WriteRandom(dir / "small.bin", 700);
    WriteRandom(dir / "photo.jpg", 3 * 1024 * 1024 + 123);
    WriteRandom(dir / "empty.txt", 0);
    RunOrFail("mmd -i " + Quote(image) + " ::DCIM && mcopy -i " + Quote(image) + " " + Quote(dir / "small.bin") +
              " ::small.bin && mcopy -i " + Quote(image) + " " + Quote(dir / "photo.jpg") + " ::DCIM/photo.jpg");

    const auto volume = RegisterImage(image, "FAT32");
    Collector events;
    DataRecoveryMultiImpl engine({volume}, events.Callback(), NoWait());
    const std::string out = dir / "out";

    struct Case {
        std::string name, foundPath, source;
    };
    const std::vector<Case> cases = {
        {"small.bin", "X:\\small.bin", dir / "small.bin"},
        {"DCIM/photo.jpg", "X:\\DCIM\\photo.jpg", dir / "photo.jpg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string inode = InodeOf(image, c.name);
        auto runs = RunsFromIstat(image, inode);
        FoundFile file(Fat32File, c.foundPath, runs, fs::file_size(c.source));
        ASSERT_EQ(engine.RecoverData(out, file.record), 0);
        const std::string written = out + "/X/" + c.name;
        EXPECT_EQ(Sha256(written), Sha256(c.source));
        RunOrFail("icat " + Quote(image) + " " + inode + " > " + Quote(dir / "icat.bin"));
        EXPECT_EQ(Sha256(written), Sha256(dir / "icat.bin"));
    }
    // Runs of two files as one fragmented file: the pieces are joined in run order.
    auto first = RunsFromIstat(image, InodeOf(image, "small.bin"));
    first.back().length = 700; // the rest of the cluster is slack, not file data
    auto second = RunsFromIstat(image, InodeOf(image, "DCIM/photo.jpg"));
    first.insert(first.end(), second.begin(), second.end());
    FoundFile joined(Fat32File, "X:\\joined.bin", first, 700 + fs::file_size(dir / "photo.jpg"));
    ASSERT_EQ(engine.RecoverData(out, joined.record), 0);
    RunOrFail("cat " + Quote(dir / "small.bin") + " " + Quote(dir / "photo.jpg") + " > " + Quote(dir / "cat.bin"));
    EXPECT_EQ(Sha256(out + "/X/joined.bin"), Sha256(dir / "cat.bin"));

    // The last progress of a file is held below 1.0; RecoverDone carries 1.0 and the size.
    const auto progress = events.OfKind(RecoverProgress);
    ASSERT_FALSE(progress.empty());
    for (const auto& p : progress)
        EXPECT_LT(p.progress, 1.0);
    EXPECT_DOUBLE_EQ(progress.back().progress, 0.999999);
    const auto done = events.OfKind(RecoverDone);
    ASSERT_EQ(done.size(), 3u);
    EXPECT_EQ(done.back().progress, 1.0);
    EXPECT_EQ(done.back().value, joined.record.fileSize);

    // A file of size 0 with no runs gives an empty file.
    FoundFile empty(Fat32File, "X:\\empty.txt", {}, 0);
    ASSERT_EQ(engine.RecoverData(out, empty.record), 0);
    EXPECT_EQ(fs::file_size(out + "/X/empty.txt"), 0u);
}

TEST(Recovery, HostileNamesStayUnderTheTargetFolder)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "vol.img";
    WriteRandom(image, 64 * 1024);
    const auto volume = RegisterImage(image, "FAT32");
    // The target lies deeper in the temporary folder than any name below
    // climbs, so a name that escapes it still lands where the test sees it.
    const std::string nest = "n1/n2/n3/n4";
    const std::string out = dir / (nest + "/out");
    const std::string outside = dir / "outside";
    fs::create_directories(out);
    fs::create_directories(outside);
    // A link planted in the target folder must not lead the recovery out of it.
    fs::create_directory_symlink(outside, out + "/C");

    const std::string longName = std::string(300, 'n') + ".jpg";
    std::string deep;
    for (int i = 0; i < 600; ++i)
        deep += "folder" + std::to_string(i) + "\\";
    deep += "deep.txt";
    const std::vector<std::string> hostile = {
        "..\\..\\..\\etc\\passwd",
        "/etc/shadow",
        "a/../../b.txt",
        "C:\\..\\escape.txt",
        "C:\\Users\\x.txt",
        "\\\\server\\share\\..\\y.txt",
        std::string("ctl\x01\x1f") + "name.txt",
        "bad\xff\xfeutf8.txt",
        "half\xe2\x82",
        ".",
        "..",
        "",
        "\\\\\\",
        longName,
        deep,
        std::string("nul\0byte.txt", 12),
    };
    Collector events;
    DataRecoveryMultiImpl engine({volume}, events.Callback(), NoWait());
    for (const auto& name : hostile) {
        SCOPED_TRACE(name);
        FoundFile file(Fat32File, name, {{512, 100}}, 100);
        EXPECT_EQ(engine.RecoverData(out, file.record), 0);
    }
    EXPECT_TRUE(fs::is_empty(outside));
    const auto canonicalOut = fs::canonical(out).string() + "/";
    const auto files = FilesUnder(out);
    EXPECT_EQ(files.size(), hostile.size());
    for (const auto& relative : files) {
        const fs::path path = fs::path(out) / relative;
        EXPECT_EQ(fs::canonical(path).string().rfind(canonicalOut, 0), 0u) << relative;
        EXPECT_LE(path.string().size(), RecoveryPath::maxPathBytes);
        for (const auto& part : fs::path(relative))
            EXPECT_LE(part.string().size(), RecoveryPath::maxComponentBytes);
        EXPECT_EQ(fs::file_size(path), 100u);
    }
    EXPECT_TRUE(fs::is_directory(out + "/C") && !fs::is_symlink(out + "/C"));
    EXPECT_TRUE(fs::is_symlink(out + "/C_file_1"));

    // Outside the target the temporary folder holds only what the test made.
    const std::set<std::string> made = {"vol.img", "outside", "n1", "n1/n2", "n1/n2/n3", nest, nest + "/out"};
    for (auto it = fs::recursive_directory_iterator(dir.Path()); it != fs::recursive_directory_iterator(); ++it) {
        const std::string relative = fs::relative(it->path(), dir.Path()).string();
        EXPECT_TRUE(made.count(relative)) << "written outside the target: " << relative;
        if (relative == nest + "/out")
            it.disable_recursion_pending();
    }
}

TEST(Recovery, PathHelpers)
{
    using RecoveryPath::SafeComponents;
    EXPECT_EQ(SafeComponents("C:\\Users\\a.txt"), (std::vector<std::string>{"C", "Users", "a.txt"}));
    EXPECT_EQ(SafeComponents("\\Users\\a.txt"), (std::vector<std::string>{"Users", "a.txt"}));
    EXPECT_EQ(SafeComponents("..\\x\\.\\..\\y"), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(SafeComponents(""), (std::vector<std::string>{"Unknown"}));

    // A name cut to fit keeps its extension and never splits a character.
    std::string name;
    for (int i = 0; i < 100; ++i)
        name += "\xe2\x82\xac";
    name += ".jpeg";
    const std::string fitted = RecoveryPath::FitFileName(name, 255);
    EXPECT_LE(fitted.size(), 255u);
    EXPECT_EQ(fitted.substr(fitted.size() - 5), ".jpeg");
    EXPECT_EQ((fitted.size() - 5) % 3, 0u);
    // A very long "extension" is no extension: the whole name is cut.
    EXPECT_EQ(RecoveryPath::FitFileName("a." + std::string(300, 'x'), 255).size(), 255u);

    // The target folder is never cut; the deepest folders are kept first.
    const std::string folder = "/" + std::string(3000, 'f');
    std::vector<std::string> parts;
    for (int i = 0; i < 20; ++i)
        parts.push_back(std::string(100, static_cast<char>('a' + i)));
    parts.push_back("file.txt");
    const std::string shortened = RecoveryPath::ShortenRecoveryPath(folder, parts);
    EXPECT_LE(shortened.size(), RecoveryPath::maxPathBytes);
    EXPECT_EQ(shortened.rfind(folder + "/", 0), 0u);
    EXPECT_EQ(shortened.substr(shortened.size() - 109), std::string(100, 't') + "/file.txt");
    EXPECT_THROW(RecoveryPath::ShortenRecoveryPath("/" + std::string(4090, 'f'), parts), fs::filesystem_error);
}

TEST(Recovery, FreeNamesAndFolderRepair)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "vol.img";
    WriteRandom(image, 64 * 1024);
    const auto volume = RegisterImage(image, "FAT32");
    Collector events;
    DataRecoveryMultiImpl engine({volume}, events.Callback(), NoWait());
    const std::string out = dir / "out";

    FoundFile file(Fat32File, "a.txt", {{0, 10}}, 10);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(engine.RecoverData(out, file.record), 0);
    EXPECT_TRUE(fs::exists(out + "/a.txt"));
    EXPECT_TRUE(fs::exists(out + "/a0.txt"));
    EXPECT_TRUE(fs::exists(out + "/a01.txt"));

    // Many files of one name all get a place (the digits stop growing at some point).
    FoundFile unknown(Fat32File, "Unknown", {{0, 10}}, 10);
    for (int i = 0; i < 60; ++i)
        ASSERT_EQ(engine.RecoverData(out, unknown.record), 0) << i;
    EXPECT_EQ(FilesUnder(out).size(), 63u);

    // A file standing where a folder must go is moved aside, kept, and the recovery goes on.
    fs::create_directories(out + "/X");
    std::ofstream(out + "/X/docs") << "old";
    FoundFile inFolder(Fat32File, "X:\\docs\\b.txt", {{0, 10}}, 10);
    ASSERT_EQ(engine.RecoverData(out, inFolder.record), 0);
    EXPECT_TRUE(fs::is_regular_file(out + "/X/docs/b.txt"));
    EXPECT_EQ(ReadFile(out + "/X/docs_file_1"), "old");

    // Also when the name of the file in the way leaves no room for the suffix.
    const std::string longFolder(252, 'd');
    std::ofstream(out + "/" + longFolder) << "long";
    FoundFile inLongFolder(Fat32File, longFolder + "\\c.txt", {{0, 10}}, 10);
    ASSERT_EQ(engine.RecoverData(out, inLongFolder.record), 0);
    EXPECT_TRUE(fs::is_regular_file(out + "/" + longFolder + "/c.txt"));
    EXPECT_EQ(ReadFile(out + "/" + std::string(248, 'd') + "_file_1"), "long");
}

TEST(Recovery, RecoverToMemoryShorterEqualLonger)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "vol.img";
    WriteRandom(image, 256 * 1024);
    const std::string bytes = ReadFile(image);
    const auto volume = RegisterImage(image, "FAT32");
    Collector events;
    DataRecoveryMultiImpl engine({volume}, events.Callback(), NoWait());
    FoundFile file(Fat32File, "m.bin", {{4096, 1000}, {65536, 3000}}, 3500);
    const std::string expected = bytes.substr(4096, 1000) + bytes.substr(65536, 2500);

    for (size_t capacity : {size_t{0}, size_t{999}, size_t{1000}, size_t{1500}, size_t{3500}, size_t{8000}}) {
        SCOPED_TRACE(capacity);
        std::vector<char> buffer(capacity + 16, '#');
        size_t size = capacity;
        ASSERT_EQ(engine.RecoverToMemory(buffer.data(), &size, file.record), 0);
        const size_t want = std::min<size_t>(capacity, 3500);
        EXPECT_EQ(size, want);
        EXPECT_EQ(std::string(buffer.data(), size), expected.substr(0, want));
        EXPECT_EQ(buffer[capacity], '#'); // nothing past the capacity
    }
    EXPECT_TRUE(events.OfKind(RecoverProgress).empty());
}

TEST(Recovery, ResidentNtfsDataGetsItsSectorEndsBack)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "vol.img";
    std::string bytes(64 * 1024, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    // Records of 1024 bytes, one at a sector boundary that is not a multiple of 1024.
    for (size_t record : {size_t{8192}, size_t{12800}}) {
        std::memcpy(&bytes[record], "FILE", 4);
        bytes[record + 4] = 0x30; // update-sequence array offset
        bytes[record + 5] = 0;
        bytes[record + 6] = 3; // sequence number plus two sectors
        bytes[record + 7] = 0;
        bytes[record + 0x30] = '\x34';
        bytes[record + 0x31] = '\x12';
        std::memcpy(&bytes[record + 0x32], "XYZW", 4);
        bytes[record + 510] = '\x34';
        bytes[record + 511] = '\x12';
        bytes[record + 1022] = '\x34';
        bytes[record + 1023] = '\x12';
    }
    std::ofstream(image, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const auto volume = RegisterImage(image, "NTFS");
    Collector events;
    DataRecoveryMultiImpl engine({volume}, events.Callback(), NoWait());

    for (size_t record : {size_t{8192}, size_t{12800}}) {
        SCOPED_TRACE(record);
        // Resident data from record offset 0x118 over both sector ends.
        const size_t dataOffset = record + 0x118;
        const size_t length = 1022 + 2 - 0x118;
        std::string expected = bytes.substr(dataOffset, length);
        expected.replace(510 - 0x118, 2, "XY");
        expected.replace(1022 - 0x118, 2, "ZW");

        FoundFile ntfs(NtfsFile, "r.txt", {{dataOffset, length}}, length);
        std::vector<char> buffer(length);
        size_t size = buffer.size();
        ASSERT_EQ(engine.RecoverToMemory(buffer.data(), &size, ntfs.record), 0);
        EXPECT_EQ(std::string(buffer.data(), size), expected);

        // The same bytes of a FAT file are copied as they are.
        FoundFile fat(Fat32File, "r.txt", {{dataOffset, length}}, length);
        size = buffer.size();
        ASSERT_EQ(engine.RecoverToMemory(buffer.data(), &size, fat.record), 0);
        EXPECT_EQ(std::string(buffer.data(), size), bytes.substr(dataOffset, length));
    }
}

namespace {

// The bytes this process's read calls returned, as the kernel counts them
// (rchar of /proc/self/io), whoever made the calls.
uint64_t KernelReadCount()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    uint64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    ADD_FAILURE() << "no rchar in /proc/self/io";
    return 0;
}

}

// Small files far apart cost their own bytes: no window and no read-ahead of
// 10 MiB each. Counted in the device's bytes read, at rest before and after,
// and by the kernel in the process's read calls.
TEST(Recovery, SmallFilesReadAboutTheirOwnBytes)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "vol.img";
    constexpr uint64_t spacing = 16u << 20;
    constexpr int count = 12;
    RunOrFail("truncate -s " + std::to_string(spacing * (count + 2)) + " " + Quote(image));
    std::vector<std::unique_ptr<FoundFile>> files;
    std::vector<std::string> contents;
    uint64_t total = 0;
    {
        std::fstream out(image, std::ios::in | std::ios::out | std::ios::binary);
        for (int i = 0; i < count; ++i) {
            const uint64_t offset = spacing * (i + 1) + 4096u * i;
            const uint64_t size = 1000 + 173u * i; // 1-3 KB, most not whole sectors
            std::string bytes(size, '\0');
            for (uint64_t k = 0; k < size; ++k)
                bytes[k] = static_cast<char>((k * 131 + i * 7) & 0xFF);
            out.seekp(static_cast<std::streamoff>(offset));
            out.write(bytes.data(), static_cast<std::streamsize>(size));
            contents.push_back(bytes);
            files.push_back(std::make_unique<FoundFile>(Fat32File, "f" + std::to_string(i) + ".bin",
                                                        std::vector<DataRun>{{offset, size}}, size));
            total += size;
        }
    }
    const auto volume = RegisterImage(image, "none");
    Collector events;
    DataRecoveryMultiImpl engine({volume}, events.Callback(), NoWait());
    const auto container = engine.FindContainer(volume.diskIndex, volume.volIndex);
    ASSERT_TRUE(container);
    const auto buffer = container->GetPartReader()->LockReaderBuffer();
    const auto atRest = [&] {
        auto statistics = buffer->GetStatistics();
        while (statistics.prefetchBusy) {
            std::this_thread::yield();
            statistics = buffer->GetStatistics();
        }
        return statistics.bytesRead;
    };
    const uint64_t before = atRest();
    const uint64_t kernelBefore = KernelReadCount();
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(engine.RecoverData(dir / "out", files[i]->record), 0);
    const uint64_t read = atRest() - before;
    const uint64_t kernelRead = KernelReadCount() - kernelBefore;
    EXPECT_GE(read, total);
    EXPECT_LE(read, total + count * 4096u) << "bytes read for " << total << " bytes of " << count << " files";
    EXPECT_GE(kernelRead, total);
    EXPECT_LE(kernelRead, total + count * 4096u + 4096u)
        << "bytes the kernel gave read calls for " << total << " bytes of " << count << " files (a page for the rest)";
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(ReadFile(dir / ("out/f" + std::to_string(i) + ".bin")), contents[i]) << i;
}

TEST(Recovery, StopDuringACopyGivesCode14AndNoHalfFile)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "vol.img";
    RunOrFail("truncate -s 256M " + Quote(image));
    const auto volume = RegisterImage(image, "FAT32");
    Collector events;
    std::atomic<int> progressSeen{0};
    auto callback = [&](const DataRecoveryInfo& info) {
        if (info.kind == RecoverProgress)
            ++progressSeen;
        events.Callback()(info);
    };
    DataRecoveryMultiImpl engine({volume}, callback, NoWait());
    FoundFile big(Fat32File, "big.bin", {{0, 256u << 20}}, 256u << 20);
    engine.Pause(1);
    auto recovery = std::async(std::launch::async, [&] { return engine.RecoverData(dir / "out", big.record); });
    while (progressSeen < 2)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    engine.Pause(1);
    // The copy acknowledges the pause by waiting at it; from then on no chunk
    // may follow, however many more waits it makes.
    const auto container = engine.FindContainer(volume.diskIndex, volume.volIndex);
    ASSERT_TRUE(container);
    while (container->PausedPolls() == 0)
        std::this_thread::yield();
    const int heldAt = progressSeen;
    const uint64_t acknowledged = container->PausedPolls();
    while (container->PausedPolls() < acknowledged + 3)
        std::this_thread::yield();
    EXPECT_EQ(progressSeen, heldAt);
    engine.SetStop(1);
    EXPECT_EQ(recovery.get(), 14);
    const auto failed = events.OfKind(RecoverFailed);
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].errorCode, 14);
    EXPECT_GT(failed[0].value, 0u);
    EXPECT_FALSE(fs::exists(dir / "out/big.bin"));
    EXPECT_TRUE(events.OfKind(RecoverDone).empty());
}

TEST(Recovery, TargetFailuresGiveTargetCodes)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "vol.img";
    WriteRandom(image, 1 << 20);
    const auto volume = RegisterImage(image, "FAT32");
    Collector events;
    DataRecoveryMultiImpl engine({volume}, events.Callback(), NoWait());
    FoundFile file(Fat32File, "f.bin", {{0, 1 << 20}}, 1 << 20);

    // The target folder is a file: a file-system error (12).
    std::ofstream(dir / "plain") << "x";
    EXPECT_EQ(engine.RecoverData(dir / "plain", file.record), 12);

    if (!TestSupport::IsRoot())
        SKIP_FOR_MISSING("a full target needs root to mount a small tmpfs");
    REQUIRE_TOOL("mount");
    const std::string small = dir / "small";
    fs::create_directories(small);
    std::string output;
    ASSERT_EQ(TestSupport::RunCommand("mount -t tmpfs -o size=256k tmpfs " + Quote(small) + " 2>&1", &output), 0)
        << output;
    const int code = engine.RecoverData(small, file.record);
    TestSupport::RunCommand("umount " + Quote(small));
    EXPECT_EQ(code, 10);
    const auto failed = events.OfKind(RecoverFailed);
    ASSERT_FALSE(failed.empty());
    EXPECT_EQ(failed.back().errorCode, 10);
}

// The source device starts failing every read (EIO, as a disk that drops off
// the bus) after the first chunk of a file was copied: the result is the
// disconnected-disk code, never a target one, and the chunk already written
// stays on disk as the failure reports it.
TEST(Recovery, SourceDeviceFailingMidCopyGivesSourceCode)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "src.img";
    WriteRandom(image, 4 << 20);
    const std::string bytes = ReadFile(image);
    const auto volume = RegisterImage(image, "FAT32");
    ReaderBufferController::Clear();
    auto device = std::make_unique<TestSupport::FaultyDevice>(image);
    TestSupport::FaultyDevice* faulty = device.get();
    ReaderBufferController::Insert(image, std::make_shared<Utils::ReaderBuffer>(std::move(device), image, 0, 64 << 10));

    Collector events;
    auto callback = [&](const DataRecoveryInfo& record) {
        events.Callback()(record);
        if (record.kind == RecoverProgress) {
            faulty->FailRange(0, UINT64_MAX, EIO);
            faulty->Unplug();
        }
    };
    int code = -1;
    {
        DataRecoveryMultiImpl engine({volume}, callback, NoWait());
        FoundFile file(Fat32File, "f.bin", {{0, 4 << 20}}, 4 << 20);
        code = engine.RecoverData(dir / "out", file.record);
    }
    ReaderBufferController::Clear();
    EXPECT_EQ(code, 8);
    const auto progress = events.OfKind(RecoverProgress);
    ASSERT_EQ(progress.size(), 1u);
    const auto failed = events.OfKind(RecoverFailed);
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].errorCode, 8);
    EXPECT_EQ(failed[0].value, progress[0].value);
    EXPECT_EQ(failed[0].value, 1u << 20);
    EXPECT_EQ(ReadFile(dir / "out/f.bin"), bytes.substr(0, 1 << 20));
}

// Two volumes recovered at once into one folder, with the same found names:
// every file gets its own name and none fails on a name the other just took.
TEST(Recovery, ParallelRecoveriesOfOneNameAllSucceed)
{
    TestSupport::TempDir dir;
    const std::string first = dir / "a.img";
    const std::string second = dir / "b.img";
    WriteRandom(first, 64 * 1024);
    WriteRandom(second, 64 * 1024);
    const auto one = RegisterImage(first, "FAT32", 0);
    const auto two = RegisterImage(second, "FAT32", 1);
    Collector events;
    DataRecoveryMultiImpl engine({one, two}, events.Callback(), NoWait());
    const std::string out = dir / "out";
    constexpr int perThread = 150;
    auto recover = [&](uint8_t disk) {
        FoundFile file(Fat32File, "DCIM\\IMG.JPG", {{0, 10}}, 10, disk);
        int failures = 0;
        for (int i = 0; i < perThread; ++i)
            failures += engine.RecoverData(out, file.record) != 0;
        return failures;
    };
    auto a = std::async(std::launch::async, recover, uint8_t{0});
    auto b = std::async(std::launch::async, recover, uint8_t{1});
    EXPECT_EQ(a.get(), 0);
    EXPECT_EQ(b.get(), 0);
    EXPECT_EQ(FilesUnder(out).size(), 2u * perThread);
}

// Runs that cover less than the file's size (past the volume's end, or none
// at all) give a short file: a failure with the bytes written, never RecoverDone.
TEST(Recovery, RunsShorterThanTheFileAreAFailureAndKeepWhatWasRead)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "vol.img";
    WriteRandom(image, 64 * 1024);
    const std::string bytes = ReadFile(image);
    const auto volume = RegisterImage(image, "FAT32");
    Collector events;
    DataRecoveryMultiImpl engine({volume}, events.Callback(), NoWait());
    const std::string out = dir / "out";

    FoundFile pastEnd(Fat32File, "end.bin", {{60 * 1024, 8192}}, 8192);
    EXPECT_EQ(engine.RecoverData(out, pastEnd.record), 7);
    FoundFile noRuns(Fat32File, "none.bin", {}, 100);
    EXPECT_EQ(engine.RecoverData(out, noRuns.record), 7);

    const auto failed = events.OfKind(RecoverFailed);
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0].value, 4096u);
    EXPECT_EQ(failed[1].value, 0u);
    EXPECT_TRUE(events.OfKind(RecoverDone).empty());
    EXPECT_EQ(ReadFile(out + "/end.bin"), bytes.substr(60 * 1024));
}

// A pause during a list recovery holds also the files that copy without a
// run-state poll of their own (empty and resident ones).
TEST(Recovery, PauseHoldsAListOfEmptyFiles)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "vol.img";
    WriteRandom(image, 64 * 1024);
    const auto volume = RegisterImage(image, "FAT32");
    Collector events;
    DataRecoveryMultiImpl* engine = nullptr;
    std::atomic<int> listSteps{0};
    auto callback = [&](const DataRecoveryInfo& info) {
        events.Callback()(info);
        // After the first file, pause from another thread as the desktop program would.
        if (info.kind == RecoverProgress && ++listSteps == 1)
            std::thread([&] { engine->Pause(1); }).join();
    };
    DataRecoveryMultiImpl coordinator({volume}, callback, NoWait());
    engine = &coordinator;
    std::vector<std::unique_ptr<FoundFile>> files;
    std::vector<DataRecoveryInfo> records;
    for (int i = 0; i < 3; ++i) {
        files.push_back(std::make_unique<FoundFile>(Fat32File, "f" + std::to_string(i) + ".bin",
                                                    std::vector<DataRun>{}, 0));
        records.push_back(files.back()->record);
    }
    const std::string out = dir / "out";
    auto recovery = std::async(std::launch::async, [&] { return coordinator.RecoverData(out, records); });
    EXPECT_EQ(recovery.wait_for(std::chrono::milliseconds(400)), std::future_status::timeout);
    EXPECT_TRUE(fs::exists(out + "/f0.bin"));
    EXPECT_FALSE(fs::exists(out + "/f1.bin"));
    coordinator.SetRun(1);
    EXPECT_EQ(recovery.get(), 0);
    EXPECT_TRUE(fs::exists(out + "/f2.bin"));
}

// The source ends in the middle of a file (a disk that stops answering): the
// failure carries the source code and what was read before it stays on disk.
TEST(Recovery, SourceFailingMidCopyKeepsWhatWasRead)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "short.img";
    WriteRandom(image, (3u << 20) / 2);
    const std::string bytes = ReadFile(image);
    DiskInfoWithVolumes disk;
    disk.devicePath = image;
    disk.diskNumber = 0;
    VolumeInfoItem volume;
    volume.devicePath = image;
    volume.fileSystem = "FAT32";
    volume.length = 4u << 20; // the table says more than the device holds
    disk.volumes.push_back(volume);
    DiskTable::Replace({disk});
    DiskAndVolumeInfo info;
    info.diskName = image;
    info.volumePath = image;
    info.endOffset = 4u << 20;

    Collector events;
    DataRecoveryMultiImpl engine({info}, events.Callback(), NoWait());
    FoundFile file(Fat32File, "f.bin", {{0, 3u << 20}}, 3u << 20);
    EXPECT_EQ(engine.RecoverData(dir / "out", file.record), 7);
    const auto failed = events.OfKind(RecoverFailed);
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_GT(failed[0].value, 0u);
    const std::string kept = ReadFile(dir / "out/f.bin");
    EXPECT_EQ(kept.size(), failed[0].value);
    EXPECT_EQ(kept, bytes.substr(0, kept.size()));
    ReaderBufferController::Clear();
}
