// Lost volumes on a disk whose partition table is gone: two FAT32 volumes
// (mkfs.fat, mtools) and an exFAT volume (mkfs.exfat, files written through
// exfat-fuse on a loop device) in an MBR image, the table then wiped by
// sfdisk --delete or by zeroing sector 0. Each volume is found once, numbered
// in disk order, lists what fls lists and gives back icat's bytes.
#include "FAT/EngineChecks.h"
#include "NTFS/NtfsImage.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using TestSupport::Quote;
using TestSupport::RunOrFail;

namespace {

constexpr uint64_t MiB = 1024 * 1024;

struct Volume {
    uint64_t start;  // bytes into the disk
    uint64_t length; // bytes
    std::string kind;
};

std::string Disk(const TestSupport::TempDir& dir)
{
    return dir / "disk.img";
}

// Writes a file system image and copies it into the disk at its start.
void Place(const std::string& disk, const std::string& part, uint64_t start)
{
    RunOrFail("dd if=" + Quote(part) + " of=" + Quote(disk) + " bs=1M oflag=seek_bytes seek=" + std::to_string(start) +
              " conv=notrunc status=none");
}

void MakeFat32(const TestSupport::TempDir& dir, const std::string& part, uint64_t length, const std::string& tag,
               int sectorsPerCluster = 1)
{
    RunOrFail("truncate -s " + std::to_string(length) + " " + Quote(part) + " && mkfs.fat -F 32 -s " +
              std::to_string(sectorsPerCluster) + " -S 512 " + Quote(part) + " >/dev/null 2>&1");
    const std::string one = dir / (tag + "-one.bin");
    const std::string two = dir / (tag + "-two.txt");
    RunOrFail("head -c 70000 /dev/urandom > " + Quote(one) + " && seq 1 4000 > " + Quote(two));
    RunOrFail("mmd -i " + Quote(part) + " ::Docs && mcopy -i " + Quote(part) + " " + Quote(one) + " ::" + tag +
              ".bin && mcopy -i " + Quote(part) + " " + Quote(two) + " ::Docs/" + tag + ".txt");
}

bool MakeExFat(const TestSupport::TempDir& dir, const std::string& part, uint64_t length)
{
    RunOrFail("truncate -s " + std::to_string(length) + " " + Quote(part) + " && mkfs.exfat " + Quote(part) +
              " >/dev/null");
    std::string loop;
    if (TestSupport::RunCommand("losetup -f --show " + Quote(part), &loop) != 0)
        return false;
    loop.erase(loop.find_last_not_of("\n") + 1);
    // Detached whatever happens between here and the end.
    struct Detach {
        std::string device;
        ~Detach() { TestSupport::RunCommand("losetup -d " + Quote(device)); }
    } detach{loop};
    const std::string mount = dir / "mnt";
    std::filesystem::create_directories(mount);
    bool ok = TestSupport::RunCommand("mount.exfat-fuse " + loop + " " + Quote(mount) + " 2>&1") == 0;
    if (ok) {
        struct Unmount {
            std::string point;
            ~Unmount() { TestSupport::UnmountFuse(point); }
        } unmount{mount};
        RunOrFail("mkdir " + Quote(mount + "/Music") + " && head -c 90000 /dev/urandom > " + Quote(mount + "/Music/x.bin") +
                  " && seq 1 3000 > " + Quote(mount + "/notes.txt"));
    }
    return ok;
}

struct Found {
    std::string path;
    uint64_t size;
    nlohmann::json line;
};

std::map<int, std::vector<Found>> ScanLost(const std::string& disk, std::string* lines)
{
    std::string out;
    TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(disk) + TestSupport::ProbePath() +
                                " scan --disk 0 --volume 0 2>/dev/null",
                            &out);
    *lines = out;
    std::map<int, std::vector<Found>> byVolume;
    for (const auto& line : TestSupport::ParseJsonLines(out)) {
        if (line["kind"] != "Fat32File" && line["kind"] != "ExFatFile" && line["kind"] != "NtfsFile")
            continue;
        EXPECT_EQ(line["lostPartitionFlag"], 1);
        byVolume[line["lostPartitionNumber"].get<int>()].push_back(
            {line["path"].get<std::string>(), line["fileSize"].get<uint64_t>(), line});
    }
    return byVolume;
}

