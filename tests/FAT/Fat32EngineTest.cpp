// The FAT32 engine against The Sleuth Kit on a card made by mkfs.fat and
// mtools: listing, sizes, times and bytes, deleted files and folders, cluster
// guessing, long run lists, and volumes with one FAT or a moved root.
#include "FAT/EngineChecks.h"
#include "FAT/FAT32DataRecovery.h"
#include "FAT/FatImages.h"
#include "support/DiskImages.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace FatTest;
using namespace TestSupport;

namespace {

std::vector<Reported> ScanFat32(const std::string& image, const std::string& path = "X:\\")
{
    Recorder recorder;
    FAT::FAT32DataRecovery engine(ImageVolume(image), {}, recorder.Callback());
    engine.Start(path);
    return recorder.Files();
}

class Fat32Engine : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        if (!HaveTool("mkfs.fat") || !HaveTool("mcopy") || !HaveTool("fls"))
            return;
        image = *dir / "card.img";
        const std::string d = dir->Path().string();
        const std::string i = "-i " + Quote(image) + " ";
        MakeFat32Image(image, 300, "-s 1");
        RunOrFail("cd " + Quote(d) + " && head -c 40000000 /dev/urandom > big.bin && mcopy " + i + "big.bin ::/ && " +
                  "mmd " + i + "::/A ::/A/B ::/A/B/C ::/A/B/C/D ::/Other ::/Frag ::/Many ::/Gone && " +
                  "echo hi > 'Ünïcödé 名前 file.bin' && echo x > été.txt && echo r > readme.txt && " +
                  ": > empty.txt && mcopy " + i + "'Ünïcödé 名前 file.bin' été.txt readme.txt empty.txt ::/A/B/C/D/ && " +
                  "mcopy " + i + "readme.txt ::/Other/ && head -c 20000 /dev/urandom > photo1.jpg && " +
                  "head -c 5000 /dev/urandom > IMG_0001.JPG && mcopy " + i + "photo1.jpg IMG_0001.JPG ::/A/ && " +
                  "head -c 7000 /dev/urandom > IMG_0001.JPG && mcopy " + i + "IMG_0001.JPG ::/Other/ && " +
                  "head -c 9000 /dev/urandom > after.jpg && mcopy " + i + "after.jpg ::/A/");
        // Deleted long names that fill their entries: no end mark follows their last character.
        RunOrFail("cd " + Quote(d) + " && echo n > 'old notes.txt' && echo t > 'twenty six characters.xyzw' && mmd " + i +
                  "::/Notes && mcopy " + i + "'old notes.txt' 'twenty six characters.xyzw' ::/Notes/ && mdel " + i +
                  "'::/Notes/old notes.txt' '::/Notes/twenty six characters.xyzw'");
        MakeFragmentedFile(image, dir->Path(), "::/Frag/MOVIE.MP4", 4000);
        // 600 one-cluster files, every other one deleted: a file of 300 clusters fills the gaps.
        std::string odd;
        for (int n = 1; n < 600; n += 2)
            odd += " ::/Many/P" + std::to_string(1000 + n).substr(1);
        RunOrFail("cd " + Quote(d) + " && mkdir many && head -c 307200 /dev/urandom | split -b 512 -d -a 3 - many/P && "
                  "mcopy " + i + "many/* ::/Many/ && mdel " + i + odd + " && rm -r many");
        const auto boot = ReadBytes(image, 0, 512);
        PatchU32(image, uint64_t(boot[48] | boot[49] << 8) * 512 + 492, 0xFFFFFFFF);
        RunOrFail("cd " + Quote(d) + " && head -c 153600 /dev/urandom > long.bin && mcopy " + i +
                  "long.bin ::/Many/LONG.BIN && head -c 3000 /dev/urandom > 'Gone photo.jpg' && mcopy " + i +
                  "'Gone photo.jpg' readme.txt ::/Gone/ && mdel " + i + "::/A/IMG_0001.JPG ::/Other/IMG_0001.JPG && " +
                  "mdeltree " + i + "::/Gone");
        fls = new std::vector<FlsEntry>(Fls(image));
    }
    static void TearDownTestSuite()
    {
        delete fls;
        fls = nullptr;
        delete dir;
        dir = nullptr;
    }
    void SetUp() override
    {
        for (const char* tool : {"mkfs.fat", "mcopy", "fls"})
            REQUIRE_TOOL(tool);
        ASSERT_FALSE(image.empty());
    }

    static TempDir* dir;
    static std::string image;
    static std::vector<FlsEntry>* fls;
};

TempDir* Fat32Engine::dir = nullptr;
std::string Fat32Engine::image;
std::vector<FlsEntry>* Fat32Engine::fls = nullptr;

