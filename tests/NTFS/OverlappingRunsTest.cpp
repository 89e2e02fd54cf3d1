// Which of two files in use keeps clusters both runs claim.
#include "NTFS/OverlappingRuns.h"

#include <gtest/gtest.h>

using namespace NTFS;

TEST(OverlappingRuns, TheRunThatBeginsInsideAnotherLoses)
{
    // Clusters 0-999 in use, except 400-499.
    const AllocatedTest allocated = [](uint64_t start, uint64_t length) {
        return start + length <= 1000 && (start + length <= 400 || start >= 500);
    };
    struct Case {
        const char* what;
        std::vector<ClusterClaim> claims;
        size_t files;
        std::vector<size_t> first;
    };
    const std::vector<Case> cases = {
        {"apart", {{0, 100, 0, 0}, {100, 100, 1, 0}}, 2, {noOverlap, noOverlap}},
        {"begins inside", {{0, 100, 0, 0}, {50, 100, 1, 0}}, 2, {noOverlap, 0}},
        {"listed in either order", {{50, 100, 1, 0}, {0, 100, 0, 0}}, 2, {noOverlap, 0}},
        {"wholly inside", {{0, 300, 0, 0}, {100, 10, 1, 0}}, 2, {noOverlap, 0}},
        {"same start: neither can be told", {{0, 100, 0, 0}, {0, 50, 1, 0}}, 2, {0, 0}},
        {"over free clusters and onto a placed run", {{350, 200, 0, 0}, {520, 10, 1, 0}}, 2, {0, noOverlap}},
        {"over free clusters alone", {{350, 100, 0, 0}}, 1, {noOverlap}},
        {"a damaged later run keeps the runs before it", {{0, 10, 0, 0}, {100, 50, 0, 1}, {90, 110, 1, 0}, {600, 5, 0, 2}},
         2, {1, noOverlap}},
        {"a run that lost places nothing", {{0, 100, 0, 0}, {50, 100, 1, 0}, {120, 50, 2, 0}}, 3,
         {noOverlap, 0, noOverlap}},
        {"a file over its own clusters", {{0, 100, 0, 0}, {50, 10, 0, 1}}, 1, {1}},
        {"empty runs claim nothing", {{0, 100, 0, 0}, {50, 0, 1, 0}}, 2, {noOverlap, noOverlap}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindOverlappingRuns(c.claims, c.files, allocated), c.first) << c.what;
}
