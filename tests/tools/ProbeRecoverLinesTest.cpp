// velmora-probe recover answers every input line: a refused line gets its own
// failure line with the reason and never stops the lines after it.
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

using TestSupport::Quote;
using TestSupport::RunOrFail;

TEST(ProbeRecoverLines, RefusedLinesAreAnsweredInTurn)
{
    REQUIRE_TOOL("mkfs.fat");
    TestSupport::TempDir dir;
    const std::string image = dir / "fat.img";
    RunOrFail("truncate -s 40M " + Quote(image) + " && mkfs.fat -F 32 -s 1 " + Quote(image));
    std::string manyRuns = "[";
    for (int i = 0; i < 256; ++i)
        manyRuns += std::string(i ? "," : "") + "[0,1]";
    manyRuns += "]";
    const std::string good = R"({"kind":"Fat32File","path":"boot.bin","runs":[[0,512]],"diskIndex":0,"volIndex":0,"fileSize":512})";
    const std::vector<std::pair<std::string, std::string>> lines = {
        {R"({"kind":"Fat32File","path":"a","runs":[[0,10]],"diskIndex":256,"volIndex":0,"fileSize":10})",
         "field diskIndex out of range: 256 > 255"},
        {"not json at all", "not a JSON line"},
        {R"({"kind":"Nope","path":"a","runs":[],"diskIndex":0,"volIndex":0,"fileSize":1})", "unknown kind Nope"},
        {R"({"kind":"Fat32File","path":"a","runs":[],"volIndex":0,"fileSize":1})", "missing field diskIndex"},
        {R"({"kind":"Fat32File","path":"a","runs":)" + manyRuns + R"(,"diskIndex":0,"volIndex":0,"fileSize":1})",
         "a record carries at most 255 runs, this one 256"},
        {R"({"kind":"Fat32File","path":"a","runs":[[0,1]],"diskIndex":0,"volIndex":0,"fileSize":-4})",
         "field fileSize is not a non-negative integer"},
        {good, ""},
    };
    {
        std::ofstream in(dir / "in.json");
        for (const auto& [line, reason] : lines)
            in << line << "\n";
    }
    std::string out;
    const int status = TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() +
                                                   " recover --out " + Quote(dir / "out") + " < " +
                                                   Quote(dir / "in.json") + " 2>/dev/null",
                                               &out);
    EXPECT_EQ(status, 2) << out;
    const auto answers = TestSupport::ParseJsonLines(out);
    ASSERT_EQ(answers.size(), lines.size() + 1) << out;
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(answers[i]["line"], i + 1) << out;
        if (lines[i].second.empty()) {
            EXPECT_EQ(answers[i]["errorCode"], 0) << out;
            EXPECT_EQ(answers[i]["bytes"], 512) << out;
        } else {
            EXPECT_EQ(answers[i]["error"], lines[i].second) << out;
        }
    }
    EXPECT_EQ(answers.back()["failures"]["invalid"], 6) << out;
    EXPECT_TRUE(std::filesystem::exists(dir / "out/boot.bin"));
}
