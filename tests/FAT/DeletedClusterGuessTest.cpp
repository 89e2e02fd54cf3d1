// The guessing of deleted FAT32 files' first clusters: the free stretches it
// grows, the search of the live neighbours (against a walk of every list),
// clusters tied on the best score, and folders of files written in the same
// second, on cards made by mkfs.fat and mtools and read back with icat.
#include "FAT/EngineChecks.h"
#include "FAT/FAT32DataRecovery.h"
#include "FAT/FatImages.h"
#include "FAT/FreeStretches.h"
#include "FAT/NeighbourSearch.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

using namespace FatTest;
using namespace TestSupport;

namespace {

constexpr uint64_t cs = 512;
using FAT32DataRecoveryDeleted = FAT::FAT32DataRecovery::DeletedMap;

struct StretchCase {
    const char* name;
    std::vector<FAT::FreeRange> before; // (first cluster, bytes)
    uint64_t volume;
    uint64_t k;
    uint64_t j;
    std::vector<FAT::FreeRange> after;
    std::optional<std::pair<uint64_t, uint64_t>> excess; // (cluster, bytes)
};

TEST(FreeStretches, PlacingAFile)
{
    const uint64_t big = 1 << 30;
    const std::vector<StretchCase> cases{
        {"ends at the file: grows over it", {{2, 3 * cs}, {10, 2 * cs}}, big, 5, 4, {{2, 7 * cs}, {10, 2 * cs}}, {}},
        {"ends after, file before it: a new stretch", {{2, cs}, {10, 2 * cs}}, big, 5, 3,
         {{2, cs}, {5, 3 * cs}, {10, 2 * cs}}, {}},
        {"ends after, file reaching it: unchanged", {{2, cs}, {10, 2 * cs}}, big, 5, 5, {{2, cs}, {10, 2 * cs}}, {}},
        {"inside a stretch: unchanged", {{2, 8 * cs}}, big, 5, 2, {{2, 8 * cs}}, {}},
        {"past every stretch: unchanged", {{2, cs}}, big, 50, 2, {{2, cs}}, {}},
        {"grows past later stretches", {{2, 3 * cs}, {8, cs}, {20, cs}}, big, 5, 10,
         {{2, 13 * cs}, {8, cs}, {20, cs}}, {}},
        // 100 clusters of volume: 95 + 10 runs 5 clusters past it; the first
        // gap wider than 5 clusters (after the stretch at 2) takes them.
        {"past the end of the volume", {{2, 2 * cs}, {20, cs}, {90, 5 * cs}}, 100 * cs, 95, 10,
         {{2, 7 * cs}, {20, cs}, {90, 10 * cs}}, std::pair<uint64_t, uint64_t>{4, 5 * cs}},
        {"past the end, no gap wide enough", {{2, 2 * cs}, {5, 85 * cs}, {91, 4 * cs}}, 100 * cs, 95, 10,
         {{2, 2 * cs}, {5, 85 * cs}, {91, 9 * cs}}, {}},
    };
    for (const auto& c : cases) {
        FAT::FreeStretches stretches(c.before, cs, c.volume);
        const auto excess = stretches.Place(c.k, c.j);
        EXPECT_EQ(stretches.Ranges(), c.after) << c.name;
        ASSERT_EQ(excess.has_value(), c.excess.has_value()) << c.name;
        if (excess) {
            EXPECT_EQ(excess->cluster, c.excess->first) << c.name;
            EXPECT_EQ(excess->bytes, c.excess->second) << c.name;
        }
    }
}

// After a stretch has grown past later ones, the first stretch that reaches a
// cluster is still the first in cluster order.
TEST(FreeStretches, GrownStretchHidesTheOnesItPasses)
{
    FAT::FreeStretches stretches({{2, 3 * cs}, {8, cs}, {20, cs}, {40, cs}}, cs, 1 << 30);
    EXPECT_FALSE(stretches.Place(5, 20)); // 2 .. 25 now
    EXPECT_FALSE(stretches.Place(25, 2)); // ends at 25 again: grows to 27
    EXPECT_FALSE(stretches.Place(30, 3)); // first reaching 30 is the one at 40: a new stretch
    EXPECT_EQ(stretches.Ranges(),
              (std::vector<FAT::FreeRange>{{2, 25 * cs}, {8, cs}, {20, cs}, {30, 3 * cs}, {40, cs}}));
}

// What the guessing did before the chains: each list walked from its last
// neighbour to its first.
std::optional<FAT::NeighbourSearch::Hit> WalkForward(const FAT::NeighbourSearch& search,
                                                     const std::vector<FAT::Neighbour>& list, uint16_t low)
{
    for (size_t p = list.size(); p-- > 0;) {
        const uint64_t c = search.ForwardCluster(list[p]);
        if (FAT::NeighbourSearch::Agrees(c, low))
            return FAT::NeighbourSearch::Hit{p, c};
    }
    return std::nullopt;
}

std::optional<FAT::NeighbourSearch::Hit> WalkBackward(const FAT::NeighbourSearch& search,
                                                      const std::vector<FAT::Neighbour>& list, uint16_t low,
                                                      uint64_t steps)
{
    for (size_t p = list.size(); p-- > 0;) {
        const auto c = search.BackwardCluster(list[p].firstCluster, steps);
        if (c && FAT::NeighbourSearch::Agrees(*c, low))
            return FAT::NeighbourSearch::Hit{p, *c};
    }
    return std::nullopt;
}

// Lists of every length, neighbours around directory runs, past the table and
// below the step, queried while they grow: the chains find what the walk finds.
TEST(NeighbourSearch, FindsWhatAWalkOfTheListFinds)
{
    std::mt19937 random(34);
    const uint64_t limit = 300000;
    std::unordered_set<uint64_t> directories;
    for (uint64_t run = 0; run < 40; ++run) {
        const uint64_t from = run % 2 ? random() % limit : 70000 + random() % 400;
        for (uint64_t c = from; c < from + 1 + random() % 6; ++c)
            directories.insert(c);
    }
    FAT::NeighbourSearch search(directories, limit, cs);
    std::map<int64_t, std::vector<FAT::Neighbour>> lists;
    int hits = 0;
    for (int round = 0; round < 20000; ++round) {
        const int64_t key = random() % 6;
        auto& list = lists[key];
        // Mostly near a few places, so that low words meet.
        uint64_t first = 70000 + random() % 400;
        switch (random() % 8) {
        case 0: first = random() % (limit + 1000); break;             // anywhere, some past the table
        case 1: first = *std::next(directories.begin(), random() % directories.size()) + random() % 4; break;
        case 2: first = random() % 3; break;                           // below any step
        default: break;
        }
        list.push_back({static_cast<int32_t>(random() % 3), (random() % 5) * cs + random() % cs, first});
        const uint16_t low = static_cast<uint16_t>(70000 + random() % 400);
        const uint64_t steps = 1 + random() % 4;
        const auto forward = search.LastForward(key, list, low);
        const auto expectedForward = WalkForward(search, list, low);
        ASSERT_EQ(forward.has_value(), expectedForward.has_value()) << round;
        if (forward) {
            EXPECT_EQ(forward->position, expectedForward->position) << round;
            EXPECT_EQ(forward->cluster, expectedForward->cluster) << round;
        }
        const auto backward = search.LastBackward(key, list, low, steps);
        const auto expectedBackward = WalkBackward(search, list, low, steps);
        ASSERT_EQ(backward.has_value(), expectedBackward.has_value()) << round;
        if (backward) {
            EXPECT_EQ(backward->position, expectedBackward->position) << round;
            EXPECT_EQ(backward->cluster, expectedBackward->cluster) << round;
        }
        EXPECT_EQ(search.AnyNonZero(key, list),
                  std::any_of(list.begin(), list.end(), [](const auto& n) { return n.firstCluster != 0; }));
        hits += forward.has_value() + backward.has_value();
    }
    EXPECT_GT(lists.begin()->second.size(), FAT::NeighbourSearch::chainedLength);
    EXPECT_GT(hits, 1000);
}

// The 32-byte short entry of name (11 bytes, first byte compared from the
// second on, so a deleted one is found too) in the root's first cluster.
uint64_t EntryOffset(const std::string& image, const char* name11)
{
    FAT::FAT32Explorer explorer(ImageVolume(image));
    const uint64_t at = explorer.table->ClusterOffset(explorer.reader->geometry.rootCluster);
    const auto block = ReadBytes(image, at, 512);
    for (size_t e = 0; e + 32 <= block.size(); e += 32)
        if (block[e + 11] != 0x0F && std::memcmp(block.data() + e + 1, name11 + 1, 10) == 0)
            return at + e;
    ADD_FAILURE() << "no entry " << name11;
    return 0;
}

std::vector<Reported> ScanFat32(const std::string& image)
{
    Recorder recorder;
    FAT::FAT32DataRecovery engine(ImageVolume(image), {}, recorder.Callback());
    engine.Start("X:\\");
    return recorder.Files();
}

// A deleted file of 32,768 clusters written right after a live one of the same
// size and the same creation time, its high word cleared: the forward pass
// puts it just after the live file, the backward pass 32,768 clusters before
// it, one high word lower. Both score 1: each is reported, and the one after
// the live file holds the file's bytes.
TEST(Fat32Deleted, TiedGuessesGiveOneFilePerCluster)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mshowfat");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, 100, "-s 1");
    const uint64_t half = 32768 * cs;
    CopyPatternFile(image, dir.Path(), "::/FILLER.BIN", 20 << 20, 1);
    CopyPatternFile(image, dir.Path(), "::/BEFORE.BIN", half, 2);
    CopyPatternFile(image, dir.Path(), "::/DELETED.BIN", half, 3);
    const auto before = ShowFat(image, "::/BEFORE.BIN");
    const auto deleted = ShowFat(image, "::/DELETED.BIN");
    ASSERT_EQ(before.size(), 1u);
    ASSERT_EQ(deleted.size(), 1u);
    const uint64_t live = before[0].first;
    ASSERT_EQ(deleted[0].first, live + 32768) << "mtools should write the two one after the other";
    ASSERT_GE(live, 32768u);
    const std::string saved = dir / "deleted.bin";
    RunOrFail("mcopy -n -i " + Quote(image) + " ::/DELETED.BIN " + Quote(saved));
    RunOrFail("mdel -i " + Quote(image) + " ::/DELETED.BIN");
    const uint64_t beforeEntry = EntryOffset(image, "BEFORE  BIN");
    const uint64_t deletedEntry = EntryOffset(image, "DELETED BIN");
    Patch(image, deletedEntry + 13, ReadBytes(image, beforeEntry + 13, 5)); // the same creation time
    Patch(image, deletedEntry + 20, {0, 0});                                 // the high word cleared

