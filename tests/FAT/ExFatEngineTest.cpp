// The exFAT engine against The Sleuth Kit on a volume written by exfat-fuse:
// listing, sizes, times and bytes, NoFatChain files over stale FAT entries,
// benign entries, sets split across blocks, the volume's own up-case table,
// and a file of 300 fragments recovered by a fresh engine.
#include "FAT/EngineChecks.h"
#include "FAT/ExFATDataRecovery.h"
#include "FAT/FATRecognize.h"
#include "FAT/FatImages.h"
#include "support/DiskImages.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

using namespace FatTest;
using namespace TestSupport;

namespace {

std::vector<Reported> ScanExFat(const std::string& image, const std::string& path = "X:\\")
{
    Recorder recorder;
    FAT::ExFATDataRecovery engine(ImageVolume(image), {}, recorder.Callback());
    engine.Start(path);
    return recorder.Files();
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 | uint32_t{b[at + 3]} << 24;
}

class ExFatEngine : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        image = *dir / "exfat.img";
        ExFatMount mount(image, 160, *dir / "mnt");
        if (!mount.ok) {
            why = mount.why;
            image.clear();
            return;
        }
        const std::string m = Quote(mount.mountPoint);
        RunOrFail("cd " + m + " && mkdir -p A/B/C/D Other Frag Many Gone && echo hi > 'A/B/C/D/Ünïcödé 名前 file.bin' && "
                  "echo x > A/B/C/D/été.txt && echo r > A/B/C/D/readme.txt && : > A/B/C/D/empty.txt && "
                  "head -c 300000 /dev/urandom > Other/big.bin && head -c 5000 /dev/urandom > A/IMG_0001.JPG && "
                  "head -c 7000 /dev/urandom > Other/IMG_0001.JPG && "
                  "head -c 20000 /dev/urandom > 'Other/A rather long name for a photo.jpeg' && "
                  "for n in 1 2 3 4 5; do head -c 40000 /dev/urandom > Frag/gap$n; done && sync && "
                  "rm Frag/gap2 Frag/gap4 && sync && head -c 150000 /dev/urandom > Frag/movie.mp4 && "
                  "head -c 2457600 /dev/urandom | split -b 4096 -d -a 3 - Many/p && sync && "
                  "rm $(seq -f 'Many/p%03g' 1 2 599) && sync && "
                  "head -c 1228800 /dev/urandom > Many/long.bin && "
                  "head -c 3000 /dev/urandom > 'Gone/gone photo.jpg' && sync && "
                  "rm A/IMG_0001.JPG Other/IMG_0001.JPG && rm -r Gone && sync");
        mount.Finish();
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
        if (image.empty())
            GTEST_SKIP() << why;
    }
    const FlsEntry* Entry(const std::string& path)
    {
        for (const auto& e : *fls)
            if (e.path == path)
                return &e;
        return nullptr;
    }

    static TempDir* dir;
    static std::string image;
    static std::string why;
    static std::vector<FlsEntry>* fls;
};

TempDir* ExFatEngine::dir = nullptr;
std::string ExFatEngine::image;
std::string ExFatEngine::why;
std::vector<FlsEntry>* ExFatEngine::fls = nullptr;

TEST_F(ExFatEngine, ListsWhatFlsListsWithSizesTimesAndBytes)
{
    const auto files = ScanExFat(image);
    size_t flsFiles = 0;
    std::vector<std::pair<FlsEntry, const Reported*>> toRead;
    for (const auto& entry : *fls) {
        if (entry.folder)
            continue;
        ++flsFiles;
        const Reported* found = Match(files, entry);
        ASSERT_NE(found, nullptr) << entry.path;
        EXPECT_EQ(found->size, entry.size) << entry.path;
        EXPECT_EQ(found->time, entry.modified) << entry.path;
        const bool keep = !entry.deleted || entry.path.find("IMG_0001") != std::string::npos ||
                          entry.path.rfind("Gone/", 0) == 0;
        if (keep && found->runs.size() < 255)
            toRead.emplace_back(entry, found);
    }
    EXPECT_EQ(files.size(), flsFiles);
    ExpectRunBytesMatchIcat(image, toRead);
    EXPECT_GE(toRead.size(), 300u);
    for (const char* path : {"A/IMG_0001.JPG", "Other/IMG_0001.JPG", "Gone/gone photo.jpg", "Frag/movie.mp4"})
        ASSERT_NE(Entry(path), nullptr) << path;
}

