// File data that is not a copy of its runs: NTFS-compressed files (written by
// ntfs-3g in a compressed folder), sparse files and a file whose initialized
// size lies below its size, and system-compressed (WOF) files built with
// libwim's compressors. Oracles: icat and the test's own plaintext.
#include "DataRecovery/DataRecoveryEntity.h"
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/RecoveryFixture.h"
#include "DataRecovery/VelmoraContainer.h"
#include "NTFS/Decompress.h"
#include "NTFS/MFT.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NtfsImage.h"
#include "NTFS/NtfsScanFixture.h"
#include "NTFS/WofFixture.h"
#include "Utils/BufferDataWriter.h"
#include "Utils/Decompression.h"
#include "Utils/PartReader.h"
#include "Utils/ReaderBuffer.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <wimlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <sstream>

using TestSupport::Quote;

namespace {

constexpr uint64_t clusterSize = 4096;

std::string Text(size_t size)
{
    static const std::string words = "photo recovery cluster of the volume NTFS ";
    std::string text;
    while (text.size() < size)
        text += words + std::to_string(text.size() % 977) + "\n";
    return text.substr(0, size);
}

std::string Random(size_t size, unsigned seed)
{
    std::mt19937 rng(seed);
    std::string bytes(size, '\0');
    for (auto& b : bytes)
        b = static_cast<char>(rng());
    return bytes;
}

struct WofFile {
    std::string name;
    uint32_t algorithm;
    int type;
    uint32_t chunk;
    std::string plain;
};

const char* const Writer = R"(
import os, sys
m, d = sys.argv[1], sys.argv[2]
os.mkdir(m + "/c")
a = int.from_bytes(os.getxattr(m + "/c", "system.ntfs_attrib_be"), "big")
os.setxattr(m + "/c", "system.ntfs_attrib_be", (a | 0x800).to_bytes(4, "big"))
def data(name): return open(d + "/" + name, "rb").read()
text = data("text")
with open(m + "/c/text.txt", "wb") as f:
    f.write(text[:100000]); f.seek(250000); f.write(text[:50000])
open(m + "/c/rand.bin", "wb").write(data("random")[:100000])
open(m + "/c/mixed.bin", "wb").write(data("random")[:65536] + text[:200000])
open(m + "/c/mid.txt", "wb").write(text[:70001])
open(m + "/c/big.bin", "wb").write((data("random")[:32768] + text[:32768]) * 128)
open(m + "/c/gone.txt", "wb").write(text[1000:150000])
with open(m + "/init.bin", "wb") as f:
    f.write(data("random")[:10000])
os.truncate(m + "/init.bin", 200000)
with open(m + "/holes.bin", "wb") as f:
    f.write(text[:5000]); f.seek(300000); f.write(text[:7000])
open(m + "/ten.txt", "wb").write(b"0123456789")
open(m + "/streams.txt", "wb").write(b"main")
os.setxattr(m + "/streams.txt", "user.alpha", b"first stream")
os.setxattr(m + "/streams.txt", "user.beta", b"second")
for line in open(d + "/wof.list"):
    name, algorithm, size = line.split()
    path = m + "/" + name
    open(path, "wb").close()
    os.setxattr(path, "user.WofCompressedData", data(name + ".stream"))
    os.truncate(path, int(size))
    os.setxattr(path, "system.ntfs_reparse_data", data(name + ".reparse"))
os.remove(m + "/c/gone.txt")
)";

// The clusters istat lists for the first $DATA attribute of inode (0 for holes).
std::vector<uint64_t> IstatClusters(const std::string& image, uint64_t inode)
{
    std::istringstream lines(NtfsImage::Istat(image, inode));
    std::vector<uint64_t> clusters;
    std::string line;
    bool inData = false;
    while (std::getline(lines, line)) {
        if (line.rfind("Type: $DATA", 0) == 0) {
            if (inData)
                break;
            inData = true;
            continue;
        }
        if (!inData)
            continue;
        if (line.empty() || line.rfind("Type:", 0) == 0)
            break;
        std::istringstream numbers(line);
        for (uint64_t n; numbers >> n;)
            clusters.push_back(n);
    }
    return clusters;
}

