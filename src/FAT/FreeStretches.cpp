#include "FAT/FreeStretches.h"

#include <algorithm>

namespace FAT {

FreeStretches::FreeStretches(const std::vector<FreeRange>& ranges, uint64_t clusterBytes, uint64_t volumeBytes)
    : clusterSize(std::max<uint64_t>(clusterBytes, 1)), volumeSize(volumeBytes)
{
    uint64_t reach = 0;
    bool any = false;
    for (const auto& [first, bytes] : ranges) {
        if (!stretches.emplace(first, bytes).second)
            continue;
        const uint64_t end = EndOf(first, bytes);
        if (!any || end > reach) {
            reachByFirst[first] = end;
            reachByEnd[end] = first;
            reach = end;
            any = true;
        }
    }
}

std::vector<FreeRange> FreeStretches::Ranges() const
{
    return {stretches.begin(), stretches.end()};
}

void FreeStretches::Grow(uint64_t first, uint64_t bytes)
{
    auto& held = stretches[first];
    if (bytes <= held)
        return;
    held = bytes;
    const uint64_t end = EndOf(first, bytes);
    auto self = reachByFirst.find(first);
    if (self != reachByFirst.end()) {
        reachByEnd.erase(self->second);
        reachByFirst.erase(self);
    } else {
        auto before = reachByFirst.lower_bound(first);
        if (before != reachByFirst.begin() && std::prev(before)->second >= end)
            return; // an earlier stretch still reaches further
    }
    // Later stretches that end no further than this one are never the first to reach a cluster again.
    for (auto later = reachByFirst.upper_bound(first); later != reachByFirst.end() && later->second <= end;) {
        reachByEnd.erase(later->second);
        later = reachByFirst.erase(later);
    }
    reachByFirst[first] = end;
    reachByEnd[end] = first;
}

std::optional<FreeStretches::Excess> FreeStretches::TakeExcess(uint64_t bytes)
{
    for (auto it = stretches.begin(); it != stretches.end(); ++it) {
        const auto next = std::next(it);
        if (next == stretches.end())
            break;
        const uint64_t after = it->first * clusterSize + it->second;
        const uint64_t nextAt = next->first * clusterSize;
        if (nextAt <= after || nextAt - after <= bytes)
            continue;
        const uint64_t rounded = (bytes + clusterSize - 1) / clusterSize * clusterSize;
        const Excess excess{EndOf(it->first, it->second), rounded};
        Grow(it->first, it->second + rounded);
        return excess;
    }
    return std::nullopt;
}

std::optional<FreeStretches::Excess> FreeStretches::Place(uint64_t k, uint64_t j)
{
    const auto reaching = reachByEnd.lower_bound(k);
    if (reaching == reachByEnd.end())
        return std::nullopt;
    const uint64_t end = reaching->first;
    const uint64_t first = reaching->second;
    if (end == k) {
        if (clusterSize * (k + j) <= volumeSize) {
            Grow(first, stretches[first] + j * clusterSize);
            return std::nullopt;
        }
        // Cut at the end of the volume; the rest goes to an earlier gap.
        if (volumeSize > first * clusterSize)
            Grow(first, volumeSize - first * clusterSize);
        return TakeExcess(clusterSize * (k + j) - volumeSize);
    }
    if (k + j < first) {
        stretches[k] = j * clusterSize;
        reachByFirst[k] = k + j;
        reachByEnd[k + j] = k;
    }
    return std::nullopt;
}

}