// exfat-fuse writes contiguous files without a FAT chain; stale entries
// under such a file must not change its bytes.
TEST_F(ExFatEngine, NoFatChainFileIgnoresStaleEntries)
{
    TempDir work;
    const std::string copy = work / "stale.img";
    std::filesystem::copy_file(image, copy);
    FAT::ExFATExplorer explorer(ImageVolume(image));
    const auto& g = explorer.reader->geometry;
    const FlsEntry* big = Entry("Other/big.bin");
    ASSERT_NE(big, nullptr);
    const auto files = ScanExFat(image);
    const Reported* found = Match(files, *big);
    ASSERT_NE(found, nullptr);
    // A stale chain of the file's length: ten of its clusters, then elsewhere.
    const uint64_t first = explorer.table->ClusterOfPosition(found->runs[0].offset);
    const uint64_t clusters = (found->size + g.clusterSize - 1) / g.clusterSize;
    const uint64_t elsewhere = explorer.table->EntryLimit() - clusters - 10;
    std::vector<uint64_t> chain;
    for (uint64_t c = first; c < first + 10; ++c)
        chain.push_back(c);
    for (uint64_t c = elsewhere; chain.size() < clusters; ++c)
        chain.push_back(c);
    for (size_t i = 0; i < chain.size(); ++i)
        PatchU32(copy, g.tableStart + 4 * chain[i],
                 i + 1 < chain.size() ? static_cast<uint32_t>(chain[i + 1]) : 0xFFFFFFFF);
    const auto again = ScanExFat(copy);
    const Reported* stale = Match(again, *big);
    ASSERT_NE(stale, nullptr);
    EXPECT_EQ(RunBytes(copy, stale->runs, stale->size), Icat(image, *big));
}

// A volume GUID entry (0xA0) ahead of a folder's files hides none of them.
TEST_F(ExFatEngine, BenignEntriesAreSteppedOver)
{
    TempDir work;
    const std::string copy = work / "guid.img";
    std::filesystem::copy_file(image, copy);
    FAT::ExFATExplorer explorer(ImageVolume(image));
    const auto root = ReadBytes(image, explorer.table->ClusterOffset(explorer.reader->geometry.rootCluster), 4096);
    uint64_t other = 0;
    for (size_t at = 0; at + 96 <= root.size(); at += 32)
        if (root[at] == 0x85 && root[at + 64] == 0xC1 && std::memcmp(&root[at + 66], "O\0t\0h\0e\0r\0", 10) == 0)
            other = U32(root, at + 32 + 20);
    ASSERT_NE(other, 0u);
    const uint64_t at = explorer.table->ClusterOffset(other);
    auto block = ReadBytes(image, at, explorer.table->ClusterSize());
    std::vector<uint8_t> shifted(block.size(), 0);
    shifted[0] = 0xA0; // volume GUID: no secondaries
    std::copy(block.begin(), block.end() - 32, shifted.begin() + 32);
    Patch(copy, at, shifted);
    FAT::ExFATRecognize recognise;
    EXPECT_TRUE(recognise.IsDirectoryBlock(0, shifted.data(), 512));
    size_t before = 0;
    for (const auto& f : ScanExFat(image))
        before += f.path.find("Other") != std::string::npos;
    size_t after = 0;
    for (const auto& f : ScanExFat(copy))
        after += f.path.find("Other") != std::string::npos;
    EXPECT_GE(before, 3u);
    EXPECT_EQ(after, before);
}