class NtfsFileData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!NtfsImage::MissingTools().empty())
            return;
        dir = new TestSupport::TempDir;
        image = *dir / "data.img";
        std::ofstream(*dir / "text", std::ios::binary) << Text(300000);
        std::ofstream(*dir / "random", std::ios::binary) << Random(100000, 5);
        wofFiles = {
            {"wof4.bin", 0, WIMLIB_COMPRESSION_TYPE_XPRESS, 4096, Text(10000)},
            {"wof8.bin", 2, WIMLIB_COMPRESSION_TYPE_XPRESS, 8192, Text(3000)},
            {"wof16.bin", 3, WIMLIB_COMPRESSION_TYPE_XPRESS, 16384, Random(20000, 9) + Text(80000)},
            {"lzx.bin", 1, WIMLIB_COMPRESSION_TYPE_LZX, 32768, Text(50000)},
        };
        std::ofstream list(*dir / "wof.list");
        for (const auto& wof : wofFiles) {
            std::ofstream(*dir / (wof.name + ".stream"), std::ios::binary) << WofFixture::Stream(wof.plain, wof.type, wof.chunk);
            std::ofstream(*dir / (wof.name + ".reparse"), std::ios::binary) << WofFixture::Reparse(wof.algorithm);
            list << wof.name << " " << wof.algorithm << " " << wof.plain.size() << "\n";
        }
        list.close();
        std::ofstream(*dir / "writer.py") << Writer;
        NtfsImage::Make(image, 24, "-c 4096", "python3 " + Quote(*dir / "writer.py") + " \"$M\" " + Quote(dir->Path().string()));
        // Stale bytes after the initialized size: NTFS reads zeros there, so must we.
        const auto files = NtfsImage::ListFiles(image);
        const auto clusters = IstatClusters(image, files.at("init.bin"));
        std::fstream out(image, std::ios::in | std::ios::out | std::ios::binary);
        for (size_t i = 0; i < clusters.size(); ++i) {
            const uint64_t from = std::max<uint64_t>(i * clusterSize, 10000);
            if (clusters[i] == 0 || from >= (i + 1) * clusterSize)
                continue;
            const std::string stale((i + 1) * clusterSize - from, '\xAA');
            out.seekp(static_cast<std::streamoff>(clusters[i] * clusterSize + from - i * clusterSize));
            out.write(stale.data(), static_cast<std::streamsize>(stale.size()));
        }
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override { REQUIRE_NTFS_TOOLS(); }

    using Found = NtfsScanFixture::Found;
    static std::unique_ptr<DataRecoveryMultiImpl> Scan(Found& found) { return NtfsScanFixture::Scan(image, found); }

    // Path to bytes: icat's for the NTFS-compressed and sparse files, the
    // plaintext for the WOF ones.
    static std::map<std::string, std::string> Expected()
    {
        auto live = NtfsImage::ListFiles(image);
        const auto deleted = NtfsImage::ListFiles(image, true);
        if (deleted.count("c/gone.txt"))
            live["c/gone.txt"] = deleted.at("c/gone.txt");
        std::map<std::string, std::string> expected;
        for (const char* path : {"c/text.txt", "c/rand.bin", "c/mixed.bin", "c/mid.txt", "c/gone.txt", "init.bin",
                                 "holes.bin", "ten.txt"})
            expected[path] = live.count(path) ? NtfsImage::Icat(image, live.at(path)) : "missing in fls";
        for (const auto& wof : wofFiles)
            if (wof.algorithm != 1)
                expected[wof.name] = wof.plain;
        return expected;
    }

    static std::string Normalised(const std::string& path) { return NtfsScanFixture::Normalised(path); }

    static std::string RecoveredBytes(const std::string& folder)
    {
        std::string bytes;
        if (std::filesystem::exists(folder))
            for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
                if (entry.is_regular_file())
                    bytes = RecoveryFixture::ReadFile(entry.path().string());
        return bytes;
    }

    static size_t FilesUnder(const std::string& folder)
    {
        size_t count = 0;
        if (std::filesystem::exists(folder))
            for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
                count += entry.is_regular_file();
        return count;
    }

    static TestSupport::TempDir* dir;
    static std::string image;
    static std::vector<WofFile> wofFiles;
};
TestSupport::TempDir* NtfsFileData::dir = nullptr;
std::string NtfsFileData::image;
std::vector<WofFile> NtfsFileData::wofFiles;

}

