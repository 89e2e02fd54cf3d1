// Previews of large files whose bytes are decoded from their record: an
// NTFS-compressed file written by ntfs-3g in a compressed folder, and a
// system-compressed (WOF) file whose stream libwim compressed, written through
// ntfs-3g's named-stream interface. A preview reads what fills the caller's
// buffer (plus one compression unit or chunk), never the file; the bytes are
// icat's for the compressed file and the plaintext for the WOF one.
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/RecoveryFixture.h"
#include "DataRecovery/VelmoraContainer.h"
#include "NTFS/Decompress.h"
#include "NTFS/NtfsImage.h"
#include "NTFS/NtfsScanFixture.h"
#include "NTFS/WofFixture.h"
#include "Utils/PartReader.h"
#include "Utils/ReaderBuffer.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <wimlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <random>

using TestSupport::Quote;

namespace {

// Lines of words and numbers: LZNT1 and XPRESS shrink them, but not to nothing.
std::string Text(size_t size, unsigned seed)
{
    std::mt19937 rng(seed);
    std::string text;
    text.reserve(size + 80);
    static const char* const words[] = {"cluster", "volume", "record", "preview", "unit", "chunk", "stream", "run"};
    while (text.size() < size) {
        text += words[rng() % 8];
        text += ' ';
        text += std::to_string(rng() % 100000);
        text += rng() % 5 ? " " : "\n";
    }
    text.resize(size);
    return text;
}

const char* const Writer = R"(
import os, shutil, sys
m, d = sys.argv[1], sys.argv[2]
os.mkdir(m + "/c")
a = int.from_bytes(os.getxattr(m + "/c", "system.ntfs_attrib_be"), "big")
os.setxattr(m + "/c", "system.ntfs_attrib_be", (a | 0x800).to_bytes(4, "big"))
shutil.copyfile(d + "/big.txt", m + "/c/big.txt")
path = m + "/wof.bin"
open(path, "wb").close()
shutil.copyfile(d + "/wof.stream", path + ":WofCompressedData")
os.truncate(path, os.path.getsize(d + "/wof.plain"))
os.setxattr(path, "system.ntfs_reparse_data", open(d + "/wof.reparse", "rb").read())
)";

constexpr size_t compressedSize = 128u << 20;
constexpr size_t wofSize = 64u << 20;
constexpr uint32_t wofChunk = 4096;

class NtfsPreview : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!NtfsImage::MissingTools().empty())
            return;
        dir = new TestSupport::TempDir;
        image = *dir / "preview.img";
        bigText = new std::string(Text(compressedSize, 7));
        wofPlain = new std::string(Text(wofSize, 11));
        std::ofstream(*dir / "big.txt", std::ios::binary) << *bigText;
        std::ofstream(*dir / "wof.plain", std::ios::binary) << *wofPlain;
        const std::string stream = WofFixture::Stream(*wofPlain, WIMLIB_COMPRESSION_TYPE_XPRESS, wofChunk);
        wofStreamBytes = stream.size();
        std::ofstream(*dir / "wof.stream", std::ios::binary) << stream;
        std::ofstream(*dir / "wof.reparse", std::ios::binary) << WofFixture::Reparse(0);
        std::ofstream(*dir / "writer.py") << Writer;
        NtfsImage::Make(image, 320, "-c 4096",
                        "python3 " + Quote(*dir / "writer.py") + " \"$M\" " + Quote(dir->Path().string()),
                        "streams_interface=windows");
        std::filesystem::remove(*dir / "big.txt");
        std::filesystem::remove(*dir / "wof.stream");
    }
    static void TearDownTestSuite()
    {
        delete bigText;
        delete wofPlain;
        delete dir;
        bigText = wofPlain = nullptr;
        dir = nullptr;
    }
    void SetUp() override
    {
        const std::string missing = NtfsImage::MissingTools();
        if (!missing.empty())
            SKIP_FOR_MISSING(missing);
    }

    using Found = NtfsScanFixture::Found;
    static std::unique_ptr<DataRecoveryMultiImpl> Scan(Found& found) { return NtfsScanFixture::Scan(image, found); }

    static TestSupport::TempDir* dir;
    static std::string image;
    static std::string* bigText;
    static std::string* wofPlain;
    static size_t wofStreamBytes;
};
TestSupport::TempDir* NtfsPreview::dir = nullptr;
std::string NtfsPreview::image;
std::string* NtfsPreview::bigText = nullptr;
std::string* NtfsPreview::wofPlain = nullptr;
size_t NtfsPreview::wofStreamBytes = 0;

}

