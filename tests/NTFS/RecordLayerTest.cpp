// The NTFS record layer on volumes made by mkntfs and written by ntfs-3g,
// checked against the Sleuth Kit (fls, istat, icat, ifind).
#include "DataRecovery/Exceptions.h"
#include "NTFS/IndexEntry.h"
#include "NTFS/IndexEntrySpans.h"
#include "NTFS/MFTRecordCopy.h"
#include "NTFS/RecordViews.h"
#include "NTFS/UpdateSequence.h"
#include "NTFS/MFT.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NTFSRecognize.h"
#include "NTFS/NtfsBytes.h"
#include "NTFS/NtfsImage.h"
#include "support/TempDir.h"
#include "support/Tools.h"
#include "Utils/TextConversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <set>

using namespace NTFS;
using TestSupport::Quote;

namespace {


std::string PopulateScript()
{
    return std::string("printf '%s' ") + Quote(NtfsImage::GapWriter) + " > /tmp/gapwriter.$$.py\n" + R"(
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
        REQUIRE_NTFS_TOOLS();
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
        if (i) {
            EXPECT_EQ(pieces[i].header.startVcn, pieces[i - 1].header.lastVcn + 1);
        }
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

namespace {
std::set<std::string> ExpectedChildren(const Image& image, const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& [path, inode] : image.files)
        if (path.rfind(folder + "/", 0) == 0 && path.find('/', folder.size() + 1) == std::string::npos)
            names.insert(path.substr(folder.size() + 1));
    return names;
}

void Put(std::vector<uint8_t>& bytes, size_t at, uint64_t value, int width)
{
    if (at + width <= bytes.size())
        std::memcpy(bytes.data() + at, &value, width);
}
}

TEST_F(RecordLayer, RecordViewIndexReaderGivesRootAndBlockEntries)
{
    for (auto& [name, image] : images) {
        SCOPED_TRACE(name);
        auto mft = image.explorer->GetMFT();
        for (const std::string folder : {"dir500", "a/b/c"}) {
            SCOPED_TRACE(folder);
            auto raw = mft->ReadRecord(image.files.at(folder));
            ApplyUpdateSequence(raw->data, raw->length);
            auto view = FileRecordView::Parse(raw->data, raw->length);
            auto spans = ReadIndexEntries(view, mft, image.explorer->GetReader());
            std::set<std::string> found;
            for (const auto& span : spans.entries) {
                IndexEntry entry(span.data, span.length, "$I30");
                if (entry.nameSpace != 2)
                    found.insert(Utils::Utf16ToUtf8(entry.name));
            }
            EXPECT_EQ(found, ExpectedChildren(image, folder));
        }
    }
}

TEST_F(RecordLayer, ValidatingCopyWalksTheIndexInKeyOrder)
{
    auto& image = images["default"];
    auto mft = image.explorer->GetMFT();
    auto raw = mft->ReadRecord(image.files.at("dir500"));
    MFTRecordCopy copy(raw->data, image.explorer->GetReader(), mft.get());
    std::vector<std::u16string> names;
    for (const auto& entry : copy.GetIndexEntriesInOrder())
        if (entry->nameSpace != 2)
            names.push_back(entry->name);
    EXPECT_EQ(names.size(), 500u);
    auto upper = [](std::u16string text) {
        for (auto& c : text)
            if (c >= u'a' && c <= u'z')
                c -= 32;
        return text;
    };
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(),
                               [&](const auto& a, const auto& b) { return upper(a) < upper(b); }));
    EXPECT_EQ(copy.GetIndexEntries().size(), mft->GetRecord(image.files.at("dir500"))->GetIndexEntries().size());
    EXPECT_EQ(copy.GetFileName(), u"dir500");
    auto attribute = copy.FindAttribute(AttrIndexRoot, "$I30", 0);
    ASSERT_TRUE(attribute);
    EXPECT_EQ(std::memcmp(attribute->data, copy.Record().Header() + copy.Record().FindAttribute(AttrIndexRoot, "", 0)->offset,
                          attribute->length), 0);
    EXPECT_FALSE(copy.FindAttribute(AttrIndexRoot, "", 0)) << "an empty name matches unnamed attributes only";

    // A $DATA whose real size the runs do not cover is reported, not thrown.
    auto fileRaw = mft->ReadRecord(image.files.at("five.bin"));
    MFTRecordCopy file(fileRaw->data, image.explorer->GetReader(), mft.get());
    AttributeHeader data = *file.Record().FindAttribute(AttrData, "", 0);
    ASSERT_TRUE(data.nonResident);
    data.realSize = 1 << 20;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(file.ReadAttributeData(data, true));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[!] Invalid read file size\n");

    EXPECT_THROW(MFTRecordCopy(nullptr, image.explorer->GetReader()), Exceptions::NTFSException);
    std::vector<uint8_t> badArray(fileRaw->data, fileRaw->data + fileRaw->length);
    Put(badArray, 4, 1020, 2);
    EXPECT_THROW(MFTRecordCopy(badArray.data(), image.explorer->GetReader()), Exceptions::NTFSException);
}

