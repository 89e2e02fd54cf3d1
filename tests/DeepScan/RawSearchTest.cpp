// The raw pass with scripted engines and recognisers over small image files:
// where carves may start, which volumes are built and which blocks they get.
#include "DataRecovery/Exceptions.h"
#include "DeepScan/DeepScanManager.h"
#include "DeepScan/UnknownDataRecovery.h"
#include "Utils/PartReader.h"
#include "support/CarvingFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <set>

namespace {

constexpr uint64_t KiB = 1024;
constexpr uint64_t MiB = 1024 * KiB;

// What the fake engines and recognisers saw.
struct Seen {
    std::vector<DataRecoveryInfo> events;
    std::vector<std::string> paths;
    std::vector<uint64_t> carved; // start offsets, read during the callback
    std::vector<std::pair<int, uint64_t>> blocks; // (engine number, relative position)
    std::vector<VolumeInfoItem> built;
    std::vector<std::pair<uint64_t, uint64_t>> layouts;
    int afterScanRaw = 0;
};

// A lost or own engine: data area and cluster size as given, every block recorded.
class ScriptedEngine : public DataRecoveryEntity {
public:
    ScriptedEngine(Seen& seen, int number, int type, uint64_t dataArea, std::shared_ptr<Utils::PartReader> reader,
                   DataRecoveryCallback callback = {})
        : DataRecoveryEntity({}, std::move(callback)), seen(seen), number(number), type(type), dataArea(dataArea),
          reader(std::move(reader))
    {
    }
    int Start() override { return 0; }
    int Start(const std::string&) override { return 0; }
    int ScanStructure(int64_t) override { return 0; }
    int ScanBlock(uint64_t offset, const uint8_t* block, size_t) override
    {
        seen.blocks.push_back({number, offset});
        if (std::memcmp(block, "DIR", 3) == 0 && block[4] == 'L') {
            // A file of 300 pieces: more than one record carries.
            FileManagerSP::FileNode node;
            node.name = "long.bin";
            node.id = 77;
            for (uint64_t i = 0; i < 300; ++i)
                node.runs.push_back({i * 8192, 4096});
            node.size = 300 * 4096;
            ReportFileNode(node, "long.bin", Fat32File);
        }
        return 0;
    }
    int ScanRaw() override { return 0; }
    int AfterScanRaw() override
    {
        ++seen.afterScanRaw;
        return 0;
    }
    int64_t GetRootInode() override { return 0; }
    bool GetClusterState(uint64_t position, uint64_t* length) override
    {
        *length = 4096;
        return inUse && inUse(position);
    }
    bool MarksInUse(uint64_t position) override { return allocated && allocated(position); }
    uint64_t GetDataAreaOffset() override { return dataArea; }
    bool IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t) override
    {
        return (std::memcmp(block, "DIR", 3) == 0 || std::memcmp(block, "DST", 3) == 0) && block[3] == '0' + type;
    }
    uint32_t GetVolumeSerial() override { return serial; }
    int GetFileSystemType() override { return type; }
    std::shared_ptr<Utils::PartReader> GetReader() override { return reader; }
    Utils::PartReader* GetRawReader() override { return reader.get(); }
    void FinishScan() override {}

    std::function<bool(uint64_t)> inUse;
    std::function<bool(uint64_t)> allocated; // what the engine's own FAT marks in use
    uint32_t serial = 0;

private:
    Seen& seen;
    int number;
    int type;
    uint64_t dataArea;
    std::shared_ptr<Utils::PartReader> reader;
};

// Blocks "BOOT" + type digit with a serial at 8 and a FAT-style size are boot
// sectors; "DIR" + digit directory blocks; "DST" + digit directory starts.
// A boot sector's data area (relative to it) is the u32 at 16, its cluster size the u32 at 24.
class ScriptedRecogniser : public Utils::DataRecognize {
public:
    ScriptedRecogniser(Seen& seen, int type, const std::vector<uint32_t>& known, std::string image, bool failing)
        : Utils::DataRecognize(known), seen(seen), type(type), image(std::move(image)), failing(failing)
    {
    }
    bool IsDirectoryBlock(uint64_t, const uint8_t* block, uint64_t) override
    {
        return (std::memcmp(block, "DIR", 3) == 0 || std::memcmp(block, "DST", 3) == 0) && block[3] == '0' + type;
    }
    bool IsDirectoryStart(uint64_t, const uint8_t* block, uint64_t) override
    {
        return std::memcmp(block, "DST", 3) == 0 && block[3] == '0' + type;
    }
    bool CheckBootSector(const uint8_t* block) override
    {
        if (std::memcmp(block, "BOOT", 4) != 0 || block[4] != '0' + type)
            return false;
        uint32_t serial;
        std::memcpy(&serial, block + 8, 4);
        lastDataArea = 0;
        std::memcpy(&lastDataArea, block + 16, 4);
        lastCluster = 0;
        std::memcpy(&lastCluster, block + 24, 4);
        return seenSerials.insert(serial).second;
    }
    std::unique_ptr<DataRecoveryEntity> CreateRecoveryWithLayout(const VolumeInfoItem& volume, DiskAndVolumeInfo,
                                                                 DataRecoveryCallback callback, uint64_t start,
                                                                 uint64_t size) override
    {
        seen.layouts.push_back({start, size});
        return Make(volume, start, size, std::move(callback));
    }
    std::unique_ptr<DataRecoveryEntity> CreateRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo,
                                                       DataRecoveryCallback callback) override
    {
        return Make(volume, lastDataArea, lastCluster, std::move(callback));
    }
    int GetFileSystemType() override { return type; }

