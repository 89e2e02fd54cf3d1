// NTFSDataRecovery driven directly: damaged and unreadable $MFT records, the
// allocation bitmap, records found by the raw pass, lost-partition runs and
// the Recycle Bin pairing.
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/RecoveryFixture.h"
#include "NTFS/MFT.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsImage.h"
#include "Utils/BufferDataWriter.h"
#include "Utils/ReaderBuffer.h"
#include "Utils/ReaderBufferController.h"
#include "support/FaultyDevice.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>

using TestSupport::Quote;

namespace {

struct Listing {
    std::mutex mutex;
    std::map<std::string, std::vector<DataRecoveryInfo>> files; // path without ".\" to records
    std::map<std::string, std::vector<DataRun>> runs;
};

DataRecoveryCallback Collect(Listing& listing)
{
    return [&listing](const DataRecoveryInfo& info) {
        if (info.kind != NtfsFile)
            return;
        std::lock_guard lock(listing.mutex);
        std::string path(info.path, info.pathLength);
        if (path.rfind(".\\\\", 0) == 0)
            path = path.substr(3);
        listing.files[path].push_back(info);
        listing.runs[path].assign(info.runs, info.runs + info.runCount);
    };
}

const char* const RecycleWriter = R"(
import struct, sys
folder = sys.argv[1]
text = ("C:\\Users\\me\\a.txt\0").encode("utf-16-le")
open(folder + "/$IABC.txt", "wb").write(struct.pack("<qqqI", 2, 3, 0, len(text) // 2) + text)
open(folder + "/$RABC.txt", "wb").write(b"abc")
open(folder + "/$I", "wb").write(struct.pack("<qqqI", 2, 1, 0, len(text) // 2) + text)
open(folder + "/$R", "wb").write(b"r")
open(folder + "/$IONLY.txt", "wb").write(struct.pack("<qqqI", 2, 1, 0, len(text) // 2) + text)
)";

class NtfsEngine : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!NtfsImage::MissingTools().empty())
            return;
        dir = new TestSupport::TempDir;
        std::ofstream(*dir / "recycle.py") << RecycleWriter;
        std::ofstream(*dir / "gaps.py") << NtfsImage::GapWriter;
        const std::string script = R"(
mkdir -p "$M/dir" "$M/bin"
for i in $(seq 1 300); do echo "file $i" > "$M/dir/f$i.txt"; done
head -c 70000 /dev/urandom > "$M/big.bin"
truncate -s 150G "$M/huge.bin"
python3 )" + Quote(*dir / "gaps.py") + R"( "$M/gaps.bin" 300 0
python3 )" + Quote(*dir / "recycle.py") + R"( "$M/bin"
)";
        for (const auto& [name, options] : {std::pair<std::string, std::string>{"small", ""},
                                            std::pair<std::string, std::string>{"big", "-s 4096"}}) {
            images[name] = *dir / (name + ".img");
            NtfsImage::Make(images[name], 24, options, script);
        }
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override
    {
        REQUIRE_NTFS_TOOLS();
    }

    static DiskAndVolumeInfo Info()
    {
        DiskAndVolumeInfo info{};
        return info;
    }

    static TestSupport::TempDir* dir;
    static std::map<std::string, std::string> images;
};
TestSupport::TempDir* NtfsEngine::dir = nullptr;
std::map<std::string, std::string> NtfsEngine::images;

size_t CountUnder(const Listing& listing, const std::string& folder)
{
    size_t count = 0;
    for (const auto& [path, records] : listing.files)
        count += path.rfind(folder, 0) == 0 ? records.size() : 0;
    return count;
}

}

TEST_F(NtfsEngine, BothRecordSizesListEveryFile)
{
    for (const auto& [name, image] : images) {
        SCOPED_TRACE(name);
        Listing listing;
        NTFSDataRecovery engine(NtfsImage::Volume(image), Info(), Collect(listing));
        EXPECT_EQ(engine.Start(), 0);
        EXPECT_EQ(CountUnder(listing, "dir\\f"), 300u);
        ASSERT_EQ(listing.files.count("big.bin"), 1u);
        EXPECT_EQ(listing.files["big.bin"].front().fileSize, 70000u);
        ASSERT_EQ(listing.files.count("huge.bin"), 1u) << "larger than the store keeps pending";
        EXPECT_EQ(listing.files["huge.bin"].front().fileSize, 150ull << 30) << "no 100 GiB cap";
    }
}

TEST_F(NtfsEngine, BitmapAgreesWithIcatOfBitmapFile)
{
    const std::string image = images["small"];
    const std::string bits = NtfsImage::Icat(image, 6);
    Listing listing;
    NTFSDataRecovery engine(NtfsImage::Volume(image), Info(), Collect(listing));
    const uint64_t cluster = engine.GetReader()->clusterSize;
    const uint64_t clusters = engine.GetReader()->Size() / cluster;
    uint64_t set = 0;
    for (uint64_t c = 0; c < clusters; ++c) {
        const bool expected = (static_cast<uint8_t>(bits[c / 8]) >> (c % 8)) & 1;
        uint64_t length = 99;
        ASSERT_EQ(engine.GetClusterState(c * cluster + 7, &length), expected) << c;
        EXPECT_EQ(length, expected ? cluster : 0);
        set += expected;
    }
    EXPECT_EQ(engine.GetUsedBytes(), set * cluster);
    uint64_t length = 1;
    EXPECT_FALSE(engine.GetClusterState(bits.size() * 8 * cluster, &length));
    EXPECT_EQ(length, 0u);
}

TEST_F(NtfsEngine, ADamagedRecordMidMftCostsOnlyItself)
{
    const std::string image = *dir / "damaged.img";
    std::filesystem::copy_file(images["small"], image);
    const uint64_t victim = std::stoull(TestSupport::RunOrFail("ifind -n /dir/f150.txt " + Quote(image)));
    uint64_t offset;
    {
        NTFS::NTFSExplorer explorer(NtfsImage::Volume(images["small"]));
        offset = explorer.GetMFT()->GetRecordOffset(victim);
    }
    {
        std::fstream file(image, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(offset + 6);
        file.write("\xFF\xFF", 2); // update-sequence count
    }
    Listing listing;
    NTFSDataRecovery engine(NtfsImage::Volume(image), Info(), Collect(listing));
    EXPECT_EQ(engine.Start(), 0);
    EXPECT_EQ(CountUnder(listing, "dir\\f"), 299u);
    EXPECT_EQ(listing.files.count("dir\\f150.txt"), 0u);
}

TEST_F(NtfsEngine, UnreadableRecordsAreSkippedAndADisconnectionEndsTheScan)
{
    const std::string image = images["small"];
    const uint64_t first = std::stoull(TestSupport::RunOrFail("ifind -n /dir/f100.txt " + Quote(image)));
    uint64_t offset;
    {
        NTFS::NTFSExplorer explorer(NtfsImage::Volume(image));
        offset = explorer.GetMFT()->GetRecordOffset(first);
    }
    // EIO from a device still there is a bad sector; gone, it ends the scan.
    struct Case {
        int error;
        bool gone;
    };
    for (const Case c : {Case{EBADMSG, false}, Case{EIO, false}, Case{ENODEV, false}, Case{EIO, true}}) {
        const int error = c.error;
        SCOPED_TRACE(error);
        SCOPED_TRACE(c.gone);
        const std::string name = "faulty-ntfs-" + std::to_string(error) + (c.gone ? "-gone-" : "-") +
                                 dir->Path().filename().string();
        auto device = std::make_unique<TestSupport::FaultyDevice>(image);
        device->FailRange(offset, offset + 2048, error);
        if (c.gone)
            device->Unplug();
        ReaderBufferController::Insert(name, std::make_shared<Utils::ReaderBuffer>(std::move(device), name, 0, 64 << 10));
        auto volume = NtfsImage::Volume(image);
        volume.devicePath = name;
        Listing listing;
        NTFSDataRecovery engine(volume, Info(), Collect(listing));
        if (error == ENODEV || c.gone) {
            EXPECT_THROW(engine.Start(), Exceptions::DiskDisconnectedException);
            continue;
        }
        EXPECT_EQ(engine.Start(), 0);
        EXPECT_EQ(engine.UnreadableRecords(), 2u);
        EXPECT_EQ(CountUnder(listing, "dir\\f"), 298u);
        EXPECT_EQ(listing.files.count("big.bin"), 1u);
    }
}

TEST_F(NtfsEngine, ScanBlockJoinsOnlyConsecutiveHalves)
{
    const std::string image = images["small"];
    NTFS::NTFSExplorer explorer(NtfsImage::Volume(image));
    auto mft = explorer.GetMFT();
    auto raw = [&](const std::string& path) {
        const uint64_t n = std::stoull(TestSupport::RunOrFail("ifind -n " + path + " " + Quote(image)));
        return std::make_pair(mft->GetRecordOffset(n), mft->ReadRecord(n));
    };
    const auto [offsetA, a] = raw("/dir/f7.txt");
    const auto [offsetB, b] = raw("/dir/f8.txt");
    const auto [offsetC, c] = raw("/dir/f9.txt");
    Listing listing;
    NTFSDataRecovery engine(NtfsImage::Volume(image), Info(), Collect(listing));
    // A: both halves in a row. B: its second half never comes, C starts
    // afresh. A stray second half of A at the wrong place is ignored.
    engine.ScanBlock(offsetA, a->data, 512);
    engine.ScanBlock(offsetA + 512, a->data + 512, 512);
    engine.ScanBlock(offsetB, b->data, 512);
    engine.ScanBlock(offsetC, c->data, 512);
    engine.ScanBlock(offsetC + 512, c->data + 512, 512);
    engine.ScanBlock(offsetB + 512, a->data + 512, 512);
    engine.AfterScanRaw();
    EXPECT_EQ(listing.files.count("f7.txt"), 1u);
    EXPECT_EQ(listing.files.count("f8.txt"), 0u);
    ASSERT_EQ(listing.files.count("f9.txt"), 1u);
    EXPECT_EQ(listing.files["f9.txt"].front().deletedState, 1);
    ASSERT_EQ(listing.runs["f9.txt"].size(), 1u);
    EXPECT_GT(listing.runs["f9.txt"][0].offset, offsetC);
    EXPECT_LT(listing.runs["f9.txt"][0].offset, offsetC + 1024);
}

// A lost volume 1 MiB into the device, found by a scan of a volume that starts
// at scanStart: its runs count from the scanned volume, whose reader the
// recovery copies through, so they lead to the file's own bytes.
TEST_F(NtfsEngine, LostPartitionRunsCountFromTheScannedVolumeStart)
{
    const std::string image = *dir / "shifted.img";
    TestSupport::RunOrFail("head -c 1048576 /dev/zero > " + Quote(image) + " && cat " + Quote(images["small"]) +
                           " >> " + Quote(image));
    const uint64_t inode = std::stoull(TestSupport::RunOrFail("ifind -n /big.bin " + Quote(images["small"])));
    const std::string icat = NtfsImage::Icat(images["small"], inode);
    auto volume = NtfsImage::Volume(images["small"]);
    volume.devicePath = image;
    volume.offset = 1 << 20;
    for (const uint64_t scanStart : {uint64_t{0}, uint64_t{256} << 10}) {
        SCOPED_TRACE(scanStart);
        DiskAndVolumeInfo info = Info();
        info.startOffset = scanStart;
        std::map<std::string, std::vector<DataRun>> runs[2];
        for (uint8_t flag : {0, 1}) {
            Listing listing;
            NTFSDataRecovery engine(volume, info, Collect(listing));
            engine.lostPartitionFlag = flag;
            engine.Start();
            runs[flag] = listing.runs;
        }
        ASSERT_FALSE(runs[0]["big.bin"].empty());
        const uint64_t shift = (1 << 20) - scanStart;
        EXPECT_EQ(runs[1]["big.bin"][0].offset, runs[0]["big.bin"][0].offset + shift);
        EXPECT_EQ(runs[1]["dir\\f3.txt"][0].offset, runs[0]["dir\\f3.txt"][0].offset + shift);
        const auto& first = runs[1]["big.bin"][0];
        const uint64_t length = std::min<uint64_t>(first.length, icat.size());
        std::ifstream in(image, std::ios::binary);
        in.seekg(static_cast<std::streamoff>(scanStart + first.offset));
        std::string bytes(length, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(length));
        EXPECT_TRUE(bytes == icat.substr(0, length)) << "the runs lead elsewhere";
    }
}

TEST_F(NtfsEngine, RecycleBinHalvesPairWithinTheirFolder)
{
    const std::string image = images["small"];
    NTFS::NTFSExplorer explorer(NtfsImage::Volume(image));
    auto mft = explorer.GetMFT();
    auto record = [&](const std::string& name) {
        const uint64_t n = std::stoull(TestSupport::RunOrFail("ifind -n " + Quote("/bin/" + name) + " " + Quote(image)));
        return mft->GetRecord(n);
    };
    struct Case {
        std::vector<std::string> order;
        std::vector<std::u16string> names; // the name each call gives; u"" for "held back"
        std::vector<bool> fromRecycleBin;
    };
    const std::vector<Case> cases = {
        {{"$IABC.txt", "$RABC.txt"}, {u"", u"Users\\me\\a.txt"}, {false, true}},
        {{"$RABC.txt", "$IABC.txt"}, {u"", u"Users\\me\\a.txt"}, {false, true}},
        {{"$IONLY.txt"}, {u""}, {false}},
        {{"$I", "$R"}, {u"", u"Users\\me\\a.txt"}, {false, true}},
        {{"$IABC.txt", "$IABC.txt"}, {u"", u"$IABC.txt"}, {false, false}},
        {{"f1.txt"}, {u"f1.txt"}, {false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order.front());
        Listing listing;
        NTFSDataRecovery engine(NtfsImage::Volume(image), Info(), Collect(listing));
        for (size_t i = 0; i < c.order.size(); ++i) {
            auto r = c.order[i] == "f1.txt"
                         ? mft->GetRecord(std::stoull(TestSupport::RunOrFail("ifind -n /dir/f1.txt " + Quote(image))))
                         : record(c.order[i]);
            auto made = engine.ConstructFile(r);
            EXPECT_EQ(made.name, c.names[i]) << i;
            EXPECT_EQ(made.fromRecycleBin, c.fromRecycleBin[i]) << i;
            if (made.fromRecycleBin) {
                EXPECT_EQ(made.record->GetFileName().substr(0, 2), u"$R");
            }
        }
    }
    // In a scan, the unpaired "$I" is listed under its own name.
    Listing listing;
    NTFSDataRecovery engine(NtfsImage::Volume(image), Info(), Collect(listing));
    engine.Start();
    EXPECT_EQ(listing.files.count("bin\\$IONLY.txt"), 1u);
    EXPECT_EQ(listing.files["Users\\me\\a.txt"].size(), 2u);
    EXPECT_EQ(listing.files.count("bin\\$IABC.txt"), 0u);
}

TEST_F(NtfsEngine, RecoverRunCopiesResidentAndClusterRunsAsIcatReads)
{
    const std::string image = images["small"];
    Listing listing;
    NTFSDataRecovery engine(NtfsImage::Volume(image), Info(), Collect(listing));
    engine.Start();
    for (const std::string path : {"dir/f5.txt", "big.bin", "gaps.bin"}) {
        SCOPED_TRACE(path);
        std::string key = path;
        std::replace(key.begin(), key.end(), '/', '\\');
        ASSERT_EQ(listing.files.count(key), 1u);
        const uint64_t size = listing.files[key].front().fileSize;
        std::string bytes(size + 4096, '\0');
        Utils::BufferDataWriter writer(bytes.data(), bytes.size());
        uint64_t written = 0;
        // A file of more runs than a record carries is asked for its full list.
        const auto full = engine.FindFullRunList(listing.files[key].front().nodeId, ".\\\\" + key,
                                                 listing.runs[key].data());
        EXPECT_EQ(full.has_value(), path == "gaps.bin");
        for (const auto& run : full ? *full : listing.runs[key])
            written = engine.RecoverRun(&writer, run, written, size);
        EXPECT_EQ(written, size);
        const uint64_t inode = std::stoull(TestSupport::RunOrFail("ifind -n /" + path + " " + Quote(image)));
        EXPECT_EQ(bytes.substr(0, size), NtfsImage::Icat(image, inode));
    }
}

// Through the library's own recovery: the container asks the engine for the
// full run list and writes the holes of a sparse file as zeros.
TEST_F(NtfsEngine, SparseFileOfManyRunsRecoversByteExact)
{
    const std::string image = *dir / "sparse.img";
    std::filesystem::copy_file(images["small"], image);
    const auto info = RecoveryFixture::RegisterImage(image, "NTFS");
    std::mutex mutex;
    std::unique_ptr<RecoveryFixture::FoundFile> gaps;
    DataRecoveryMultiImpl::Options options;
    options.sleep = [](std::chrono::milliseconds) {};
    DataRecoveryMultiImpl engine({info}, [&](const DataRecoveryInfo& item) {
        if (item.kind != NtfsFile)
            return;
        const std::string path(item.path, item.pathLength);
        if (path.size() >= 8 && path.compare(path.size() - 8, 8, "gaps.bin") == 0) {
            std::lock_guard lock(mutex);
            gaps = std::make_unique<RecoveryFixture::FoundFile>(NtfsFile, path,
                                                                std::vector<DataRun>(item.runs, item.runs + item.runCount),
                                                                item.fileSize);
            gaps->record.nodeId = item.nodeId;
        }
    }, options);
    engine.Start();
    ASSERT_TRUE(gaps);
    EXPECT_EQ(gaps->record.runCount, DataRecoveryEntity::maxRecordRuns);
    const std::string out = *dir / "sparse-out";
    EXPECT_EQ(engine.RecoverData(out, gaps->record), 0);
    const uint64_t inode = std::stoull(TestSupport::RunOrFail("ifind -n /gaps.bin " + Quote(image)));
    std::string recovered;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(out))
        if (entry.is_regular_file())
            recovered = RecoveryFixture::ReadFile(entry.path().string());
    EXPECT_TRUE(recovered == NtfsImage::Icat(image, inode)) << recovered.size();
}

// A path scan starts the same way whatever names the volume: its mount path or
// its number as prefix, names in any case; a volume without a Recycle Bin has
// nothing in it, any other missing folder is an error.
TEST_F(NtfsEngine, PathScanStripsTheVolumePrefix)
{
    struct Case {
        std::string letter;
        std::string path;
    };
    for (const Case& c : {Case{"/media/me/vol/", "/media/me/vol/DIR"}, Case{"/media/me/vol/", "/media/me/vol/dir/"},
                          Case{"1", "1Dir"}, Case{"1", "1\\dir"}, Case{"", "X:\\dIr"}}) {
        SCOPED_TRACE(c.path);
        Listing listing;
        DiskAndVolumeInfo info{};
        info.volumeLetter = c.letter;
        NTFSDataRecovery engine(NtfsImage::Volume(images["small"]), info, Collect(listing));
        EXPECT_EQ(engine.Start(c.path), 0);
        EXPECT_EQ(CountUnder(listing, "f"), 300u);
        EXPECT_EQ(listing.files.count("big.bin"), 0u);
    }
    Listing listing;
    DiskAndVolumeInfo info{};
    info.volumeLetter = "/media/me/vol/";
    NTFSDataRecovery engine(NtfsImage::Volume(images["small"]), info, Collect(listing));
    EXPECT_EQ(engine.Start(std::string("/media/me/vol/$RECYCLE.BIN")), 0);
    EXPECT_TRUE(listing.files.empty());
    EXPECT_THROW(engine.Start(std::string("/media/me/vol/dir/$RECYCLE.BIN")), Exceptions::NTFSException);
    EXPECT_THROW(engine.Start(std::string("/media/me/vol/big.bin")), Exceptions::NTFSException);
    EXPECT_THROW(engine.Start(std::string("/media/other/dir")), Exceptions::NTFSException);
    EXPECT_THROW(engine.Start(std::string("dir")), Exceptions::NTFSException);
}

// A path scan lets its failures out after closing the scan: a missing folder is
// an NTFS error, a stop is a stop, never a success with nothing found.
TEST_F(NtfsEngine, PathScanFailuresLeaveStartWithTheEngineClean)
{
    Listing listing;
    NTFSDataRecovery engine(NtfsImage::Volume(images["small"]), Info(), Collect(listing));
    EXPECT_THROW(engine.Start(std::string("\\no\\such")), Exceptions::NTFSException);
    engine.SetStop(0);
    EXPECT_THROW(engine.Start(std::string("\\dir")), Exceptions::ProcessControllerException);
    EXPECT_EQ(engine.GetNodeStore().KnownCount(), 0u);
    EXPECT_EQ(engine.GetNodeStore().PendingCount(), 0u);
    engine.SetRun(0);
    EXPECT_EQ(engine.Start(std::string("\\dir")), 0);
    EXPECT_EQ(CountUnder(listing, "f"), 300u);
}