// The volume's regular files as fls lists them, with icat's bytes.
std::map<std::string, std::string> FlsFiles(const std::string& disk, uint64_t start)
{
    std::string listing;
    TestSupport::RunCommand("fls -r -p -o " + std::to_string(start / 512) + " " + Quote(disk), &listing);
    std::map<std::string, std::string> files;
    std::istringstream in(listing);
    std::string text;
    while (std::getline(in, text)) {
        if (text.rfind("r/r ", 0) != 0 || text.find('*') != std::string::npos)
            continue;
        const size_t colon = text.find(":\t");
        const std::string inode = text.substr(4, colon - 4);
        const std::string path = text.substr(colon + 2);
        if (path.rfind("$", 0) == 0)
            continue;
        std::string bytes;
        TestSupport::RunCommand("icat -o " + std::to_string(start / 512) + " " + Quote(disk) + " " + inode, &bytes);
        files[path] = bytes;
    }
    return files;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ExpectEachVolumeOnce(const TestSupport::TempDir& dir, const std::string& disk, const std::vector<Volume>& volumes)
{
    std::string lines;
    const auto found = ScanLost(disk, &lines);
    std::string summary;
    for (const auto& [number, files] : found)
        summary += std::to_string(number) + ": " + files.front().line["kind"].get<std::string>() + " " +
                   std::to_string(files.size()) + " files, first " + files.front().line.dump() + "\n";
    ASSERT_EQ(found.size(), volumes.size()) << summary;
    const std::string out = dir / "out";
    std::filesystem::remove_all(out);
    size_t number = 1;
    for (const auto& volume : volumes) {
        SCOPED_TRACE(volume.kind + " at " + std::to_string(volume.start));
        const auto it = found.find(static_cast<int>(number++));
        ASSERT_NE(it, found.end());
        const auto expected = FlsFiles(disk, volume.start);
        ASSERT_FALSE(expected.empty());
        std::set<std::string> listed;
        std::ofstream input(dir / "found.jsonl");
        for (const auto& file : it->second) {
            listed.insert(FatTest::FlsForm(file.path));
            input << file.line.dump() << "\n";
        }
        input.close();
        std::set<std::string> flsPaths;
        for (const auto& [path, bytes] : expected)
            flsPaths.insert(path);
        EXPECT_EQ(listed, flsPaths);
        const std::string target = out + "/" + std::to_string(number);
        TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(disk) + TestSupport::ProbePath() + " recover --out " +
                                Quote(target) + " < " + Quote(dir / "found.jsonl") + " >/dev/null 2>&1");
        for (const auto& [path, bytes] : expected)
            EXPECT_EQ(ReadText(target + "/" + path), bytes) << path;
    }
}

}

