#pragma once
#include <QVector>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

// Sets of this many items or more are walked in parallel; smaller ones serially.
inline constexpr int parallelWalkThreshold = 99;

// Runs fn on every unit, the calling thread working too, helpers taking units
// from one atomic cursor. Plain threads rather than Qt's pool: the pool's
// hand-offs and QtConcurrent's kernel lifetime live in uninstrumented Qt code,
// where ThreadSanitizer sees races that are not there; here every hand-off is
// a thread start, an atomic or a join that it sees.
template<typename Unit, typename Fn>
void runParallelUnits(QVector<Unit>& units, Fn fn)
{
    std::atomic<int> cursor{0};
    auto work = [&] {
        for (int i = cursor.fetch_add(1, std::memory_order_relaxed); i < units.size();
             i = cursor.fetch_add(1, std::memory_order_relaxed))
            fn(units[i]);
    };
    const int helpers = std::min<int>(int(std::max(1u, std::thread::hardware_concurrency())) - 1, units.size() - 1);
    std::vector<std::thread> threads;
    threads.reserve(std::max(helpers, 0));
    for (int i = 0; i < helpers; ++i)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
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
