// Quick-formatted cards: files in three folders (one nested) written with
// mtools or through exfat-fuse, half of them deleted, the volume formatted
// again with the real mkfs. Every file whose bytes are still on the image
// comes back byte-exact; files found by name carry their own bytes and never
// a wrong folder; photorec, run on the same image, recovers byte-exact no
// written file we miss.
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

using TestSupport::Quote;
using TestSupport::RunOrFail;
namespace fs = std::filesystem;

namespace {

struct Written {
    std::string path; // "DCIM/100CAM/img3.jpg"
    std::string bytes;
    bool deleted = false;
};

struct Case {
    std::string name;
    std::string fileSystem;  // "fat32" or "exfat"
    std::string firstFormat; // mkfs options
    std::string quickFormat;
    // Every surviving file is found by name; with its whole path; in a nested
    // folder (whose own entry survives in its parent's block), at least in that folder.
    bool allNamed;
    bool fullPaths;
    bool nestedFolders;
};

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Real files: pictures from ImageMagick, clips from ffmpeg, zip archives.
// Ten a folder, so every folder's entries fit its first cluster.
std::vector<Written> MakeFiles(const std::string& folder)
{
    fs::create_directories(folder);
    const std::vector<std::string> dirs = {"DCIM/100CAM", "Music", "Docs"};
    std::vector<Written> files;
    std::string script = "set -e; cd " + Quote(folder) + "; ";
    for (int i = 1; i <= 30; ++i) {
        const std::string& dir = dirs[i % 3];
        std::string name;
        switch (i % 4) {
        case 0:
            name = "img" + std::to_string(i) + ".jpg";
            script += "convert rose: -resize " + std::to_string(200 + i * 11) + "x " + name + "; ";
            break;
        case 1:
            name = "pic" + std::to_string(i) + ".png";
            script += "convert rose: -resize " + std::to_string(100 + i * 9) + "x " + name + "; ";
            break;
        case 2:
            name = "clip" + std::to_string(i) + ".mp4";
            script += "ffmpeg -nostdin -loglevel error -y -f lavfi -i testsrc=duration=" + std::to_string(1 + i % 3) +
                      ":size=160x120:rate=10 -c:v mpeg4 -metadata title=" + name + " " + name + "; ";
            break;
        default:
            name = "arch" + std::to_string(i) + ".zip";
            script += "head -c " + std::to_string(20000 + i * 3000) + " /dev/urandom > r" + std::to_string(i) +
                      ".bin; zip -q -0 " + name + " r" + std::to_string(i) + ".bin; rm r" + std::to_string(i) +
                      ".bin; ";
        }
        files.push_back({dir + "/" + name, "", i % 2 == 0});
    }
    RunOrFail(script);
    for (auto& file : files)
        file.bytes = ReadText(folder + "/" + fs::path(file.path).filename().string());
    return files;
}

std::string LeafName(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Folder(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}

// A deleted FAT entry has lost its first byte: the name reads with U+00E5 there.
bool SameName(const std::string& found, const std::string& original)
{
    if (found == original)
        return true;
    const std::string lost = "\xC3\xA5";
    return found.rfind(lost, 0) == 0 && found.substr(lost.size()) == original.substr(1);
}

// Whether the file's bytes lie on the image in one piece at a sector boundary.
bool Survives(const std::string& image, const std::string& bytes)
{
    if (bytes.size() < 512)
        return image.find(bytes) != std::string::npos;
    for (size_t at = 0; at + bytes.size() <= image.size(); at += 512)
        if (std::memcmp(image.data() + at, bytes.data(), 512) == 0 &&
            std::memcmp(image.data() + at, bytes.data(), bytes.size()) == 0)
            return true;
    return false;
}

// Every regular file under folder, by content: the paths relative to it.
std::map<std::string, std::vector<std::string>> FilesByContent(const std::string& folder)
{
    std::map<std::string, std::vector<std::string>> byContent;
    std::error_code error;
    if (!fs::exists(folder))
        return byContent;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error))
        if (entry.is_regular_file())
            byContent[ReadText(entry.path())].push_back(fs::relative(entry.path(), folder).string());
    return byContent;
}