private:
    std::unique_ptr<DataRecoveryEntity> Make(const VolumeInfoItem& volume, uint64_t dataArea, uint64_t cluster,
                                             DataRecoveryCallback callback)
    {
        if (failing)
            throw Exceptions::ExceptionCommon("cannot build");
        seen.built.push_back(volume);
        auto reader = std::make_shared<Utils::PartReader>(image, 0, 4096);
        reader->clusterSize = static_cast<uint32_t>(cluster);
        return std::make_unique<ScriptedEngine>(seen, static_cast<int>(seen.built.size()), type, dataArea, reader,
                                                std::move(callback));
    }

    Seen& seen;
    int type;
    std::string image;
    bool failing;
    uint64_t lastDataArea = 0;
    uint64_t lastCluster = 0;
};

class RawSearch : public ::testing::Test {
protected:
    // A sparse image of the given size; blocks are written with Put.
    void MakeImage(uint64_t size, const std::string& name = "volume.img")
    {
        image = dir / name;
        std::ofstream(image, std::ios::binary).close();
        std::filesystem::resize_file(image, size);
        volumeSize = size;
    }
    void Put(uint64_t at, const std::vector<uint8_t>& bytes)
    {
        std::fstream file(image, std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(static_cast<std::streamoff>(at));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void PutText(uint64_t at, const std::string& text, size_t length = 512)
    {
        std::vector<uint8_t> block(length, 0);
        std::memcpy(block.data(), text.data(), std::min(text.size(), length));
        Put(at, block);
    }
    void PutBoot(uint64_t at, int type, uint32_t serial, uint64_t sectors, uint32_t dataArea = 0, uint32_t cluster = 4096)
    {
        std::vector<uint8_t> block(512, 0);
        std::memcpy(block.data(), "BOOT", 4);
        block[4] = static_cast<uint8_t>('0' + type);
        std::memcpy(block.data() + 8, &serial, 4);
        std::memcpy(block.data() + 16, &dataArea, 4);
        std::memcpy(block.data() + 24, &cluster, 4);
        block[0x0B] = 0x00; // 512 bytes a sector
        block[0x0C] = 0x02;
        const auto count = static_cast<uint32_t>(sectors);
        std::memcpy(block.data() + 0x20, &count, 4);
        if (type == 0)
            std::memcpy(block.data() + 0x28, &sectors, 8);
        if (type == 2) {
            std::memcpy(block.data() + 0x48, &sectors, 8);
            block[0x6C] = 9;
        }
        Put(at, block);
    }
    // A directory start whose "." entry names a cluster, ".." its parent's,
    // and entries after them the subfolders' clusters.
    void PutDirectoryStart(uint64_t at, int type, uint32_t cluster, uint32_t parent = 0,
                           const std::vector<uint32_t>& subfolders = {})
    {
        std::vector<uint8_t> block(512, 0);
        std::memcpy(block.data(), "DST", 3);
        block[3] = static_cast<uint8_t>('0' + type);
        const auto entry = [&](size_t index, const char* name, uint32_t named) {
            uint8_t* e = block.data() + 32 * index;
            std::memcpy(e, name, 11);
            e[11] = 0x10;
            e[20] = static_cast<uint8_t>(named >> 16);
            e[21] = static_cast<uint8_t>(named >> 24);
            e[26] = static_cast<uint8_t>(named);
            e[27] = static_cast<uint8_t>(named >> 8);
        };
        entry(1, ".          ", cluster);
        entry(2, "..         ", parent);
        for (size_t i = 0; i < subfolders.size(); ++i)
            entry(3 + i, "SUB        ", subfolders[i]);
        Put(at, block);
    }

    // An up-case table of 600 bytes (character i to i) at the place; returns its checksum.
    uint32_t PutUpcaseTable(uint64_t at)
    {
        std::vector<uint8_t> table(600);
        uint32_t checksum = 0;
        for (size_t i = 0; i < table.size(); ++i) {
            table[i] = static_cast<uint8_t>(i % 2 ? (i / 2) >> 8 : i / 2);
            checksum = ((checksum & 1) ? 0x80000000u : 0u) + (checksum >> 1) + table[i];
        }
        Put(at, table);
        return checksum;
    }
    // An exFAT root: its bitmap entry names cluster 2 (the heap's first) and
    // its up-case entry the table's first cluster, length 600 and checksum;
    // the bitmap at heap marks the clusters given in use.
    void PutExFatRoot(uint64_t at, uint32_t tableCluster, uint32_t checksum, uint64_t heap = 0,
                      const std::vector<uint32_t>& used = {})
    {
        std::vector<uint8_t> block(512, 0);
        std::memcpy(block.data(), "DST2", 4);
        uint8_t* bitmapEntry = block.data() + 32;
        bitmapEntry[0] = 0x81;
        bitmapEntry[20] = 2;
        bitmapEntry[24] = 64; // bytes
        uint8_t* entry = block.data() + 64;
        entry[0] = 0x82;
        std::memcpy(entry + 4, &checksum, 4);
        std::memcpy(entry + 20, &tableCluster, 4);
        const uint64_t length = 600;
        std::memcpy(entry + 24, &length, 8);
        Put(at, block);
        if (used.empty())
            return;
        std::vector<uint8_t> bitmap(64, 0);
        for (const uint32_t cluster : used)
            bitmap[(cluster - 2) / 8] |= static_cast<uint8_t>(1 << ((cluster - 2) % 8));
        Put(heap, bitmap);
    }

    std::unique_ptr<UnknownDataRecovery> Make(std::shared_ptr<DataRecoveryEntity> own, std::set<int> failing = {})
    {
        VolumeInfoItem volume;
        volume.devicePath = image;
        volume.offset = 0;
        volume.length = volumeSize;
        DiskAndVolumeInfo info;
        info.startOffset = 0;
        info.endOffset = volumeSize;
        RecogniserMakers makers;
        for (int type : {0, 1, 2})
            makers[type] = [this, type, failing](const std::vector<uint32_t>& known) {
                return std::make_unique<ScriptedRecogniser>(seen, type, known, image, failing.count(type) != 0);
            };
        return std::make_unique<UnknownDataRecovery>(std::move(own), volume, info,
                                                     [this](const DataRecoveryInfo& e) {
                                                         seen.events.push_back(e);
                                                         if (e.kind == CarvedFile) {
                                                             seen.paths.emplace_back(e.path, e.pathLength);
                                                             seen.carved.push_back(e.runs[0].offset);
                                                         }
                                                     },
                                                     makers);
    }

    std::shared_ptr<ScriptedEngine> Own(int type, uint64_t dataArea)
    {
        return std::make_shared<ScriptedEngine>(seen, 0, type, dataArea, nullptr);
    }
    // An own FAT32 engine whose layout is known: data area and cluster size.
    std::shared_ptr<ScriptedEngine> OwnFat32(uint64_t dataArea, uint32_t clusterSize)
    {
        auto reader = std::make_shared<Utils::PartReader>(image, 0, volumeSize);
        reader->clusterSize = clusterSize;
        return std::make_shared<ScriptedEngine>(seen, 0, 1, dataArea, reader);
    }

    std::vector<uint64_t> Carved() const { return seen.carved; }

    std::vector<uint64_t> BlocksOf(int engine) const
    {
        std::vector<uint64_t> positions;
        for (const auto& [number, position] : seen.blocks)
            if (number == engine)
                positions.push_back(position);
        return positions;
    }

    TestSupport::TempDir dir;
    std::string image;
    uint64_t volumeSize = 0;
    Seen seen;
};

}

// Carves start only past the own structures and where the skip query says
// free; a carve running into used clusters reads on through them.
TEST_F(RawSearch, CarvesStartOnlyInFreeSpaceAndReadOnThroughUsedSpace)
{
    MakeImage(4 * MiB);
    const auto png = TestSupport::ReadFileBytes(TestSupport::CarvingFixtureDir() + "/png.png");
    ASSERT_GT(png.size(), 4096u);
    Put(8 * KiB, png);                  // inside the own structures
    Put(1 * MiB, png);                  // in used clusters
    Put(2 * MiB - 4096, png);           // free, running into used clusters
    Put(3 * MiB + 512, png);            // free
    auto own = Own(1, 64 * KiB);
    own->inUse = [](uint64_t p) { return (p >= 1 * MiB && p < 2 * MiB - 4096) || (p >= 2 * MiB && p < 2 * MiB + 64 * KiB); };
    auto search = Make(own);
    search->ScanRaw();
    EXPECT_EQ(Carved(), (std::vector<uint64_t>{2 * MiB - 4096, 3 * MiB + 512}));
    for (const auto& e : seen.events)
        if (e.kind == CarvedFile) {
            EXPECT_EQ(e.fileSize, png.size());
        }
    EXPECT_EQ(seen.paths[0], "png_" + std::to_string(2 * MiB - 4096) + ".png");
    EXPECT_EQ(seen.afterScanRaw, 1); // the own engine's
}

// A boot sector is a backup only where its volume keeps one; anywhere else
// it starts a volume, also with a serial met before (a cloned partition).
TEST_F(RawSearch, BootSectorsBuildLostVolumesAtTheirPlaceOnce)
{
    MakeImage(8 * MiB);
    PutBoot(0, 0, 0x4242, 16 * 1024 - 1);        // the own volume: its backup is its last sector
    PutBoot(8 * MiB - 512, 0, 0x4242, 16 * 1024 - 1);
    PutBoot(1 * MiB, 1, 0x1111, 2048);            // 1 MiB long by its boot sector
    PutBoot(1 * MiB + 6 * 512, 1, 0x1111, 2048);  // its backup, sector 6
    PutBoot(2 * MiB, 1, 0x1111, 2048);            // a second volume with the same serial
    PutBoot(3 * MiB, 1, 0x2222, 1 << 20);         // says 512 MiB: cut at the volume's end
    PutBoot(5 * MiB, 0, 0x4242, 2048);            // a copy of the own volume
    PutText(1 * MiB + 8 * KiB, "DIR1");           // inside the first only
    PutText(2 * MiB + 8 * KiB, "DIR1");           // inside the second only
    PutText(3 * MiB + 8 * KiB, "DIR1");           // inside the third only
    auto own = Own(0, 0);
    own->serial = 0x4242;
    const int before = LostVolumeCounter().load();
    auto search = Make(own);
    search->ScanRaw();
    ASSERT_EQ(seen.built.size(), 4u);
    const std::vector<std::pair<uint64_t, uint64_t>> expected = {
        {1 * MiB, 1 * MiB}, {2 * MiB, 1 * MiB}, {3 * MiB, 5 * MiB}, {5 * MiB, 1 * MiB + 512}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(seen.built[i].offset, expected[i].first) << i;
        EXPECT_EQ(seen.built[i].length, expected[i].second) << i;
    }
    EXPECT_EQ(LostVolumeCounter().load(), before + 4);
    const auto& found = search->FoundVolumes().at(1);
    EXPECT_EQ(found[0].engine->lostPartitionNumber, before + 1);
    EXPECT_EQ(found[1].engine->lostPartitionNumber, before + 2);
    EXPECT_EQ(found[0].engine->lostPartitionFlag, 1);
    for (int engine : {1, 2, 3})
        EXPECT_EQ(BlocksOf(engine), (std::vector<uint64_t>{8 * KiB})) << engine;
    EXPECT_EQ(seen.afterScanRaw, 5);
}

// A backup boot sector whose volume's own boot sector is damaged starts that
// volume where the backup's geometry leads back to, when the sectors around
// both say so (exFAT: the other eleven sectors of both boot regions agree).
TEST_F(RawSearch, ABackupWhoseMainBootSectorIsDamagedStartsItsVolumeInItsPlace)
{
    MakeImage(4 * MiB);
    const uint64_t start = 1 * MiB;
    PutBoot(start + 12 * 512, 2, 0x7777, 2048);
    std::vector<uint8_t> region(12 * 512);
    std::ifstream(image, std::ios::binary).seekg(start + 12 * 512).read(reinterpret_cast<char*>(region.data()), 512);
    for (size_t i = 512; i < 11 * 512; ++i)
        region[i] = static_cast<uint8_t>(i * 7 + 3);
    uint32_t checksum = 0; // over the eleven sectors but for the flags (106, 107) and the percent in use (112)
    for (size_t i = 0; i < 11 * 512; ++i)
        if (i != 106 && i != 107 && i != 112)
            checksum = ((checksum & 1) ? 0x80000000u : 0u) + (checksum >> 1) + region[i];
    for (size_t i = 11 * 512; i < region.size(); i += 4)
        std::memcpy(region.data() + i, &checksum, 4);
    const std::vector<uint8_t> rest(region.begin() + 512, region.end());
    Put(start + 512, rest);               // the main boot region, its boot sector gone
    Put(start + 13 * 512, rest);          // the backup region
    PutBoot(3 * MiB, 2, 0x8888, 1024);    // a volume of its own, with nothing around it
    auto search = Make(nullptr);
    search->ScanRaw();
    ASSERT_EQ(seen.built.size(), 2u);
    EXPECT_EQ(seen.built[0].offset, start);
    EXPECT_EQ(seen.built[0].length, 1 * MiB);
    EXPECT_EQ(seen.built[1].offset, 3 * MiB);
}

// Recovery finds the whole run list of a lost volume's file with many pieces.
TEST_F(RawSearch, FullRunListsOfLostVolumesAreFound)
{
    MakeImage(4 * MiB);
    PutBoot(1 * MiB, 1, 0x1111, 2048);
    PutText(1 * MiB + 8 * KiB, "DIR1L");
    auto search = Make(nullptr);
    search->ScanRaw();
    const auto& rows = search->FoundVolumes().at(1);
    ASSERT_EQ(rows.size(), 1u);
    const uint8_t number = rows[0].engine->lostPartitionNumber;
    std::vector<DataRun> first;
    for (uint64_t i = 0; i < 255; ++i)
        first.push_back({i * 8192, 4096});
    const auto full = search->FindLostRunList(number, 77, "long.bin", first.data());
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->size(), 300u);
    EXPECT_FALSE(search->FindLostRunList(static_cast<uint8_t>(number + 1), 77, "long.bin", first.data()));
}

