// Pairing of Recycle Bin data files with their index records: the record
// layouts, the names that take part, pairs met in any order or split over
// walk calls, and the reader offsets of a volume found by the raw search.
#include "FAT/FatImages.h"
#include "FAT/RecycleBinPairing.h"
#include "FAT/TableEngine.h"
#include "support/DiskImages.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace FatTest;
using namespace TestSupport;
using FileManagerSP::FileNode;

namespace {

void Put64(std::vector<uint8_t>& b, size_t at, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

void PutPath(std::vector<uint8_t>& b, size_t at, const std::u16string& path)
{
    for (size_t i = 0; i < path.size(); ++i) {
        b[at + 2 * i] = uint8_t(path[i]);
        b[at + 2 * i + 1] = uint8_t(path[i] >> 8);
    }
}

// Version 1: 544 bytes, the path at 24 in 260 characters.
std::vector<uint8_t> Version1(const std::u16string& path, size_t size = 544)
{
    std::vector<uint8_t> b(size, 0);
    Put64(b, 0, 1);
    Put64(b, 8, 1234);
    PutPath(b, 24, path);
    return b;
}

// Version 2: 28 + 2L bytes, L characters of path and its NUL at 28.
std::vector<uint8_t> Version2(const std::u16string& path, uint32_t length = 0)
{
    const uint32_t L = length ? length : static_cast<uint32_t>(path.size() + 1);
    std::vector<uint8_t> b(28 + 2 * std::max<size_t>(L, path.size() + 1), 0);
    Put64(b, 0, 2);
    Put64(b, 8, 1234);
    b[24] = uint8_t(L);
    b[25] = uint8_t(L >> 8);
    PutPath(b, 28, path);
    return b;
}

// A path of 985 characters: its version 2 record is 2,000 bytes.
std::u16string LongPath()
{
    std::u16string path = u"D:\\";
    for (int i = 0; i < 139; ++i)
        path += u"folder\\";
    return path + u"abcde.jpg";
}

std::vector<uint8_t> Unknown()
{
    auto record = Version1(u"C:\\a.txt", 600);
    Put64(record, 0, 7);
    return record;
}

TEST(IndexRecord, Layouts)
{
    const std::u16string longPath = LongPath();
    auto old568 = Version1(u"C:\\Users\\me\\old.txt", 568);
    Put64(old568, 0, 0);
    const auto unknown = Unknown();
    struct Case {
        const char* what;
        std::vector<uint8_t> record;
        std::optional<std::string> expected;
    };
    for (const auto& c : {
             Case{"version 1", Version1(u"C:\\Users\\me\\Pictures\\cat.jpg"), "Users\\me\\Pictures\\cat.jpg"},
             Case{"version 2", Version2(u"C:\\Users\\me\\été.txt"), "Users\\me\\été.txt"},
             Case{"version 2 of 2,000 bytes", Version2(longPath),
                  std::string(longPath.begin() + 3, longPath.end())},
             Case{"568 bytes, no version", old568, "Users\\me\\old.txt"},
             Case{"no drive", Version2(u"\\\\server\\share\\a.txt"), "\\\\server\\share\\a.txt"},
             Case{"version 2, L below 3", Version2(u"C", 2), std::nullopt},
             Case{"version 2, L past the record", Version2(u"C:\\a.txt", 400), std::nullopt},
             Case{"unknown version", unknown, std::nullopt},
             Case{"too short", std::vector<uint8_t>(20, 0), std::nullopt},
         }) {
        auto record = c.record;
        if (std::string(c.what) == "version 2, L past the record")
            record.resize(40);
        EXPECT_EQ(FAT::IndexRecordPath(record.data(), record.size()), c.expected) << c.what;
    }
    EXPECT_EQ(Version2(longPath).size(), 2000u);
}

class Pairing : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        if (!HaveTool("mkfs.fat"))
            return;
        image = *dir / "card.img";
        MakeFat32Image(image, 40, "-s 1");
        Store("$IAAAAAA.jpg", Version1(u"C:\\Users\\me\\cat.jpg"));
        Store("$IBBBBBB.txt", Version2(u"E:\\Docs\\été.txt"));
        Store("$ICCCCCC.bin", Unknown());
        Store("$IDDDDDD.jpg", Version2(LongPath()));
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    static void Store(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        const std::string local = *dir / "record";
        std::ofstream(local, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
        RunOrFail("mcopy -i " + Quote(image) + " " + Quote(local) + " " + Quote("::/" + name));
        sizes[name] = bytes.size();
    }
    void SetUp() override
    {
        REQUIRE_TOOL("mkfs.fat");
        ASSERT_FALSE(image.empty());
        explorer = std::make_unique<FAT::FAT32Explorer>(ImageVolume(image));
    }
    // A node for a file of the image (its real runs) or a data file (made-up runs).
    FileNode Node(const std::string& name, const std::string& stored = "", uint8_t deleted = 0)
    {
        FileNode node;
        node.name = name;
        node.parentId = 77;
        node.deletedState = deleted;
        if (!stored.empty()) {
            const auto first = ShowFat(image, "::/" + stored)[0].first;
            node.id = static_cast<uint32_t>(first);
            node.size = sizes[stored];
            node.runs = explorer->table->GetClusterRuns(first);
        } else {
            node.id = 9999;
            node.size = 4321;
            node.runs = {{1 << 20, 4321}};
        }
        return node;
    }

    static TempDir* dir;
    static std::string image;
    static std::map<std::string, size_t> sizes;
    std::unique_ptr<FAT::FAT32Explorer> explorer;
    FAT::RecycleBinPairs pairs;
};

TempDir* Pairing::dir = nullptr;
std::string Pairing::image;
std::map<std::string, size_t> Pairing::sizes;

TEST_F(Pairing, IndexRecordFirstOrDataFileFirst)
{
    auto& reader = *explorer->reader;
    EXPECT_TRUE(pairs.Pair(Node("$IAAAAAA.jpg", "$IAAAAAA.jpg"), reader, true).empty());
    auto out = pairs.Pair(Node("$RAAAAAA.jpg"), reader, true);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].name, "Users\\me\\cat.jpg");
    EXPECT_EQ(out[0].deletedState, 2);
    EXPECT_EQ(out[0].size, 4321u);
    EXPECT_EQ(out[0].runs, Node("$R").runs);

