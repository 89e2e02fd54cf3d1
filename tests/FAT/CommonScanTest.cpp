// The common scan of the FAT engines through an engine whose directories come
// from a table: queue order, progress, start paths, the raw pass, run rules,
// pause and stop.
#include "DataRecovery/Exceptions.h"
#include "FAT/FatImages.h"
#include "FAT/TableEngine.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace FatTest;
using namespace TestSupport;

namespace {

class CommonScan : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        if (!HaveTool("mkfs.fat"))
            return;
        image = *dir / "card.img";
        MakeFat32Image(image, 40, "-s 1");
        CopyPatternFile(image, dir->Path(), "::/THREE.BIN", 3 * 512, 1);
        MakeFragmentedFile(image, dir->Path(), "::/MOVIE.MP4", 2000);
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override
    {
        REQUIRE_TOOL("mkfs.fat");
        ASSERT_FALSE(image.empty());
    }
    std::unique_ptr<TableEngine> Engine(const std::string& volumeLetter = "")
    {
        DiskAndVolumeInfo info;
        info.volumeLetter = volumeLetter;
        return std::make_unique<TableEngine>(ImageVolume(image), info, recorder.Callback());
    }
    static std::vector<std::string> Paths(const std::vector<Reported>& files)
    {
        std::vector<std::string> paths;
        for (const auto& f : files)
            paths.push_back(f.path);
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    static TempDir* dir;
    static std::string image;
    Recorder recorder;
};

TempDir* CommonScan::dir = nullptr;
std::string CommonScan::image;

TEST_F(CommonScan, SmallestDirectoryIdFirst)
{
    auto engine = Engine();
    engine->directories[2] = {{"C", true, 300}, {"A", true, 100}, {"B", true, 200}, {"Again", true, 100}};
    engine->directories[100] = {{"Inner", true, 50}, {"..", true, 2}, {".", true, 100}};
    engine->directories[200] = {{"System Volume Information", true, 60}};
    engine->directories[300] = {};
    engine->directories[50] = {};
    engine->directories[60] = {};
    engine->ScanStructure(2);
    EXPECT_EQ(engine->walked, (std::vector<uint64_t>{2, 100, 50, 200, 300}));
}

TEST_F(CommonScan, ProgressOfThreeHundredDirectories)
{
    auto engine = Engine();
    for (uint32_t i = 0; i < 299; ++i) {
        engine->directories[2].push_back({"D" + std::to_string(i), true, 1000 + i});
        engine->directories[1000 + i] = {};
    }
    engine->ScanStructure(2);
    std::vector<double> expected;
    for (int n = 1; n <= 200; ++n)
        expected.push_back(n / 200.0);
    for (int k = 0; k < 9; ++k) // every eleventh of the last 100
        expected.push_back(201 / 200.0);
    EXPECT_EQ(recorder.Progress(StructureScanProgress), expected);
}

class StartPaths : public CommonScan {
protected:
    void Fill(TableEngine& engine, bool recycleBin)
    {
        engine.directories[2] = {{"DCIM", true, 10}, {"notes.txt", false, 0, 0}};
        engine.directories[10] = {{"100CANON", true, 11}, {"Ünïcödé Ordner", true, 12}};
        engine.directories[11] = {{"IMG_0001.JPG", false, 0, 0}};
        engine.directories[12] = {{"x.bin", false, 0, 0}};
        if (recycleBin) {
            engine.directories[2].push_back({"$RECYCLE.BIN", true, 20});
            engine.directories[20] = {{"S-1-5-21-1-2-3-1001", true, 21}};
            engine.directories[21] = {{"$RABC.txt", false, 0, 0}};
        }
    }
};

// The start folder is the root node ".\" of the scan, so paths begin ".\\".
TEST_F(StartPaths, FormsOfTheSameFolder)
{
    struct Case {
        std::string letter;
        std::string path;
    };
    for (const Case& c : {Case{"", "X:\\DCIM\\100CANON"}, Case{"", "X:/DCIM/100CANON/"},
                          Case{"/mnt/card/", "/mnt/card/DCIM/100CANON"}, Case{"1", "1DCIM\\100CANON"},
                          Case{"", "X:\\dcim\\.\\100canon"}, Case{"", "\\DCIM\\\\100CANON"}}) {
        Recorder local;
        DiskAndVolumeInfo info;
        info.volumeLetter = c.letter;
        TableEngine engine(ImageVolume(image), info, local.Callback());
        Fill(engine, false);
        EXPECT_EQ(engine.Start(c.path), 0) << c.path;
        EXPECT_EQ(Paths(local.Files()), (std::vector<std::string>{".\\\\IMG_0001.JPG"})) << c.path;
        EXPECT_EQ(engine.GetNodeStore().startId, 11u) << c.path;
    }
}

TEST_F(StartPaths, RootNonAsciiAndErrors)
{
    {
        auto engine = Engine();
        Fill(*engine, false);
        engine->Start("X:\\");
        EXPECT_EQ(Paths(recorder.Files()),
                  (std::vector<std::string>{".\\\\DCIM\\100CANON\\IMG_0001.JPG",
                                            ".\\\\DCIM\\Ünïcödé Ordner\\x.bin", ".\\\\notes.txt"}));
    }
    {
        Recorder local;
        TableEngine engine(ImageVolume(image), {}, local.Callback());
        Fill(engine, false);
        engine.Start("X:\\DCIM\\üNÏCÖDÉ ORDNER");
        EXPECT_EQ(Paths(local.Files()), (std::vector<std::string>{".\\\\x.bin"}));
    }
    auto engine = Engine();
    Fill(*engine, false);
    try {
        engine->Start("X:\\DCIM\\Nope\\100CANON");
        FAIL() << "a missing folder must not scan its parent";
    } catch (const Exceptions::FATException& e) {
        EXPECT_STREQ(e.what(), "Path component not found: Nope");
    }
    EXPECT_THROW(engine->Start("X:\\DCIM\\.."), Exceptions::FATException);
    try {
        engine->Start("DCIM");
        FAIL();
    } catch (const Exceptions::FATException& e) {
        EXPECT_STREQ(e.what(), "Only absolute paths are supported.");
    }
}

TEST_F(StartPaths, RecycleBinScan)
{
    {
        auto engine = Engine("1");
        Fill(*engine, false);
        EXPECT_EQ(engine->Start("1$RECYCLE.BIN"), 0);
        EXPECT_TRUE(recorder.Files().empty());
    }
    Recorder local;
    DiskAndVolumeInfo info;
    info.volumeLetter = "1";
    TableEngine engine(ImageVolume(image), info, local.Callback());
    Fill(engine, true);
    EXPECT_EQ(engine.Start("1$RECYCLE.BIN"), 0);
    // Unpaired: reported under its own name at the end of the pass.
    EXPECT_EQ(Paths(local.Files()), (std::vector<std::string>{".\\\\S-1-5-21-1-2-3-1001\\$RABC.txt"}));
}

TEST_F(CommonScan, RawPassSkipsExtentsAndFindsLostBlocks)
{
    auto engine = Engine();
    auto* table = engine->GetTablePtr();
    const uint64_t cs = table->ClusterSize();
    engine->directories[2] = {{"Live", true, 40}};
    engine->directories[40] = {};
    engine->directories[70] = {{"lost.jpg", false, 0, 0}, {"lost folder", true, 71}};
    engine->ScanStructure(2);
    // An extent that ends in the middle of a block: the pass goes on at the next block.
    const uint64_t extent = table->ClusterOffset(100);
    engine->AddExtent(extent, 3 * cs - 100);
    engine->rawChecked.clear();
    engine->walked.clear();
    engine->ScanRaw();
    engine->AfterScanRaw();
    for (uint64_t at : engine->rawChecked) {
        EXPECT_NE(at, table->ClusterOffset(2));
        EXPECT_NE(at, table->ClusterOffset(40));
        EXPECT_TRUE(at < extent || at >= extent + 3 * cs) << at;
    }
    EXPECT_NE(std::find(engine->rawChecked.begin(), engine->rawChecked.end(), extent + 3 * cs),
              engine->rawChecked.end());
    EXPECT_EQ(engine->walked, (std::vector<uint64_t>{70}));
    // Its parent never reached the root: lost (path state 1) but reported.
    const auto files = recorder.Files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].path, "lost.jpg");
    EXPECT_EQ(files[0].pathState, 1);
    EXPECT_FALSE(recorder.Progress(RawScanProgress).empty());
    EXPECT_LE(recorder.Progress(RawScanProgress).back(), 1.0);
}