TEST_F(RecordLayer, RecordViewsReadNamesAndRefuseWrongForms)
{
    auto& image = images["default"];
    auto mft = image.explorer->GetMFT();
    auto raw = mft->ReadRecord(image.files.at("five.bin"));
    ApplyUpdateSequence(raw->data, raw->length);
    auto view = FileRecordView::Parse(raw->data, raw->length);
    EXPECT_EQ(view.RecordNumber(), image.files.at("five.bin"));
    auto names = view.AttributesOfType(AttrFileName);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(AttributeView::FromSpan(SelectFileName(names, 1)).FileName(), u"five.bin");
    auto data = AttributeView::FromSpan(view.AttributesOfType(AttrData).front());
    EXPECT_THROW(data.ResidentContent(), Exceptions::NTFSException);
    EXPECT_THROW(data.FileName(), Exceptions::NTFSException);
    EXPECT_THROW(data.DataContent(), std::bad_variant_access);
    EXPECT_EQ(DecodeRunList(data.NonResidentContent().data(), data.NonResidentContent().size()).size(), 1u);
    EXPECT_THROW(SelectFileName({}, 1), Exceptions::NTFSException);
    auto reader = image.explorer->GetReader();
    EXPECT_THROW(ReadRunsData({{100, 1, false}}, 8192, 100, reader), Exceptions::NTFSException)
        << "Invalid allocated length.";
    auto block = ReadRunsData({{0, 1, true}, {0, 1, false}}, 8192, 8000, reader);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(block->data), 4096), std::string(4096, '\0')) << "a hole";
    EXPECT_EQ(std::memcmp(block->data + 4096, reader->bootSector, 512), 0) << "cluster 0 is data, not a hole";
    EXPECT_TRUE(IsValidRecordStart(raw->data, raw->length));
}