TEST(LostPartitionE2E, VolumesOfAWipedTableAreFoundOnceInDiskOrder)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mcopy");
    REQUIRE_TOOL("fls");
    REQUIRE_TOOL("sfdisk");
    TestSupport::TempDir dir;
    const std::string disk = Disk(dir);
    std::vector<Volume> volumes = {{1 * MiB, 48 * MiB, "FAT32"}, {49 * MiB, 48 * MiB, "FAT32"}};
    const bool withExFat = TestSupport::IsRoot() && TestSupport::HaveTool("mkfs.exfat") &&
                           TestSupport::HaveTool("mount.exfat-fuse") && std::filesystem::exists("/dev/fuse");
    if (withExFat)
        volumes.push_back({97 * MiB, 64 * MiB, "exFAT"});
    else
        std::cout << "exFAT volume left out: needs root, /dev/fuse, mkfs.exfat and exfat-fuse\n";
    RunOrFail("truncate -s 256M " + Quote(disk));
    std::string table = "label: dos\n";
    for (const auto& v : volumes)
        table += "start=" + std::to_string(v.start / 512) + ", size=" + std::to_string(v.length / 512) +
                 ", type=" + (v.kind == "FAT32" ? "c" : "7") + "\n";
    std::ofstream(dir / "table.txt") << table;
    RunOrFail("sfdisk -q " + Quote(disk) + " < " + Quote(dir / "table.txt"));
    for (size_t i = 0; i < volumes.size(); ++i) {
        const std::string part = dir / ("part" + std::to_string(i) + ".img");
        if (volumes[i].kind == "FAT32")
            MakeFat32(dir, part, volumes[i].length, "vol" + std::to_string(i));
        else
            ASSERT_TRUE(MakeExFat(dir, part, volumes[i].length));
        Place(disk, part, volumes[i].start);
    }
    const std::string wiped = dir / "zeroed.img";
    RunOrFail("cp " + Quote(disk) + " " + Quote(wiped) + " && dd if=/dev/zero of=" + Quote(wiped) +
              " bs=512 count=1 conv=notrunc status=none");
    RunOrFail("sfdisk -q --delete " + Quote(disk));
    {
        SCOPED_TRACE("sfdisk --delete");
        ExpectEachVolumeOnce(dir, disk, volumes);
    }
    {
        SCOPED_TRACE("sector 0 zeroed");
        ExpectEachVolumeOnce(dir, wiped, volumes);
    }
}

// A FAT32 volume whose data area lies 4 MiB into the disk, where the
// directory-start guess would build it a second time.
TEST(LostPartitionE2E, Fat32WithItsDataAreaAt4MiBIsFoundOnce)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mcopy");
    REQUIRE_TOOL("fls");
    TestSupport::TempDir dir;
    const std::string part = dir / "part.img";
    // Clusters of 4096 bytes, as the guess tries; mtools wants a full-size FAT32 for them.
    MakeFat32(dir, part, 264 * MiB, "data", 8);
    std::ifstream boot(part, std::ios::binary);
    uint8_t b[512];
    boot.read(reinterpret_cast<char*>(b), 512);
    const uint64_t dataArea = (uint64_t{b[14]} | uint64_t{b[15]} << 8) * 512 +
                              b[16] * (uint64_t{b[36]} | uint64_t{b[37]} << 8 | uint64_t{b[38]} << 16) * 512;
    ASSERT_LT(dataArea, 4 * MiB);
    const std::string disk = Disk(dir);
    RunOrFail("truncate -s 272M " + Quote(disk));
    const uint64_t start = 4 * MiB - dataArea;
    Place(disk, part, start);
    ExpectEachVolumeOnce(dir, disk, {{start, 264 * MiB, "FAT32"}});
}

