// Every parser family on real files made by the tools that write them.
#include "DeepScan/CarvingHarness.h"
#include "support/CarvingFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace CarvingTest;
using TestSupport::CarvingFixture;

namespace {

std::string Name(const CarvingFixture& fixture)
{
    return std::filesystem::path(fixture.file).filename().string();
}

// ffmpeg's RealMedia muxer declares a DATA chunk 10 bytes longer than it writes.
uint64_t DeclaredLength(const CarvingFixture& fixture, uint64_t length)
{
    return fixture.typeId == 20 ? length + 10 : length;
}

void ExpectCarvedWhole(const CarvingFixture& fixture, const std::vector<uint8_t>& trailer, bool exact)
{
    auto volume = TestSupport::ReadFileBytes(fixture.file);
    EXPECT_FALSE(volume.empty()) << fixture.file;
    const uint64_t length = volume.size();
    volume.insert(volume.end(), trailer.begin(), trailer.end());
    for (size_t step : {size_t{512}, size_t{4096}, size_t{509}, size_t{7}}) {
        SCOPED_TRACE(Name(fixture) + " in spans of " + std::to_string(step));
        const Outcome outcome = Carve(volume, fixture.signatureOffset, step);
        EXPECT_TRUE(outcome.matched);
        EXPECT_TRUE(outcome.finished);
        if (!outcome.finished)
            continue;
        if (fixture.typeId == 34) {
            EXPECT_FALSE(outcome.valid);
            continue;
        }
        EXPECT_TRUE(outcome.valid);
        EXPECT_EQ(outcome.info.typeId, fixture.typeId);
        EXPECT_EQ(outcome.info.startOffset, 0u);
        if (exact)
            EXPECT_EQ(outcome.info.size, DeclaredLength(fixture, length));
        else
            EXPECT_GE(outcome.info.size, length);
        EXPECT_LE(outcome.info.size, volume.size());
    }
}

class CarvingFixturesTest : public ::testing::TestWithParam<int> {};

const std::vector<CarvingFixture>& Fixtures()
{
    static const auto fixtures = TestSupport::CarvingFixtures();
    return fixtures;
}

}

TEST(CarvingFixtures, EveryTypeIdHasAFixture)
{
    std::set<int32_t> ids;
    for (const auto& fixture : Fixtures())
        ids.insert(fixture.typeId);
    for (int32_t id = 0; id <= 41; ++id)
        EXPECT_TRUE(ids.count(id)) << "no fixture of type id " << id;
}

TEST(CarvingFixtures, FollowedByZerosEachIsCarvedToItsExactLength)
{
    const std::vector<uint8_t> zeros(65536, 0);
    for (const auto& fixture : Fixtures())
        ExpectCarvedWhole(fixture, zeros, true);
}

TEST(CarvingFixtures, FollowedByRandomBytesEachIsCarvedWhole)
{
    const auto random = RandomBytes(65536, 7);
    for (const auto& fixture : Fixtures())
        ExpectCarvedWhole(fixture, random, !fixture.readsOn);
}

// A volume ending before the file does never yields a size past its end.
TEST(CarvingFixtures, CutShortNoSizePassesTheVolumeEnd)
{
    for (const auto& fixture : Fixtures()) {
        auto volume = TestSupport::ReadFileBytes(fixture.file);
        for (uint64_t cut : {uint64_t{1}, uint64_t{100}, volume.size() / 2}) {
            if (cut >= volume.size() - fixture.signatureOffset - 1)
                continue;
            std::vector<uint8_t> shorter(volume.begin(), volume.end() - static_cast<ptrdiff_t>(cut));
            const Outcome outcome = Carve(shorter, fixture.signatureOffset);
            SCOPED_TRACE(Name(fixture) + " cut by " + std::to_string(cut));
            EXPECT_LE(outcome.info.size, shorter.size() - fixture.signatureOffset + outcome.info.startOffset);
            if (outcome.finished && outcome.valid && !fixture.readsOn && fixture.typeId != 20) {
                EXPECT_LT(outcome.info.size, volume.size());
            }
        }
    }
}