void WriteFat32(const TestSupport::TempDir& dir, const std::string& image, const Case& c,
                const std::vector<Written>& files)
{
    RunOrFail("truncate -s 128M " + Quote(image) + " && mkfs.fat -F 32 " + c.firstFormat + " " + Quote(image) +
              " >/dev/null 2>&1");
    RunOrFail("mmd -i " + Quote(image) + " ::DCIM ::DCIM/100CAM ::Music ::Docs");
    for (const auto& file : files)
        RunOrFail("mcopy -i " + Quote(image) + " " + Quote(dir / ("src/" + LeafName(file.path))) + " ::" + file.path);
    for (const auto& file : files)
        if (file.deleted)
            RunOrFail("mdel -i " + Quote(image) + " ::" + file.path);
    RunOrFail("mkfs.fat -F 32 " + c.quickFormat + " " + Quote(image) + " >/dev/null 2>&1");
}

// The image is written through exfat-fuse on a loop device; false (with why) when that cannot run here.
bool WriteExFat(const TestSupport::TempDir& dir, const std::string& image, const Case& c,
                const std::vector<Written>& files, std::string* why)
{
    if (!TestSupport::IsRoot() || !fs::exists("/dev/fuse") || !TestSupport::HaveTool("mkfs.exfat") ||
        !TestSupport::HaveTool("mount.exfat-fuse") || !TestSupport::HaveTool("losetup")) {
        *why = "exFAT needs root, /dev/fuse, mkfs.exfat, exfat-fuse and losetup";
        return false;
    }
    RunOrFail("truncate -s 128M " + Quote(image) + " && mkfs.exfat " + c.firstFormat + " " + Quote(image) +
              " >/dev/null");
    std::string device = RunOrFail("losetup -f --show " + Quote(image));
    device.erase(device.find_last_not_of("\n") + 1);
    struct Loop {
        std::string device;
        ~Loop() { TestSupport::RunCommand("losetup -d " + Quote(device) + " 2>&1"); }
    } loop{device};
    const std::string mount = dir / "mnt";
    fs::create_directories(mount);
    RunOrFail("mount.exfat-fuse " + Quote(device) + " " + Quote(mount) + " 2>&1");
    {
        struct Mounted {
            std::string point;
            ~Mounted() { TestSupport::UnmountFuse(point); }
        } mounted{mount};
        RunOrFail("mkdir -p " + Quote(mount + "/DCIM/100CAM") + " " + Quote(mount + "/Music") + " " +
                  Quote(mount + "/Docs"));
        for (const auto& file : files)
            RunOrFail("cp " + Quote(dir / ("src/" + LeafName(file.path))) + " " + Quote(mount + "/" + file.path));
        RunOrFail("sync");
        for (const auto& file : files)
            if (file.deleted)
                RunOrFail("rm " + Quote(mount + "/" + file.path));
    }
    RunOrFail("mkfs.exfat " + c.quickFormat + " " + Quote(image) + " >/dev/null");
    return true;
}

class QuickFormat : public ::testing::TestWithParam<Case> {};

