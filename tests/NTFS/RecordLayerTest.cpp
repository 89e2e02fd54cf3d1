// The NTFS record layer on volumes made by mkntfs and written by ntfs-3g,
// checked against the Sleuth Kit (fls, istat, icat, ifind).
#include "DataRecovery/Exceptions.h"
#include "NTFS/IndexEntry.h"
#include "NTFS/MFT.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"
#include "NTFS/NtfsImage.h"
#include "support/TempDir.h"
#include "support/Tools.h"
#include "Utils/TextConversion.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace NTFS;
using TestSupport::Quote;

namespace {

// Writes every other 4 KiB block of a file; with fill, the gaps too, afterwards.
const char* const GapWriter = R"(
import sys
path, count, fill = sys.argv[1], int(sys.argv[2]), sys.argv[3] == "1"
with open(path, "wb") as f:
    for i in range(count):
        f.seek(8192 * i); f.write(bytes([i % 251 + 1]) * 4096)
    if fill:
        for i in range(count):
            f.seek(8192 * i + 4096); f.write(bytes([(i * 7) % 251 + 1]) * 4096)
)";

std::string PopulateScript()
{
    return std::string("printf '%s' ") + Quote(GapWriter) + " > /tmp/gapwriter.$$.py\n" + R"(
head -c 600 /dev/urandom > "$M/small.txt"
head -c 5000 /dev/urandom > "$M/five.bin"
head -c 3145728 /dev/urandom > "$M/big.bin"
: > "$M/empty.txt"
mkdir -p "$M/links" "$M/dir500" "$M/a/b/c"
echo linked > "$M/links/l0.txt"
for i in $(seq 1 39); do ln "$M/links/l0.txt" "$M/links/l$i.txt"; done
for i in $(seq 1 500); do echo "file $i" > "$M/dir500/f$i.txt"; done
echo deep > "$M/a/b/c/Deep File.txt"
python3 /tmp/gapwriter.$$.py "$M/gaps.bin" 1000 0
python3 /tmp/gapwriter.$$.py "$M/filled.bin" 1000 1
rm -f /tmp/gapwriter.$$.py
)";
}

struct Image {
    std::string path;
    std::shared_ptr<NTFSExplorer> explorer;
    std::map<std::string, uint64_t> files;
};

class RecordLayer : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!NtfsImage::MissingTools().empty())
            return;
        dir = new TestSupport::TempDir;
        for (const auto& [name, options] : {std::pair<std::string, std::string>{"default", ""},
                                            std::pair<std::string, std::string>{"big", "-s 4096"}}) {
            Image image;
            image.path = *dir / (name + ".img");
            NtfsImage::Make(image.path, 64, options, PopulateScript());
            image.explorer = std::make_shared<NTFSExplorer>(NtfsImage::Volume(image.path));
            image.files = NtfsImage::ListFiles(image.path);
            images[name] = image;
        }
    }
    static void TearDownTestSuite()
    {
        images.clear();
        delete dir;
        dir = nullptr;
    }
    void SetUp() override
    {
        const auto missing = NtfsImage::MissingTools();
        if (!missing.empty())
            GTEST_SKIP() << missing;
        ASSERT_EQ(images.size(), 2u);
    }

    static TestSupport::TempDir* dir;
    static std::map<std::string, Image> images;
};
TestSupport::TempDir* RecordLayer::dir = nullptr;
std::map<std::string, Image> RecordLayer::images;

std::set<std::string> NamesOf(const MFTRecord& record)
{
    std::set<std::string> names;
    for (const auto& piece : record.GetAttributes(AttrFileName, "")) {
        const uint8_t* v = piece.record->AttributeBytes(piece.header) + piece.header.valueOffset;
        names.insert(Utils::Utf16ToUtf8(ReadUtf16(v, piece.header.valueLength, 0x42, v[0x40])));
    }
    return names;
}

std::string BaseName(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string AsString(const std::shared_ptr<Utils::Buffer<uint8_t>>& buffer)
{
    return std::string(reinterpret_cast<const char*>(buffer->data), buffer->length);
}

}

TEST_F(RecordLayer, GeometryComesFromTheBootSector)
{
    auto& normal = *images["default"].explorer->GetReader();
    EXPECT_TRUE(normal.geometryValid);
    EXPECT_EQ(normal.clusterSize, 4096u);
    EXPECT_EQ(normal.recordSize, 1024u);
    EXPECT_EQ(normal.indexBlockSize, 4096u);
    auto& big = *images["big"].explorer->GetReader();
    EXPECT_EQ(big.sectorSize, 4096u);
    EXPECT_EQ(big.recordSize, 4096u);
    EXPECT_EQ(big.indexBlockSize, 4096u);
}

TEST_F(RecordLayer, EveryListedFileParsesUnderItsName)
{
    for (auto& [name, image] : images) {
        SCOPED_TRACE(name);
        auto mft = image.explorer->GetMFT();
        ASSERT_GT(image.files.size(), 540u);
        for (const auto& [path, inode] : image.files) {
            if (path.find(':') != std::string::npos || path.rfind("$OrphanFiles", 0) == 0)
                continue;
            auto record = mft->GetRecord(inode);
            ASSERT_TRUE(record) << path;
            EXPECT_EQ(record->RecordNumber(), inode);
            EXPECT_TRUE(NamesOf(*record).count(BaseName(path))) << path;
        }
    }
}