TEST_F(CommonScan, ScanBlockKeepsChainsOfFedBlocks)
{
    auto engine = Engine();
    const auto first = ShowFat(image, "::/THREE.BIN")[0].first;
    auto* table = engine->GetTablePtr();
    engine->directories[first] = {{"a.jpg", false, 0, 0}};
    engine->directories[first + 1] = {{"b.jpg", false, 0, 0}};
    // The first cluster of a chain: its runs are kept under it.
    EXPECT_EQ(engine->ScanBlock(table->ClusterOffset(first), nullptr, 512), 0);
    // A later block of that chain is processed as part of the same directory.
    EXPECT_EQ(engine->ScanBlock(table->ClusterOffset(first + 1), nullptr, 512), 0);
    EXPECT_EQ(engine->walked, (std::vector<uint64_t>{first, first}));
    // A free cluster has no chain: processed as a plain block.
    engine->directories[30000] = {};
    EXPECT_EQ(engine->ScanBlock(table->ClusterOffset(30000), nullptr, 512), 2);
    EXPECT_EQ(engine->ScanBlock(table->DataStart() - 512, nullptr, 512), 0);
    engine->AfterScanRaw();
    for (const auto& f : recorder.Files())
        EXPECT_EQ(f.deletedState, 1) << f.path;
    EXPECT_EQ(recorder.Files().size(), 2u);
}