// The layout of the engine that lists, without data, the files of blocks no layout places.
const std::pair<uint64_t, uint64_t> listingLayout{512, 512};

// A directory start whose subfolder's start lies where the layout puts it
// gives that layout, once; a start alone gives none.
TEST_F(RawSearch, Fat32DirectoryStartGivesTheLayoutItsSubfoldersConfirmOnce)
{
    MakeImage(20 * MiB);
    PutDirectoryStart(4 * MiB + 3 * 4096, 1, 5, 0, {9}); // data area 4 MiB, clusters of 4096
    PutDirectoryStart(4 * MiB + 7 * 4096, 1, 9, 5);      // its subfolder: the same geometry again
    PutDirectoryStart(5 * MiB + 3 * 4096, 1, 3);         // alone, leading nowhere: no layout
    PutDirectoryStart(6 * MiB, 1, 1);                    // cluster 1: no guess
    PutDirectoryStart(7 * MiB, 1, 0);                    // cluster 0: no guess
    auto own = Own(1, 64 * KiB);
    auto search = Make(own);
    search->ScanRaw();
    EXPECT_EQ(seen.layouts, (std::vector<std::pair<uint64_t, uint64_t>>{{4 * MiB, 4096}, listingLayout}));
    ASSERT_EQ(seen.built.size(), 2u);
    EXPECT_EQ(seen.built[0].offset, 0u);
    EXPECT_EQ(seen.built[0].length, 20 * MiB);
}