TEST_F(RecordLayer, ReadDataMatchesIcat)
{
    for (auto& [name, image] : images) {
        SCOPED_TRACE(name);
        auto mft = image.explorer->GetMFT();
        for (const std::string path : {"small.txt", "five.bin", "big.bin", "empty.txt", "gaps.bin", "filled.bin",
                                       "links/l17.txt", "$Boot", "$MFT"}) {
            SCOPED_TRACE(path);
            const uint64_t inode = image.files.at(path);
            auto record = mft->GetRecord(inode);
            ASSERT_TRUE(record);
            EXPECT_EQ(AsString(record->ReadData("", true)), NtfsImage::Icat(image.path, inode));
        }
    }
}

TEST_F(RecordLayer, SparseFileKeepsItsPiecesInVcnOrder)
{
    auto& image = images["default"];
    auto record = image.explorer->GetMFT()->GetRecord(image.files.at("gaps.bin"));
    ASSERT_TRUE(record);
    auto pieces = record->GetAttributes(AttrData, "");
    ASSERT_GE(pieces.size(), 2u) << "ntfs-3g spreads a run list of this length over extension records";
    std::set<const MFTRecord*> holders;
    for (size_t i = 0; i < pieces.size(); ++i) {
        holders.insert(pieces[i].record);
        if (i)
            EXPECT_EQ(pieces[i].header.startVcn, pieces[i - 1].header.lastVcn + 1);
    }
    EXPECT_EQ(holders.size(), pieces.size());
    const auto runs = record->JoinRuns(pieces);
    size_t holes = 0;
    for (const auto& run : runs)
        holes += run.sparse;
    EXPECT_GT(holes, 255u);
}

TEST_F(RecordLayer, HardLinkNamesComeFromExtensionRecords)
{
    auto& image = images["default"];
    auto record = image.explorer->GetMFT()->GetRecord(image.files.at("links/l0.txt"));
    ASSERT_TRUE(record);
    auto pieces = record->GetAttributes(AttrFileName, "");
    EXPECT_EQ(pieces.size(), 40u);
    size_t elsewhere = 0;
    for (const auto& piece : pieces)
        elsewhere += piece.record != record.get();
    EXPECT_GT(elsewhere, 0u);
    EXPECT_EQ(NamesOf(*record).size(), 40u);
}

TEST_F(RecordLayer, DirectoryEntriesMatchFls)
{
    for (auto& [name, image] : images) {
        SCOPED_TRACE(name);
        auto mft = image.explorer->GetMFT();
        for (const std::string folder : {"dir500", "links", "a/b/c"}) {
            SCOPED_TRACE(folder);
            std::set<std::string> expected;
            for (const auto& [path, inode] : image.files)
                if (path.rfind(folder + "/", 0) == 0 && path.find('/', folder.size() + 1) == std::string::npos)
                    expected.insert(path.substr(folder.size() + 1));
            std::set<std::string> found;
            for (const auto& entry : mft->GetRecord(image.files.at(folder))->GetIndexEntries()) {
                if (entry->nameSpace == 2)
                    continue;
                EXPECT_EQ(entry->parentRecord, image.files.at(folder));
                found.insert(Utils::Utf16ToUtf8(entry->name));
            }
            EXPECT_EQ(found, expected);
        }
    }
}

TEST_F(RecordLayer, FindPathResolvesLikeIfind)
{
    auto& image = images["default"];
    auto mft = image.explorer->GetMFT();
    const std::string ifind = TestSupport::RunOrFail("ifind -n /dir500/f123.txt " + Quote(image.path));
    const uint64_t expected = std::stoull(ifind);
    for (const std::string path : {"\\dir500\\f123.txt", "/dir500/f123.txt", "C:\\dir500\\f123.txt",
                                   "d:/DIR500/F123.TXT", "\\\\dir500\\\\f123.txt"}) {
        SCOPED_TRACE(path);
        auto record = mft->FindPath(path, 5);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->RecordNumber(), expected);
    }
    EXPECT_EQ(mft->FindPath("\\", 5)->RecordNumber(), 5u);
    EXPECT_EQ(mft->FindPath("\\a\\b\\c\\Deep File.txt", 5)->RecordNumber(), image.files.at("a/b/c/Deep File.txt"));
    for (const std::string bad : {"dir500", "C:dir500", "", "\\dir500\\", "\\nothing", "\\dir500\\f123.txt\\x"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(mft->FindPath(bad, 5), Exceptions::NTFSException);
    }
    auto listed = mft->ListDirectory("\\a\\b", true, false);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].name, u"c");
}

TEST_F(RecordLayer, RecordsPastTheMftAreEmptyAndRawReadsRefuseThem)
{
    auto mft = images["default"].explorer->GetMFT();
    const uint64_t past = RunClusters(mft->runs) * 4096 / 1024;
    EXPECT_FALSE(mft->GetRecord(past));
    EXPECT_EQ(mft->GetRecordOffset(past), 0u);
    EXPECT_THROW(mft->ReadRecord(past), Exceptions::NTFSException);
    EXPECT_EQ(mft->GetRecordOffset(0), images["default"].explorer->GetReader()->mftCluster * 4096);
}
