// Whole scans of small NTFS volumes (mkntfs, files written through ntfs-3g),
// each damaged in one field, recovered through the probe and compared block by
// block with the tagged files written before: every file is recovered under
// its own name or not at all, and never holds another file's bytes. The Sleuth
// Kit's tsk_recover reads the same image in the same run for comparison.
//
// With VELMORA_FIGURES_PROBE set to another build's velmora-probe, the cases
// run through that probe instead and only print their figures (a before/after
// table); the checks are left out.
#include "NTFS/NtfsImage.h"
#include "NTFS/NtfsVolumeBytes.h"
#include "support/ProbeOutput.h"
#include "support/TaggedFiles.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using TestSupport::Quote;
using TestSupport::RunCommand;
using TestSupport::RunOrFail;

namespace {

using NtfsImage::Bytes;
using NtfsImage::ReadAll;
using Volume = NtfsImage::VolumeBytes;

struct TaggedFile {
    uint32_t id;
    std::string path; // in the volume, with "/"
    uint64_t size;
    bool deleted = false;
    // Where a sound recovery puts it, besides its own path (a lost folder
    // path, "Unknown/..."); "#" stands for the file's record number.
    std::vector<std::string> otherPaths = {};
};

std::string BaseName(const std::string& path)
{
    return fs::path(path).filename().string();
}

// Each file counts once among exact, wrongFolder, carvedOnly and lost;
// foreign counts the files of which some copy holds another file's bytes.
struct Figures {
    size_t exact = 0, wrongFolder = 0, carvedOnly = 0, lost = 0, foreign = 0;
    std::string Text() const
    {
        return std::to_string(exact) + " / " + std::to_string(wrongFolder) + " / " + std::to_string(carvedOnly) +
               " / " + std::to_string(lost) + " / " + std::to_string(foreign);
    }
};
constexpr const char* figureColumns = "exact by name / in a wrong folder / carved only / lost / with foreign bytes";

// Every regular file below folder, by its path relative to it (with "/").
std::map<std::string, Bytes> Tree(const std::string& folder)
{
    std::map<std::string, Bytes> files;
    if (!fs::exists(folder))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).generic_string()] = ReadAll(entry.path());
    return files;
}

// Exact by name: its bytes at one of its paths. In a wrong folder: its bytes
// under one of its names in a folder not its own. Carved only: its bytes under
// another name. Foreign: a file under one of its names holding another file's
// blocks (or its own out of place).
Figures Classify(const std::vector<TaggedFile>& files, const std::map<uint32_t, uint64_t>& inodes,
                 const std::map<std::string, Bytes>& tree, bool peer)
{
    Figures figures;
    for (const auto& file : files) {
        std::set<std::string> paths{file.path};
        for (auto other : file.otherPaths) {
            const auto hash = other.find('#');
            if (hash != std::string::npos)
                other.replace(hash, 1, std::to_string(inodes.at(file.id)));
            paths.insert(other);
        }
        if (peer) {
            // The Sleuth Kit's folder of files whose folder is gone.
            for (const auto& other : file.otherPaths)
                paths.insert("$OrphanFiles/" + other);
            paths.insert("$OrphanFiles/" + BaseName(file.path));
            paths.insert("$OrphanFiles/OrphanFile-" + std::to_string(inodes.at(file.id)));
        }
        std::set<std::string> names;
        for (const auto& path : paths)
            names.insert(BaseName(path));
        const auto expected = TestSupport::TaggedFileBytes(file.id, file.size);
        bool exact = false, wrongFolder = false, carved = false, foreign = false;
        for (const auto& [path, bytes] : tree) {
            const bool ownName = names.count(BaseName(path)) != 0;
            if (bytes == expected)
                (paths.count(path) ? exact : ownName ? wrongFolder : carved) = true;
            if (ownName && TestSupport::CheckTaggedFile(file.id, file.size, bytes).foreignBlocks != 0)
                foreign = true;
        }
        figures.exact += exact;
        figures.wrongFolder += !exact && wrongFolder;
        figures.carvedOnly += !exact && !wrongFolder && carved;
        figures.lost += !exact && !wrongFolder && !carved;
        figures.foreign += foreign;
    }
    return figures;
}

struct ScanOutput {
    std::map<std::string, nlohmann::json> files; // found files by path, with "/"
    std::map<std::string, Bytes> recovered;
};