    std::set<uint32_t> ids;
    const Reported* after = nullptr;
    const auto files = ScanFat32(image);
    for (const auto& file : files) {
        if (file.path.find("ELETED.BIN") == std::string::npos)
            continue;
        ids.insert(file.nodeId);
        EXPECT_EQ(file.deletedState, 1);
        if (file.nodeId == live + 32768)
            after = &file;
    }
    const std::set<uint32_t> expected{static_cast<uint32_t>(live + 32768), static_cast<uint32_t>(live - 32768)};
    EXPECT_EQ(ids, expected);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(RunBytes(image, after->runs, after->size), ReadBytes(saved, 0, half));
}

// A deleted file guessed at a used cluster right after a free one, claiming
// more than the rest of the volume: the free stretch before it is cut at the
// end of the volume, and the excess goes to the first gap wide enough, which
// later deleted files may follow (a live neighbour of the excess's length at
// the cluster after that stretch).
TEST(Fat32Deleted, FileRunningPastTheVolumeLeavesItsExcessInAGap)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mshowfat");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, 100, "-s 1");
    CopyPatternFile(image, dir.Path(), "::/A.BIN", cs, 1);
    CopyPatternFile(image, dir.Path(), "::/C.BIN", 61440 * cs, 2);
    CopyPatternFile(image, dir.Path(), "::/D.BIN", cs, 3);
    CopyPatternFile(image, dir.Path(), "::/B.BIN", cs, 4);
    RunOrFail("mdel -i " + Quote(image) + " ::/A.BIN ::/D.BIN");
    ASSERT_EQ(ShowFat(image, "::/B.BIN"), (std::vector<ClusterRange>{{61445, 61445}}));

    Recorder recorder;
    FAT::FAT32DataRecovery engine(ImageVolume(image), {}, recorder.Callback());
    engine.liveNeighbours[100] = {{0, cs, 61444}}; // D's place, just before B
    FileManagerSP::FileNode node;
    node.name = "X.BIN";
    node.id = 61445;
    node.size = 80 << 20; // 163,840 clusters from 61,445: past the volume's 204,800 sectors
    node.deletedState = 1;
    FAT32DataRecoveryDeleted deleted;
    deleted[200].push_back({false, 0, node});
    engine.GuessDeletedEntryCluster(deleted);
    const uint64_t excess = (61445 + 163840) * cs - (100 << 20);
    const uint64_t rounded = (excess + cs - 1) / cs * cs;
    const auto& mine = engine.liveNeighbours[200];
    ASSERT_GE(mine.size(), 2u);
    EXPECT_EQ(mine[0].firstCluster, 61445u);
    EXPECT_EQ(mine[0].score, 1);
    // A's stretch (cluster 3) is the first whose gap to the next (at 61,444) is wider than the excess.
    EXPECT_EQ(mine[1].firstCluster, 4u);
    EXPECT_EQ(mine[1].size, rounded);
    EXPECT_EQ(mine[1].score, 1);
}

