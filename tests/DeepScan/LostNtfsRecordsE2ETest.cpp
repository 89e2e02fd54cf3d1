// A lost NTFS volume (mkntfs, tagged files written through ntfs-3g) in a disk
// whose partition table is then wiped (sfdisk --delete or sgdisk --zap-all),
// its boot sector, its backup or its records damaged as each case needs. The
// raw search finds the volume by its boot sector or by its records alone;
// every file comes back with its own bytes under its own name, or is listed
// without data where no check places its clusters, never with another file's
// bytes. tsk_recover reads the same disk at the volume's start in the same run.
#include "NTFS/NtfsImage.h"
#include "NTFS/NtfsVolumeBytes.h"
#include "support/ProbeOutput.h"
#include "support/RecoveryTally.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>

namespace fs = std::filesystem;
using TestSupport::Quote;
using TestSupport::RunOrFail;

namespace {

constexpr uint64_t MiB = 1024 * 1024;
constexpr uint64_t diskMiB = 24;
constexpr uint64_t partitionMiB = 16;
// Off any MiB boundary: the volume's start must come from the volume.
constexpr uint64_t partitionStart = 3 * MiB + 64 * 1024;

struct SourceFile {
    uint32_t id;
    std::string path; // in the volume, with "/"
    uint64_t size;
    bool deleted = false;
};

// Resident (small.txt), fragmented by nothing, in folders, one deleted.
const std::vector<SourceFile> sourceFiles = {
    {1, "Docs/report.bin", 20000},   {2, "Docs/notes.bin", 9000},       {3, "Pics/a.bin", 65536},
    {4, "Pics/b.bin", 30000},        {5, "Docs/small.txt", 600},        {6, "Docs/gone.bin", 12000, true},
    {7, "Pics/sub/c.bin", 40000},
};

enum class Table { Mbr, Gpt };

using Inodes = std::map<uint32_t, uint64_t>;

struct Case {
    const char* name;
    Table table;
    bool bootDamaged;
    bool backupDamaged;
    // Damage to the volume's records, before it is laid into the disk.
    std::function<void(NtfsImage::VolumeBytes&, const Inodes&)> damage;
    // Files listed without data: no check places their clusters.
    std::set<uint32_t> withoutData;
    // Where a file comes back other than at its own path ("#": its record number).
    std::map<uint32_t, std::string> listedAs;
    // mkntfs's cluster size, when not its default (4096 bytes here).
    std::string clusterSize = "";
};

void FileNameGone(NtfsImage::VolumeBytes& v, const Inodes& inodes)
{
    for (const uint32_t id : {1u, 6u})
        v.PutInRecord(inodes.at(id), v.Attribute(inodes.at(id), 0x30), 0x31, 1);
}

// b.bin's first run begins two clusters into a.bin's: both are in use.
void RunInsideAnother(NtfsImage::VolumeBytes& v, const Inodes& inodes)
{
    const auto [aRuns, aLcn] = NtfsImage::FirstRun(v, inodes.at(3));
    const auto [runs, lcn] = NtfsImage::FirstRun(v, inodes.at(4));
    const uint64_t header = v.Field(inodes.at(4), runs, 1);
    const int lengthBytes = header & 0x0F, offsetBytes = static_cast<int>(header >> 4);
    ASSERT_LT(aLcn + 2, 1ull << (8 * offsetBytes - 1)) << "the new offset fits the run's field";
    v.PutInRecord(inodes.at(4), runs + 1 + lengthBytes, aLcn + 2, offsetBytes);
}

// Record 0 in the $MFT and its copy in $MFTMirr: no copy of it is left to place the volume.
void Record0Gone(NtfsImage::VolumeBytes& v, const Inodes&)
{
    for (const uint64_t at : {v.Record(0), v.Get(0x38, 8) * v.clusterSize})
        v.Put(at, 0x44414142, 4); // "BAAD"
}

const std::vector<Case>& Cases()
{
    const std::set<uint32_t> clustered = {1, 2, 3, 4, 6, 7};
    static const std::vector<Case> cases = {
        {"boot sector damaged, backup intact", Table::Gpt, true, false, nullptr, {}, {}},
        {"boot sector and backup damaged", Table::Mbr, true, true, nullptr, {}, {}},
        {"boot sectors and record 0's copies damaged", Table::Mbr, true, true, Record0Gone, clustered, {}},
        {"table wiped, a run inside another file", Table::Gpt, false, false, RunInsideAnother, {4}, {}},
        {"boot sectors damaged, a run inside another file", Table::Mbr, true, true, RunInsideAnother, {4}, {}},
        {"table wiped, $FILE_NAME gone", Table::Mbr, false, false, FileNameGone, {}, {{6, "Unknown/MFT record #"}}},
        {"boot sectors damaged, $FILE_NAME gone", Table::Gpt, true, true, FileNameGone, {},
         {{6, "Unknown/MFT record #"}}},
        // The cluster size is found, not assumed: records smaller and larger than a cluster.
        {"boot sectors damaged, clusters of 1 KiB", Table::Mbr, true, true, nullptr, {}, {}, "1024"},
        {"boot sectors damaged, clusters of 16 KiB", Table::Gpt, true, true, nullptr, {}, {}, "16384"},
    };
    return cases;
}

// The record number fls gives each file (deleted ones from fls -d).
Inodes ReadInodes(const std::string& image)
{
    const auto live = NtfsImage::ListFiles(image);
    const auto deleted = NtfsImage::ListFiles(image, true);
    Inodes inodes;
    for (const auto& file : sourceFiles) {
        const auto& listing = file.deleted ? deleted : live;
        const auto found = listing.find(file.path);
        EXPECT_NE(found, listing.end()) << file.path;
        inodes[file.id] = found == listing.end() ? 0 : found->second;
    }
    return inodes;
}

// The volume with its files written and the deleted ones removed.
std::vector<TestSupport::WrittenFile> MakeVolume(const TestSupport::TempDir& dir, const std::string& image,
                                                 const std::string& clusterSize)
{
    std::vector<TestSupport::WrittenFile> written;
    std::string script;
    for (const auto& file : sourceFiles) {
        written.push_back(TestSupport::WriteTaggedFileUnder(dir / "src", file.path, file.id, file.size));
        const std::string target = "\"$M/" + file.path + "\"";
        script += "mkdir -p \"$(dirname " + target + ")\"\ncp " + Quote(dir / ("src/" + file.path)) + " " + target + "\n";
    }
    script += "sync\n";
    for (const auto& file : sourceFiles)
        if (file.deleted)
            script += "rm \"$M/" + file.path + "\"\n";
    NtfsImage::Make(image, partitionMiB,
                    "-Q -p " + std::to_string(partitionStart / 512) + (clusterSize.empty() ? "" : " -c " + clusterSize),
                    script);
    return written;
}

// The disk: a table holding the volume, laid by sfdisk or sgdisk, the volume
// copied in, then the table wiped.
void MakeDisk(const std::string& disk, const std::string& volume, Table table)
{
    RunOrFail("truncate -s " + std::to_string(diskMiB) + "M " + Quote(disk));
    const std::string first = std::to_string(partitionStart / 512);
    const std::string sectors = std::to_string(partitionMiB * MiB / 512);
    if (table == Table::Gpt)
        RunOrFail("sgdisk -q -a 1 -n 1:" + first + ":+" + std::to_string(partitionMiB) + "M -t 1:0700 " + Quote(disk));
    else
        RunOrFail("printf 'start=" + first + ", size=" + sectors + ", type=7\\n' | sfdisk -q " + Quote(disk));
    RunOrFail("dd if=" + Quote(volume) + " of=" + Quote(disk) + " bs=512 seek=" + first +
              " conv=notrunc status=none");
    if (table == Table::Gpt)
        RunOrFail("sgdisk -q --zap-all " + Quote(disk) + " >/dev/null");
    else
        RunOrFail("sfdisk -q --delete " + Quote(disk));
}

// The found files' lines of the probe's scan, by path with "/".
std::map<std::string, nlohmann::json> FoundLines(const std::string& work)
{
    std::map<std::string, nlohmann::json> lines;
    std::ifstream in(work + "/named.jsonl");
    for (std::string text; std::getline(in, text);) {
        auto line = nlohmann::json::parse(text, nullptr, false);
        if (!line.is_discarded() && line.contains("path"))
            lines[NtfsImage::FoundPath(line["path"])] = line;
    }
    return lines;
}

std::string ListedPath(const Case& c, const SourceFile& file, const Inodes& inodes)
{
    const auto other = c.listedAs.find(file.id);
    if (other == c.listedAs.end())
        return file.path;
    std::string path = other->second;
    if (const auto hash = path.find('#'); hash != std::string::npos)
        path.replace(hash, 1, std::to_string(inodes.at(file.id)));
    return path;
}

// Files whose bytes came back whole at the path a sound recovery gives them.
size_t ExactByName(const Case& c, const TestSupport::Tally& tally, const Inodes& inodes)
{
    size_t exact = 0;
    for (const auto& file : sourceFiles) {
        const auto named = tally.namedAs.find(file.path);
        if (named == tally.namedAs.end())
            continue;
        const std::set<std::string> paths(named->second.begin(), named->second.end());
        // The Sleuth Kit's folder of files whose name or folder is gone stands for our "Unknown".
        const std::string orphan = "$OrphanFiles/OrphanFile-" + std::to_string(inodes.at(file.id));
        exact += paths.count(ListedPath(c, file, inodes)) != 0 || paths.count(file.path) != 0 ||
                 (c.listedAs.count(file.id) != 0 && paths.count(orphan) != 0);
    }
    return exact;
}

class LostNtfsRecords : public ::testing::TestWithParam<size_t> {};

TEST_P(LostNtfsRecords, EveryFileItsOwnBytesOrNone)
{
    const std::string missing = NtfsImage::MissingTools();
    if (!missing.empty())
        SKIP_FOR_MISSING(missing);
    for (const char* tool : {"sfdisk", "sgdisk", "tsk_recover"})
        REQUIRE_TOOL(tool);
    const Case& c = Cases().at(GetParam());
    SCOPED_TRACE(c.name);
    TestSupport::TempDir dir;
    const std::string volume = dir / "volume.img";
    const auto written = MakeVolume(dir, volume, c.clusterSize);
    if (HasFatalFailure())
        return;
    const Inodes inodes = ReadInodes(volume);
    NtfsImage::VolumeBytes bytes(volume);
    if (c.damage)
        c.damage(bytes, inodes);
    // Overwritten whole, as a new table or a boot loader leaves them.
    const auto zeroSector = [&](uint64_t at) { std::fill_n(bytes.bytes.begin() + static_cast<std::ptrdiff_t>(at), 512, 0); };
    if (c.bootDamaged)
        zeroSector(0);
    if (c.backupDamaged)
        zeroSector(bytes.bytes.size() - 512);
    if (HasFatalFailure())
        return;
    bytes.Save();
    const std::string disk = dir / "disk.img";
    MakeDisk(disk, volume, c.table);

    const std::string ours = dir / "ours", peer = dir / "peer";
    fs::create_directories(ours);
    fs::create_directories(peer);
    std::vector<std::string> found;
    const auto engine = TestSupport::ProbeTally(written, disk, {}, ours, &found);
    const auto tsk = TestSupport::TskTally(written, disk, partitionStart, peer);
    std::printf("FIGURES (exact by name / lost / with foreign bytes) | %s | %zu files | velmora %zu / %zu / %zu | "
                "tsk_recover %zu / %zu / %zu |\n",
                c.name, written.size(), ExactByName(c, engine, inodes), engine.lost, engine.foreign,
                ExactByName(c, tsk, inodes), tsk.lost, tsk.foreign);

    EXPECT_EQ(engine.foreign, 0u) << ::testing::PrintToString(engine.foreignPaths);
    const auto lines = FoundLines(ours);
    const std::string listing = TestSupport::Listing(found);
    for (const auto& file : sourceFiles) {
        SCOPED_TRACE(file.path);
        const std::string path = ListedPath(c, file, inodes);
        if (c.withoutData.count(file.id)) {
            EXPECT_EQ(engine.namedAs.count(file.path), 0u) << "no check places its clusters";
            ASSERT_EQ(lines.count(path), 1u) << "listed all the same:\n" << listing;
            EXPECT_EQ(lines.at(path)["dataState"], 2);
            continue;
        }
        const auto named = engine.namedAs.find(file.path);
        ASSERT_NE(named, engine.namedAs.end()) << "listed:\n" << listing;
        for (const auto& recovered : named->second)
            EXPECT_EQ(recovered, path);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LostNtfsRecords, ::testing::Range<size_t>(0, Cases().size()));

}