// Damaged copies of real structures end in a clean exception or an ended walk:
// the walk keeps the attributes before a damaged header, and the file's data
// is refused or is the data icat reads on the sound volume. Under
// AddressSanitizer nothing is read outside its buffer.
TEST_F(RecordLayer, DamagedCopiesOfARealRecordAreRefusedOrCut)
{
    auto& image = images["default"];
    auto mft = image.explorer->GetMFT();
    auto reader = image.explorer->GetReader();
    const uint64_t inode = image.files.at("gaps.bin");
    const std::string icat = NtfsImage::Icat(image.path, inode);
    ASSERT_FALSE(icat.empty());
    auto raw = mft->ReadRecord(inode);
    const std::vector<uint8_t> original(raw->data, raw->data + raw->length);
    MFTRecord sound(const_cast<uint8_t*>(original.data()), mft.get(), reader.get(), true);
    const auto& attributes = sound.Attributes();
    auto find = [&](uint32_t type) {
        for (size_t i = 0; i < attributes.size(); ++i)
            if (attributes[i].type == type)
                return std::pair{attributes[i], i};
        return std::pair{AttributeHeader{}, attributes.size()};
    };
    const AttributeHeader first = attributes.front();
    const auto [list, listIndex] = find(AttrAttributeList);
    const auto [data, dataIndex] = find(AttrData);
    ASSERT_TRUE(list.type) << "ntfs-3g spreads gaps.bin's run list over extension records";
    ASSERT_TRUE(data.type && data.nonResident);
    const size_t all = attributes.size();

    struct Damage {
        const char* what;
        size_t at;
        uint64_t value;
        int width;
        bool refused; // the record itself is refused
        size_t kept;  // the attributes the walk keeps: those before a damaged header
    };
    std::vector<Damage> damages = {
        {"update-sequence offset 0xFFFF", 4, 0xFFFF, 2, true, 0},
        {"update-sequence count 0xFFFF", 6, 0xFFFF, 2, true, 0},
        {"first attribute past the record", 0x14, 0x4000, 2, true, 0},
        {"attribute length 0", first.offset + 4u, 0, 4, false, 0},
        {"attribute length 1", first.offset + 4u, 1, 4, false, 0},
        {"attribute length past the end", first.offset + 4u, 0x10000, 4, false, 0},
        {"resident value past the record", first.offset + 0x10u, 0x100000, 4, false, 0},
        {"name of 255 units", first.offset + 9u, 255, 1, false, 0},
        {"attribute-list length past the end", list.offset + 4u, 0x10000, 4, false, listIndex},
        {"run header 0x9F", data.offset + data.runsOffset, 0x9F, 1, false, all},
        {"allocated size past 4 GiB", data.offset + 0x28u, 0x100000000ull + 4096, 8, false, all},
        {"run list offset past the attribute", data.offset + 0x20u, 0xFFF0, 2, false, dataIndex},
    };
    // A list held in clusters of its own has no entry in the record to damage.
    if (!list.nonResident)
        damages.push_back({"attribute-list entry name of 255 units", list.offset + list.valueOffset + 6u, 255, 1, false, all});
    for (const auto& d : damages) {
        SCOPED_TRACE(d.what);
        auto copy = original;
        Put(copy, d.at, d.value, d.width);
        std::unique_ptr<MFTRecord> record;
        try {
            record = std::make_unique<MFTRecord>(copy.data(), mft.get(), reader.get(), true);
        } catch (const Exceptions::NTFSException&) {
        }
        EXPECT_EQ(!record, d.refused);
        if (!record)
            continue;
        ASSERT_EQ(record->Attributes().size(), d.kept);
        for (size_t i = 0; i < d.kept; ++i) {
            EXPECT_EQ(record->Attributes()[i].type, attributes[i].type) << i;
            EXPECT_EQ(record->Attributes()[i].offset, attributes[i].offset) << i;
        }
        // Refused, or the file's own bytes: never a guess under its name.
        try {
            EXPECT_EQ(AsString(record->ReadData("", true)), icat);
        } catch (const Exceptions::NTFSException&) {
        }
        // Without a crash or an out-of-bounds read: a name, none, or a clean refusal.
        try {
            const std::u16string name = record->GetFileName();
            EXPECT_TRUE(name.empty() || name == u"gaps.bin");
        } catch (const Exceptions::NTFSException&) {
        }
        try {
            EXPECT_TRUE(record->GetIndexEntries().empty()) << "a file has no index";
        } catch (const Exceptions::NTFSException&) {
        }
    }
}

TEST_F(RecordLayer, DamagedIndexBlocksAreSkipped)
{
    auto& image = images["default"];
    auto mft = image.explorer->GetMFT();
    auto folder = mft->GetRecord(image.files.at("dir500"));
    auto allocation = folder->ReadAttributeValue(folder->GetAttributes(AttrIndexAllocation, "$I30"), true);
    ASSERT_GE(allocation->length, 8192u);
    const std::vector<uint8_t> blocks(allocation->data, allocation->data + allocation->length);
    auto count = [](std::vector<uint8_t> bytes) {
        size_t entries = 0;
        for (const auto& block : ParseIndexBlockList(bytes.data(), bytes.size(), 4096, true))
            entries += block.entries.size();
        return entries;
    };
    const size_t all = count(blocks);
    ASSERT_GT(all, 100u);
    const uint32_t firstEntry = 0x18 + static_cast<uint32_t>(blocks[0x18] | blocks[0x19] << 8);
    struct Damage {
        const char* what;
        size_t at;
        uint64_t value;
        int width;
        bool wholeBlock;
    };
    for (const Damage& d : {Damage{"INDX allocated size 0", 0x20, 0, 4, true},
                            Damage{"update-sequence count 0xFFFF", 6, 0xFFFF, 2, true},
                            Damage{"magic", 0, 0, 4, true},
                            Damage{"first entry's name of 255 units", firstEntry + 0x50, 255, 1, false},
                            Damage{"first entry's length 0", firstEntry + 8, 0, 2, false}}) {
        SCOPED_TRACE(d.what);
        auto copy = blocks;
        Put(copy, d.at, d.value, d.width);
        const size_t left = count(copy);
        EXPECT_LT(left, all);
        if (!d.wholeBlock) {
            EXPECT_EQ(left, all - count(std::vector<uint8_t>(blocks.begin(), blocks.begin() + 4096)));
        }
    }
}

