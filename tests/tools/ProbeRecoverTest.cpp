// velmora-probe recover: found-file lines in, recovered files and one result
// line per file plus a summary out; checked by sha256 against the originals.
#include "DataRecovery/RecoveryFixture.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

using namespace RecoveryFixture;
using TestSupport::Quote;
using TestSupport::RunOrFail;

namespace {

std::pair<int, int> FindImage(const std::string& image)
{
    std::string out;
    TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() + " list", &out);
    for (const auto& record : TestSupport::ParseJsonLines(out))
        if (record["diskName"] == image)
            return {record["diskIndex"].get<int>(), record["volIndex"].get<int>()};
    return {-1, -1};
}

}

TEST(ProbeRecover, FilesFromScanLinesMatchOriginals)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mcopy");
    REQUIRE_TOOL("istat");
    TestSupport::TempDir dir;
    const std::string image = dir / "fat.img";
    RunOrFail("truncate -s 40M " + Quote(image) + " && mkfs.fat -F 32 -S 512 -s 1 " + Quote(image));
    const std::vector<std::pair<std::string, size_t>> sources = {{"one.bin", 5000}, {"two.bin", 2u << 20}};
    for (const auto& [name, size] : sources) {
        WriteRandom(dir / name, size);
        RunOrFail("mcopy -i " + Quote(image) + " " + Quote(dir / name) + " ::" + name);
    }

    for (const char* mode : {"", " --list"}) {
        SCOPED_TRACE(mode);
        const std::string out = dir / (std::string("out") + (*mode ? "-list" : ""));
        const auto pair = FindImage(image);
        ASSERT_GE(pair.first, 0);
        std::ofstream input(dir / "found.jsonl");
        input << R"({"kind":"ScanFinished","progress":1.0})" << "\n";
        for (const auto& [name, size] : sources) {
            nlohmann::json runs = nlohmann::json::array();
            for (const auto& run : RunsFromIstat(image, InodeOf(image, name)))
                runs.push_back({run.offset, run.length});
            nlohmann::json line = {{"kind", "Fat32File"}, {"diskIndex", pair.first}, {"volIndex", pair.second},
                                   {"fileSize", size}, {"runs", runs}, {"path", "X:\\found\\" + name}};
            input << line.dump() << "\n";
        }
        nlohmann::json missing = {{"kind", "Fat32File"}, {"diskIndex", 250}, {"volIndex", 9}, {"fileSize", 1},
                                  {"runs", {{0, 512}}}, {"path", "gone.bin"}};
        input << missing.dump() << "\n";
        input.close();
        std::string output;
        const int status = TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() + " recover --out " +
                                                       Quote(out) + mode + " < " + Quote(dir / "found.jsonl") +
                                                       " 2>/dev/null",
                                                   &output);
        EXPECT_EQ(status, 1) << output; // the missing volume's code
        const auto lines = TestSupport::ParseJsonLines(output);
        ASSERT_EQ(lines.size(), 4u) << output;
        EXPECT_EQ(lines[0]["errorCode"], 0);
        EXPECT_EQ(lines[1]["errorCode"], 0);
        EXPECT_EQ(lines[1]["bytes"], 2u << 20);
        EXPECT_EQ(lines[2]["errorCode"], 1);
        EXPECT_EQ(lines[3]["files"], 3);
        EXPECT_EQ(lines[3]["bytes"], 5000u + (2u << 20));
        EXPECT_EQ(lines[3]["failures"]["1"], 1);
        EXPECT_TRUE(lines[3].contains("MB/s"));
        for (const auto& [name, size] : sources)
            EXPECT_EQ(Sha256(out + "/X/found/" + name), Sha256(dir / name)) << name;
    }
}