TEST_F(NtfsFileData, CompressedSparseAndWofFilesRecoverByteExact)
{
    Found found;
    auto engine = Scan(found);
    const auto expected = Expected();
    // The overwritten slack after the initialized size reads as zeros in icat too.
    ASSERT_EQ(expected.at("init.bin").substr(10000), std::string(190000, '\0'));
    // The second oracle agrees on every live NTFS-compressed and sparse file.
    for (const char* path : {"c/text.txt", "c/rand.bin", "c/mixed.bin", "c/mid.txt", "init.bin", "holes.bin"}) {
        std::string bytes;
        ASSERT_EQ(TestSupport::RunCommand("ntfscat " + Quote(image) + " " + Quote(std::string("/") + path), &bytes), 0);
        EXPECT_TRUE(bytes == expected.at(path)) << path;
    }

    int n = 0;
    for (const auto& [path, bytes] : expected) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(found.files.count(path));
        auto& file = *found.files.at(path);
        EXPECT_EQ(file.record.fileSize, bytes.size());
        const bool decoded = path.rfind("c/", 0) == 0 || path.rfind("wof", 0) == 0;
        ASSERT_FALSE(file.runs.empty());
        EXPECT_EQ(file.runs[0].length == 0, decoded) << "a record reference leads the runs of decoded files only";
        if (path == "c/gone.txt") {
            EXPECT_EQ(file.record.deletedState, 1);
        }
        const std::string out = *dir / ("out" + std::to_string(n++));
        EXPECT_EQ(engine->RecoverData(out, file.record), 0);
        const std::string recovered = RecoveredBytes(out);
        EXPECT_EQ(recovered.size(), bytes.size());
        EXPECT_TRUE(recovered == bytes);
        // Previews read into memory, whole or their first bytes.
        for (size_t room : {bytes.size(), std::min<size_t>(bytes.size(), 1000)}) {
            std::string memory(room, '\0');
            size_t size = room;
            EXPECT_EQ(engine->RecoverToMemory(memory.data(), &size, file.record), 0);
            EXPECT_EQ(size, room);
            EXPECT_TRUE(memory == bytes.substr(0, room));
        }
    }
}

// A preview of a large NTFS-compressed file decodes only what fills the
// caller's buffer: the bytes asked of the reader are its record and its first
// units, not the file's 4 MiB of compressed data.
TEST_F(NtfsFileData, APreviewOfALargeCompressedFileReadsOnlyItsFirstUnits)
{
    Found found;
    auto engine = Scan(found);
    ASSERT_TRUE(found.files.count("c/big.bin"));
    auto& big = *found.files.at("c/big.bin");
    const std::string unit = Random(100000, 5).substr(0, 32768) + Text(300000).substr(0, 32768);
    ASSERT_EQ(big.record.fileSize, unit.size() * 128);
    ASSERT_FALSE(big.runs.empty());
    ASSERT_EQ(big.runs[0].length, 0u) << "decoded from its record";
    const auto buffer = engine->FindContainer(0, 0)->GetPartReader()->LockReaderBuffer();
    for (size_t room : {size_t{1000}, size_t{65536}, size_t{100000}}) {
        SCOPED_TRACE(room);
        std::string memory(room, '\0');
        size_t size = room;
        const uint64_t before = buffer->GetStatistics().bytesAsked;
        ASSERT_EQ(engine->RecoverToMemory(memory.data(), &size, big.record), 0);
        const uint64_t asked = buffer->GetStatistics().bytesAsked - before;
        EXPECT_EQ(size, room);
        EXPECT_TRUE(memory == (unit + unit).substr(0, room));
        EXPECT_LE(asked, 4 * 65536u) << "bytes asked of the reader for a preview of " << room;
    }
}