// Each preview asks the reader for its buffer's bytes, one compression unit
// (64 KiB) or WOF chunk more, and the file's records and chunk-table window;
// the whole file then comes back byte-exact through the same decoder.
TEST_F(NtfsPreview, LargeCompressedAndWofFilesPreviewReadingOnlyTheirFirstBytes)
{
    Found found;
    auto engine = Scan(found);
    ASSERT_TRUE(found.files.count("c/big.txt") && found.files.count("wof.bin"));
    const auto files = NtfsImage::ListFiles(image);
    std::string icat;
    ASSERT_EQ(TestSupport::RunCommand("icat " + Quote(image) + " " + std::to_string(files.at("c/big.txt")) +
                                          " | head -c 1000000",
                                      &icat),
              0);
    ASSERT_EQ(icat, bigText->substr(0, 1000000)) << "icat reads the compressed file as it was written";
    // The stream lies on the volume, not in the record, and is far larger
    // than any preview below.
    ASSERT_GT(wofStreamBytes, 8u << 20);

    const auto buffer = engine->FindContainer(0, 0)->GetPartReader()->LockReaderBuffer();
    struct Case {
        const char* path;
        const std::string* bytes;
        uint64_t unit;
    };
    for (const Case& c : {Case{"c/big.txt", bigText, 65536}, Case{"wof.bin", wofPlain, wofChunk}}) {
        SCOPED_TRACE(c.path);
        auto& file = *found.files.at(c.path);
        ASSERT_EQ(file.record.fileSize, c.bytes->size());
        ASSERT_FALSE(file.runs.empty());
        ASSERT_EQ(file.runs[0].length, 0u) << "decoded from its record";
        for (size_t room : {size_t{1000}, size_t{65536}, size_t{300001}}) {
            SCOPED_TRACE(room);
            std::string memory(room, '\0');
            size_t size = room;
            const uint64_t before = buffer->GetStatistics().bytesAsked;
            ASSERT_EQ(engine->RecoverToMemory(memory.data(), &size, file.record), 0);
            const uint64_t asked = buffer->GetStatistics().bytesAsked - before;
            std::cout << c.path << ": a preview of " << room << " bytes asked the reader for " << asked << " bytes\n";
            ASSERT_EQ(size, room);
            EXPECT_TRUE(memory == c.bytes->substr(0, room));
            EXPECT_LE(asked, room + c.unit + 64 * 1024) << "bytes asked of the reader";
        }
        const std::string out = *dir / ("out-" + std::string(c.path == std::string("wof.bin") ? "wof" : "big"));
        ASSERT_EQ(engine->RecoverData(out, file.record), 0);
        std::string recovered;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(out))
            if (entry.is_regular_file())
                recovered = RecoveryFixture::ReadFile(entry.path().string());
        EXPECT_EQ(recovered.size(), c.bytes->size());
        EXPECT_TRUE(recovered == *c.bytes);
        std::filesystem::remove_all(out);
    }
}

// A table of a file above 4 GiB has 8-byte entries; it is read a window at a
// time as the chunks are asked for, and a table that goes back is refused where
// it does, however far in.
TEST(WofChunkTable, EightByteEntriesReadAWindowAtATime)
{
    constexpr uint64_t plainSize = (5ull << 30) + 123;
    constexpr uint32_t chunk = 4096;
    const uint64_t count = (plainSize - 1) / chunk + 1;
    const uint64_t tableBytes = (count - 1) * 8;
    // Chunk i holds 100 + i % 7 bytes; the entries are the ends of the chunks.
    const auto lengthOf = [](uint64_t i) { return 100 + i % 7; };
    uint64_t dataBytes = 0;
    for (uint64_t i = 0; i < count; ++i)
        dataBytes += lengthOf(i);
    uint64_t bytesRead = 0, reads = 0;
    uint64_t badEntry = UINT64_MAX;
    const auto entry = [&](uint64_t i) {
        // The end of chunk i, summed in closed form: 100 (i + 1) plus the sum of j % 7.
        const uint64_t n = i + 1;
        const uint64_t value = 100 * n + (n / 7) * 21 + ((n % 7) * (n % 7 - 1)) / 2;
        return i == badEntry ? value - 200 : value;
    };
    NTFS::WofChunkTable table([&](uint64_t offset, uint8_t* out, uint32_t length) {
        ASSERT_EQ(offset % 8, 0u);
        ASSERT_LE(offset + length, tableBytes);
        ++reads;
        bytesRead += length;
        for (uint32_t at = 0; at < length; at += 8) {
            const uint64_t value = entry((offset + at) / 8);
            std::memcpy(out + at, &value, 8);
        }
    }, tableBytes + dataBytes, plainSize, chunk);
    ASSERT_EQ(table.Count(), count);
    const NTFS::WofChunk first = table.Chunk(0);
    EXPECT_EQ(first.offset, tableBytes);
    EXPECT_EQ(first.length, 100u);
    EXPECT_EQ(first.plain, chunk);
    EXPECT_LE(bytesRead, NTFS::WofChunkTable::windowBytes) << "the first chunk costs one window";
    uint64_t offset = tableBytes;
    for (uint64_t i = 0; i < 3000; ++i) {
        const NTFS::WofChunk c = table.Chunk(i);
        ASSERT_EQ(c.offset, offset);
        ASSERT_EQ(c.length, lengthOf(i));
        offset += c.length;
    }
    EXPECT_LE(bytesRead, 3000 * 8 + 2 * NTFS::WofChunkTable::windowBytes);
    const NTFS::WofChunk last = table.Chunk(count - 1);
    EXPECT_EQ(last.plain, plainSize - (count - 1) * chunk);
    EXPECT_EQ(last.offset + last.length, tableBytes + dataBytes) << "the last chunk ends at the stream's end";
    EXPECT_THROW(table.Chunk(count), Exceptions::NTFSException);

    badEntry = count / 2;
    NTFS::WofChunkTable hostile([&](uint64_t at, uint8_t* out, uint32_t length) {
        for (uint32_t i = 0; i < length; i += 8) {
            const uint64_t value = entry((at + i) / 8);
            std::memcpy(out + i, &value, 8);
        }
    }, tableBytes + dataBytes, plainSize, chunk);
    EXPECT_NO_THROW(hostile.Chunk(badEntry - 1));
    EXPECT_THROW(hostile.Chunk(badEntry), Exceptions::NTFSException) << "its end lies before its start";
}