// Started from another working directory, the engine reads the volume's own
// up-case table, so a set split inside its name joins by the name hash.
TEST_F(ExFatEngine, SplitSetJoinsByTheVolumesUpcaseTable)
{
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path("/");
    Recorder recorder;
    FAT::ExFATDataRecovery engine(ImageVolume(image), {}, recorder.Callback());
    std::filesystem::current_path(cwd);
    EXPECT_EQ(engine.UpcaseSource(), "volume");
    ASSERT_GE(engine.UpcaseTable().size(), 128u);
    EXPECT_EQ(engine.UpcaseTable()['a'], 'A');

    auto* table = engine.GetTablePtr();
    const auto root = ReadBytes(image, table->ClusterOffset(engine.GetRootInode()), 4096);
    uint64_t other = 0;
    for (size_t at = 0; at + 96 <= root.size(); at += 32)
        if (root[at] == 0x85 && std::memcmp(&root[at + 66], "O\0t\0h\0e\0r\0", 10) == 0)
            other = U32(root, at + 32 + 20);
    ASSERT_NE(other, 0u);
    const uint64_t offset = table->ClusterOffset(other);
    const auto block = ReadBytes(image, offset, table->ClusterSize());
    // The set of the long name: File, Stream, then three name entries.
    size_t set = 0;
    for (size_t at = 0; at + 96 <= block.size(); at += 32)
        if (block[at] == 0x85 && block[at + 1] == 4 && std::memcmp(&block[at + 66], "A\0 \0r\0", 6) == 0)
            set = at;
    ASSERT_NE(set, 0u) << "the long name's set";
    for (size_t cut : {set + 96, set + 64}) { // inside the names; between stream and names
        FAT::DirectoryItems first;
        FAT::DirectoryItems second;
        engine.ProcessFATDataItem(first, offset, block.data(), cut, other);
        engine.ProcessFATDataItem(second, offset + cut, block.data() + cut, block.size() - cut, other);
        int joined = 0;
        for (const auto& item : second)
            joined += item.name == "A rather long name for a photo.jpeg" && item.size == 20000;
        EXPECT_EQ(joined, 1) << cut;
        engine.FinishScan();
    }
}

TEST_F(ExFatEngine, LongRunListRecoveredByAFreshEngine)
{
    const auto recovered = RecoverThroughFreshProbe(image, "X:\\Many", ".\\\\long.bin");
    ASSERT_EQ(recovered.recordRuns, 255u);
    const FlsEntry* entry = Entry("Many/long.bin");
    ASSERT_NE(entry, nullptr);
    const auto expected = Icat(image, *entry);
    EXPECT_EQ(recovered.bytes, expected);
}

}

namespace {

// The up-case table mkfs.exfat wrote, read from the boot sector and the root
// folder's up-case entry and expanded as the exFAT format compresses it: 0xFFFF
// and a count stand for that many characters that map to themselves.
std::vector<uint16_t> UpcaseTableOnTheVolume(const std::string& image)
{
    const auto boot = ReadBytes(image, 0, 512);
    const uint64_t sector = uint64_t{1} << boot[108];
    const uint64_t cluster = sector << boot[109];
    const auto clusterOffset = [&](uint32_t n) { return U32(boot, 88) * sector + (n - 2) * cluster; };
    const auto root = ReadBytes(image, clusterOffset(U32(boot, 96)), cluster);
    for (size_t at = 0; at + 32 <= root.size(); at += 32) {
        if (root[at] != 0x82)
            continue;
        const auto stored = ReadBytes(image, clusterOffset(U32(root, at + 20)), U32(root, at + 24));
        std::vector<uint16_t> table;
        for (size_t i = 0; i + 1 < stored.size() && table.size() < 65536; i += 2) {
            const uint16_t word = uint16_t(stored[i] | stored[i + 1] << 8);
            if (word == 0xFFFF && i + 3 < stored.size()) {
                i += 2;
                for (unsigned n = stored[i] | stored[i + 1] << 8; n > 0 && table.size() < 65536; --n)
                    table.push_back(static_cast<uint16_t>(table.size()));
            } else {
                table.push_back(word);
            }
        }
        while (table.size() < 65536)
            table.push_back(static_cast<uint16_t>(table.size()));
        return table;
    }
    return {};
}

// A volume whose own up-case table fails its checksum: the table installed
// beside the library (made by scripts/make-exfat-upcase.sh) takes over, and it
// maps every character as the table mkfs.exfat writes.
TEST(ExFatUpcase, InstalledTableWhenTheVolumesIsDamaged)
{
    REQUIRE_TOOL("mkfs.exfat");
    TempDir dir;
    const std::string image = dir / "exfat.img";
    MakeSparseFile(image, 32 * 1024 * 1024);
    RunOrFail("mkfs.exfat " + Quote(image));
    const std::vector<uint16_t> written = UpcaseTableOnTheVolume(image);
    ASSERT_EQ(written.size(), 65536u) << "no up-case table entry in the root folder";
    {
        FAT::ExFATExplorer explorer(ImageVolume(image));
        const auto root = ReadBytes(image, explorer.table->ClusterOffset(explorer.reader->geometry.rootCluster), 512);
        for (size_t at = 0; at < root.size(); at += 32)
            if (root[at] == 0x82)
                Patch(image, explorer.table->ClusterOffset(explorer.reader->geometry.rootCluster) + at + 4,
                      {0x12, 0x34, 0x56, 0x78});
    }
    const std::string copy = dir / "damaged.img";
    std::filesystem::copy_file(image, copy);
    ASSERT_FALSE(FAT::InstalledUpcaseTablePath().empty()) << "the build installs config/ExFATUpCase";
    Recorder recorder;
    FAT::ExFATDataRecovery engine(ImageVolume(copy), {}, recorder.Callback());
    EXPECT_EQ(engine.UpcaseSource(), "file");
    ASSERT_EQ(engine.UpcaseTable().size(), 65536u);
    EXPECT_EQ(engine.UpcaseTable()['a'], 'A');
    EXPECT_EQ(engine.UpcaseTable()[0xE9], 0xC9); // é
    size_t differ = 0;
    for (size_t c = 0; c < written.size(); ++c)
        if (engine.UpcaseTable()[c] != written[c] && ++differ <= 5)
            ADD_FAILURE() << "U+" << std::hex << c << " maps to U+" << engine.UpcaseTable()[c] << ", mkfs.exfat's to U+"
                          << written[c];
    EXPECT_EQ(differ, 0u);
    EXPECT_TRUE(engine.NamesMatch("été.txt", "ÉTÉ.TXT"));
}

}