// 400 one-cluster files written in the same second past cluster 65,536, every
// tenth deleted with its high word cleared, as Windows leaves them: each comes
// back with the bytes icat reads from the entry as it was.
TEST(Fat32Deleted, FolderWrittenInOneSecond)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("icat");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, 100, "-s 1");
    const std::string i = "-i " + Quote(image) + " ";
    const std::string d = Quote(dir.Path().string());
    RunOrFail("cd " + d + " && head -c 36000000 /dev/zero > filler.bin && mcopy " + i + "filler.bin ::/ && mmd " + i +
              "::/DCIM && mkdir many && head -c 204800 /dev/urandom | split -b 512 -d -a 3 - many/IMG && mcopy " + i +
              "many/* ::/DCIM/");
    std::string tenth;
    for (int n = 0; n < 400; n += 10)
        tenth += " ::/DCIM/IMG" + std::to_string(1000 + n).substr(1);
    RunOrFail("mdel " + i + tenth);
    const auto folder = ShowFat(image, "::/DCIM");
    ASSERT_FALSE(folder.empty());
    ASSERT_GT(folder[0].first, 65536u);
    const std::string copy = dir / "cleared.img";
    std::filesystem::copy_file(image, copy);
    // Every entry of the folder gets one creation time; the deleted ones lose their high word.
    FAT::FAT32Explorer explorer(ImageVolume(image));
    std::vector<uint8_t> created;
    int cleared = 0;
    for (const auto& [from, to] : folder) {
      for (uint64_t c = from; c <= to; ++c) {
        const uint64_t at = explorer.table->ClusterOffset(c);
        const auto block = ReadBytes(copy, at, 512);
        for (size_t e = 0; e + 32 <= block.size() && block[e]; e += 32) {
            if (block[e + 11] == 0x0F || block[e] == '.')
                continue;
            if (created.empty())
                created.assign(block.begin() + e + 13, block.begin() + e + 18);
            Patch(copy, at + e + 13, created);
            if (block[e] == 0xE5) {
                ASSERT_TRUE(block[e + 20] || block[e + 21]);
                Patch(copy, at + e + 20, {0, 0});
                ++cleared;
            }
        }
      }
    }
    ASSERT_EQ(cleared, 40);
    const auto files = ScanFat32(copy);
    int checked = 0;
    for (const auto& entry : Fls(image)) {
        if (!entry.deleted || entry.folder || entry.path.rfind("DCIM/", 0) != 0)
            continue;
        const auto expected = Icat(image, entry);
        bool exact = false;
        for (const auto& file : files)
            if (FlsForm(file.path) == entry.path)
                exact = exact || RunBytes(copy, file.runs, file.size) == expected;
        EXPECT_TRUE(exact) << entry.path;
        ++checked;
    }
    EXPECT_EQ(checked, 40);
}

}