TEST_F(CommonScan, RunRules)
{
    auto engine = Engine();
    auto* table = engine->GetTablePtr();
    const uint64_t cs = table->ClusterSize();
    const auto three = ShowFat(image, "::/THREE.BIN")[0].first;
    const auto movie = ShowFat(image, "::/MOVIE.MP4");
    ASSERT_GE(movie.size(), 2u);
    auto runsOf = [&](uint64_t id, uint64_t size) {
        FileManagerSP::FileNode node;
        node.id = static_cast<uint32_t>(id);
        node.size = size;
        engine->UpdateFileNodeDataInfo(node);
        return node.runs;
    };
    const uint64_t at = table->ClusterOffset(three);
    struct Case {
        const char* what;
        uint64_t id;
        uint64_t size;
        std::vector<DataRun> expected;
    };
    const uint64_t volume = engine->GetScanSize();
    const uint64_t lastCluster = table->EntryLimit() - 1;
    for (const Case& c : {
             Case{"chain much longer than the size", three, 10, {{at, 10}}},
             // A live file is cut to its chain: past it lie other files' clusters.
             Case{"chain shorter than the size", three, 5 * cs, {{at, 3 * cs}}},
             Case{"chain as long as the size", three, 3 * cs - 7, {{at, 3 * cs}}},
             Case{"empty file", three, 0, {}},
             Case{"first cluster 0", 0, 100, {}},
             Case{"first cluster 1", 1, 100, {}},
             Case{"past the data area", table->EntryLimit(), 100, {}},
             Case{"free cluster: contiguous guess", 30000, 700, {{table->ClusterOffset(30000), 700}}},
             Case{"guess cut at the volume end", lastCluster, 10 * cs,
                  {{table->ClusterOffset(lastCluster), volume - table->ClusterOffset(lastCluster)}}},
         })
        EXPECT_EQ(runsOf(c.id, c.size), c.expected) << c.what;
    uint64_t movieBytes = 0;
    std::vector<DataRun> movieRuns;
    for (const auto& [first, last] : movie) {
        movieRuns.push_back({table->ClusterOffset(first), (last - first + 1) * cs});
        movieBytes += (last - first + 1) * cs;
    }
    EXPECT_EQ(runsOf(movie[0].first, movieBytes), movieRuns);
}

// A volume known by its layout alone, no FAT found: a live file is read on
// from its first cluster, a guess past that cluster; a file of one cluster is
// whole, and a deleted one is read as deleted files always are.
TEST_F(CommonScan, RunsWithoutAFatAreGuessesPastTheFirstCluster)
{
    const auto intact = Engine();
    const auto* own = intact->GetTablePtr();
    TableEngine engine(ImageVolume(image), {}, recorder.Callback(), own->DataStart(), own->ClusterSize());
    auto* table = engine.GetTablePtr();
    ASSERT_FALSE(table->HasTable());
    const uint64_t cs = table->ClusterSize();
    const auto movie = ShowFat(image, "::/MOVIE.MP4")[0].first;
    struct Case {
        const char* what;
        uint64_t size;
        uint8_t deleted;
        FileDataState state;
    };
    for (const Case& c : {Case{"live, three clusters", 3 * cs - 7, 0, DataGuessed},
                          Case{"live, one cluster", cs, 0, DataWhole},
                          Case{"deleted, three clusters", 3 * cs, 1, DataWhole}}) {
        FileManagerSP::FileNode node;
        node.id = static_cast<uint32_t>(movie);
        node.size = c.size;
        node.deletedState = c.deleted;
        engine.UpdateFileNodeDataInfo(node);
        EXPECT_EQ(node.runs, (std::vector<DataRun>{{table->ClusterOffset(movie), c.size}})) << c.what;
        EXPECT_EQ(node.dataState, c.state) << c.what;
    }
}

TEST_F(CommonScan, StopAndPause)
{
    {
        auto engine = Engine();
        engine->directories[2] = {};
        engine->SetStop(0);
        EXPECT_THROW(engine->ScanStructure(2), Exceptions::ProcessControllerException);
        EXPECT_THROW(engine->ScanRaw(), Exceptions::ProcessControllerException);
    }
    auto engine = Engine();
    engine->directories[2] = {{"a", false, 0, 0}};
    engine->Pause(0);
    std::atomic<bool> done{false};
    std::thread scan([&] {
        engine->ScanStructure(2);
        done = true;
    });
    // The scan acknowledges the pause by waiting at it; however many more waits
    // it makes, it neither ends nor reports a file. A scan that ran through
    // the pause ends the waits too.
    while (engine->PausedPolls() == 0 && !done)
        std::this_thread::yield();
    const uint64_t acknowledged = engine->PausedPolls();
    while (engine->PausedPolls() < acknowledged + 3 && !done)
        std::this_thread::yield();
    EXPECT_FALSE(done.load());
    EXPECT_TRUE(recorder.Files().empty());
    engine->SetRun(0);
    scan.join();
    EXPECT_TRUE(done.load());
    EXPECT_EQ(recorder.Files().size(), 1u);
}

}