TEST_P(QuickFormat, EveryFileWhoseBytesSurviveComesBackByteExact)
{
    const Case& c = GetParam();
    for (const char* tool : {"convert", "ffmpeg", "zip", "photorec"})
        REQUIRE_TOOL(tool);
    if (c.fileSystem == "fat32") {
        REQUIRE_TOOL("mkfs.fat");
        REQUIRE_TOOL("mcopy");
    }
    TestSupport::TempDir dir;
    const auto files = MakeFiles(dir / "src");
    const std::string image = dir / "card.img";
    if (c.fileSystem == "fat32") {
        WriteFat32(dir, image, c, files);
    } else {
        std::string why;
        if (!WriteExFat(dir, image, c, files, &why))
            SKIP_FOR_MISSING(why);
    }

    const std::string imageBytes = ReadText(image);
    std::vector<const Written*> surviving;
    for (const auto& file : files)
        if (Survives(imageBytes, file.bytes))
            surviving.push_back(&file);
    // The formats write their own structures over a few files at most.
    ASSERT_GE(surviving.size(), files.size() - 2) << "files surviving the format";

    std::string scan;
    const std::string scanErrors = dir / "scan.err";
    ASSERT_EQ(TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() +
                                          " scan --disk 0 --volume 0 2>" + Quote(scanErrors),
                                      &scan),
              0)
        << ReadText(scanErrors);
    std::vector<nlohmann::json> found;
    {
        std::ofstream input(dir / "found.jsonl");
        for (const auto& line : TestSupport::ParseJsonLines(scan))
            if (line.contains("runs")) {
                found.push_back(line);
                input << line.dump() << "\n";
            }
    }
    ASSERT_FALSE(found.empty()) << scan.substr(0, 2000);
    const std::string out = dir / "out";
    RunOrFail(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() + " recover --out " + Quote(out) +
              " < " + Quote(dir / "found.jsonl") + " >/dev/null");
    const auto ours = FilesByContent(out);

    std::map<std::string, std::vector<std::string>> theirs;
    RunOrFail("cd " + Quote(dir.Path().string()) + " && photorec /log /d " + Quote(dir / "photorec") + " /cmd " +
              Quote(image) + " partition_none,fileopt,everything,enable,search >/dev/null");
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        if (entry.is_directory() && entry.path().filename().string().rfind("photorec.", 0) == 0)
            for (auto& [bytes, paths] : FilesByContent(entry.path()))
                theirs[bytes].insert(theirs[bytes].end(), paths.begin(), paths.end());

    // Files reported by name, by the name they carry.
    std::map<std::string, std::vector<std::string>> namedPaths; // leaf name -> found paths
    for (const auto& line : found)
        if (line["kind"] != "CarvedFile") {
            std::string path = line["path"].get<std::string>();
            std::replace(path.begin(), path.end(), '\\', '/');
            namedPaths[LeafName(path)].push_back(path);
        }

    size_t byName = 0, withFolder = 0, photorecExact = 0;
    for (const Written* file : surviving) {
        SCOPED_TRACE(file->path + (file->deleted ? " (deleted)" : ""));
        const bool inTheirs = theirs.count(file->bytes) != 0;
        photorecExact += inTheirs;
        const auto mine = ours.find(file->bytes);
        EXPECT_TRUE(mine != ours.end()) << (inTheirs ? "photorec recovers it byte-exact, we do not"
                                                     : "its bytes survive, we do not recover them");
        // Every file reported under this name holds this file's bytes, in no other folder than its own.
        bool named = false, folderKept = false, nestedKept = false;
        for (const auto& [leaf, paths] : namedPaths) {
            if (!SameName(leaf, LeafName(file->path)))
                continue;
            for (const auto& path : paths) {
                named = true;
                EXPECT_EQ(ReadText(out + "/" + path), file->bytes) << "found as " << path << ": wrong bytes";
                const std::string folder = Folder(path);
                const std::string original = Folder(file->path);
                EXPECT_TRUE(folder.empty() || folder == original ||
                            (original.size() > folder.size() &&
                             original.compare(original.size() - folder.size(), folder.size(), folder) == 0 &&
                             original[original.size() - folder.size() - 1] == '/'))
                    << "found as " << path << ": a folder it was never in";
                folderKept = folderKept || folder == original;
                nestedKept = nestedKept || (!folder.empty() && LeafName(folder) == LeafName(original));
            }
        }
        byName += named;
        withFolder += folderKept;
        if (c.allNamed) {
            EXPECT_TRUE(named) << "its entry survives, it is not found by name";
        }
        if (c.fullPaths) {
            EXPECT_TRUE(folderKept) << "its folder's entries survive, it is found without them";
        }
        if (c.nestedFolders && Folder(file->path).find('/') != std::string::npos) {
            EXPECT_TRUE(nestedKept) << "its folder's entry survives in the parent folder, it is found without it";
        }
    }
    // Whatever photorec carves byte-exact of a written file, surviving by our
    // reckoning or not, we recover too.
    size_t theirsWritten = 0;
    for (const auto& file : files) {
        const auto carved = theirs.find(file.bytes);
        if (carved == theirs.end())
            continue;
        ++theirsWritten;
        EXPECT_TRUE(ours.count(file.bytes)) << file.path << (file.deleted ? " (deleted)" : "")
                                            << ": photorec recovers it byte-exact as " << carved->second.front()
                                            << ", we do not";
    }
    // A photorec run that carved none of them compared nothing.
    EXPECT_GT(theirsWritten, 0u) << "photorec recovered none of the written files";
    std::cout << c.name << ": " << files.size() << " written, " << surviving.size() << " surviving, " << byName
              << " by name (" << withFolder << " with their folder), photorec " << photorecExact << " byte-exact\n";
}

// mkfs.fat picks 512-byte clusters for 128 MiB; -s 2 doubles them and halves the
// tables, so the data area starts earlier and the old directories survive.
INSTANTIATE_TEST_SUITE_P(Cards, QuickFormat,
                         ::testing::Values(Case{"FAT32SameLayout", "fat32", "-s 1", "-s 1", true, false, true},
                                           Case{"FAT32OtherClusterSize", "fat32", "-s 1", "-s 2", true, true, true},
                                           Case{"ExFAT", "exfat", "", "", false, false, false}),
                         [](const auto& info) { return info.param.name; });

}
