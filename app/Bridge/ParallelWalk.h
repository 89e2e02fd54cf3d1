#pragma once
#include "WalkPool.h"

#include <QVector>

#include <algorithm>
#include <atomic>
#include <functional>
#include <vector>

// Sets of this many items or more are walked in parallel; smaller ones serially.
inline constexpr int parallelWalkThreshold = 99;

// Runs fn on every unit, the calling thread working too, helpers of the
// shared walk pool taking units from one atomic cursor. The pool's hand-overs
// are std::mutex ones ThreadSanitizer sees (Qt's pool hands over inside
// uninstrumented Qt code, where it would see races that are not there).
template<typename Units, typename Fn>
void runParallelUnits(Units& units, Fn fn)
{
    std::atomic<int> cursor{0};
    const int count = int(units.size());
    WalkPool& pool = WalkPool::shared();
    const int threads = pool.workerCount() + 1;
    // Units are taken a run at a time: one shared cursor bumped per small unit costs
    // more than the unit's work. About 16 runs per thread still balance the load.
    const int run = std::max(1, count / (threads * 16));
    const std::function<void()> work = [&] {
        for (int i = cursor.fetch_add(run, std::memory_order_relaxed); i < count;
             i = cursor.fetch_add(run, std::memory_order_relaxed)) {
            for (int end = std::min(i + run, count); i < end; ++i)
                fn(units[i]);
        }
    };
    pool.run(count - 1, work);
}

// A flat list: in order on the calling thread below the threshold, else in chunks in parallel.
template<typename T, typename Body>
void forEachParallel(const QVector<T>& items, Body body)
{
    if (items.size() < parallelWalkThreshold) {
        for (const T& item : items)
            body(item);
        return;
    }
    struct Chunk {
        int begin;
        int end;
    };
    QVector<Chunk> chunks;
    constexpr int chunkSize = 512;
    for (int begin = 0; begin < items.size(); begin += chunkSize)
        chunks.append({begin, qMin(begin + chunkSize, items.size())});
    runParallelUnits(chunks, [&](Chunk& chunk) {
        for (int i = chunk.begin; i < chunk.end; ++i)
            body(items.at(i));
    });
}

// A unit of a walk over the entries of node lists: the nodes [first, last) of one
// list whole (each below the threshold), or entries [begin, end) of its node first.
struct EntryUnit {
    int list;
    int first;
    int last;
    int begin;  // -1: whole nodes
    int end;
};

// The units of a walk over node lists (anything with an `entries` vector). Node
// sizes are read in parallel (the nodes lie scattered in memory); a node of 99
// entries or more is split into slices of 99, smaller ones stay whole, grouped
// with their neighbours in the list up to about 512 entries a unit.
template<typename Node, size_t Lists>
std::vector<EntryUnit> entryUnits(const std::vector<Node*>* const (&lists)[Lists], qint64* total)
{
    constexpr int groupEntries = 512;
    constexpr int sizeRange = 4096;
    std::vector<EntryUnit> units;
    *total = 0;
    for (int list = 0; list < int(Lists); ++list) {
        const std::vector<Node*>& nodes = *lists[list];
        const int count = int(nodes.size());
        std::vector<int> sizes(nodes.size());
        std::vector<int> starts;
        for (int begin = 0; begin < count; begin += sizeRange)
            starts.push_back(begin);
        auto readSizes = [&](int& begin) {
            for (int i = begin; i < std::min(begin + sizeRange, count); ++i)
                sizes[size_t(i)] = int(nodes[size_t(i)]->entries.size());
        };
        if (starts.size() > 1) {
            runParallelUnits(starts, readSizes);
        } else {
            for (int& begin : starts)
                readSizes(begin);
        }
        int groupStart = 0, groupSize = 0;
        auto closeGroup = [&](int end) {
            if (end > groupStart)
                units.push_back({list, groupStart, end, -1, 0});
            groupStart = end;
            groupSize = 0;
        };
        for (int i = 0; i < count; ++i) {
            const int size = sizes[size_t(i)];
            *total += size;
            if (size < parallelWalkThreshold) {
                groupSize += size;
                if (groupSize >= groupEntries)
                    closeGroup(i + 1);
                continue;
            }
            closeGroup(i);
            for (int begin = 0; begin < size; begin += parallelWalkThreshold)
                units.push_back({list, i, i + 1, begin, std::min(begin + parallelWalkThreshold, size)});
            groupStart = i + 1;
        }
        closeGroup(count);
    }
    return units;
}

inline constexpr int prefetchDistance = 8;

// Calls fn(node, entry) for every entry of one unit.
template<typename Node, size_t Lists, typename Fn>
void forEachEntryOfUnit(const std::vector<Node*>* const (&lists)[Lists], const EntryUnit& unit, Fn fn)
{
    const std::vector<Node*>& nodes = *lists[unit.list];
    for (int n = unit.first; n < unit.last; ++n) {
        Node* node = nodes[size_t(n)];
        const auto* entries = node->entries.constData();
        const int begin = unit.begin >= 0 ? unit.begin : 0;
        const int end = unit.begin >= 0 ? unit.end : int(node->entries.size());
        for (int i = begin; i < end; ++i) {
            // The walks are bound by misses on scattered records: ask for the next ones early.
            if (i + prefetchDistance < end) {
                const char* ahead = reinterpret_cast<const char*>(entries[i + prefetchDistance]);
                __builtin_prefetch(ahead);
                __builtin_prefetch(ahead + 64);
            }
            fn(node, entries[i]);
        }
    }
}
