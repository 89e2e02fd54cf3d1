// The fuzzers' properties, replayed over the seed corpus and simple damage of
// it, under the normal builds.
#include "../../fuzz/CarvingFuzzCheck.h"
#include "DeepScan/CarvingHarness.h"
#include "support/CarvingFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr int32_t parserIds[] = {0, 1, 13, 3, 4, 5, 8, 12, 15, 17, 18, 19, 20, 23, 24, 27, 29, 30, 31, 32, 33, 34, 41};

}

// Files with a length or end field damaged, alone and with a file after them.
TEST(CarvingReplay, EveryParserKeepsItsPropertiesOnTheDamagedSeeds)
{
    const std::string dir = TestSupport::CarvingFixtureDir();
    ASSERT_FALSE(dir.empty());
    size_t seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir + "/damaged")) {
        const auto bytes = TestSupport::ReadFileBytes(entry.path().string());
        ++seeds;
        for (int32_t id : parserIds) {
            SCOPED_TRACE(entry.path().filename().string() + " as type " + std::to_string(id));
            CarvingFuzz::Check(id, bytes.data(), bytes.size());
        }
    }
    EXPECT_GT(seeds, 0u);
}

TEST(CarvingReplay, EveryParserKeepsItsPropertiesOnTheCorpus)
{
    for (const auto& fixture : TestSupport::CarvingFixtures()) {
        auto bytes = TestSupport::ReadFileBytes(fixture.file);
        if (fixture.signatureOffset)
            bytes.erase(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(fixture.signatureOffset));
        // Kept small: the first 64 KiB, as the fuzzers see them.
        bytes.resize(std::min<size_t>(bytes.size(), 65536));
        auto damaged = bytes;
        const auto noise = CarvingTest::RandomBytes(damaged.size(), 11);
        for (size_t i = 8; i < damaged.size(); i += 97)
            damaged[i] = noise[i];
        for (int32_t id : parserIds) {
            SCOPED_TRACE(fixture.file + " as type " + std::to_string(id));
            CarvingFuzz::Check(id, bytes.data(), bytes.size());
            CarvingFuzz::Check(id, damaged.data(), damaged.size());
            CarvingFuzz::Check(id, bytes.data(), std::min<size_t>(bytes.size(), 700));
        }
    }
}
