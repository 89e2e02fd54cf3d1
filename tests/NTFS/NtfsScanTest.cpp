// Whole NTFS scans through velmora-probe on a volume filled through ntfs-3g,
// then partly deleted, compared with the Sleuth Kit's listing and icat.
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
using TestSupport::RunCommand;

namespace {

const char* const RecycleWriter = R"(
import struct, sys
folder = sys.argv[1]
def info2(path, size):
    text = (path + "\0").encode("utf-16-le")
    return struct.pack("<qqqI", 2, size, 133000000000000000, len(text) // 2) + text
def info1(path, size):
    text = path.encode("utf-16-le").ljust(520, b"\0")
    return struct.pack("<qqq", 1, size, 133000000000000000) + text
open(folder + "/$IAB12CD.txt", "wb").write(info2("C:\\Users\\me\\Docs\\report.txt", 11))
open(folder + "/$RAB12CD.txt", "wb").write(b"report body")
open(folder + "/$RXY34ZW.doc", "wb").write(b"old notes, version one" * 40)
open(folder + "/$IXY34ZW.doc", "wb").write(info1("C:\\Users\\me\\Old\\notes.doc", 880))
open(folder + "/$RLONELY.bin", "wb").write(b"no partner" * 700)
)";


std::string Script(const std::string& scratch)
{
    const std::string recycle = scratch + "/recycle.py", gaps = scratch + "/gaps.py";
    std::ofstream(recycle) << RecycleWriter;
    std::ofstream(gaps) << NtfsImage::GapWriter;
    return R"(
mkdir -p "$M/d1/d2/d3/d4/d5" "$M/dir1/sub/inner" "$M/gone/inner" "$M/dir500" "$M/links" "$M/names"
echo deep > "$M/d1/d2/d3/d4/d5/deep.txt"
: > "$M/zero.bin"
head -c 1 /dev/urandom > "$M/one.bin"
head -c 600 /dev/urandom > "$M/resident.bin"
head -c 5000 /dev/urandom > "$M/five.bin"
head -c 3145728 /dev/urandom > "$M/three.bin"
echo e > "$M/names/café.txt"
echo j > "$M/names/日本語.txt"
echo s > "$M/names/smile 😀.txt"
echo w > "$M/names/with  spaces .txt"
echo l > "$M/names/$(printf 'n%.0s' $(seq 1 251)).txt"
echo linked > "$M/links/l0.txt"
for i in $(seq 1 39); do ln "$M/links/l0.txt" "$M/links/l$i.txt"; done
for i in $(seq 1 500); do echo "file $i" > "$M/dir500/f$i.txt"; done
echo a > "$M/dir1/a.txt"; echo b > "$M/dir1/sub/b.txt"; head -c 9000 /dev/urandom > "$M/dir1/sub/inner/c.bin"
head -c 7000 /dev/urandom > "$M/dir1/del.bin"
head -c 20000 /dev/urandom > "$M/gone/inner/x.bin"; echo y > "$M/gone/y.txt"
head -c 30000 /dev/urandom > "$M/deleted.bin"
python3 )" + Quote(gaps) + R"( "$M/gaps.bin" 1000 0
python3 )" + Quote(gaps) + R"( "$M/filled.bin" 1000 1
mkdir -p "$M/\$Recycle.Bin/S-1-5-21-1-2-3-1001"
python3 )" + Quote(recycle) + R"( "$M/\$Recycle.Bin/S-1-5-21-1-2-3-1001"
echo install > "$M/\$Install.log"
echo notes > "$M/\$Reparse-notes.txt"
sync
cd "$M" && find . -type f -printf '%P\t%s\t%T@\n' > )" + Quote(scratch + "/manifest.txt") + R"(
rm "$M/dir1/del.bin" "$M/deleted.bin"
rm -r "$M/gone"
)";
}

struct Found {
    std::string path;
    uint64_t size = 0;
    int64_t time = 0;
    int deleted = 0;
    nlohmann::json line;
};

class NtfsScan : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!NtfsImage::MissingTools().empty())
            return;
        dir = new TestSupport::TempDir;
        image = *dir / "scan.img";
        NtfsImage::Make(image, 256, "-Q", Script(dir->Path().string()));
        std::ifstream manifestFile(*dir / "manifest.txt");
        for (std::string line; std::getline(manifestFile, line);) {
            std::istringstream fields(line);
            std::string path, size, time;
            std::getline(fields, path, '\t');
            std::getline(fields, size, '\t');
            std::getline(fields, time, '\t');
            manifest[path] = {std::stoull(size), static_cast<int64_t>(std::stod(time))};
        }
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override
    {
        REQUIRE_NTFS_TOOLS();
    }

    static std::vector<nlohmann::json> Scan(const std::string& arguments, int* status = nullptr)
    {
        std::string output;
        const int code = RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() +
                                        " scan --disk 0 --volume 0 " + arguments + " 2>/dev/null",
                                    &output);
        if (status)
            *status = code;
        return TestSupport::ParseJsonLines(output);
    }

    static std::map<std::string, std::vector<Found>> Files(const std::vector<nlohmann::json>& lines)
    {
        std::map<std::string, std::vector<Found>> files;
        for (const auto& line : lines) {
            if (line["kind"] != "NtfsFile")
                continue;
            Found found{NtfsImage::FoundPath(line["path"]), line["fileSize"], line["modifyTime"], line["deletedState"], line};
            files[found.path].push_back(found);
        }
        return files;
    }

    static TestSupport::TempDir* dir;
    static std::string image;
    static std::map<std::string, std::pair<uint64_t, int64_t>> manifest;
};
TestSupport::TempDir* NtfsScan::dir = nullptr;
std::string NtfsScan::image;
std::map<std::string, std::pair<uint64_t, int64_t>> NtfsScan::manifest;