TEST_F(Fat32Engine, ListsWhatFlsListsWithSizesTimesAndBytes)
{
    const auto files = ScanFat32(image);
    FAT::FAT32Explorer explorer(ImageVolume(image));
    size_t flsFiles = 0;
    int overwritten = 0;
    std::vector<std::pair<FlsEntry, const Reported*>> toRead;
    for (const auto& entry : *fls) {
        if (entry.folder)
            continue;
        ++flsFiles;
        const Reported* found = Match(files, entry);
        ASSERT_NE(found, nullptr) << entry.path;
        EXPECT_EQ(found->size, entry.size) << entry.path;
        EXPECT_EQ(found->deletedState != 0, entry.deleted) << entry.path;
        EXPECT_EQ(found->time, entry.modified) << entry.path;
        // A deleted file whose clusters were taken again cannot come back.
        bool reused = false;
        for (const auto& run : found->runs)
            for (uint64_t at = run.offset; entry.deleted && at < run.offset + run.length; at += 512)
                reused = reused || !explorer.table->IsFree(explorer.table->ClusterOfPosition(at));
        overwritten += reused;
        if (found->runs.size() < 255 && !reused)
            toRead.emplace_back(entry, found);
    }
    EXPECT_EQ(files.size(), flsFiles);
    ExpectRunBytesMatchIcat(image, toRead);
    EXPECT_GE(toRead.size(), 300u);
    // The gaps under MOVIE.MP4 and LONG.BIN.
    EXPECT_GE(overwritten, 300);
    for (const char* path : {"A/B/C/D/été.txt", "A/B/C/D/readme.txt", "A/B/C/D/Ünïcödé 名前 file.bin",
                             "Gone/Gone photo.jpg", "A/_MG_0001.JPG", "Other/_MG_0001.JPG", "Notes/old notes.txt",
                             "Notes/twenty six characters.xyzw"}) {
        bool seen = false;
        for (const auto& f : files)
            seen = seen || FlsForm(f.path) == path;
        EXPECT_TRUE(seen) << path;
    }
}

// Windows clears the high word of a deleted entry's first cluster; the engine
// guesses it from the live files written with it.
TEST_F(Fat32Engine, GuessesClearedHighWords)
{
    TempDir work;
    const std::string copy = work / "cleared.img";
    std::filesystem::copy_file(image, copy);
    FAT::FAT32Explorer explorer(ImageVolume(image));
    int cleared = 0;
    for (const char* folder : {"::/A", "::/Other"}) {
        for (const auto& [first, last] : ShowFat(image, folder)) {
            for (uint64_t c = first; c <= last; ++c) {
                const uint64_t at = explorer.table->ClusterOffset(c);
                const auto block = ReadBytes(image, at, 512);
                for (size_t e = 0; e + 32 <= block.size(); e += 32)
                    if (block[e] == 0xE5 && block[e + 11] != 0x0F && (block[e + 20] || block[e + 21])) {
                        Patch(copy, at + e + 20, {0, 0});
                        ++cleared;
                    }
            }
        }
    }
    ASSERT_EQ(cleared, 2);
    const auto files = ScanFat32(copy);
    for (const auto& entry : *fls) {
        if (!entry.deleted || entry.folder || entry.path.rfind("Gone", 0) == 0)
            continue;
        const Reported* found = Match(files, entry);
        ASSERT_NE(found, nullptr) << entry.path;
        if (entry.path.find("IMG_0001") != std::string::npos) {
            EXPECT_EQ(RunBytes(copy, found->runs, found->size), Icat(image, entry)) << entry.path;
        }
    }
}

// A file of 300 fragments: the record carries 255 runs; a recovery run by a
// fresh engine with node id 0 still writes every byte.
TEST_F(Fat32Engine, LongRunListRecoveredByAFreshEngine)
{
    const auto recovered = RecoverThroughFreshProbe(image, "X:\\Many", ".\\\\LONG.BIN");
    ASSERT_EQ(recovered.recordRuns, 255u);
    FlsEntry entry;
    for (const auto& e : *fls)
        if (e.path == "Many/LONG.BIN")
            entry = e;
    ASSERT_NE(entry.inode, 0u);
    const auto expected = Icat(image, entry);
    EXPECT_EQ(recovered.bytes, expected);
}

// The whole-volume scan reports every file of the structure scan, then fails
// naming the raw volume search that is not built yet.
TEST_F(Fat32Engine, WholeVolumeScanReportsTheStructureScansFiles)
{
    const std::string env = ImagesOnlyEnvironment(image);
    const auto path = ParseJsonLines(RunOrFail(env + ProbePath() + " scan --disk 0 --volume 0 --path 'X:\\' 2>/dev/null"));
    std::string whole;
    RunCommand(env + ProbePath() + " scan --disk 0 --volume 0 2>/dev/null", &whole);
    const auto all = ParseJsonLines(whole);
    std::multiset<std::string> seen;
    for (const auto& line : all)
        if (line["kind"] == "Fat32File")
            seen.insert(line["path"].get<std::string>());
    size_t files = 0;
    for (const auto& line : path) {
        EXPECT_TRUE(line.contains("t")) << line.dump();
        if (line["kind"] != "Fat32File")
            continue;
        ++files;
        EXPECT_TRUE(seen.count(line["path"].get<std::string>())) << line["path"];
    }
    EXPECT_GT(files, 600u / 2);
    EXPECT_EQ(all.back()["kind"], "ScanFinished");
}

