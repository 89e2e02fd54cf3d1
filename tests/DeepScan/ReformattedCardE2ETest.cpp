// FAT32 cards formatted again by mkfs.fat with other sizes or cluster sizes:
// the old data area moves, keeps its place, or changes its clusters. Files
// written before with mtools (tagged block by block, and real pictures)
// against what the scan lists and recovers: every file whose bytes and
// folder survive comes back byte-exact under its name, no recovered file
// holds another file's bytes, and the files of folders no checked layout
// places are listed without data. photorec and tsk_recover run on the same
// image; the figures of all three are printed.
#include "support/RecoveryTally.h"
#include "support/TaggedFiles.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <unordered_map>

using TestSupport::Quote;
using TestSupport::RunOrFail;
namespace fs = std::filesystem;

namespace {

struct Case {
    std::string name;
    uint64_t imageMiB;
    uint64_t firstKiB; // the first format's size; the second covers the whole image
    int firstSectorsPerCluster;
    int secondSectorsPerCluster;
    uint64_t leadBlocks; // a root file written before the folders, so the new structures spare their starts
    bool layoutSurvives; // folder starts survive: every surviving file comes back by name
};

std::string Leaf(const std::string& path)
{
    return path.substr(path.find_last_of("/\\") + 1);
}

std::string Folder(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}

std::vector<uint8_t> Picture(const TestSupport::TempDir& dir, const std::string& name, int width)
{
    const std::string path = dir / name;
    RunOrFail("convert rose: -resize " + std::to_string(width) + "x " + Quote(path));
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Card {
    std::vector<TestSupport::WrittenFile> files;
    std::vector<bool> deleted;
};

// Four folders (one nested), tagged files with long and 8.3 names, two
// pictures; every fourth file deleted; then the second format.
Card WriteCard(const TestSupport::TempDir& dir, const std::string& image, const Case& c)
{
    RunOrFail("truncate -s " + std::to_string(c.imageMiB) + "M " + Quote(image) + " && mkfs.fat -F 32 -s " +
              std::to_string(c.firstSectorsPerCluster) + " " + Quote(image) + " " + std::to_string(c.firstKiB) +
              " >/dev/null 2>&1");
    Card card;
    const auto add = [&](const std::string& path, const std::vector<uint8_t>& bytes) {
        const std::string local = dir / ("src/" + path);
        fs::create_directories(fs::path(local).parent_path());
        std::ofstream(local, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
        card.files.push_back({path, std::string(bytes.begin(), bytes.end())});
    };
    if (c.leadBlocks)
        add("LEAD.BIN", TestSupport::TaggedFileBytes(100, c.leadBlocks * 512));
    const std::vector<std::string> folders = {"DCIM/100CAM", "Music", "Docs"};
    for (uint32_t i = 1; i <= 24; ++i) {
        const std::string name = i % 2 ? "holiday file " + std::to_string(i) + ".bin" : "F" + std::to_string(i) + ".BIN";
        add(folders[i % 3] + "/" + name, TestSupport::TaggedFileBytes(i, (3 + 5 * i) * 512 + (i % 4) * 100));
    }
    add("DCIM/100CAM/rose one.jpg", Picture(dir, "rose1.jpg", 300));
    add("DCIM/100CAM/ROSE2.PNG", Picture(dir, "rose2.png", 200));
    for (size_t i = 0; i < card.files.size(); ++i) {
        if (i == (c.leadBlocks ? 1 : 0))
            RunOrFail("mmd -i " + Quote(image) + " ::DCIM ::DCIM/100CAM ::Music ::Docs");
        const auto& file = card.files[i];
        RunOrFail("mcopy -i " + Quote(image) + " " + Quote(dir / ("src/" + file.path)) + " " +
                  Quote("::" + file.path));
    }
    for (size_t i = 0; i < card.files.size(); ++i) {
        card.deleted.push_back(i % 4 == 3);
        if (card.deleted.back())
            RunOrFail("mdel -i " + Quote(image) + " " + Quote("::" + card.files[i].path));
    }
    RunOrFail("mkfs.fat -F 32 -s " + std::to_string(c.secondSectorsPerCluster) + " " + Quote(image) +
              " >/dev/null 2>&1");
    return card;
}

// Whether each file's bytes lie on the image whole, block after block.
std::vector<bool> Surviving(const std::string& image, const std::vector<TestSupport::WrittenFile>& files)
{
    std::unordered_map<std::string, size_t> firstBlocks;
    for (size_t f = 0; f < files.size(); ++f)
        firstBlocks.emplace(files[f].bytes.substr(0, 512), f);
    std::vector<bool> survives(files.size(), false);
    std::ifstream in(image, std::ios::binary);
    std::string block(512, '\0');
    for (uint64_t at = 0; in.read(block.data(), 512); at += 512) {
        const auto it = firstBlocks.find(block);
        if (it == firstBlocks.end() || survives[it->second])
            continue;
        const std::string& bytes = files[it->second].bytes;
        std::ifstream whole(image, std::ios::binary);
        whole.seekg(static_cast<std::streamoff>(at));
        std::string there(bytes.size(), '\0');
        survives[it->second] = whole.read(there.data(), static_cast<std::streamsize>(there.size())) && there == bytes;
    }
    return survives;
}

class ReformattedCard : public ::testing::TestWithParam<Case> {};

TEST_P(ReformattedCard, SurvivingFilesComeBackWholeAndNoneHoldsAnothersBytes)
{
    const Case& c = GetParam();
    for (const char* tool : {"mkfs.fat", "mcopy", "convert", "photorec", "tsk_recover"})
        REQUIRE_TOOL(tool);
    TestSupport::TempDir dir;
    const std::string image = dir / "card.img";
    const Card card = WriteCard(dir, image, c);
    const auto survives = Surviving(image, card.files);
    std::vector<TestSupport::WrittenFile> surviving;
    for (size_t f = 0; f < card.files.size(); ++f)
        if (survives[f])
            surviving.push_back(card.files[f]);
    ASSERT_GE(surviving.size(), card.files.size() / 2) << "files surviving the format";

    fs::create_directories(dir / "ours");
    std::vector<std::string> found;
    const auto ours = TestSupport::ProbeTally(surviving, image, {0}, dir / "ours", &found);
    const auto photorec = TestSupport::PhotorecTally(surviving, image, dir.Path().string());
    const auto tsk = TestSupport::TskTally(surviving, image, 0, dir.Path().string());
    TestSupport::PrintTallies(c.name, {{"velmora", ours}, {"photorec", photorec}, {"tsk_recover", tsk}});

    const std::string listing = TestSupport::Listing(found);
    EXPECT_EQ(ours.foreign, 0u) << "recovered with another file's bytes: " << ::testing::PrintToString(ours.foreignPaths)
                                << "\nlisted:\n" << listing;
    for (const auto& file : surviving) {
        SCOPED_TRACE(file.path);
        const auto named = ours.namedAs.find(file.path);
        // The root's cluster is written again by every format: only files in folders keep their entries.
        if (c.layoutSurvives && !Folder(file.path).empty()) {
            EXPECT_TRUE(named != ours.namedAs.end()) << "its bytes and its folder's entries survive\nlisted:\n" << listing;
        }
        if (named == ours.namedAs.end())
            continue;
        // Under its own name (or its 8.3 alias, or deleted with the first letter gone), in no folder it was never in.
        for (const auto& path : named->second) {
            const std::string leaf = Leaf(path), original = Leaf(file.path);
            EXPECT_TRUE(leaf == original || leaf.find('~') != std::string::npos ||
                        (leaf.size() > original.size() &&
                         leaf.substr(leaf.size() - original.size() + 1) == original.substr(1)))
                << "recovered as " << path;
            // Found with its folders, with the inner ones only, or with none.
            const std::string folder = Folder(path), home = Folder(file.path);
            EXPECT_TRUE(folder.empty() || home == folder ||
                        (home.size() > folder.size() && home.ends_with("/" + folder)))
                << "recovered as " << path << ", it was in " << home;
        }
    }
}

// 64 MiB with 512-byte clusters: formatted again over 1 MiB more, the FATs
// grow by 16 sectors and the data area moves 32 sectors. 272 MiB: 4 KiB
// clusters for mtools, and the move from and to them.
INSTANTIATE_TEST_SUITE_P(
    Cards, ReformattedCard,
    ::testing::Values(Case{"MovedDataArea", 64, 63 * 1024, 1, 1, 400, true},
                      Case{"MovedDataAreaFoldersGone", 64, 63 * 1024, 1, 1, 0, false},
                      Case{"KeptPlace", 64, 64 * 1024, 1, 1, 400, true},
                      Case{"LargerClusters", 272, 272 * 1024, 1, 8, 0, true},
                      Case{"SmallerClusters", 272, 272 * 1024, 8, 1, 20000, true}),
    [](const auto& info) { return info.param.name; });

}