ScanOutput ScanAndRecover(const std::string& probe, const std::string& image, const std::string& work)
{
    ScanOutput result;
    const std::string lines = work + "/scan.jsonl";
    const std::string out = work + "/engine";
    fs::remove_all(out);
    const std::string environment = TestSupport::ImagesOnlyEnvironment(image);
    RunCommand(environment + Quote(probe) + " scan --disk 0 --volume 0 > " + Quote(lines) + " 2>/dev/null");
    std::ifstream in(lines);
    for (std::string text; std::getline(in, text);) {
        auto line = nlohmann::json::parse(text, nullptr, false);
        if (!line.is_discarded() && line.contains("path") && line["kind"] == "NtfsFile")
            result.files[NtfsImage::FoundPath(line["path"])] = line;
    }
    RunCommand(environment + Quote(probe) + " recover --out " + Quote(out) + " < " + Quote(lines) + " >/dev/null 2>&1");
    result.recovered = Tree(out);
    return result;
}

std::map<std::string, Bytes> PeerRecover(const std::string& image, const std::string& work)
{
    const std::string out = work + "/peer";
    fs::remove_all(out);
    RunCommand("tsk_recover -e " + Quote(image) + " " + Quote(out) + " >/dev/null 2>&1");
    return Tree(out);
}

// A volume's files, written through ntfs-3g from tagged copies made here;
// then the deleted ones removed, and after (with $M the mount folder).
void MakeVolume(const std::string& image, const std::string& staging, const std::vector<TaggedFile>& files,
                const std::string& after)
{
    fs::create_directories(staging);
    std::string script;
    for (const auto& file : files) {
        const std::string copy = staging + "/" + std::to_string(file.id);
        TestSupport::WriteTaggedFile(copy, file.id, file.size);
        const std::string target = "\"$M/" + file.path + "\"";
        script += "mkdir -p \"$(dirname " + target + ")\"\ncp " + Quote(copy) + " " + target + "\n";
    }
    script += "sync\n";
    for (const auto& file : files)
        if (file.deleted)
            script += "rm \"$M/" + file.path + "\"\n";
    script += after;
    NtfsImage::Make(image, 16, "-Q", script);
}

// The record number fls gives each file (deleted ones from fls -d).
std::map<uint32_t, uint64_t> Inodes(const std::string& image, const std::vector<TaggedFile>& files)
{
    const auto live = NtfsImage::ListFiles(image);
    const auto deleted = NtfsImage::ListFiles(image, true);
    std::map<uint32_t, uint64_t> inodes;
    for (const auto& file : files) {
        const auto& listing = file.deleted ? deleted : live;
        inodes[file.id] = 0; // its record was reused: only its clusters are left
        for (const auto& path : file.otherPaths) {
            const auto orphan = listing.find("$OrphanFiles/" + path);
            if (orphan != listing.end())
                inodes[file.id] = orphan->second;
        }
        const auto found = listing.find(file.path);
        if (found != listing.end())
            inodes[file.id] = found->second;
    }
    return inodes;
}

struct Case {
    const char* name;
    std::vector<TaggedFile> files;
    std::string after;     // shell run once the files are written
    std::string remounted; // shell run after, in a second mount
    std::function<void(Volume&, const std::map<uint32_t, uint64_t>&)> damage;
    // The engine's own checks on what it listed.
    std::function<void(const ScanOutput&, const std::map<uint32_t, uint64_t>&)> check;
    // Files whose record survives but whose bytes no check vouches for.
    size_t withoutData = 0;
};

