// A raw image of one real file per type id, between random filler, with no
// partition table and no file system: listed as one region, scanned, and
// every file carved at its offset and recovered equal to the original.
#include "DeepScan/Carving/SignatureTable.h"
#include "DeepScan/CarvingHarness.h"
#include "support/CarvingFixtures.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

using TestSupport::Quote;

namespace {

struct Placed {
    TestSupport::CarvingFixture fixture;
    uint64_t offset = 0;
    uint64_t length = 0;
};

std::vector<Placed> WriteImage(const std::string& path)
{
    std::vector<Placed> placed;
    std::vector<uint8_t> image(4096 * 2, 0);
    std::mt19937 random(5);
    for (const auto& fixture : TestSupport::CarvingFixtures()) {
        const auto bytes = TestSupport::ReadFileBytes(fixture.file);
        placed.push_back({fixture, image.size(), bytes.size()});
        image.insert(image.end(), bytes.begin(), bytes.end());
        const size_t clusters = 1 + random() % 3;
        const size_t filler = (4096 - image.size() % 4096) % 4096 + clusters * 4096;
        const auto noise = CarvingTest::RandomBytes(filler, random());
        image.insert(image.end(), noise.begin(), noise.end());
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return placed;
}

struct Carved {
    std::string path;
    uint64_t size = 0;
    std::string line;
};

std::map<uint64_t, Carved> Scan(const std::string& image, const std::string& extra, std::string* rawLines)
{
    std::string out;
    const int status = TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + extra +
                                                   TestSupport::ProbePath() + " scan --disk 0 --volume 0 2>/dev/null",
                                               &out);
    EXPECT_EQ(status, 0) << out.substr(0, 2000);
    std::map<uint64_t, Carved> carved;
    for (const auto& line : TestSupport::ParseJsonLines(out)) {
        EXPECT_TRUE(line.contains("t"));
        if (line["kind"] != "CarvedFile")
            continue;
        const uint64_t offset = line["runs"][0][0].get<uint64_t>();
        carved[offset] = {line["path"].get<std::string>(), line["fileSize"].get<uint64_t>(), line.dump()};
    }
    if (rawLines)
        *rawLines = out;
    return carved;
}

}

TEST(CarvingScanE2E, EveryTypeIsCarvedFromARawImageAndRecoveredWhole)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "raw.img";
    const auto placed = WriteImage(image);
    ASSERT_GE(placed.size(), 42u);

    std::string listing;
    TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() + " list", &listing);
    const auto regions = TestSupport::ParseJsonLines(listing);
    ASSERT_EQ(regions.size(), 1u) << listing;
    EXPECT_EQ(regions[0]["startOffset"], 0);
    EXPECT_EQ(regions[0]["endOffset"], std::filesystem::file_size(image));

    std::string lines;
    const auto carved = Scan(image, "", &lines);
    std::ofstream(dir / "found.jsonl") << lines;
    TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() + " recover --out " +
                            Quote(dir / "out") + " < " + Quote(dir / "found.jsonl") + " >/dev/null 2>&1");
    for (const auto& file : placed) {
        const std::string name = std::filesystem::path(file.fixture.file).filename().string();
        SCOPED_TRACE(name + " at " + std::to_string(file.offset));
        const auto it = carved.find(file.offset);
        if (file.fixture.typeId == 34) {
            EXPECT_EQ(it, carved.end());
            continue;
        }
        ASSERT_NE(it, carved.end());
        const std::string ext(*TypeExtension(file.fixture.typeId));
        EXPECT_EQ(it->second.path, ext + "_" + std::to_string(file.offset) + "." + ext);
        if (!file.fixture.readsOn)
            EXPECT_EQ(it->second.size, file.fixture.typeId == 20 ? file.length + 10 : file.length);
        const auto original = TestSupport::ReadFileBytes(file.fixture.file);
        const auto recovered = TestSupport::ReadFileBytes(dir / ("out/" + it->second.path));
        ASSERT_GE(recovered.size(), original.size());
        EXPECT_TRUE(std::equal(original.begin(), original.end(), recovered.begin()));
        if (!file.fixture.readsOn && file.fixture.typeId != 20)
            EXPECT_EQ(recovered.size(), original.size());
    }
}
