// Two volumes with one serial number in a disk whose table is wiped: two
// NTFS volumes (mkntfs, files through ntfs-3g, the second's serial patched to
// the first's in both boot sectors, as a copied partition has it) in a GPT
// disk zapped by sgdisk, and two FAT32 volumes made by mkfs.fat -i with one
// volume ID in an MBR disk emptied by sfdisk. Both volumes are found and
// every file comes back whole under its name in its folder; TestDisk, run on
// the same disk, finds both too (tsk_recover reads what it finds).
#include "NTFS/NtfsImage.h"
#include "support/RecoveryTally.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <set>

using TestSupport::Quote;
using TestSupport::RunOrFail;
namespace fs = std::filesystem;

namespace {

constexpr uint64_t MiB = 1024 * 1024;
constexpr uint64_t partitionMiB = 40;
const uint64_t starts[2] = {1 * MiB, 42 * MiB};

// Tagged files for volume v, written under source: "Docs/..." and "Pictures/...".
std::vector<TestSupport::WrittenFile> SourceFiles(const std::string& source, int v)
{
    std::vector<TestSupport::WrittenFile> files;
    for (uint32_t i = 1; i <= 12; ++i) {
        const uint32_t id = 100 * v + i;
        files.push_back(TestSupport::WriteTaggedFileUnder(
            source, (i % 2 ? "Docs/report " : "Pictures/IMG") + std::to_string(id) + ".bin", id,
            (2 + 5 * i) * 512 + 77 * i));
    }
    return files;
}

void Place(const std::string& disk, const std::string& part, uint64_t start)
{
    RunOrFail("dd if=" + Quote(part) + " of=" + Quote(disk) + " bs=1M seek=" + std::to_string(start / MiB) +
              " conv=notrunc status=none");
}

void CopyBytes(const std::string& from, uint64_t fromAt, const std::string& to, uint64_t toAt, size_t length)
{
    std::ifstream in(from, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(fromAt));
    std::string bytes(length, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(length));
    std::fstream out(to, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(toAt));
    out.write(bytes.data(), static_cast<std::streamsize>(length));
    ASSERT_TRUE(in && out) << "copying " << length << " bytes from " << from << " to " << to;
}

// The partitions TestDisk's quick search finds, by byte offset: its log's
// table gives their first sector as cylinder, head, sector of 255 heads and
// 63 sectors.
std::vector<uint64_t> TestdiskStarts(const std::string& disk, const std::string& work)
{
    fs::create_directories(work);
    TestSupport::RunCommand("cd " + Quote(work) + " && testdisk /log /cmd " + Quote(disk) +
                            " analyze,search >/dev/null 2>&1");
    std::ifstream log(work + "/testdisk.log");
    // " 1 * HPFS - NTFS   0  32 33   5  57 52   81920 [label]": number, kind, type, start, end, size.
    const std::regex row(R"(^\s*\d+ [*PLED] .+?\s+(\d+)\s+(\d+)\s+(\d+)\s+\d+\s+\d+\s+\d+\s+\d+(\s+\[.*\])?\s*$)");
    std::set<uint64_t> found;
    for (std::string line; std::getline(log, line);) {
        std::smatch m;
        if (std::regex_search(line, m, row))
            found.insert(((std::stoull(m[1]) * 255 + std::stoull(m[2])) * 63 + std::stoull(m[3]) - 1) * 512);
    }
    return {found.begin(), found.end()};
}

// The figures and checks both cases share.
void ExpectBothVolumes(const std::string& name, const TestSupport::TempDir& dir, const std::string& disk,
                       const std::vector<TestSupport::WrittenFile>& files)
{
    fs::create_directories(dir / "ours");
    std::vector<std::string> found;
    const auto ours = TestSupport::ProbeTally(files, disk, {0}, dir / "ours", &found);
    const auto partitions = TestdiskStarts(disk, dir / "testdisk");
    TestSupport::Tally testdisk;
    for (size_t i = 0; i < partitions.size(); ++i) {
        const std::string work = dir / ("testdisk/" + std::to_string(i));
        fs::create_directories(work);
        TestSupport::TskTally(files, disk, partitions[i], work);
    }
    testdisk = TestSupport::TallyOutputs(files, dir / "testdisk", "");
    TestSupport::PrintTallies(name, {{"velmora", ours}, {"testdisk+tsk", testdisk}});
    std::cout << name << ": TestDisk found " << partitions.size() << " partitions\n";
    EXPECT_EQ(partitions, (std::vector<uint64_t>{starts[0], starts[1]})) << "TestDisk, the reference, finds both";

    const std::string listing = TestSupport::Listing(found);
    EXPECT_EQ(ours.foreign, 0u) << ::testing::PrintToString(ours.foreignPaths);
    for (const auto& file : files) {
        SCOPED_TRACE(file.path);
        const auto named = ours.namedAs.find(file.path);
        ASSERT_TRUE(named != ours.namedAs.end()) << "listed:\n" << listing;
        // In its folder, under its name or (a long name split over two clusters met apart) its 8.3 alias.
        for (const auto& path : named->second) {
            const size_t slash = file.path.rfind('/');
            EXPECT_TRUE(path == file.path || (path.rfind(file.path.substr(0, slash + 1), 0) == 0 &&
                                              path.find('~', slash) != std::string::npos))
                << "recovered as " << path;
        }
    }
}

}