// Files over most of a 16 MiB volume: clusters numbered at a wrong cluster
// size land in other files.
std::vector<TaggedFile> SpreadFiles(uint32_t firstId)
{
    std::vector<TaggedFile> files = {{firstId, "d/a.bin", 20000}, {firstId + 1, "d/b.bin", 40000},
                                     {firstId + 2, "c.txt", 600}, {firstId + 3, "d/gone.bin", 30000, true}};
    for (uint32_t i = 0; i < 8; ++i)
        files.push_back({firstId + 4 + i, "big/" + std::to_string(i) + ".bin", 1u << 20});
    return files;
}

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases = {
        {"$FILE_NAME gone (type byte damaged)",
         {{1, "docs/named.bin", 20000}, {2, "docs/other.bin", 9000}, {3, "docs/gone.bin", 12000, true,
          {"Unknown/MFT record #"}}},
         "", "",
         [](Volume& v, const std::map<uint32_t, uint64_t>& inodes) {
             for (uint32_t id : {1u, 3u})
                 v.PutInRecord(inodes.at(id), v.Attribute(inodes.at(id), 0x30), 0x31, 1);
         },
         [](const ScanOutput& scan, const std::map<uint32_t, uint64_t>& inodes) {
             ASSERT_EQ(scan.files.count("docs/named.bin"), 1u) << "named by its folder's index entry";
             EXPECT_EQ(scan.files.at("docs/named.bin")["deletedState"], 0);
             EXPECT_EQ(scan.files.at("docs/named.bin")["pathState"], 0);
             const std::string unknown = "Unknown/MFT record " + std::to_string(inodes.at(3));
             ASSERT_EQ(scan.files.count(unknown), 1u) << "deleted, so no index names it";
             EXPECT_EQ(scan.files.at(unknown)["deletedState"], 1);
         }},
        {"$FILE_NAME length past its value",
         {{4, "docs/a-long-file-name.bin", 20000}, {5, "docs/short.txt", 600}},
         "", "",
         [](Volume& v, const std::map<uint32_t, uint64_t>& inodes) {
             for (uint32_t id : {4u, 5u}) {
                 const size_t name = v.Attribute(inodes.at(id), 0x30);
                 v.PutInRecord(inodes.at(id), name + v.Field(inodes.at(id), name + 0x14, 2) + 0x40, 0xFF, 1);
             }
         },
         [](const ScanOutput& scan, const std::map<uint32_t, uint64_t>&) {
             EXPECT_EQ(scan.files.count("docs/a-long-file-name.bin"), 1u);
             EXPECT_EQ(scan.files.count("docs/short.txt"), 1u);
         }},
        // Temp's record goes to Pictures after a remount (ntfs-3g then takes
        // the lowest free record): Temp's deleted files lost their folder.
        {"deleted folder's record reused by a new folder",
         {{10, "Temp/f1.bin", 9000, true}, {11, "Temp/f2.bin", 9000, true, {"f2.bin"}},
          {12, "Temp/f3.bin", 9000, true, {"f3.bin"}}, {13, "Temp/sub/x.bin", 5000, true, {"sub/x.bin"}}},
         "rm -rf \"$M/Temp\"\n",
         "mkdir \"$M/Pictures\" && head -c 3000 /dev/zero > \"$M/Pictures/own.bin\"\n",
         nullptr,
         [](const ScanOutput& scan, const std::map<uint32_t, uint64_t>&) {
             for (const auto& [path, line] : scan.files)
                 if (path.rfind("Pictures/", 0) == 0)
                     EXPECT_EQ(path, "Pictures/own.bin") << "no file of Temp under the folder that took its record";
             for (const char* lost : {"f2.bin", "f3.bin", "sub/x.bin"}) {
                 ASSERT_EQ(scan.files.count(lost), 1u) << lost;
                 EXPECT_EQ(scan.files.at(lost)["pathState"], 1) << lost;
                 EXPECT_EQ(scan.files.at(lost)["deletedState"], 1) << lost;
             }
         }},
        {"record number field claims another record",
         {{20, "many/r1.txt", 600}, {21, "many/r2.txt", 600}, {22, "many/big.bin", 20000}},
         "", "",
         [](Volume& v, const std::map<uint32_t, uint64_t>& inodes) {
             v.PutInRecord(inodes.at(20), 0x2C, inodes.at(21), 4);
             v.PutInRecord(inodes.at(22), 0x2C, inodes.at(21), 4);
         },
         nullptr},
        {"sectors per cluster 0xFF, backup boot sector intact",
         SpreadFiles(30),
         "", "",
         [](Volume& v, const std::map<uint32_t, uint64_t>&) { v.Put(0x0D, 0xFF, 1); },
         nullptr},
        {"sectors per cluster 0xFF in both boot sectors",
         SpreadFiles(50),
         "", "",
         [](Volume& v, const std::map<uint32_t, uint64_t>&) {
             v.Put(0x0D, 0xFF, 1);
             v.Put(v.bytes.size() - 512 + 0x0D, 0xFF, 1);
         },
         // No boot sector's geometry held its check: the copies of record 0
         // found raw place the volume, its $AttrDef, $UpCase, $Bitmap and
         // mirror bearing the cluster size out, and the records give their clusters.
         [](const ScanOutput& scan, const std::map<uint32_t, uint64_t>&) {
             for (const char* path : {"d/a.bin", "d/b.bin", "d/gone.bin", "big/7.bin"}) {
                 ASSERT_EQ(scan.files.count(path), 1u) << path;
                 EXPECT_EQ(scan.files.at(path)["dataState"], 0) << path;
             }
         }},
        {"sectors per cluster 0xFF in both boot sectors, record 0 and its mirror copy damaged",
         SpreadFiles(60),
         "", "",
         [](Volume& v, const std::map<uint32_t, uint64_t>&) {
             for (const uint64_t at : {v.Record(0), v.Get(0x38, 8) * v.clusterSize})
                 v.Put(at, 0x44414142, 4); // "BAAD"
             v.Put(0x0D, 0xFF, 1);
             v.Put(v.bytes.size() - 512 + 0x0D, 0xFF, 1);
         },
         // No geometry held its check and no copy of record 0 places the
         // volume: the records found raw give their names, but no clusters;
         // a value resident in its record is where the record was found (c.txt).
         [](const ScanOutput& scan, const std::map<uint32_t, uint64_t>&) {
             for (const char* path : {"d/a.bin", "d/b.bin", "d/gone.bin", "big/7.bin"}) {
                 ASSERT_EQ(scan.files.count(path), 1u) << path;
                 EXPECT_EQ(scan.files.at(path)["dataState"], 2) << path;
                 EXPECT_EQ(scan.files.at(path)["runs"].size(), 0u) << path;
             }
         },
         11},
        {"run offset inside another live file's run",
         {{40, "big.bin", 65536}, {41, "small.bin", 20000}, {42, "third.bin", 30000}},
         "", "",
         [](Volume& v, const std::map<uint32_t, uint64_t>& inodes) {
             const auto [bigRuns, bigLcn] = NtfsImage::FirstRun(v, inodes.at(40));
             const auto [runs, lcn] = NtfsImage::FirstRun(v, inodes.at(41));
             const uint64_t header = v.Field(inodes.at(41), runs, 1);
             const int lengthBytes = header & 0x0F, offsetBytes = static_cast<int>(header >> 4);
             ASSERT_LT(bigLcn + 2, 1ull << (8 * offsetBytes - 1)) << "the new offset fits the run's field";
             v.PutInRecord(inodes.at(41), runs + 1 + lengthBytes, bigLcn + 2, offsetBytes);
         },
         [](const ScanOutput& scan, const std::map<uint32_t, uint64_t>&) {
             ASSERT_EQ(scan.files.count("small.bin"), 1u) << "listed, as damaged";
             EXPECT_EQ(scan.files.at("small.bin")["dataState"], 2);
             ASSERT_EQ(scan.files.count("big.bin"), 1u);
             EXPECT_EQ(scan.files.at("big.bin")["dataState"], 0);
         },
         1},
    };
    return cases;
}