TEST_F(NtfsFileData, LzxAndChangedRecordsFailWithCodeThreeLeavingNoFile)
{
    Found found;
    auto engine = Scan(found);
    ASSERT_TRUE(found.files.count("lzx.bin"));
    auto& lzx = *found.files.at("lzx.bin");
    EXPECT_EQ(lzx.record.fileSize, 50000u) << "listed with its plain size";
    const std::string lzxOut = *dir / "lzx-out";
    EXPECT_EQ(engine->RecoverData(lzxOut, lzx.record), 3);
    EXPECT_EQ(FilesUnder(lzxOut), 0u);

    // A record whose size no longer matches the listing is not guessed at.
    auto& text = *found.files.at("c/text.txt");
    text.record.fileSize += 1;
    const std::string changedOut = *dir / "changed-out";
    EXPECT_EQ(engine->RecoverData(changedOut, text.record), 3);
    EXPECT_EQ(FilesUnder(changedOut), 0u);

    // A reference outside the volume.
    text.record.fileSize -= 1;
    text.runs[0].offset = 1ull << 40;
    const std::string outsideOut = *dir / "outside-out";
    EXPECT_EQ(engine->RecoverData(outsideOut, text.record), 3);
    EXPECT_EQ(FilesUnder(outsideOut), 0u);
}

// A fresh probe process recovers what another one listed: everything it needs
// comes from the found-file lines and the records they reference.
TEST_F(NtfsFileData, ProbeScanThenRecoverBringsThemBack)
{
    const auto expected = Expected();
    std::string scanOut;
    TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() +
                                " scan --disk 0 --volume 0 2>/dev/null",
                            &scanOut);
    std::ofstream input(*dir / "probe-found.jsonl");
    size_t taken = 0;
    for (const auto& line : TestSupport::ParseJsonLines(scanOut)) {
        if (!line.contains("path"))
            continue;
        const std::string path = Normalised(line["path"].get<std::string>());
        if (expected.count(path) || path == "lzx.bin") {
            input << line.dump() << "\n";
            ++taken;
        }
    }
    input.close();
    ASSERT_EQ(taken, expected.size() + 1);
    const std::string out = *dir / "probe-out";
    std::string output;
    TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() + " recover --out " +
                                Quote(out) + " < " + Quote(*dir / "probe-found.jsonl") + " 2>/dev/null",
                            &output);
    std::map<std::string, std::string> recovered;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(out))
        if (entry.is_regular_file())
            recovered[entry.path().filename().string()] = RecoveryFixture::ReadFile(entry.path().string());
    for (const auto& [path, bytes] : expected) {
        SCOPED_TRACE(path);
        const std::string name = path.substr(path.rfind('/') + 1);
        ASSERT_TRUE(recovered.count(name)) << output;
        EXPECT_TRUE(recovered.at(name) == bytes);
    }
    EXPECT_EQ(recovered.count("lzx.bin"), 0u);
    EXPECT_NE(output.find("\"errorCode\":3"), std::string::npos) << output;
}