// Any data-area start and cluster size from 512 bytes to 64 KiB: a start
// and the subfolder start it names give the layout.
TEST_F(RawSearch, LayoutsOfEveryClusterSizeAreFound)
{
    for (const uint64_t clusterSize : {uint64_t{512}, 64 * KiB}) {
        SCOPED_TRACE(clusterSize);
        seen = {};
        MakeImage(16 * MiB, "volume" + std::to_string(clusterSize) + ".img"); // a fresh name: reads are cached by path
        const uint64_t data = 3 * MiB + 7 * 512;
        PutDirectoryStart(data + 30 * clusterSize, 1, 32, 0, {40});
        PutDirectoryStart(data + 38 * clusterSize, 1, 40, 32);
        auto search = Make(Own(1, 64 * KiB));
        search->ScanRaw();
        EXPECT_EQ(seen.layouts, (std::vector<std::pair<uint64_t, uint64_t>>{{data, clusterSize}}));
    }
}

// The own structures hold no directories of the own volume: a directory
// start there belongs to another layout, and is checked like any other.
TEST_F(RawSearch, Fat32DirectoryStartInsideTheOwnStructuresIsGuessedFrom)
{
    MakeImage(12 * MiB);
    PutDirectoryStart(4 * MiB + 3 * 4096, 1, 5, 0, {9}); // data area 4 MiB, clusters of 4096
    PutDirectoryStart(4 * MiB + 7 * 4096, 1, 9, 5);
    auto own = Own(1, 8 * MiB);
    auto search = Make(own);
    search->ScanRaw();
    EXPECT_EQ(seen.layouts, (std::vector<std::pair<uint64_t, uint64_t>>{{4 * MiB, 4096}}));
}

