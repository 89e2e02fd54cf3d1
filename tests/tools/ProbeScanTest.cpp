// velmora-probe scan over disk images made by the real formatting tools: a
// volume no engine reads ends in an explicit failure, never in a silent
// success, and the probe's pause and stop reach the engine.
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

using TestSupport::Quote;

namespace {

// The (disk, volume) pair the listing gives the image's first volume.
std::pair<int, int> FindImage(const std::string& images, const std::string& image)
{
    std::string out;
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(images) + TestSupport::ProbePath() + " list", &out), 0);
    for (const auto& record : TestSupport::ParseJsonLines(out))
        if (record["diskName"] == image)
            return {record["diskIndex"].get<int>(), record["volIndex"].get<int>()};
    ADD_FAILURE() << "image not listed: " << out;
    return {-1, -1};
}

}

TEST(ProbeScan, VolumeWithoutEngineEndsInScanFailed)
{
    REQUIRE_TOOL("mkfs.ext4");
    TestSupport::TempDir dir;
    const std::string ext4 = dir / "ext4.img";
    TestSupport::RunOrFail("truncate -s 16M " + Quote(ext4) + " && mkfs.ext4 -q " + Quote(ext4));
    const auto pair = FindImage(ext4, ext4);
    ASSERT_GE(pair.first, 0);

    // Scans of a path run the file-system engine alone, so a file system no
    // engine reads must fail visibly instead of finding nothing.
    for (const char* mode : {" --path 'X:\\docs'", " --recycle-bin"}) {
        SCOPED_TRACE(mode);
        const std::string command = TestSupport::ImagesOnlyEnvironment(ext4) + TestSupport::ProbePath() + " scan --disk " +
                                    std::to_string(pair.first) + " --volume " + std::to_string(pair.second) + mode +
                                    " 2>" + Quote(dir / "log.txt");
        std::string out;
        EXPECT_EQ(TestSupport::RunCommand(command, &out), 16) << out;
        std::vector<std::string> kinds;
        for (const auto& line : TestSupport::ParseJsonLines(out))
            kinds.push_back(line["kind"].get<std::string>() +
                            (line.contains("errorCode") ? " " + std::to_string(line["errorCode"].get<int>()) : ""));
        EXPECT_EQ(kinds, (std::vector<std::string>{"StructureScanProgress", "ScanFailed 16", "ScanFinished"})) << out;
        const std::string log = TestSupport::RunOrFail("cat " + Quote(dir / "log.txt"));
        EXPECT_NE(log.find("No supported filesystem found"), std::string::npos) << log;
    }
}

// Pause and stop from the probe's control thread, on two NTFS volumes scanned
// from their root. The event that reaches a count waits until the probe has set
// the flag, so a pause the engine honours shows as a 300 ms gap before the
// next event, and the stop ends both volumes with the stopped code.
TEST(ProbeScan, PauseAndStopAfterEventCounts)
{
    REQUIRE_TOOL("mkntfs");
    TestSupport::TempDir dir;
    const std::string first = dir / "first.img";
    const std::string second = dir / "second.img";
    TestSupport::RunOrFail("truncate -s 16M " + Quote(first) + " && mkntfs -q -F -Q " + Quote(first) +
                           " >/dev/null 2>&1 && cp " + Quote(first) + " " + Quote(second));
    const std::string images = first + ":" + second;
    const auto one = FindImage(images, first);
    const auto two = FindImage(images, second);
    ASSERT_GE(one.first, 0);
    ASSERT_GE(two.first, 0);
    std::string out;
    const int status = TestSupport::RunCommand(
        TestSupport::ImagesOnlyEnvironment(images) + TestSupport::ProbePath() + " scan --disk " +
            std::to_string(one.first) + " --volume " + std::to_string(one.second) + " --disk " +
            std::to_string(two.first) + " --volume " + std::to_string(two.second) +
            " --path 'X:\\' --pause-after 1 --stop-after 2 2>&1",
        &out);

    std::vector<std::string> log;
    std::vector<nlohmann::json> events;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("{", 0) == 0)
            events.push_back(nlohmann::json::parse(line));
        else if (line.rfind("velmora-probe: ", 0) == 0)
            log.push_back(line.substr(15));
    }
    EXPECT_EQ(status, 14) << out;
    EXPECT_EQ(log, (std::vector<std::string>{"pause after 1 events", "resume", "stop after 2 events"})) << out;
    ASSERT_EQ(events.size(), 5u) << out;
    EXPECT_EQ(events[0]["kind"], "StructureScanProgress");
    EXPECT_EQ(events[0]["diskIndex"], one.first);
    EXPECT_EQ(events[1]["kind"], "NtfsFile");
    EXPECT_GE(events[1]["t"].get<double>() - events[0]["t"].get<double>(), 0.25) << "the pause was not honoured";
    std::vector<std::pair<int, int>> failures;
    for (const auto& event : events)
        if (event["kind"] == "ScanFailed")
            failures.emplace_back(event["diskIndex"].get<int>(), event["errorCode"].get<int>());
    EXPECT_EQ(failures, (std::vector<std::pair<int, int>>{{one.first, 14}, {two.first, 14}})) << out;
    EXPECT_EQ(events.back()["kind"], "ScanFinished");
}

// A fresh NTFS volume has no Recycle Bin folder: its Recycle Bin scan ends
// cleanly with nothing found, while a missing folder of a path is code 3.
TEST(ProbeScan, NtfsVolumeWithoutRecycleBin)
{
    REQUIRE_TOOL("mkntfs");
    TestSupport::TempDir dir;
    const std::string image = dir / "fresh.img";
    TestSupport::RunOrFail("truncate -s 16M " + Quote(image) + " && mkntfs -q -F -Q " + Quote(image) + " >/dev/null 2>&1");
    const auto pair = FindImage(image, image);
    ASSERT_GE(pair.first, 0);
    const std::string scan = TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() + " scan --disk " +
                             std::to_string(pair.first) + " --volume " + std::to_string(pair.second);
    std::string out;
    EXPECT_EQ(TestSupport::RunCommand(scan + " --recycle-bin 2>/dev/null", &out), 0) << out;
    std::vector<std::string> kinds;
    for (const auto& line : TestSupport::ParseJsonLines(out))
        kinds.push_back(line["kind"].get<std::string>());
    EXPECT_EQ(kinds, (std::vector<std::string>{"StructureScanProgress", "ScanFinished"})) << out;
    EXPECT_EQ(TestSupport::RunCommand(scan + " --path '1$RECYCLE.BIN\\S-1-5-21' 2>/dev/null", &out), 3) << out;
    EXPECT_EQ(TestSupport::RunCommand(scan + " --path '1\\$Extend' 2>/dev/null", &out), 0) << out;
}

TEST(ProbeScan, BadArgumentsAndUnknownVolume)
{
    std::string out;
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan 2>&1", &out), 2);
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan --volume 0 2>&1", &out), 2);
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan --disk 0 --volume 0 --path a --recycle-bin 2>&1", &out), 2);
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan --disk 250 --volume 250 2>&1", &out), 2);
}