class NtfsDamagedRecords : public ::testing::TestWithParam<size_t> {};

TEST_P(NtfsDamagedRecords, EveryFileUnderItsOwnNameOrNotAtAll)
{
    const std::string missing = NtfsImage::MissingTools();
    if (!missing.empty())
        SKIP_FOR_MISSING(missing);
    REQUIRE_TOOL("tsk_recover");
    const Case& c = Cases().at(GetParam());
    SCOPED_TRACE(c.name);
    const char* figuresProbe = std::getenv("VELMORA_FIGURES_PROBE");
    const std::string probe = figuresProbe ? figuresProbe : TestSupport::ProbePath();

    TestSupport::TempDir dir;
    const std::string image = dir / "volume.img";
    MakeVolume(image, dir / "staging", c.files, c.after);
    if (!c.remounted.empty())
        NtfsImage::RunMounted(image, c.remounted);
    if (HasFatalFailure())
        return;
    const auto inodes = Inodes(image, c.files);
    Volume volume(image);
    if (c.damage)
        c.damage(volume, inodes);
    if (HasFatalFailure())
        return;
    volume.Save();

    const auto scan = ScanAndRecover(probe, image, dir.Path().string());
    const Figures engine = Classify(c.files, inodes, scan.recovered, false);
    const Figures peer = Classify(c.files, inodes, PeerRecover(image, dir.Path().string()), true);
    std::printf("FIGURES (%s) | %s | %zu files | engine %s | tsk_recover %s |\n", figureColumns, c.name,
                c.files.size(), engine.Text().c_str(), peer.Text().c_str());
    if (figuresProbe)
        return;

    EXPECT_EQ(engine.foreign, 0u) << "a file holding another file's bytes";
    EXPECT_EQ(engine.wrongFolder, 0u);
    if (c.check)
        c.check(scan, inodes);
    // Every other file whose record survives comes back exact.
    size_t recoverable = 0;
    for (const auto& file : c.files)
        recoverable += inodes.at(file.id) != 0;
    EXPECT_EQ(engine.exact, recoverable - c.withoutData);
}

INSTANTIATE_TEST_SUITE_P(Cases, NtfsDamagedRecords, ::testing::Range<size_t>(0, Cases().size()));

}