// Where the folders a start names lie under a layout decides it: a layout
// that puts a named folder on another folder's start, or past the volume, is
// not built, though two starts fit it.
TEST_F(RawSearch, LayoutsTheNamedFoldersContradictAreNotBuilt)
{
    MakeImage(8 * MiB);
    const uint64_t data = 2 * MiB; // clusters of 512 bytes
    PutDirectoryStart(data + 3 * 512, 1, 5, 0, {7});
    PutDirectoryStart(data + 5 * 512, 1, 8);              // where cluster 7 lies: another folder
    PutDirectoryStart(data + 7 * 512, 1, 9, 0, {1u << 30}); // a subfolder past the volume's end
    auto own = Own(1, 64 * KiB);
    auto search = Make(own);
    search->ScanRaw();
    EXPECT_EQ(seen.layouts, (std::vector<std::pair<uint64_t, uint64_t>>{listingLayout}));
}

// A quick format with other parameters: the old directories lie where neither
// the new layout nor the usual guesses place them. Two of their starts give
// the old layout; its starts and its root (where its data area begins) go to
// the old volume only, the new volume's own directory start to the own engine
// only. A block past a folder's first cluster that either layout could hold
// has its files listed without data.
TEST_F(RawSearch, TwoDirectoryStartsOfAnEarlierFormatGiveItsLayout)
{
    MakeImage(8 * MiB);
    const uint64_t oldData = 2 * MiB + 3 * 512; // clusters of 512 bytes
    PutText(oldData, "DIR1");                   // the old root: no "." entry
    PutDirectoryStart(oldData + 3 * 512, 1, 5);
    PutText(oldData + 4 * 512, "DIR1");
    PutDirectoryStart(oldData + 7 * 512, 1, 9);
    const uint64_t ownStart = 1 * MiB + (3000 - 2) * 1024;
    PutDirectoryStart(ownStart, 1, 3000); // the new layout's: data area 1 MiB, clusters of 1024
    auto own = OwnFat32(1 * MiB, 1024);
    auto search = Make(own);
    search->ScanRaw();
    EXPECT_EQ(seen.layouts, (std::vector<std::pair<uint64_t, uint64_t>>{{oldData, 512}, listingLayout}));
    EXPECT_EQ(BlocksOf(1), (std::vector<uint64_t>{oldData, oldData + 3 * 512, oldData + 7 * 512}));
    EXPECT_EQ(BlocksOf(2), (std::vector<uint64_t>{oldData + 4 * 512}));
    EXPECT_EQ(BlocksOf(0), (std::vector<uint64_t>{ownStart}));
}