    EXPECT_TRUE(pairs.Pair(Node("$RBBBBBB.txt"), reader, false).empty());
    out = pairs.Pair(Node("$IBBBBBB.txt", "$IBBBBBB.txt"), reader, false);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].name, "Docs\\été.txt");
    EXPECT_EQ(out[0].id, 9999u);
    EXPECT_TRUE(pairs.Empty());
}

TEST_F(Pairing, DeletedFormsOnlyInsideARecycleBin)
{
    auto& reader = *explorer->reader;
    // A deleted index record keeps its rest; the lost first byte reads U+00E5.
    EXPECT_TRUE(pairs.Pair(Node("\xC3\xA5IAAAAAA.jpg", "$IAAAAAA.jpg", 1), reader, true).empty());
    auto out = pairs.Pair(Node("$RAAAAAA.jpg"), reader, true);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].name, "Users\\me\\cat.jpg");
    // Outside one, a deleted CIMG0001.JPG or PICT0001.JPG is just a deleted photo.
    for (const char* name : {"\xC3\xA5IMG0001.JPG", "\xC3\xA5RINT.TXT", "$Money.txt", "abc", "$I"}) {
        out = pairs.Pair(Node(name, "", 1), reader, false);
        ASSERT_EQ(out.size(), 1u) << name;
        EXPECT_EQ(out[0].name, name);
    }
    EXPECT_TRUE(pairs.Empty());
}

TEST_F(Pairing, UnreadableOrLongRecords)
{
    auto& reader = *explorer->reader;
    pairs.Pair(Node("$ICCCCCC.bin", "$ICCCCCC.bin"), reader, true);
    auto out = pairs.Pair(Node("$RCCCCCC.bin"), reader, true);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].name, "$RCCCCCC.bin");
    EXPECT_EQ(out[0].deletedState, 2);

    pairs.Pair(Node("$RDDDDDD.jpg"), reader, true);
    out = pairs.Pair(Node("$IDDDDDD.jpg", "$IDDDDDD.jpg"), reader, true);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].name.substr(0, 14), "folder\\folder\\");
    EXPECT_EQ(out[0].name.size(), 982u);
}

