// Volumes made by mkfs.fat + mtools and mkfs.exfat + exfat-fuse, each damaged
// in one field: looping cluster chains, a FAT entry past the cluster count,
// boot-sector fields that no longer agree with the volume, a size past its
// chain. Every scan ends after no more directory reads than its undamaged
// twin needs, lists every file the damage spares with that file's own bytes,
// or fails with the engine's result code where no geometry holds.
#include "DataRecovery/Exceptions.h"
#include "FAT/EngineChecks.h"
#include "FAT/ExFATDataRecovery.h"
#include "FAT/FAT32DataRecovery.h"
#include "FAT/FatImages.h"
#include "support/DiskImages.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>

using namespace FatTest;
using namespace TestSupport;

namespace {

std::vector<uint8_t> Pattern(uint64_t size, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(random() & 0xFF);
    return bytes;
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 | uint32_t{b[at + 3]} << 24;
}

uint16_t U16(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

// Where the volume keeps its FAT and clusters, read straight from the image.
struct Layout {
    uint64_t fatStart = 0;
    uint64_t dataStart = 0;
    uint64_t clusterSize = 0;
    uint64_t clusterCount = 0;
    uint32_t rootCluster = 0;
    uint32_t endOfChain = 0;

    uint64_t EntryOffset(uint64_t cluster) const { return fatStart + 4 * cluster; }
    uint64_t ClusterOffset(uint64_t cluster) const { return dataStart + (cluster - 2) * clusterSize; }
};

Layout Fat32Layout(const std::string& image)
{
    const auto b = ReadBytes(image, 0, 512);
    Layout l;
    const uint64_t sector = U16(b, 11);
    l.clusterSize = sector * b[13];
    l.fatStart = U16(b, 14) * sector;
    l.dataStart = l.fatStart + uint64_t{b[16]} * U32(b, 36) * sector;
    l.clusterCount = (U32(b, 32) * sector - l.dataStart) / l.clusterSize;
    l.rootCluster = U32(b, 44);
    l.endOfChain = 0x0FFFFFFF;
    return l;
}

Layout ExFatLayout(const std::string& image)
{
    const auto b = ReadBytes(image, 0, 512);
    Layout l;
    const uint64_t sector = uint64_t{1} << b[108];
    l.clusterSize = sector << b[109];
    l.fatStart = U32(b, 80) * sector;
    l.dataStart = U32(b, 88) * sector;
    l.clusterCount = U32(b, 92);
    l.rootCluster = U32(b, 96);
    l.endOfChain = 0xFFFFFFFF;
    return l;
}

// The clusters of a chain, read from the image's first FAT.
std::vector<uint64_t> Chain(const std::string& image, const Layout& l, uint64_t first)
{
    std::vector<uint64_t> chain;
    for (uint64_t c = first; c >= 2 && c < l.clusterCount + 2 && chain.size() <= l.clusterCount;) {
        chain.push_back(c);
        const uint32_t next = U32(ReadBytes(image, l.EntryOffset(c), 4), 0) & (l.endOfChain == 0x0FFFFFFF ? 0x0FFFFFFF : ~0u);
        c = next;
    }
    return chain;
}

// Counts what the structure scan reads of directories.
template <class Engine>
class Counting : public Engine {
public:
    using Engine::Engine;
    void ProcessFATDataItem(FAT::DirectoryItems& items, uint64_t offset, const uint8_t* block, uint64_t length,
                            uint64_t inode) override
    {
        ++pieces;
        Engine::ProcessFATDataItem(items, offset, block, length, inode);
    }
    uint64_t pieces = 0;
};

struct Outcome {
    bool failed = false;
    int code = 0;
    std::string error;
    uint64_t directoryReads = 0;
    std::vector<Reported> files;
};

enum class Fs { Fat32, ExFat };

Outcome Scan(Fs fs, const std::string& image)
{
    Recorder recorder;
    Outcome out;
    std::unique_ptr<FAT::FATDataRecovery> engine;
    std::function<uint64_t()> reads;
    if (fs == Fs::Fat32) {
        auto e = std::make_unique<Counting<FAT::FAT32DataRecovery>>(ImageVolume(image), DiskAndVolumeInfo{},
                                                                    recorder.Callback());
        reads = [p = e.get()] { return p->pieces; };
        engine = std::move(e);
    } else {
        auto e = std::make_unique<Counting<FAT::ExFATDataRecovery>>(ImageVolume(image), DiskAndVolumeInfo{},
                                                                    recorder.Callback());
        reads = [p = e.get()] { return p->pieces; };
        engine = std::move(e);
    }
    try {
        // As the container runs a volume's structure scan.
        engine->ScanStructure(engine->GetRootInode());
    } catch (const std::exception& e) {
        out.failed = true;
        out.code = Exceptions::ErrorCodeFromException(e);
        out.error = e.what();
    }
    out.directoryReads = reads();
    out.files = recorder.Files();
    return out;
}

// A fixture volume: the image and every file written to it, by path as fls writes it.
struct Volume {
    std::string image;
    std::map<std::string, std::vector<uint8_t>> files;
    std::string why; // not empty: the volume could not be made here (tool, root, /dev/fuse missing)
};

void CheckFixture(const Volume& v)
{
    // The Sleuth Kit reads every written file on the undamaged volume.
    std::map<std::string, bool> seen;
    for (const auto& e : Fls(v.image))
        if (!e.deleted && !e.folder)
            seen[e.path] = true;
    for (const auto& [path, bytes] : v.files)
        ASSERT_TRUE(seen.count(path)) << "fls does not list " << path << " on " << v.image;
}

Volume MakeFat32(const TempDir& dir)
{
    Volume v;
    if (!HaveTool("mkfs.fat") || !HaveTool("mcopy") || !HaveTool("fls")) {
        v.why = "needs mkfs.fat, mtools and The Sleuth Kit";
        return v;
    }
    v.image = dir / "fat32.img";
    MakeFat32Image(v.image, 40, "-s 1");
    const std::string i = "-i " + Quote(v.image) + " ";
    RunOrFail("mmd " + i + "::/Pics ::/Small ::/Docs");
    uint32_t seed = 1;
    auto put = [&](const std::string& path, uint64_t size) {
        CopyPatternFile(v.image, dir.Path().string(), "::/" + path, size, seed);
        v.files[path] = Pattern(size, seed);
        ++seed;
    };
    // Long names: the root and Pics span several 512-byte clusters each.
    for (int n = 0; n < 10; ++n)
        put("root file number " + std::to_string(n) + ".bin", 300 + 150 * n);
    for (int n = 0; n < 20; ++n)
        put("Pics/photo number " + std::to_string(n) + " taken.jpg", 600 + 40 * n);
    put("Small/a.txt", 100);
    put("Small/b.txt", 200);
    put("Docs/four.bin", 2000);
    put("Docs/after four.bin", 3000);
    // GAP1-GAP5 at the root, GAP2 and GAP4 deleted, FRAG.BIN over their holes and after GAP5.
    MakeFragmentedFile(v.image, dir.Path().string(), "::/Docs/FRAG.BIN", 1500);
    for (int n : {1, 3, 5})
        v.files["GAP" + std::to_string(n) + ".BIN"] = Pattern(1500, 100 + n);
    v.files["Docs/FRAG.BIN"] = Pattern(4500, 200);
    CheckFixture(v);
    return v;
}

Volume MakeExFat(const TempDir& dir)
{
    Volume v;
    if (!HaveTool("mkfs.exfat") || !HaveTool("fls")) {
        v.why = "needs mkfs.exfat and The Sleuth Kit";
        return v;
    }
    v.image = dir / "exfat.img";
    ExFatMount mount(v.image, 32, dir / "mnt", "-c 512");
    if (!mount.ok) {
        v.why = mount.why;
        return v;
    }
    std::filesystem::create_directories(mount.mountPoint + "/Sub");
    uint32_t seed = 500;
    auto put = [&](const std::string& path, uint64_t size) {
        auto bytes = Pattern(size, seed++);
        std::ofstream(mount.mountPoint + "/" + path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        v.files[path] = std::move(bytes);
    };
    for (int n = 0; n < 10; ++n)
        put("root file " + std::to_string(n) + ".bin", 700 + 300 * n);
    for (int n = 0; n < 3; ++n)
        put("Sub/inner " + std::to_string(n) + ".bin", 900 + 100 * n);
    mount.Finish();
    CheckFixture(v);
    return v;
}

// One damaged volume: which fixture, the damage, and what the scan must give.
struct DamageCase {
    using Damage = std::function<void(const Volume&, const std::string& image)>;
    DamageCase(std::string name, Fs fs, Damage damage, int failureCode = 0, std::string cutFile = "",
               uint64_t cutSize = 0)
        : name(std::move(name)), fs(fs), damage(std::move(damage)), failureCode(failureCode),
          cutFile(std::move(cutFile)), cutSize(cutSize)
    {
    }
    std::string name;
    Fs fs;
    Damage damage;
    int failureCode; // not 0: the scan must fail with this code
    std::string cutFile; // a file whose damage leaves a prefix of its bytes
    uint64_t cutSize;    // the size it must then be reported with (0: any prefix of at least one cluster)
};

void PrintTo(const DamageCase& c, std::ostream* out)
{
    *out << c.name;
}

void PatchByte(const std::string& image, uint64_t offset, uint8_t value)
{
    Patch(image, offset, {value});
}

uint64_t DirectoryCluster(const std::string& image, const std::string& folder)
{
    return ShowFat(image, "::/" + folder).at(0).first;
}

// Loops the last cluster of a chain back to the cluster at index `to` of it.
void LoopChain(const std::string& image, const Layout& l, uint64_t first, size_t to, size_t minimum)
{
    const auto chain = Chain(image, l, first);
    ASSERT_GE(chain.size(), minimum) << "the chain from " << first << " is too short to loop";
    PatchU32(image, l.EntryOffset(chain.back()), static_cast<uint32_t>(chain[to]));
}

const std::vector<DamageCase>& Cases()
{
    static const std::vector<DamageCase> cases = {
        {"Fat32FolderSelfLoop", Fs::Fat32,
         [](const Volume&, const std::string& img) {
             const auto l = Fat32Layout(img);
             const uint64_t small = DirectoryCluster(img, "Small");
             PatchU32(img, l.EntryOffset(small), static_cast<uint32_t>(small));
         }},
        {"Fat32FolderLoopThroughSeveral", Fs::Fat32,
         [](const Volume&, const std::string& img) {
             LoopChain(img, Fat32Layout(img), DirectoryCluster(img, "Pics"), 0, 3);
         }},
        {"Fat32RootLoop", Fs::Fat32,
         [](const Volume&, const std::string& img) {
             const auto l = Fat32Layout(img);
             LoopChain(img, l, l.rootCluster, 0, 3);
         }},
        {"Fat32EntryPastClusterCount", Fs::Fat32,
         [](const Volume&, const std::string& img) {
             // The link out of FRAG.BIN's first fragment, which GAP3 follows on the disk.
             const auto l = Fat32Layout(img);
             const auto ranges = ShowFat(img, "::/Docs/FRAG.BIN");
             ASSERT_GE(ranges.size(), 2u) << "FRAG.BIN is not fragmented";
             PatchU32(img, l.EntryOffset(ranges[0].second), static_cast<uint32_t>(l.clusterCount + 100));
         },
         0, "Docs/FRAG.BIN", 0},
        {"Fat32SizePastChain", Fs::Fat32,
         [](const Volume& v, const std::string& img) {
             // four.bin's entry in Docs: its size field becomes 0xFFFFFFFF.
             const auto l = Fat32Layout(img);
             const uint64_t docs = DirectoryCluster(img, "Docs");
             const auto first = ShowFat(img, "::/Docs/four.bin").at(0).first;
             bool patched = false;
             for (uint64_t c : Chain(img, l, docs)) {
                 const auto block = ReadBytes(img, l.ClusterOffset(c), l.clusterSize);
                 for (size_t at = 0; at + 32 <= block.size(); at += 32) {
                     const uint32_t cluster = uint32_t{U16(block, at + 20)} << 16 | U16(block, at + 26);
                     if (block[at + 11] != 0x0F && cluster == first && U32(block, at + 28) == 2000) {
                         PatchU32(img, l.ClusterOffset(c) + at + 28, 0xFFFFFFFF);
                         patched = true;
                     }
                 }
             }
             ASSERT_TRUE(patched) << v.image;
         },
         0, "Docs/four.bin", 2048},
        // Fields of the boot sector at sector 0 alone (the backup at sector 6 holds), then of both.
        {"Fat32FatCount3", Fs::Fat32, [](const Volume&, const std::string& img) { PatchByte(img, 16, 3); }},
        {"Fat32FatCount3WithBackup", Fs::Fat32,
         [](const Volume&, const std::string& img) {
             PatchByte(img, 16, 3);
             PatchByte(img, 6 * 512 + 16, 3);
         },
         5},
        {"Fat32ReservedSectors", Fs::Fat32,
         [](const Volume&, const std::string& img) { PatchByte(img, 14, ReadBytes(img, 14, 1)[0] - 2); }},
        {"Fat32ReservedSectorsWithBackup", Fs::Fat32,
         [](const Volume&, const std::string& img) {
             PatchByte(img, 14, ReadBytes(img, 14, 1)[0] - 2);
             PatchByte(img, 6 * 512 + 14, ReadBytes(img, 6 * 512 + 14, 1)[0] - 2);
         },
         5},
        {"Fat32FatSize", Fs::Fat32,
         [](const Volume&, const std::string& img) { PatchU32(img, 36, U32(ReadBytes(img, 36, 4), 0) + 8); }},
        {"Fat32FatSizeWithBackup", Fs::Fat32,
         [](const Volume&, const std::string& img) {
             PatchU32(img, 36, U32(ReadBytes(img, 36, 4), 0) + 8);
             PatchU32(img, 6 * 512 + 36, U32(ReadBytes(img, 6 * 512 + 36, 4), 0) + 8);
         },
         5},
        {"ExFatRootLoop", Fs::ExFat,
         [](const Volume&, const std::string& img) {
             const auto l = ExFatLayout(img);
             LoopChain(img, l, l.rootCluster, 0, 2);
         }},
        {"ExFatRootSelfLoopAtItsEnd", Fs::ExFat,
         [](const Volume&, const std::string& img) {
             const auto l = ExFatLayout(img);
             LoopChain(img, l, l.rootCluster, Chain(img, l, l.rootCluster).size() - 1, 2);
         }},
        // The cluster heap offset of the main boot sector (the backup region at sector 12 holds), then of both.
        {"ExFatMainBootRegion", Fs::ExFat,
         [](const Volume&, const std::string& img) { PatchU32(img, 88, U32(ReadBytes(img, 88, 4), 0) + 64); }},
        {"ExFatBothBootRegions", Fs::ExFat,
         [](const Volume&, const std::string& img) {
             PatchU32(img, 88, U32(ReadBytes(img, 88, 4), 0) + 64);
             PatchU32(img, 12 * 512 + 88, U32(ReadBytes(img, 12 * 512 + 88, 4), 0) + 64);
         },
         6},
    };
    return cases;
}

class DamagedVolume : public ::testing::TestWithParam<DamageCase> {
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        fat32 = new Volume(MakeFat32(*dir));
        exfat = new Volume(MakeExFat(*dir));
    }
    static void TearDownTestSuite()
    {
        delete fat32;
        delete exfat;
        delete dir;
        fat32 = exfat = nullptr;
        dir = nullptr;
    }
    const Volume& Fixture() const { return GetParam().fs == Fs::Fat32 ? *fat32 : *exfat; }

    static TempDir* dir;
    static Volume* fat32;
    static Volume* exfat;
};

TempDir* DamagedVolume::dir = nullptr;
Volume* DamagedVolume::fat32 = nullptr;
Volume* DamagedVolume::exfat = nullptr;

TEST_P(DamagedVolume, ScanIsBoundedListsWhatIsSparedAndReadsNoOtherFile)
{
    const auto& c = GetParam();
    const Volume& v = Fixture();
    if (!v.why.empty())
        SKIP_FOR_MISSING(v.why);
    ASSERT_FALSE(v.image.empty());
    const std::string image = *dir / (c.name + ".img");
    std::filesystem::copy_file(v.image, image, std::filesystem::copy_options::overwrite_existing);
    c.damage(v, image);
    if (HasFatalFailure())
        return;

    const Outcome twin = Scan(c.fs, v.image);
    ASSERT_FALSE(twin.failed) << twin.error;
    const auto started = std::chrono::steady_clock::now();
    const Outcome out = Scan(c.fs, image);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    // Bounded: no directory is read more often than on the undamaged volume.
    EXPECT_LE(out.directoryReads, twin.directoryReads) << c.name;

    size_t spared = 0;
    for (const auto& f : out.files)
        spared += f.deletedState == 0 && v.files.count(FlsForm(f.path)) ? 1 : 0;
    std::cout << "[ damage   ] " << c.name << ": " << (out.failed ? "failed, code " + std::to_string(out.code) : "ok")
              << ", " << spared << " of " << v.files.size() << " written files listed, directory reads "
              << out.directoryReads << " (undamaged " << twin.directoryReads << "), " << took.count() << " ms\n";

    if (c.failureCode != 0) {
        EXPECT_TRUE(out.failed) << c.name << ": no failure with " << out.files.size() << " files";
        EXPECT_EQ(out.code, c.failureCode) << out.error;
        return;
    }
    ASSERT_FALSE(out.failed) << out.error;

    std::map<std::string, const Reported*> live;
    for (const auto& f : out.files)
        if (f.deletedState == 0 && f.size != 0)
            live[FlsForm(f.path)] = &f;
    for (const auto& [path, bytes] : v.files) {
        auto it = live.find(path);
        EXPECT_TRUE(it != live.end()) << c.name << ": " << path << " not listed";
        if (it == live.end())
            continue;
        const Reported& f = *it->second;
        const auto got = RunBytes(image, f.runs, f.size);
        if (path != c.cutFile) {
            EXPECT_EQ(f.size, bytes.size()) << path;
            EXPECT_TRUE(got == bytes) << c.name << ": " << path << " does not hold its own bytes";
            continue;
        }
        // What the damage left of the file: a prefix of its own bytes, nothing of another file.
        const uint64_t cluster = c.fs == Fs::Fat32 ? Fat32Layout(image).clusterSize : ExFatLayout(image).clusterSize;
        if (c.cutSize != 0) {
            EXPECT_EQ(f.size, c.cutSize) << path;
        }
        EXPECT_GE(got.size(), cluster) << path;
        EXPECT_LE(got.size(), std::max<uint64_t>(bytes.size(), (bytes.size() + cluster - 1) / cluster * cluster));
        const size_t own = std::min(got.size(), bytes.size());
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + own, got.begin())) << c.name << ": " << path;
    }
    // Every file listed alive is one that was written (no other file's clusters under a new name).
    for (const auto& [path, file] : live)
        EXPECT_TRUE(v.files.count(path)) << c.name << ": unexpected " << path;
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedVolume, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

}
