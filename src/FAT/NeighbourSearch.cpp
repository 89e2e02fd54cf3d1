#include "FAT/NeighbourSearch.h"

#include <algorithm>

namespace FAT {

namespace {

// The five low words within 2 of low.
std::vector<uint16_t> Window(uint16_t low)
{
    return {static_cast<uint16_t>(low - 2), static_cast<uint16_t>(low - 1), low, static_cast<uint16_t>(low + 1),
            static_cast<uint16_t>(low + 2)};
}

}

size_t NeighbourSearch::Chains::SlotOf(uint16_t value) const
{
    const size_t mask = slots.size() - 1;
    size_t at = (uint32_t{value} * 0x9E3779B1u >> 7) & mask;
    while (slots[at].head != none && slots[at].value != value)
        at = (at + 1) & mask;
    return at;
}

void NeighbourSearch::Chains::Add(uint16_t value, uint32_t position)
{
    if ((used + 1) * 2 > slots.size()) {
        std::vector<Slot> old(std::max<size_t>(16, slots.size() * 2));
        old.swap(slots);
        for (const auto& slot : old)
            if (slot.head != none)
                slots[SlotOf(slot.value)] = slot;
    }
    auto& slot = slots[SlotOf(value)];
    if (slot.head == none) {
        slot.value = value;
        ++used;
    }
    previous.resize(position + 1, none);
    previous[position] = slot.head;
    slot.head = position;
}

uint32_t NeighbourSearch::Chains::Head(uint16_t value) const
{
    return slots.empty() ? none : slots[SlotOf(value)].head;
}

NeighbourSearch::NeighbourSearch(const std::unordered_set<uint64_t>& directoryClusters, uint64_t entryLimit,
                                 uint64_t bytesPerCluster)
    : directories(directoryClusters), limit(std::max<uint64_t>(entryLimit, 1)),
      clusterSize(std::max<uint64_t>(bytesPerCluster, 1))
{
}

bool NeighbourSearch::Agrees(uint64_t cluster, uint16_t low)
{
    const uint16_t diff = static_cast<uint16_t>((cluster & 0xFFFF) - low);
    return diff <= 2 || diff >= 0xFFFE;
}

uint64_t NeighbourSearch::ForwardCluster(const Neighbour& n) const
{
    uint64_t c = n.firstCluster + Steps(n.size);
    while (c > 0 && directories.count(c))
        ++c;
    return c % limit;
}

std::optional<uint64_t> NeighbourSearch::BackwardCluster(uint64_t first, uint64_t steps) const
{
    int64_t c = static_cast<int64_t>(first) - static_cast<int64_t>(steps);
    while (c > 0 && directories.count(static_cast<uint64_t>(c)))
        --c;
    if (c < 0)
        return std::nullopt;
    return static_cast<uint64_t>(c) % limit;
}

NeighbourSearch::KeyChains& NeighbourSearch::ChainsOf(int64_t key, const std::vector<Neighbour>& list)
{
    auto& chains = keys[key];
    for (size_t p = chains.entered; p < list.size(); ++p) {
        const auto& n = list[p];
        const auto position = static_cast<uint32_t>(p);
        chains.nonZero = chains.nonZero || n.firstCluster != 0;
        chains.forward.Add(static_cast<uint16_t>(ForwardCluster(n)), position);
        if (n.firstCluster < limit) {
            chains.first.Add(static_cast<uint16_t>(n.firstCluster), position);
        } else {
            chains.first.Skip();
            chains.outside.push_back(position);
        }
    }
    chains.entered = list.size();
    return chains;
}

const std::unordered_map<uint16_t, std::vector<std::pair<uint64_t, uint64_t>>>& NeighbourSearch::DirectoryRuns()
{
    if (directoryRuns)
        return *directoryRuns;
    std::vector<uint64_t> sorted(directories.begin(), directories.end());
    std::sort(sorted.begin(), sorted.end());
    auto& runs = directoryRuns.emplace();
    for (size_t i = 0; i < sorted.size();) {
        size_t j = i;
        while (j + 1 < sorted.size() && sorted[j + 1] == sorted[j] + 1)
            ++j;
        if (sorted[i] > 0)
            runs[static_cast<uint16_t>(sorted[i] - 1)].push_back({sorted[i], sorted[j]});
        i = j + 1;
    }
    return runs;
}

bool NeighbourSearch::AnyNonZero(int64_t key, const std::vector<Neighbour>& list)
{
    if (list.size() < chainedLength)
        return std::any_of(list.begin(), list.end(), [](const Neighbour& n) { return n.firstCluster != 0; });
    return ChainsOf(key, list).nonZero;
}

std::optional<NeighbourSearch::Hit> NeighbourSearch::LastForward(int64_t key, const std::vector<Neighbour>& list,
                                                                 uint16_t low)
{
    if (list.size() < chainedLength) {
        for (size_t p = list.size(); p-- > 0;) {
            const uint64_t c = ForwardCluster(list[p]);
            if (Agrees(c, low))
                return Hit{p, c};
        }
        return std::nullopt;
    }
    const auto& chains = ChainsOf(key, list);
    uint32_t best = Chains::none;
    for (const uint16_t w : Window(low)) {
        const uint32_t head = chains.forward.Head(w);
        if (head != Chains::none && (best == Chains::none || head > best))
            best = head;
    }
    if (best == Chains::none)
        return std::nullopt;
    return Hit{best, ForwardCluster(list[best])};
}

std::optional<NeighbourSearch::Hit> NeighbourSearch::LastBackward(int64_t key, const std::vector<Neighbour>& list,
                                                                  uint16_t low, uint64_t steps)
{
    if (list.size() < chainedLength) {
        for (size_t p = list.size(); p-- > 0;) {
            const auto c = BackwardCluster(list[p].firstCluster, steps);
            if (c && Agrees(*c, low))
                return Hit{p, *c};
        }
        return std::nullopt;
    }
    const auto& chains = ChainsOf(key, list);
    std::optional<Hit> best;
    // Whether p agrees; a position at or below the best one so far ends a walk.
    auto later = [&](uint32_t p) { return !best || p > best->position; };
    auto tryAt = [&](uint32_t p) {
        const auto c = BackwardCluster(list[p].firstCluster, steps);
        if (!c || !Agrees(*c, low))
            return false;
        best = Hit{p, *c};
        return true;
    };
    // Neighbours whose cluster steps back without meeting a directory: found by their own low word.
    for (const uint16_t w : Window(low))
        for (uint32_t p = chains.first.Head(static_cast<uint16_t>(w + steps)); p != Chains::none && later(p);
             p = chains.first.Previous(p))
            if (tryAt(p))
                break;
    // Neighbours whose cluster lands on directory clusters and steps below them.
    const auto& runs = DirectoryRuns();
    for (const uint16_t w : Window(low)) {
        const auto found = runs.find(w);
        if (found == runs.end())
            continue;
        for (const auto& [from, to] : found->second)
            for (uint64_t v = from + steps; v <= to + steps; ++v)
                for (uint32_t p = chains.first.Head(static_cast<uint16_t>(v)); p != Chains::none && later(p);
                     p = chains.first.Previous(p))
                    if (list[p].firstCluster == v && tryAt(p))
                        break;
    }
    for (auto p = chains.outside.rbegin(); p != chains.outside.rend() && later(*p); ++p)
        if (tryAt(*p))
            break;
    return best;
}

}