TEST_F(Pairing, UnpairedFilesComeBackAtTheEnd)
{
    auto& reader = *explorer->reader;
    EXPECT_TRUE(pairs.Pair(Node("$RZZZZZZ.mp4"), reader, true).empty());
    EXPECT_TRUE(pairs.Pair(Node("$IYYYYYY.mp4", "$IAAAAAA.jpg"), reader, true).empty());
    auto held = pairs.TakeHeldBack();
    ASSERT_EQ(held.size(), 2u);
    std::set<std::string> names{held[0].name, held[1].name};
    EXPECT_EQ(names, (std::set<std::string>{"$RZZZZZZ.mp4", "$IYYYYYY.mp4"}));
    EXPECT_EQ(held[0].deletedState, 0);
}

// Through the engine: a pair split over two blocks of one directory pairs,
// and a volume found inside another reads its records at its own offsets
// while its runs go out shifted by its start.
TEST(PairingInTheEngine, SplitPairAndLostVolumeShift)
{
    REQUIRE_TOOL("mkfs.fat");
    TempDir dir;
    const std::string image = dir / "disk.img";
    const uint64_t start = 1 << 20;
    MakeSparseFile(image, 41 << 20);
    RunOrFail("mkfs.fat -F 32 -s 1 --offset 2048 " + Quote(image) + " 40960");
    const std::string local = dir / "record";
    const auto record = Version2(u"C:\\Users\\me\\dog.jpg");
    std::ofstream(local, std::ios::binary).write(reinterpret_cast<const char*>(record.data()),
                                                 static_cast<std::streamsize>(record.size()));
    const std::string volume = image + "@@1M";
    RunOrFail("mcopy -i " + Quote(volume) + " " + Quote(local) + " ::/RECORD.BIN");
    CopyPatternFile(volume, dir.Path(), "::/DATA.BIN", 3000, 5);
    CopyPatternFile(volume, dir.Path(), "::/FOLDER.BIN", 3 * 512, 6);
    const auto recordCluster = ShowFat(volume, "::/RECORD.BIN")[0].first;
    const auto dataCluster = ShowFat(volume, "::/DATA.BIN")[0].first;
    const auto folder = ShowFat(volume, "::/FOLDER.BIN")[0].first;

    Recorder recorder;
    DiskAndVolumeInfo info; // the container's volume: the whole image
    info.startOffset = 0;
    TableEngine engine(ImageVolume(image, start, 40 << 20), info, recorder.Callback());
    engine.lostPartitionFlag = 1;
    engine.directories[folder] = {{"$IABCDEF.jpg", false, static_cast<uint32_t>(recordCluster), record.size()}};
    engine.directories[folder + 1] = {{"$RABCDEF.jpg", false, static_cast<uint32_t>(dataCluster), 3000}};
    auto* table = engine.GetTablePtr();
    engine.ScanBlock(table->ClusterOffset(folder), nullptr, 512);
    engine.ScanBlock(table->ClusterOffset(folder + 1), nullptr, 512);
    engine.AfterScanRaw();
    const auto files = recorder.Files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].path, "Users\\me\\dog.jpg");
    EXPECT_EQ(files[0].deletedState, 2);
    ASSERT_EQ(files[0].runs.size(), 1u);
    EXPECT_EQ(files[0].runs[0].offset, start + table->ClusterOffset(dataCluster));
    // The reported run holds DATA.BIN's bytes in the container's volume.
    const auto expected = ReadBytes(image, start + table->ClusterOffset(dataCluster), 3000);
    RunOrFail("mcopy -n -i " + Quote(volume) + " ::/DATA.BIN " + Quote(dir / "data.out"));
    EXPECT_EQ(ReadBytes(dir / "data.out", 0, 3000), expected);
}

}