TEST(ClonedVolumes, TwoNtfsVolumesWithOneSerialAreBothFound)
{
    REQUIRE_NTFS_TOOLS();
    REQUIRE_TOOL("sgdisk");
    REQUIRE_TOOL("testdisk");
    REQUIRE_TOOL("tsk_recover");
    TestSupport::TempDir dir;
    const std::string disk = dir / "disk.img";
    RunOrFail("truncate -s 88M " + Quote(disk));
    RunOrFail("sgdisk -q -n 1:" + std::to_string(starts[0] / 512) + ":+" + std::to_string(partitionMiB) + "M -n 2:" +
              std::to_string(starts[1] / 512) + ":+" + std::to_string(partitionMiB) + "M -t 1:0700 -t 2:0700 " +
              Quote(disk));
    std::vector<TestSupport::WrittenFile> files;
    std::string parts[2];
    for (int v = 0; v < 2; ++v) {
        const std::string source = dir / ("src" + std::to_string(v));
        const auto written = SourceFiles(source, v);
        files.insert(files.end(), written.begin(), written.end());
        parts[v] = dir / ("part" + std::to_string(v) + ".img");
        NtfsImage::Make(parts[v], partitionMiB, "-Q -p " + std::to_string(starts[v] / 512),
                        "cp -r " + Quote(source) + "/. \"$M/\"\n");
    }
    // The second volume takes the first's serial number, in its boot sector and in its backup.
    const uint64_t backup = partitionMiB * MiB - 512;
    CopyBytes(parts[0], 0x48, parts[1], 0x48, 8);
    CopyBytes(parts[0], 0x48, parts[1], backup + 0x48, 8);
    for (int v = 0; v < 2; ++v)
        Place(disk, parts[v], starts[v]);
    RunOrFail("sgdisk -q --zap-all " + Quote(disk) + " >/dev/null");
    ExpectBothVolumes("NtfsOneSerial", dir, disk, files);
}

TEST(ClonedVolumes, TwoFat32VolumesWithOneVolumeIdAreBothFound)
{
    for (const char* tool : {"mkfs.fat", "mcopy", "sfdisk", "testdisk", "tsk_recover"})
        REQUIRE_TOOL(tool);
    TestSupport::TempDir dir;
    const std::string disk = dir / "disk.img";
    RunOrFail("truncate -s 88M " + Quote(disk));
    RunOrFail("printf 'start=" + std::to_string(starts[0] / 512) + ", size=" + std::to_string(partitionMiB * 2048) +
              ", type=c\\nstart=" + std::to_string(starts[1] / 512) + ", size=" + std::to_string(partitionMiB * 2048) +
              ", type=c\\n' | sfdisk -q " + Quote(disk));
    std::vector<TestSupport::WrittenFile> files;
    for (int v = 0; v < 2; ++v) {
        const std::string source = dir / ("src" + std::to_string(v));
        const auto written = SourceFiles(source, v);
        files.insert(files.end(), written.begin(), written.end());
        const std::string part = dir / ("part" + std::to_string(v) + ".img");
        RunOrFail("truncate -s " + std::to_string(partitionMiB) + "M " + Quote(part) + " && mkfs.fat -F 32 -i 12345678 " +
                  Quote(part) + " >/dev/null 2>&1");
        RunOrFail("mmd -i " + Quote(part) + " ::Docs ::Pictures");
        for (const auto& file : written)
            RunOrFail("mcopy -i " + Quote(part) + " " + Quote(source + "/" + file.path) + " " + Quote("::" + file.path));
        Place(disk, part, starts[v]);
    }
    RunOrFail("sfdisk -q --delete " + Quote(disk));
    ExpectBothVolumes("Fat32OneVolumeId", dir, disk, files);
}