// Without a folder of the own layout in the free space, a block past a
// folder's first cluster goes to the one earlier layout that can hold it.
TEST_F(RawSearch, BlocksOnlyAnEarlierLayoutCanHoldGoToIt)
{
    MakeImage(8 * MiB);
    const uint64_t oldData = 2 * MiB + 3 * 512;
    PutDirectoryStart(oldData + 3 * 512, 1, 5);
    PutText(oldData + 4 * 512, "DIR1");
    PutDirectoryStart(oldData + 7 * 512, 1, 9);
    auto own = OwnFat32(1 * MiB, 1024);
    auto search = Make(own);
    search->ScanRaw();
    EXPECT_EQ(seen.layouts, (std::vector<std::pair<uint64_t, uint64_t>>{{oldData, 512}}));
    EXPECT_EQ(BlocksOf(1), (std::vector<uint64_t>{oldData + 3 * 512, oldData + 4 * 512, oldData + 7 * 512}));
    EXPECT_TRUE(BlocksOf(0).empty());
}

// A directory start the own layout places is the own volume's: guessing
// from it would build a second copy of the own volume, every file twice.
TEST_F(RawSearch, OwnDirectoryStartsBuildNoCopyOfTheOwnVolume)
{
    MakeImage(8 * MiB);
    PutDirectoryStart(4 * MiB + 3 * 4096, 1, 5);
    auto own = OwnFat32(4 * MiB, 4096);
    auto search = Make(own);
    search->ScanRaw();
    EXPECT_TRUE(seen.layouts.empty());
    EXPECT_EQ(BlocksOf(0), (std::vector<uint64_t>{4 * MiB + 3 * 4096}));
}

// Once the own layout has shown a folder start in the free space, the own
// engine gets the own-type blocks no other layout claims.
TEST_F(RawSearch, OwnDirectoryBlocksGoToTheOwnEngineWhereItsLayoutShowsFolders)
{
    MakeImage(4 * MiB);
    PutText(2 * MiB, "DIR1");
    PutDirectoryStart(64 * KiB + 5 * 4096, 1, 7); // where the own layout puts cluster 7
    PutText(3 * MiB, "DIR1");
    auto own = OwnFat32(64 * KiB, 4096);
    auto search = Make(own);
    search->ScanRaw();
    EXPECT_TRUE(seen.layouts.empty());
    EXPECT_EQ(BlocksOf(0), (std::vector<uint64_t>{64 * KiB + 5 * 4096, 2 * MiB, 3 * MiB}));
}

// A cluster the own FAT marks in use that no chain reaches (a folder's later
// cluster, its link lost) is the own volume's; the same block in free space
// could be an earlier format's, and is listed without data.
TEST_F(RawSearch, OwnDirectoryBlocksInClustersTheOwnFatMarksInUseGoToTheOwnEngine)
{
    MakeImage(4 * MiB);
    PutText(2 * MiB, "DIR1");
    PutText(3 * MiB, "DIR1");
    auto own = OwnFat32(64 * KiB, 4096);
    own->allocated = [](uint64_t position) { return position == 2 * MiB; };
    auto search = Make(own);
    search->ScanRaw();
    EXPECT_EQ(BlocksOf(0), (std::vector<uint64_t>{2 * MiB}));
    EXPECT_EQ(BlocksOf(1), (std::vector<uint64_t>{3 * MiB}));
    EXPECT_EQ(seen.layouts, (std::vector<std::pair<uint64_t, uint64_t>>{listingLayout}));
}

// Blocks that no layout places (a start the own layout puts elsewhere, and
// the blocks around it) never reach the own engine: their files are listed
// under the lost-path folder without runs, so none is read at a wrong place.
TEST_F(RawSearch, DirectoryBlocksNoLayoutPlacesAreListedWithoutData)
{
    MakeImage(4 * MiB);
    PutText(2 * MiB, "DIR1L");
    PutDirectoryStart(2 * MiB + 4096, 1, 7); // one start fits no layout: builds nothing alone
    PutText(3 * MiB, "DIR1");
    auto own = OwnFat32(64 * KiB, 4096);
    auto search = Make(own);
    search->ScanRaw();
    EXPECT_EQ(seen.layouts, (std::vector<std::pair<uint64_t, uint64_t>>{listingLayout}));
    EXPECT_TRUE(BlocksOf(0).empty());
    EXPECT_EQ(BlocksOf(1), (std::vector<uint64_t>{2 * MiB, 2 * MiB + 4096, 3 * MiB}));
    const auto listed = std::find_if(seen.events.begin(), seen.events.end(),
                                     [](const DataRecoveryInfo& e) { return e.kind == Fat32File; });
    ASSERT_NE(listed, seen.events.end());
    EXPECT_EQ(listed->runCount, 0);
    EXPECT_EQ(listed->runs, nullptr);
    EXPECT_EQ(listed->pathState, 1);
    EXPECT_EQ(listed->dataState, DataCut);
    EXPECT_EQ(listed->lostPartitionFlag, 0);
}