// One FAT (mkfs.fat -f 1) and a root directory moved off cluster 2.
TEST(Fat32Layouts, OneFatAndMovedRoot)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("fls");
    TempDir dir;
    for (const bool moveRoot : {false, true}) {
        std::string image = dir / (moveRoot ? "original.img" : "onefat.img");
        MakeFat32Image(image, 40, moveRoot ? "-s 1" : "-s 1 -f 1");
        RunOrFail("mmd -i " + Quote(image) + " ::/Pics");
        for (int n = 0; n < 20; ++n)
            CopyPatternFile(image, dir.Path(), "::/Pics/photo number " + std::to_string(n) + ".jpg", 700 + n, n);
        CopyPatternFile(image, dir.Path(), "::/top.txt", 100, 99);
        if (moveRoot) {
            // The root's one cluster copied to a free one; the boot sectors and the FAT follow.
            // The copy has its own name: the read-ahead cache keeps what it read of a path.
            FAT::FAT32Explorer before(ImageVolume(image));
            const std::string moved = dir / "moved.img";
            std::filesystem::copy_file(image, moved);
            image = moved;
            ASSERT_EQ(ShowFat(image, "::/").size(), 1u);
            const uint64_t target = before.table->EntryLimit() - 10;
            const auto root = ReadBytes(image, before.table->ClusterOffset(2), 512);
            Patch(image, before.table->ClusterOffset(target), root);
            const auto& g = before.reader->geometry;
            for (uint32_t copy = 0; copy < g.tableCount; ++copy) {
                const uint64_t fat = g.tableStart + copy * g.tableLength;
                PatchU32(image, fat + 4 * target, 0x0FFFFFFF);
                PatchU32(image, fat + 4 * 2, 0);
            }
            PatchU32(image, 44, static_cast<uint32_t>(target));
            PatchU32(image, 6 * 512 + 44, static_cast<uint32_t>(target));
            std::string check;
            EXPECT_EQ(RunCommand("fsck.fat -n " + Quote(image) + " 2>&1", &check), 0) << check;
        }
        const auto files = ScanFat32(image);
        size_t flsFiles = 0;
        for (const auto& entry : Fls(image)) {
            if (entry.folder)
                continue;
            ++flsFiles;
            const Reported* found = Match(files, entry);
            ASSERT_NE(found, nullptr) << entry.path;
            EXPECT_EQ(RunBytes(image, found->runs, found->size), Icat(image, entry)) << entry.path;
        }
        EXPECT_EQ(files.size(), flsFiles);
        EXPECT_EQ(flsFiles, 21u);
    }
}

}

namespace {

// A deleted file written into the gaps between other files: its clusters are
// taken from its first one over those still free, as icat -r takes them.
TEST(Fat32Deleted, FragmentedFileBetweenLiveFiles)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("icat");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, 40, "-s 1");
    MakeFragmentedFile(image, dir.Path(), "::/MOVIE.MP4", 4000);
    ASSERT_GE(ShowFat(image, "::/MOVIE.MP4").size(), 2u);
    RunOrFail("mdel -i " + Quote(image) + " ::/MOVIE.MP4");
    const auto files = ScanFat32(image);
    int checked = 0;
    for (const auto& entry : Fls(image)) {
        if (!entry.deleted || entry.path != "_OVIE.MP4")
            continue;
        const Reported* found = Match(files, entry);
        ASSERT_NE(found, nullptr);
        EXPECT_GE(found->runs.size(), 2u);
        EXPECT_EQ(RunBytes(image, found->runs, found->size), Icat(image, entry));
        ++checked;
    }
    EXPECT_EQ(checked, 1);
}

}

namespace {

// A deleted file of 300 fragments between live files: a fresh engine asked
// with node id 0 builds its list again from the free clusters.
TEST(Fat32Deleted, LongRunListOfADeletedFile)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("icat");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, 40, "-s 1");
    std::string odd;
    for (int n = 1; n < 600; n += 2)
        odd += " ::/P" + std::to_string(1000 + n).substr(1);
    const std::string i = "-i " + Quote(image) + " ";
    RunOrFail("cd " + Quote(dir.Path().string()) + " && mkdir many && head -c 307200 /dev/urandom | split -b 512 -d -a 3 - many/P && "
              "mcopy " + i + "many/* ::/ && mdel " + i + odd);
    const auto boot = ReadBytes(image, 0, 512);
    PatchU32(image, uint64_t(boot[48] | boot[49] << 8) * 512 + 492, 0xFFFFFFFF);
    CopyPatternFile(image, dir.Path(), "::/LONG.BIN", 300 * 512, 7);
    RunOrFail("mcopy -n " + i + "::/LONG.BIN " + Quote(dir / "long.bin") + " && mdel " + i + "::/LONG.BIN");
    const auto recovered = RecoverThroughFreshProbe(image, "X:\\", ".\\\\\xC3\xA5ONG.BIN");
    ASSERT_EQ(recovered.recordRuns, 255u);
    EXPECT_EQ(recovered.bytes, ReadBytes(dir / "long.bin", 0, 300 * 512));
}

}