TEST_F(NtfsFileData, StreamReaderOnRecordsOfTheImage)
{
    NTFS::NTFSExplorer explorer(NtfsImage::Volume(image));
    auto mft = explorer.GetMFT();
    const auto files = NtfsImage::ListFiles(image);
    const auto record = [&](const std::string& path) { return mft->GetRecord(files.at(path)); };
    const auto collect = [](NTFS::DataChunkGenerator chunks, std::vector<uint32_t>* lengths = nullptr) {
        std::string bytes;
        while (chunks.Next()) {
            bytes.append(reinterpret_cast<const char*>(chunks.Current().data), chunks.Current().length);
            if (lengths)
                lengths->push_back(chunks.Current().length);
        }
        return bytes;
    };

    // A resident value of 10 bytes in chunks of 4.
    std::vector<uint32_t> lengths;
    EXPECT_EQ(collect(record("ten.txt")->ReadDataTrimmed("", 4, false), &lengths), "0123456789");
    EXPECT_EQ(lengths, (std::vector<uint32_t>{4, 4, 2}));

    // Live files have their size, and are cut to it.
    auto text = record("c/text.txt");
    EXPECT_EQ(text->GetDataSize("", true), 300000u);
    EXPECT_EQ(collect(text->ReadDataTrimmed("", 5000, false)), NtfsImage::Icat(image, files.at("c/text.txt")));

    // Holes skipped, and the allocated-size twin.
    auto holes = record("holes.bin");
    const std::string withoutHoles = collect(holes->ReadDataChunks("", 4096, true));
    EXPECT_EQ(withoutHoles.substr(0, 5000), Text(5000));
    EXPECT_LT(withoutHoles.size(), 300000u);
    EXPECT_EQ(collect(holes->ReadDataAllocated("", 4096, false)).size(), holes->GetDataSize("", false));
    EXPECT_EQ(holes->GetDataSize("", false) % clusterSize, 0u);

    auto streams = record("streams.txt");
    EXPECT_EQ(streams->GetStreamNames(), (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(collect(streams->ReadDataTrimmed("alpha", 64, false)), "first stream");

    const std::string extracted = *dir / "extracted.txt";
    const std::wstring wide(extracted.begin(), extracted.end());
    EXPECT_EQ(text->ExtractToFile(wide, "", false), 300000u);
    EXPECT_TRUE(RecoveryFixture::ReadFile(extracted) == NtfsImage::Icat(image, files.at("c/text.txt")));
    EXPECT_EQ(text->ExtractToFile(L"/nonexistent-folder/x", "", false), 0u);
}

// The first compression unit of text.txt, cut from the image by istat's cluster
// list, decodes to icat's first 64 KiB.
TEST_F(NtfsFileData, Lznt1UnitsCutFromTheImageDecode)
{
    const auto files = NtfsImage::ListFiles(image);
    const auto clusters = IstatClusters(image, files.at("c/text.txt"));
    ASSERT_GE(clusters.size(), 16u);
    std::ifstream in(image, std::ios::binary);
    std::string unit;
    for (size_t i = 0; i < 16 && clusters[i] != 0; ++i) {
        std::string bytes(clusterSize, '\0');
        in.seekg(static_cast<std::streamoff>(clusters[i] * clusterSize));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        unit += bytes;
    }
    ASSERT_FALSE(unit.empty());
    ASSERT_LT(unit.size(), 16 * clusterSize) << "the unit is compressed";
    Utils::RtlDecompressBufferFn decompress = nullptr;
    Utils::LoadNtdllDecompression(&decompress, nullptr, nullptr);
    std::string plain(16 * clusterSize, '\0');
    uint32_t written = 0;
    ASSERT_EQ(decompress(Utils::CompressionFormatLznt1, reinterpret_cast<uint8_t*>(plain.data()),
                         static_cast<uint32_t>(plain.size()), reinterpret_cast<const uint8_t*>(unit.data()),
                         static_cast<uint32_t>(unit.size()), &written),
              Utils::NtStatusSuccess);
    EXPECT_EQ(written, plain.size());
    EXPECT_TRUE(plain == NtfsImage::Icat(image, files.at("c/text.txt")).substr(0, plain.size()));
}

// Holes join only holes; a record reference joins nothing.
TEST(MergeAdjacentRuns, HolesAndRecordReferences)
{
    const uint64_t hole = DataRecoveryEntity::sparseRunOffset;
    const std::vector<DataRun> runs = {{4096, 0}, {4096, 8192}, {12288, 4096}, {hole, 4096}, {hole, 8192},
                                       {12287, 1}, {hole, 1}, {0, 4096}};
    const std::vector<DataRun> merged = MergeAdjacentRuns(runs);
    const std::vector<std::pair<uint64_t, uint64_t>> expected = {
        {4096, 0}, {4096, 12288}, {hole, 12288}, {12287, 1}, {hole, 1}, {0, 4096}};
    ASSERT_EQ(merged.size(), expected.size());
    for (size_t i = 0; i < merged.size(); ++i) {
        EXPECT_EQ(merged[i].offset, expected[i].first) << i;
        EXPECT_EQ(merged[i].length, expected[i].second) << i;
    }
}

namespace {

std::shared_ptr<Utils::Buffer<uint8_t>> BufferOf(const std::string& bytes)
{
    auto buffer = Utils::MakeBuffer(static_cast<uint32_t>(bytes.size()));
    std::memcpy(buffer->data, bytes.data(), bytes.size());
    return buffer;
}

}

// Whole WOF streams: libwim's chunks decode, stored chunks copy, and a table
// or chunk that does not fit fails the stream without writing past the output.
TEST(WofDecompression, WholeStreamsAndHostileTables)
{
    const std::string plain = Random(5000, 3) + Text(30000);
    const std::string stream = WofFixture::Stream(plain, WIMLIB_COMPRESSION_TYPE_XPRESS, 4096);
    ASSERT_FALSE(stream.empty());
    auto output = Utils::MakeBuffer(static_cast<uint32_t>(plain.size() + 100));
    ASSERT_EQ(NTFS::DecompressWofXpress(BufferOf(stream), output, 4096, plain.size()), NTFS::DecompressOk);
    ASSERT_EQ(output->length, plain.size());
    EXPECT_EQ(std::memcmp(output->data, plain.data(), plain.size()), 0);

    const uint32_t chunks = static_cast<uint32_t>((plain.size() + 4095) / 4096);
    const uint32_t tableEnd = (chunks - 1) * 4;
    const uint32_t firstEnd = static_cast<uint32_t>(stream[0] & 0xFF) | (static_cast<uint32_t>(stream[1] & 0xFF) << 8);
    std::string pastEnd = stream;
    pastEnd[2] = '\x7F';
    std::string badCodes = stream;
    // The third chunk is text, so compressed: its code lengths all zero.
    const uint32_t secondEnd = static_cast<uint32_t>(stream[4] & 0xFF) | (static_cast<uint32_t>(stream[5] & 0xFF) << 8);
    std::fill(badCodes.begin() + tableEnd + secondEnd, badCodes.begin() + tableEnd + secondEnd + 256, '\0');
    const struct {
        const char* name;
        std::string stream;
        uint64_t plainSize;
        uint32_t room;
    } cases[] = {
        {"chunk end past the stream", pastEnd, plain.size(), static_cast<uint32_t>(plain.size())},
        {"table longer than the stream", stream, 1ull << 40, static_cast<uint32_t>(plain.size())},
        {"no code lengths", badCodes, plain.size(), static_cast<uint32_t>(plain.size())},
        {"output shorter than the file", stream, plain.size(), 6000},
        {"truncated stream", stream.substr(0, stream.size() / 2), plain.size(), static_cast<uint32_t>(plain.size())},
    };
    EXPECT_EQ(firstEnd, 4096u) << "random bytes are stored raw";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto room = Utils::MakeBuffer(c.room);
        EXPECT_EQ(NTFS::DecompressWofXpress(BufferOf(c.stream), room, 4096, c.plainSize), NTFS::DecompressFailed);
    }
    EXPECT_EQ(NTFS::DecompressWofLzx(BufferOf(stream), output, 32768), NTFS::DecompressFailed);
}

// Two deleted files that are all holes do not share clusters: both stay.
TEST(FileNodeStoreHoles, TwoHolesAreNotTheSameClusters)
{
    FileManagerSP::FileNodeStore store(5);
    FileManagerSP::FileNode first;
    first.name = "x.bin";
    first.id = 7;
    first.parentId = 5;
    first.deletedState = 1;
    first.size = 4096;
    first.runs = {{DataRecoveryEntity::sparseRunOffset, 4096}};
    FileManagerSP::FileNode second = first;
    second.size = 8192;
    second.runs = {{DataRecoveryEntity::sparseRunOffset, 8192}};
    store.AddPending(first);
    store.AddPending(second);
    EXPECT_EQ(store.pendingMap.at(7).size(), 2u);
}

// A record outside the $MFT (one the raw search found in free space) is read
// where its reference points; a reference inside the $MFT that does not start
// a record is refused.
TEST_F(NtfsFileData, RecordReferenceOutsideTheMftIsReadInPlace)
{
    const std::string copy = *dir / "free-record.img";
    std::filesystem::copy_file(image, copy, std::filesystem::copy_options::overwrite_existing);
    const auto live = NtfsImage::ListFiles(copy);
    const auto deleted = NtfsImage::ListFiles(copy, true);
    const uint64_t inode = live.at("c/text.txt");
    const std::string mft = NtfsImage::Icat(copy, 0);
    const std::string record = mft.substr(inode * 1024, 1024);
    // gone.txt's clusters are free since its deletion.
    const auto freeClusters = IstatClusters(copy, deleted.at("c/gone.txt"));
    ASSERT_FALSE(freeClusters.empty());
    const uint64_t offset = freeClusters.front() * clusterSize;
    {
        std::fstream out(copy, std::ios::in | std::ios::out | std::ios::binary);
        out.seekp(static_cast<std::streamoff>(offset));
        out.write(record.data(), static_cast<std::streamsize>(record.size()));
    }
    NTFSDataRecovery engine(NtfsImage::Volume(copy), DiskAndVolumeInfo{}, [](const DataRecoveryInfo&) {});
    const std::string expected = NtfsImage::Icat(copy, inode);
    std::string bytes(expected.size(), '\0');
    RecoveryFixture::FoundFile file(NtfsFile, "text.txt", {{offset, 0}}, expected.size());
    Utils::BufferDataWriter writer(bytes.data(), bytes.size());
    uint64_t progress = 0;
    EXPECT_TRUE(engine.RecoverFromRecord(writer, file.record, [&](uint64_t done) { progress = done; }));
    EXPECT_EQ(progress, expected.size());
    EXPECT_TRUE(bytes == expected);

    NTFS::NTFSExplorer explorer(NtfsImage::Volume(copy));
    file.runs[0].offset = explorer.GetMFT()->GetRecordOffset(inode) + 512;
    file.record.runs = file.runs.data();
    Utils::BufferDataWriter again(bytes.data(), bytes.size());
    EXPECT_THROW(engine.RecoverFromRecord(again, file.record, [](uint64_t) {}), Exceptions::NTFSException);
}

// A lost volume 1 MiB into the device, found by a scan of a volume that starts
// 256 KiB in: the record reference counts from the scanned volume like the
// runs, and recovery finds the record there (it once looked 256 KiB too early).
TEST_F(NtfsFileData, RecordReferenceOfALostVolumeCountsFromTheScannedVolume)
{
    const std::string shifted = *dir / "lost-volume.img";
    TestSupport::RunOrFail("head -c 1048576 /dev/zero > " + Quote(shifted) + " && cat " + Quote(image) + " >> " +
                           Quote(shifted));
    const uint64_t inode = NtfsImage::ListFiles(image).at("c/text.txt");
    const std::string expected = NtfsImage::Icat(image, inode);
    const uint64_t recordOffset = NTFS::NTFSExplorer(NtfsImage::Volume(image)).GetMFT()->GetRecordOffset(inode);
    auto volume = NtfsImage::Volume(image);
    volume.devicePath = shifted;
    volume.offset = 1 << 20;
    DiskAndVolumeInfo info;
    info.startOffset = 256 << 10;
    NTFSDataRecovery engine(volume, info, [](const DataRecoveryInfo&) {});
    engine.lostPartitionFlag = 1;
    RecoveryFixture::FoundFile file(NtfsFile, "text.txt", {{recordOffset + (1 << 20) - (256 << 10), 0}},
                                    expected.size());
    std::string bytes(expected.size(), '\0');
    Utils::BufferDataWriter writer(bytes.data(), bytes.size());
    EXPECT_TRUE(engine.RecoverFromRecord(writer, file.record, [](uint64_t) {}));
    EXPECT_TRUE(bytes == expected);
}