namespace {
// (VCN, LCN or -1 for a hole, clusters) of every $DATA piece ntfsinfo dumps.
std::vector<std::tuple<uint64_t, int64_t, uint64_t>> NtfsinfoRuns(const std::string& image, uint64_t inode)
{
    std::string output;
    TestSupport::RunCommand("ntfsinfo -i " + std::to_string(inode) + " -v " + Quote(image) + " 2>/dev/null", &output);
    std::vector<std::tuple<uint64_t, int64_t, uint64_t>> runs;
    std::istringstream lines(output);
    bool inData = false;
    const std::regex run(R"(^\t\t\t0x([0-9a-f]+)\t+(0x[0-9a-f]+|<HOLE>|<RL_NOT_MAPPED>)\t+0x([0-9a-f]+))");
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Dumping attribute ", 0) == 0)
            inData = line.find("$DATA") != std::string::npos;
        std::smatch m;
        if (!inData || !std::regex_search(line, m, run) || m[2] == "<RL_NOT_MAPPED>")
            continue;
        runs.emplace_back(std::stoull(m[1], nullptr, 16), m[2] == "<HOLE>" ? -1 : std::stoll(m[2], nullptr, 16),
                          std::stoull(m[3], nullptr, 16));
    }
    return runs;
}
}

TEST_F(RecordLayer, RunsOfEveryPieceMatchNtfsinfo)
{
    auto& image = images["default"];
    auto mft = image.explorer->GetMFT();
    for (const std::string path : {"gaps.bin", "filled.bin", "big.bin", "three.bin"}) {
        if (!image.files.count(path))
            continue;
        SCOPED_TRACE(path);
        auto record = mft->GetRecord(image.files.at(path));
        ASSERT_TRUE(record);
        std::vector<std::tuple<uint64_t, int64_t, uint64_t>> ours;
        uint64_t vcn = 0;
        for (const auto& run : record->JoinRuns(record->GetAttributes(AttrData, ""))) {
            ours.emplace_back(vcn, run.sparse ? -1 : run.lcn, run.length);
            vcn += run.length;
        }
        const auto expected = NtfsinfoRuns(image.path, image.files.at(path));
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(ours, expected);
    }
}

TEST_F(RecordLayer, RecogniserTakesAVolumeOnceByItsBootSectorOrItsBackup)
{
    for (auto& [name, image] : images) {
        SCOPED_TRACE(name);
        // One recogniser per image: mkntfs seeds its serial from the clock, so two
        // images made within the same second may share one.
        NTFSRecognize recognise;
        std::ifstream file(image.path, std::ios::binary);
        std::vector<uint8_t> first(512), backup(512);
        file.read(reinterpret_cast<char*>(first.data()), 512);
        // The backup follows the sectors the boot sector counts.
        const auto& reader = *image.explorer->GetReader();
        uint64_t sectors = 0;
        std::memcpy(&sectors, reader.bootSector + 0x28, 8);
        file.seekg(static_cast<std::streamoff>(sectors * reader.sectorSize));
        file.read(reinterpret_cast<char*>(backup.data()), 512);
        EXPECT_EQ(first, backup);
        EXPECT_TRUE(recognise.CheckBootSector(first.data()));
        EXPECT_FALSE(recognise.CheckBootSector(backup.data()));
    }
}
