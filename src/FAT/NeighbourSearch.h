#pragma once
// The search of the deleted-cluster guessing: among the live neighbours kept
// under one creation key, the last one (the latest entered) whose cluster
// agrees with a deleted file's stored low word, under the forward rules (the
// cluster just after the neighbour) or the backward ones (the cluster where
// the file would start to end just before the neighbour). Long lists are
// searched through chains by low word, so a folder of thousands of files
// written in the same second costs the same per file as a small one.
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace FAT {

// A live file or folder whose place a deleted file may follow.
struct Neighbour {
    int32_t score = 0;
    uint64_t size = 0;
    uint64_t firstCluster = 0;
};

class NeighbourSearch {
public:
    // The lists below this length are walked entry by entry.
    static constexpr size_t chainedLength = 32;

    NeighbourSearch(const std::unordered_set<uint64_t>& directoryClusters, uint64_t entryLimit, uint64_t clusterSize);

    struct Hit {
        size_t position = 0; // in the list
        uint64_t cluster = 0;
    };
    // list is the neighbours under key, only ever appended to between calls.
    std::optional<Hit> LastForward(int64_t key, const std::vector<Neighbour>& list, uint16_t low);
    std::optional<Hit> LastBackward(int64_t key, const std::vector<Neighbour>& list, uint16_t low, uint64_t steps);
    bool AnyNonZero(int64_t key, const std::vector<Neighbour>& list);

    // The cluster just after a neighbour, past directory clusters.
    uint64_t ForwardCluster(const Neighbour& n) const;
    // steps clusters before first, below directory clusters; none below 0.
    std::optional<uint64_t> BackwardCluster(uint64_t first, uint64_t steps) const;
    // Whether the low 16 bits of a cluster lie within 2 of a stored low word.
    static bool Agrees(uint64_t cluster, uint16_t low);

private:
    // Positions by a 16-bit value, latest first.
    class Chains {
    public:
        static constexpr uint32_t none = UINT32_MAX;
        void Add(uint16_t value, uint32_t position);
        void Skip() { previous.push_back(none); }
        uint32_t Head(uint16_t value) const;
        uint32_t Previous(uint32_t position) const { return previous[position]; }

    private:
        struct Slot {
            uint32_t head = none;
            uint16_t value = 0;
        };
        size_t SlotOf(uint16_t value) const;
        std::vector<Slot> slots;
        size_t used = 0;
        std::vector<uint32_t> previous;
    };
    struct KeyChains {
        size_t entered = 0;
        bool nonZero = false;
        Chains forward; // by the low word of the forward cluster
        Chains first;   // by the low word of the first cluster, for those inside the table
        std::vector<uint32_t> outside; // positions whose first cluster lies past the table
    };
    KeyChains& ChainsOf(int64_t key, const std::vector<Neighbour>& list);
    const std::unordered_map<uint16_t, std::vector<std::pair<uint64_t, uint64_t>>>& DirectoryRuns();
    uint64_t Steps(uint64_t bytes) const { return (bytes + clusterSize - 1) / clusterSize; }

    const std::unordered_set<uint64_t>& directories;
    const uint64_t limit;
    const uint64_t clusterSize;
    std::unordered_map<int64_t, KeyChains> keys;
    // Runs of consecutive directory clusters (first, last) by the low word of the cluster before them.
    std::optional<std::unordered_map<uint16_t, std::vector<std::pair<uint64_t, uint64_t>>>> directoryRuns;
};

}