// An NTFS volume (mkntfs, files written and some deleted through ntfs-3g) in
// an MBR image whose table sfdisk then deletes: the raw search of the whole
// disk finds it and lists its live and deleted files as fls -o lists them,
// with icat -o's bytes.
TEST(LostPartitionE2E, NtfsVolumeWithDeletedFilesIsFoundAsFlsListsIt)
{
    REQUIRE_NTFS_TOOLS();
    REQUIRE_TOOL("sfdisk");
    TestSupport::TempDir dir;
    const std::string disk = Disk(dir);
    const uint64_t start = 1 * MiB, length = 64 * MiB;
    RunOrFail("truncate -s 96M " + Quote(disk));
    std::ofstream(dir / "table.txt") << "label: dos\nstart=" << start / 512 << ", size=" << length / 512
                                     << ", type=7\n";
    RunOrFail("sfdisk -q " + Quote(disk) + " < " + Quote(dir / "table.txt"));
    const std::string part = dir / "ntfs.img";
    NtfsImage::Make(part, length / MiB, "-Q -p " + std::to_string(start / 512), R"(
mkdir -p "$M/Docs/old" "$M/Pictures"
head -c 1500 /dev/urandom > "$M/Docs/letter.bin"
head -c 300 /dev/urandom > "$M/Docs/small.txt"
head -c 180000 /dev/urandom > "$M/Pictures/photo.jpg"
for i in $(seq 1 20); do echo "entry $i" > "$M/Docs/note$i.txt"; done
head -c 90000 /dev/urandom > "$M/Pictures/removed.jpg"
head -c 4000 /dev/urandom > "$M/Docs/old/draft.bin"
echo gone > "$M/Docs/old/gone.txt"
sync
rm "$M/Pictures/removed.jpg"
rm -r "$M/Docs/old"
)");
    Place(disk, part, start);
    RunOrFail("sfdisk -q --delete " + Quote(disk));

    // fls -o of the lost volume: regular files, live and deleted, without NTFS's own.
    struct Entry {
        std::string inode;
        bool deleted;
    };
    const std::string offset = std::to_string(start / 512);
    std::string listing;
    ASSERT_EQ(TestSupport::RunCommand("fls -r -p -F -o " + offset + " " + Quote(disk), &listing), 0) << listing;
    std::map<std::string, Entry> expected;
    std::istringstream in(listing);
    for (std::string text; std::getline(in, text);) {
        const size_t tab = text.find('\t');
        // "r/r 64-128-2:<tab>path", "-/r * 91-128-2:<tab>path" for a deleted one.
        if ((text.rfind("r/r ", 0) != 0 && text.rfind("-/r ", 0) != 0) || tab == std::string::npos)
            continue;
        const std::string path = text.substr(tab + 1);
        if (path.rfind("$", 0) == 0 || path.find(':') != std::string::npos)
            continue;
        const std::string head = text.substr(0, tab);
        std::string inode = head.substr(head.rfind(' ') + 1);
        inode = inode.substr(0, inode.find(':'));
        expected[path] = {inode, head.find('*') != std::string::npos};
    }
    ASSERT_EQ(expected.size(), 26u) << listing;
    for (const std::string path : {"Pictures/removed.jpg", "Docs/old/draft.bin", "Docs/old/gone.txt"}) {
        ASSERT_EQ(expected.count(path), 1u) << listing;
        EXPECT_TRUE(expected.at(path).deleted) << path;
    }

    std::string lines;
    const auto found = ScanLost(disk, &lines);
    ASSERT_EQ(found.size(), 1u) << lines.substr(0, 4000);
    ASSERT_EQ(found.begin()->first, 1);
    std::map<std::string, nlohmann::json> listed;
    for (const auto& file : found.begin()->second) {
        EXPECT_EQ(file.line["kind"], "NtfsFile");
        const std::string path = FatTest::FlsForm(file.path);
        if (path.rfind("$", 0) == 0)
            continue;
        EXPECT_EQ(listed.count(path), 0u) << "listed twice: " << path;
        listed[path] = file.line;
    }
    std::set<std::string> listedPaths, flsPaths;
    for (const auto& [path, line] : listed)
        listedPaths.insert(path);
    for (const auto& [path, entry] : expected)
        flsPaths.insert(path);
    EXPECT_EQ(listedPaths, flsPaths);

    const std::string out = dir / "out";
    {
        std::ofstream input(dir / "found.jsonl");
        for (const auto& [path, entry] : expected)
            if (listed.count(path))
                input << listed.at(path).dump() << "\n";
    }
    TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(disk) + TestSupport::ProbePath() + " recover --out " +
                            Quote(out) + " < " + Quote(dir / "found.jsonl") + " >/dev/null 2>&1");
    for (const auto& [path, entry] : expected) {
        SCOPED_TRACE(path);
        if (!listed.count(path))
            continue;
        EXPECT_EQ(listed.at(path)["deletedState"], entry.deleted ? 1 : 0);
        std::string bytes;
        TestSupport::RunCommand("icat -o " + offset + " " + Quote(disk) + " " + entry.inode, &bytes);
        ASSERT_FALSE(bytes.empty());
        EXPECT_TRUE(ReadText(out + "/" + path) == bytes) << ReadText(out + "/" + path).size() << " of " << bytes.size();
    }
}