bool IsMetafile(const std::string& path, uint64_t inode)
{
    return inode < 24 || path.rfind("$Extend/", 0) == 0 || path.rfind("$OrphanFiles", 0) == 0;
}

}

TEST_F(NtfsScan, ListsEveryFileAsTheSleuthKitDoes)
{
    int status = 0;
    const auto lines = Scan("", &status);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(status, 0);
    EXPECT_EQ(lines.back()["kind"], "ScanFinished") << lines.back().dump();
    for (const auto& line : lines)
        EXPECT_NE(line["kind"], "ScanFailed") << line.dump();
    const auto files = Files(lines);

    // Live files: the same set as fls lists, each once, with its size and its
    // modification time.
    const auto live = NtfsImage::ListFiles(image);
    auto ordinary = [](const std::string& path) {
        return path.find(':') == std::string::npos && path.rfind("$Recycle.Bin/", 0) != 0 &&
               path.rfind("links/", 0) != 0; // hard links: checked below
    };
    std::set<std::string> listed, found;
    for (const auto& [path, inode] : live)
        if (ordinary(path) && !IsMetafile(path, inode) && manifest.count(path)) // manifest: files, not folders
            listed.insert(path);
    for (const auto& [path, records] : files)
        for (const auto& record : records)
            if (ordinary(path) && record.deleted == 0 && !IsMetafile(path, record.line["nodeId"]))
                found.insert(path);
    EXPECT_EQ(found, listed);
    size_t checked = 0;
    for (const auto& path : listed) {
        SCOPED_TRACE(path);
        ASSERT_EQ(files.count(path), 1u);
        ASSERT_EQ(files.at(path).size(), 1u);
        const auto& record = files.at(path).front();
        EXPECT_EQ(record.size, manifest.at(path).first);
        EXPECT_EQ(record.time, manifest.at(path).second);
        EXPECT_EQ(record.deleted, 0);
        ++checked;
    }
    EXPECT_GT(checked, 510u);
    size_t linkNames = 0;
    for (const auto& [path, found] : files)
        linkNames += path.rfind("links/", 0) == 0 ? found.size() : 0;
    EXPECT_EQ(linkNames, 1u) << "a file with 40 names is listed once";

    // Deleted files, those under the deleted folder included.
    for (const std::string path : {"dir1/del.bin", "deleted.bin", "gone/inner/x.bin", "gone/y.txt"}) {
        SCOPED_TRACE(path);
        ASSERT_EQ(files.count(path), 1u);
        EXPECT_EQ(files.at(path).front().deleted, 1);
        EXPECT_EQ(files.at(path).front().size, manifest.at(path).first);
    }

    // Recycle Bin: pairs under their former paths, the rest under their own names.
    ASSERT_EQ(files.count("Users/me/Docs/report.txt"), 1u);
    EXPECT_EQ(files.at("Users/me/Docs/report.txt").front().deleted, 2);
    EXPECT_EQ(files.at("Users/me/Docs/report.txt").front().size, 11u);
    ASSERT_EQ(files.count("Users/me/Old/notes.doc"), 1u);
    EXPECT_EQ(files.at("Users/me/Old/notes.doc").front().size, 880u);
    size_t halves = 0, lonely = 0;
    for (const auto& [path, found] : files) {
        halves += path.find("$IAB12CD") != std::string::npos || path.find("$RAB12CD") != std::string::npos;
        lonely += path.find("$RLONELY.bin") != std::string::npos;
    }
    EXPECT_EQ(halves, 0u);
    EXPECT_EQ(lonely, 1u);
    EXPECT_EQ(files.count("$Install.log"), 1u);
    EXPECT_EQ(files.count("$Reparse-notes.txt"), 1u);
}