namespace {

// A File entry whose secondary count lies outside 2-18 heads no set; the
// name stops at the Stream extension's name length.
TEST_F(ExFatEngine, SecondaryCountAndNameLength)
{
    Recorder recorder;
    FAT::ExFATDataRecovery engine(ImageVolume(image), {}, recorder.Callback());
    auto block = [](uint8_t count, uint8_t nameLength) {
        std::vector<uint8_t> b(512, 0);
        b[0] = 0x85;
        b[1] = count;
        b[32] = 0xC0;
        b[33] = 0x01;
        b[35] = nameLength;
        b[52] = 0x10; // first cluster
        b[56] = 0x05; // data length
        b[64] = 0xC1;
        const char16_t name[] = u"abc.txtGARBAGE!";
        for (int i = 0; i < 15; ++i)
            b[66 + 2 * i] = static_cast<uint8_t>(name[i]);
        return b;
    };
    for (uint8_t count : {0, 1, 19, 40}) {
        FAT::DirectoryItems items;
        const auto b = block(count, 7);
        engine.ProcessFATDataItem(items, 0, b.data(), b.size(), 5);
        EXPECT_TRUE(items.empty()) << int(count);
        engine.FinishScan();
    }
    FAT::DirectoryItems items;
    const auto b = block(2, 7);
    engine.ProcessFATDataItem(items, 0, b.data(), b.size(), 5);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].name, "abc.txt");
    EXPECT_EQ(items[0].size, 5u);
}

}

namespace {

// exFAT: a deleted file with a FAT chain, written into gaps; the allocation
// bitmap tells which clusters to step over.
TEST(ExFatDeleted, FragmentedFileBetweenLiveFiles)
{
    REQUIRE_TOOL("icat");
    TempDir dir;
    const std::string image = dir / "exfat.img";
    ExFatMount mount(image, 64, dir / "mnt");
    if (!mount.ok)
        GTEST_SKIP() << mount.why;
    RunOrFail("cd " + Quote(mount.mountPoint) + " && for n in 1 2 3 4 5; do head -c 40000 /dev/urandom > gap$n; done && "
              "sync && rm gap2 gap4 && sync && head -c 150000 /dev/urandom > movie.mp4 && sync && "
              "cp movie.mp4 " + Quote(dir / "movie.mp4") + " && rm movie.mp4 && sync");
    mount.Finish();
    const auto files = ScanExFat(image);
    int checked = 0;
    for (const auto& entry : Fls(image)) {
        if (entry.path != "movie.mp4" || !entry.deleted)
            continue;
        const Reported* found = Match(files, entry);
        ASSERT_NE(found, nullptr);
        EXPECT_GE(found->runs.size(), 2u);
        EXPECT_EQ(RunBytes(image, found->runs, found->size), ReadBytes(dir / "movie.mp4", 0, 150000));
        ++checked;
    }
    EXPECT_EQ(checked, 1);
}

}
