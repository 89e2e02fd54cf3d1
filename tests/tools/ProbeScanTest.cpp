// velmora-probe scan over disk images made by the real formatting tools. The
// file-system engines are not part of this build yet, so every scan must end
// in an explicit failure, never in a silent success.
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

TEST(ProbeScan, UnbuiltEngineEndsInScanFailed)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mkntfs");
    TestSupport::TempDir dir;
    const std::string fat = dir / "fat.img";
    const std::string ntfs = dir / "ntfs.img";
    TestSupport::RunOrFail("truncate -s 40M " + Quote(fat) + " && mkfs.fat -F 32 " + Quote(fat));
    TestSupport::RunOrFail("truncate -s 16M " + Quote(ntfs) + " && mkntfs -q -F -Q " + Quote(ntfs));
    const std::string images = fat + ":" + ntfs;

    for (const char* mode : {"", " --path 'X:\\docs'", " --recycle-bin"}) {
        SCOPED_TRACE(mode);
        const auto fatPair = FindImage(images, fat);
        const auto ntfsPair = FindImage(images, ntfs);
        ASSERT_GE(fatPair.first, 0);
        ASSERT_GE(ntfsPair.first, 0);
        const std::string command = TestSupport::ImagesOnlyEnvironment(images) + TestSupport::ProbePath() + " scan --disk " +
                                    std::to_string(fatPair.first) + " --volume " + std::to_string(fatPair.second) +
                                    " --disk " + std::to_string(ntfsPair.first) + " --volume " +
                                    std::to_string(ntfsPair.second) + mode + " 2>" + Quote(dir / "log.txt");
        std::string out;
        const int status = TestSupport::RunCommand(command, &out);
        EXPECT_EQ(status, 16) << out;
        const auto lines = TestSupport::ParseJsonLines(out);
        ASSERT_GE(lines.size(), 5u) << out;
        int failed = 0;
        int progress = 0;
        for (const auto& line : lines) {
            if (line["kind"] == "ScanFailed") {
                ++failed;
                EXPECT_EQ(line["errorCode"], 16);
            }
            if (line["kind"] == "StructureScanProgress") {
                ++progress;
                EXPECT_LT(line["progress"].get<double>(), 1.0);
            }
        }
        EXPECT_EQ(failed, 2) << out;
        EXPECT_EQ(progress, 2) << out;
        EXPECT_EQ(lines.back()["kind"], "ScanFinished");
        const std::string log = TestSupport::RunOrFail("cat " + Quote(dir / "log.txt"));
        EXPECT_NE(log.find("FAT32 engine"), std::string::npos) << log;
        EXPECT_NE(log.find("NTFS engine"), std::string::npos) << log;
    }
}

// Pause and stop from the probe's control thread, on two volumes. The event
// that reaches a count waits until the probe has set the flag, so the order of
// events and the probe's own log lines is fixed. With no engine built, nothing
// polls the pause, so it shows only in the log; the stop shows as the second
// volume ending with the stopped code before it starts.
TEST(ProbeScan, PauseAndStopAfterEventCounts)
{
    REQUIRE_TOOL("mkntfs");
    TestSupport::TempDir dir;
    const std::string first = dir / "first.img";
    const std::string second = dir / "second.img";
    TestSupport::RunOrFail("truncate -s 16M " + Quote(first) + " && mkntfs -q -F -Q " + Quote(first) + " && cp " +
                           Quote(first) + " " + Quote(second));
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
            " --pause-after 1 --stop-after 2 2>&1",
        &out);

    // Events as "Kind" or "Kind code", and the probe's log lines, in the order
    // they reached the shared output. The resume comes from the control
    // thread's timer, so only its place among the log lines is fixed.
    std::vector<std::string> trace;
    std::vector<std::string> log;
    std::vector<nlohmann::json> events;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("{", 0) == 0) {
            events.push_back(nlohmann::json::parse(line));
            const auto& event = events.back();
            trace.push_back(event["kind"].get<std::string>() +
                            (event.contains("errorCode") ? " " + std::to_string(event["errorCode"].get<int>()) : ""));
        } else if (line.rfind("velmora-probe: ", 0) == 0) {
            log.push_back(line.substr(15));
            if (log.back() != "resume")
                trace.push_back(log.back());
        }
    }
    // Without engines the first volume fails with 16 (no engine) right after
    // its start event, and the stop set after that failure ends the second
    // volume with 14 before it starts. Once engines scan, expect the first
    // volume's progress to halt between "pause" and "resume" and the scan to
    // end with 14.
    const std::vector<std::string> expected = {"StructureScanProgress",
                                               "pause after 1 events",
                                               "ScanFailed 16",
                                               "stop after 2 events",
                                               "ScanFailed 14",
                                               "ScanFinished"};
    EXPECT_EQ(status, 16) << out;
    EXPECT_EQ(trace, expected) << out;
    EXPECT_EQ(log, (std::vector<std::string>{"pause after 1 events", "resume", "stop after 2 events"})) << out;
    ASSERT_EQ(events.size(), 4u) << out;
    EXPECT_EQ(events[0]["diskIndex"], one.first);
    EXPECT_EQ(events[1]["diskIndex"], one.first);
    EXPECT_EQ(events[2]["diskIndex"], two.first);
}

TEST(ProbeScan, BadArgumentsAndUnknownVolume)
{
    std::string out;
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan 2>&1", &out), 2);
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan --volume 0 2>&1", &out), 2);
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan --disk 0 --volume 0 --path a --recycle-bin 2>&1", &out), 2);
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan --disk 250 --volume 250 2>&1", &out), 2);
}