TEST_F(NtfsScan, RecoveredFilesMatchIcat)
{
    const auto lines = Scan("");
    const auto files = Files(lines);
    const auto live = NtfsImage::ListFiles(image);
    const auto deleted = NtfsImage::ListFiles(image, true);
    std::ofstream input(*dir / "found.jsonl");
    std::map<std::string, uint64_t> wanted;
    for (const std::string path : {"zero.bin", "one.bin", "resident.bin", "five.bin", "three.bin", "filled.bin",
                                   "names/café.txt", "names/smile 😀.txt", "d1/d2/d3/d4/d5/deep.txt",
                                   "dir500/f250.txt", "dir1/del.bin", "deleted.bin"}) {
        ASSERT_EQ(files.count(path), 1u) << path;
        input << files.at(path).front().line.dump() << "\n";
        wanted[path] = live.count(path) ? live.at(path) : deleted.at(path);
    }
    input.close();
    const std::string out = *dir / "recovered";
    std::string output;
    RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() + " recover --out " + Quote(out) +
                   " < " + Quote(*dir / "found.jsonl") + " 2>/dev/null",
               &output);
    for (const auto& [path, inode] : wanted) {
        SCOPED_TRACE(path);
        std::string recovered;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(out))
            if (entry.is_regular_file() && entry.path().string().size() >= path.size() &&
                entry.path().string().compare(entry.path().string().size() - path.size(), path.size(), path) == 0)
                recovered = entry.path().string();
        ASSERT_FALSE(recovered.empty()) << output;
        std::ifstream file(recovered, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_TRUE(bytes == NtfsImage::Icat(image, inode)) << bytes.size();
    }
}

TEST_F(NtfsScan, PathScanListsTheSubtreeAndFailsForAMissingPath)
{
    int status = 0;
    const auto files = Files(Scan("--path '\\dir1\\sub'", &status));
    EXPECT_EQ(status, 0);
    std::set<std::string> names;
    for (const auto& [path, found] : files)
        if (found.front().line["pathState"] == 0)
            names.insert(path);
    EXPECT_EQ(names, (std::set<std::string>{"b.txt", "inner/c.bin"}));
    for (const auto& [path, found] : files)
        EXPECT_TRUE(names.count(path) || found.front().line["pathState"] == 1) << path;

    const auto missing = Scan("--path '\\no\\such'", &status);
    EXPECT_EQ(status, 3);
    bool failed = false;
    for (const auto& line : missing)
        failed |= line["kind"] == "ScanFailed" && line["errorCode"] == 3;
    EXPECT_TRUE(failed);
}

// The probe's image volume is named "1": a Recycle Bin scan asks for
// "1$RECYCLE.BIN", and the folder here is "$Recycle.Bin".
TEST_F(NtfsScan, RecycleBinScanAndNumberPrefixedPaths)
{
    int status = 0;
    const auto bin = Files(Scan("--recycle-bin", &status));
    EXPECT_EQ(status, 0);
    std::set<std::string> names;
    for (const auto& [path, found] : bin) {
        if (found.front().line["pathState"] != 0)
            continue;
        // The engine lists the folders of the Recycle Bin by their first two characters.
        const auto slash = path.find('/');
        names.insert(path.rfind("S-", 0) == 0 && slash != std::string::npos ? "S-*" + path.substr(slash) : path);
    }
    EXPECT_EQ(names, (std::set<std::string>{"Users/me/Docs/report.txt", "Users/me/Old/notes.doc", "S-*/$RLONELY.bin"}));
    ASSERT_EQ(bin.count("Users/me/Docs/report.txt"), 1u);
    EXPECT_EQ(bin.at("Users/me/Docs/report.txt").front().deleted, 2);

    for (const std::string path : {"1dir1\\SUB", "1\\Dir1\\sub\\"}) {
        SCOPED_TRACE(path);
        const auto files = Files(Scan("--path " + Quote(path), &status));
        EXPECT_EQ(status, 0);
        std::set<std::string> under;
        for (const auto& [found, records] : files)
            if (records.front().line["pathState"] == 0)
                under.insert(found);
        EXPECT_EQ(under, (std::set<std::string>{"b.txt", "inner/c.bin"}));
    }
    Scan("--path '1dir1\\nothing'", &status);
    EXPECT_EQ(status, 3);
}

TEST_F(NtfsScan, StopEndsWithCode14AndPauseLosesNothing)
{
    // The event that reaches the count waits until the probe has set the stop
    // flag, so the scan cannot finish before the stop reaches it.
    for (const std::string arguments : {"", "--path '\\dir500' "}) {
        SCOPED_TRACE(arguments);
        int status = 0;
        const auto stopped = Scan(arguments + "--stop-after 1", &status);
        EXPECT_EQ(status, 14);
        std::vector<int> failures;
        for (const auto& line : stopped)
            if (line["kind"] == "ScanFailed")
                failures.push_back(line["errorCode"]);
        EXPECT_EQ(failures, std::vector<int>{14});
        ASSERT_FALSE(stopped.empty());
        EXPECT_EQ(stopped.back()["kind"], "ScanFinished");
    }

    const auto whole = Files(Scan(""));
    const auto paused = Files(Scan("--pause-after 5"));
    EXPECT_EQ(paused.size(), whole.size());
}
