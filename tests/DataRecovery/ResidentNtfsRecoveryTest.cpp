// Resident NTFS data recovered from a volume made by mkntfs and written by
// ntfscp, compared with what ntfscat reads. The file's bytes sit inside its
// MFT record across the first sector end, where the disk holds the update
// sequence number instead of the data.
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/RecoveryFixture.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <regex>

using namespace RecoveryFixture;
using TestSupport::Quote;
using TestSupport::RunOrFail;

namespace {

uint64_t Field(const std::string& text, const std::string& pattern)
{
    std::smatch match;
    if (!std::regex_search(text, match, std::regex(pattern)))
        return 0;
    return std::stoull(match[1]);
}

}

TEST(ResidentNtfsRecovery, DataAcrossTheFirstSectorEndMatchesNtfscat)
{
    for (const char* tool : {"mkntfs", "ntfscp", "ntfscat", "fsstat", "ifind"})
        REQUIRE_TOOL(tool);
    TestSupport::TempDir dir;
    const std::string image = dir / "ntfs.img";
    const std::string source = dir / "r.bin";
    RunOrFail("truncate -s 16M " + Quote(image) + " && mkntfs -q -F -Q " + Quote(image));

    // Both files are written before anything reads the image: the engine's
    // read-ahead cache keeps what it has read until it is released.
    const std::vector<size_t> sizes = {500, 640};
    std::vector<std::string> contents;
    for (size_t size : sizes) {
        const std::string name = "r" + std::to_string(size) + ".bin";
        WriteRandom(source, size);
        RunOrFail("ntfscp -q " + Quote(image) + " " + Quote(source) + " /" + name);
        contents.push_back(ReadFile(source));
    }
    const auto info = RegisterImage(image, "NTFS");
    DataRecoveryMultiImpl::Options options;
    options.sleep = [](std::chrono::milliseconds) {};
    DataRecoveryMultiImpl engine({info}, [](const DataRecoveryInfo&) {}, options);
    const std::string volume = ReadFile(image);

    for (size_t i = 0; i < sizes.size(); ++i) {
        const size_t size = sizes[i];
        SCOPED_TRACE(size);
        const std::string name = "r" + std::to_string(size) + ".bin";
        const std::string expected = RunOrFail("ntfscat " + Quote(image) + " /" + name);
        ASSERT_EQ(expected, contents[i]);

        // Where the record lies, from The Sleuth Kit; where the value starts in it,
        // from its first bytes (they lie before the sector end, so they are intact).
        const std::string fsstat = RunOrFail("fsstat " + Quote(image));
        const uint64_t clusterSize = Field(fsstat, R"(Cluster Size: (\d+))");
        const uint64_t recordSize = Field(fsstat, R"(Size of MFT Entries: (\d+))");
        const uint64_t mftStart = Field(fsstat, R"(First Cluster of MFT: (\d+))") * clusterSize;
        const uint64_t entry = std::stoull(RunOrFail("ifind -n /" + name + " " + Quote(image)));
        const uint64_t recordStart = mftStart + entry * recordSize;
        ASSERT_EQ(volume.substr(recordStart, 4), "FILE");
        const size_t valueOffset = volume.find(expected.substr(0, 16), recordStart);
        ASSERT_LT(valueOffset, recordStart + recordSize);
        ASSERT_LT(valueOffset - recordStart, 510u);
        ASSERT_GT(valueOffset - recordStart + size, 512u) << "the value must cross the first sector end";
        ASSERT_NE(volume.substr(valueOffset, size), expected) << "the disk holds the update sequence number there";

        FoundFile file(NtfsFile, name, {{valueOffset, size}}, size);
        std::string buffer(size, '\0');
        size_t got = buffer.size();
        ASSERT_EQ(engine.RecoverToMemory(buffer.data(), &got, file.record), 0);
        EXPECT_EQ(got, size);
        EXPECT_EQ(buffer, expected);

        ASSERT_EQ(engine.RecoverData(dir / "out", file.record), 0);
        EXPECT_EQ(ReadFile(dir / ("out/" + name)), expected);
    }
}
