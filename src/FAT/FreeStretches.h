#pragma once
// The free stretches of an allocation table as the guessing of deleted files'
// clusters keeps them: each file it places grows the stretch it follows, and a
// file placed past the end of the volume hands its excess to the first gap
// between stretches wide enough to take it.
#include "FAT/FATTable.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace FAT {

class FreeStretches {
public:
    FreeStretches(const std::vector<FreeRange>& ranges, uint64_t clusterSize, uint64_t volumeSize);

    // Where the excess went when a file placed at cluster k with j clusters ran past the volume.
    struct Excess {
        uint64_t cluster = 0; // the first cluster after the stretch that took it
        uint64_t bytes = 0;   // its length rounded up to whole clusters
    };
    // Accounts a deleted file placed at cluster k, j clusters long.
    std::optional<Excess> Place(uint64_t k, uint64_t j);

    // The stretches in cluster order.
    std::vector<FreeRange> Ranges() const;

private:
    uint64_t EndOf(uint64_t first, uint64_t bytes) const { return first + bytes / clusterSize; }
    // Gives a stretch a new, larger length.
    void Grow(uint64_t first, uint64_t bytes);
    std::optional<Excess> TakeExcess(uint64_t bytes);

    uint64_t clusterSize;
    uint64_t volumeSize;
    std::map<uint64_t, uint64_t> stretches; // first cluster -> byte length
    // The stretches that end past every stretch before them: their ends rise
    // with their first clusters, so the first stretch reaching a cluster is
    // found by its end. Kept both ways round.
    std::map<uint64_t, uint64_t> reachByFirst; // first cluster -> end
    std::map<uint64_t, uint64_t> reachByEnd;   // end -> first cluster
};

}
