// velmora-probe scan over disk images made by the real formatting tools. The
// file-system engines are not part of this build yet, so every scan must end
// in an explicit failure, never in a silent success.
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>


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

// Pause and stop from the probe's control thread: whenever they land, the
// scan still ends with one ScanFinished and a failure code.
TEST(ProbeScan, PauseAndStopAfterEventCounts)
{
    REQUIRE_TOOL("mkntfs");
    TestSupport::TempDir dir;
    const std::string ntfs = dir / "ntfs.img";
    TestSupport::RunOrFail("truncate -s 16M " + Quote(ntfs) + " && mkntfs -q -F -Q " + Quote(ntfs));
    const auto pair = FindImage(ntfs, ntfs);
    ASSERT_GE(pair.first, 0);
    const std::string volume = " --disk " + std::to_string(pair.first) + " --volume " + std::to_string(pair.second);
    std::string out;
    const int status = TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(ntfs) + TestSupport::ProbePath() + " scan" + volume +
                                                   volume + " --pause-after 1 --stop-after 2 2>/dev/null",
                                               &out);
    EXPECT_TRUE(status == 14 || status == 16 || status == 2) << status << out;
    if (status != 2) {
        const auto lines = TestSupport::ParseJsonLines(out);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back()["kind"], "ScanFinished");
    }
}

TEST(ProbeScan, BadArgumentsAndUnknownVolume)
{
    std::string out;
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan 2>&1", &out), 2);
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan --volume 0 2>&1", &out), 2);
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan --disk 0 --volume 0 --path a --recycle-bin 2>&1", &out), 2);
    EXPECT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " scan --disk 250 --volume 250 2>&1", &out), 2);
}