// A volume found by its boot sector whose data area lies 4 MiB into the
// scanned volume is the same volume the directory-start guess would build.
TEST_F(RawSearch, GeometriesOfBootSectorVolumesAreKeptInTheScannedVolumesFrame)
{
    MakeImage(20 * MiB);
    PutBoot(1 * MiB, 1, 0x3333, 16 * 2048, 3 * MiB, 4096);
    PutDirectoryStart(4 * MiB + 3 * 4096, 1, 5);
    auto search = Make(nullptr);
    search->ScanRaw();
    EXPECT_EQ(seen.built.size(), 1u);
    EXPECT_TRUE(seen.layouts.empty());
}

// An exFAT root gives its volume's cluster heap only where the up-case table
// it names lies at the place that heap and cluster size put it, with the
// checksum the root holds; a root whose table does not check builds nothing,
// and one inside a volume found by its boot sector is that volume's.
TEST_F(RawSearch, ExFatRootsGiveTheHeapTheirUpcaseTableBearsOut)
{
    MakeImage(4 * MiB);
    const uint64_t heap = 1 * MiB, cluster = 4096;
    const uint32_t checksum = PutUpcaseTable(heap + cluster); // cluster 3
    PutExFatRoot(heap + 3 * cluster, 3, checksum, heap, {2, 3, 5}); // the root at cluster 5; the bitmap at 2
    PutBoot(2 * MiB, 2, 0x5555, 1024);                        // 512 KiB long
    PutExFatRoot(2 * MiB + 64 * KiB, 3, checksum);            // inside it: its own root
    PutExFatRoot(3 * MiB, 3, checksum + 1);                   // its table nowhere: no heap
    auto search = Make(nullptr);
    search->ScanRaw();
    EXPECT_EQ(seen.layouts, (std::vector<std::pair<uint64_t, uint64_t>>{{heap, cluster}, listingLayout}));
    EXPECT_EQ(search->FoundVolumes().at(2).size(), 2u);
}

// The own exFAT volume's root gives the own heap: no copy of the own volume.
TEST_F(RawSearch, TheOwnExFatRootBuildsNothing)
{
    MakeImage(2 * MiB);
    const uint64_t heap = 256 * KiB, cluster = 512;
    const uint32_t checksum = PutUpcaseTable(heap + 5 * cluster); // cluster 7
    PutExFatRoot(heap + 9 * cluster, 7, checksum, heap, {2, 7, 8, 11});
    auto search = Make(Own(2, heap));
    search->ScanRaw();
    EXPECT_TRUE(seen.layouts.empty());
    EXPECT_EQ(BlocksOf(0), (std::vector<uint64_t>{heap + 9 * cluster}));
}

TEST_F(RawSearch, AVolumeThatFailsToBuildIsTriedOnceAndTakesNoNumber)
{
    MakeImage(2 * MiB);
    for (uint64_t at = 64 * KiB; at < 1 * MiB; at += 64 * KiB)
        PutText(at, "DIR2");
    const int before = LostVolumeCounter().load();
    auto search = Make(nullptr, {2});
    search->ScanRaw();
    EXPECT_EQ(LostVolumeCounter().load(), before);
    EXPECT_TRUE(search->FoundVolumes().empty());
}

// Directory blocks of no volume found build none from a guess: their files
// are listed without data, over the whole scanned range.
TEST_F(RawSearch, DirectoryBlocksOfNoVolumeFoundAreListedWithoutData)
{
    MakeImage(2 * MiB);
    PutText(64 * KiB, "DIR2");
    PutText(128 * KiB, "DIR2");
    auto search = Make(nullptr);
    search->ScanRaw();
    EXPECT_TRUE(search->FoundVolumes().empty());
    EXPECT_EQ(seen.layouts, (std::vector<std::pair<uint64_t, uint64_t>>{listingLayout}));
    ASSERT_EQ(seen.built.size(), 1u);
    EXPECT_EQ(seen.built[0].offset, 0u);
    EXPECT_EQ(seen.built[0].length, 2 * MiB);
    EXPECT_EQ(BlocksOf(1), (std::vector<uint64_t>{64 * KiB, 128 * KiB}));
}

TEST_F(RawSearch, FirstProgressAfter1049Blocks)
{
    MakeImage(512 * MiB);
    auto search = Make(nullptr);
    search->ScanRaw();
    std::vector<double> progress;
    for (const auto& e : seen.events)
        if (e.kind == RawScanProgress)
            progress.push_back(e.progress);
    ASSERT_FALSE(progress.empty());
    EXPECT_DOUBLE_EQ(progress[0], 1049.0 * 512 / (512.0 * MiB));
    EXPECT_GT(progress.size(), 900u);
}

TEST_F(RawSearch, StopEndsThePass)
{
    MakeImage(4 * MiB);
    auto search = Make(nullptr);
    search->SetStop(0);
    EXPECT_THROW(search->ScanRaw(), Exceptions::ProcessControllerException);
}

// Both drivers of the carving engine on the same image.
TEST_F(RawSearch, DeepScanManagerStartAndScanRaw)
{
    MakeImage(2 * MiB);
    const auto png = TestSupport::ReadFileBytes(TestSupport::CarvingFixtureDir() + "/png.png");
    // A PDF that holds a PNG at a block start: only several carves at once find both.
    std::string pdf = "%PDF-1.4\n%";
    pdf.resize(4096, 'x');
    Put(512 * KiB, std::vector<uint8_t>(pdf.begin(), pdf.end()));
    Put(512 * KiB + 4096, png);
    const std::string end = "\n%%EOF\n";
    Put(512 * KiB + 4096 + png.size(), std::vector<uint8_t>(end.begin(), end.end()));
    VolumeInfoItem volume;
    volume.devicePath = image;
    volume.length = volumeSize;
    for (bool sequential : {true, false}) {
        std::vector<std::string> names;
        DeepScanManager manager(volume, {}, [&](const DataRecoveryInfo& e) {
            if (e.kind == CarvedFile)
                names.emplace_back(e.path, e.pathLength);
        });
        if (sequential)
            manager.Start();
        else
            manager.ScanRaw();
        const std::string first = "pdf_" + std::to_string(512 * KiB) + ".pdf";
        const std::string second = "png_" + std::to_string(512 * KiB + 4096) + ".png";
        if (sequential)
            EXPECT_EQ(names, std::vector<std::string>{"pdf/" + first});
        else
            EXPECT_EQ(names, (std::vector<std::string>{first, second}));
    }
}

// A file cut by the volume's end is not reported, and nothing is read past
// the end (the image ends there: a read past it would fail the scan).
TEST_F(RawSearch, ACarveCutByTheVolumeEndIsNotReported)
{
    MakeImage(1 * MiB);
    const auto png = TestSupport::ReadFileBytes(TestSupport::CarvingFixtureDir() + "/png.png");
    std::vector<uint8_t> head(png.begin(), png.begin() + 4096);
    Put(1 * MiB - 4096, head);
    VolumeInfoItem volume;
    volume.devicePath = image;
    volume.length = volumeSize;
    for (bool sequential : {true, false}) {
        int carved = 0;
        DeepScanManager manager(volume, {}, [&](const DataRecoveryInfo& e) { carved += e.kind == CarvedFile; });
        EXPECT_NO_THROW(sequential ? manager.Start() : manager.ScanRaw());
        EXPECT_EQ(carved, 0);
    }
    auto search = Make(nullptr);
    EXPECT_NO_THROW(search->ScanRaw());
    EXPECT_TRUE(Carved().empty());
}

// Without a callback nothing is reported and nothing throws.
TEST_F(RawSearch, AnEmptyCallbackReportsNothing)
{
    MakeImage(1 * MiB);
    const auto png = TestSupport::ReadFileBytes(TestSupport::CarvingFixtureDir() + "/png.png");
    Put(64 * KiB, png);
    VolumeInfoItem volume;
    volume.devicePath = image;
    volume.length = volumeSize;
    DeepScanManager manager(volume, {}, {});
    EXPECT_NO_THROW(manager.Start());
    EXPECT_NO_THROW(manager.ScanRaw());
    UnknownDataRecovery search(nullptr, volume, {}, {});
    EXPECT_NO_THROW(search.ScanRaw());
}

// Lengths a boot sector names: exact for sane fields; a field whose byte count
// passes 64 bits once wrapped to a few bytes, cutting the lost volume short.
TEST(BootSectorLength, SaneFieldsAreExactAndHugeOnesDoNotWrap)
{
    struct Case {
        int type;
        std::vector<std::pair<size_t, std::vector<uint8_t>>> fields;
        uint64_t expected;
    };
    auto le = [](uint64_t value, size_t width) {
        std::vector<uint8_t> bytes(width);
        for (size_t i = 0; i < width; ++i)
            bytes[i] = static_cast<uint8_t>(value >> (8 * i));
        return bytes;
    };
    const Case cases[] = {
        {0, {{0x0B, le(512, 2)}, {0x28, le(2047, 8)}}, 1 * MiB},
        {0, {{0x0B, le(512, 2)}, {0x28, le(uint64_t{1} << 55, 8)}}, UINT64_MAX},
        {0, {{0x0B, le(512, 2)}, {0x28, le(UINT64_MAX, 8)}}, UINT64_MAX},
        {1, {{0x0B, le(512, 2)}, {0x20, le(4096, 4)}}, 2 * MiB},
        {1, {{0x0B, le(4096, 2)}, {0x13, le(256, 2)}}, 1 * MiB},
        {2, {{0x6C, {9}}, {0x48, le(8192, 8)}}, 4 * MiB},
        {2, {{0x6C, {12}}, {0x48, le((uint64_t{1} << 52) + 1, 8)}}, UINT64_MAX},
        {2, {{0x6C, {13}}, {0x48, le(8192, 8)}}, 0},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> block(512, 0);
        for (const auto& [at, bytes] : c.fields)
            std::copy(bytes.begin(), bytes.end(), block.begin() + static_cast<ptrdiff_t>(at));
        EXPECT_EQ(BootSectorVolumeLength(c.type, block), c.expected) << "type " << c.type;
    }
}
