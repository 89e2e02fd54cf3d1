#pragma once
#include <QVector>
#include <QtConcurrent/QtConcurrentMap>

#include <atomic>

// Sets of this many items or more are walked in parallel; smaller ones serially.
inline constexpr int parallelWalkThreshold = 99;

// Runs fn on every unit on Qt's global pool, the calling thread working too (so a
// busy pool cannot stall the caller). The release store, the acquire loads and the
// acq_rel counter make the hand-offs of Qt's uninstrumented pool visible to TSan.
template<typename Unit, typename Fn>
void runParallelUnits(QVector<Unit>& units, Fn fn)
{
    std::atomic<const Unit*> published{nullptr};
    std::atomic<int> done{0};
    published.store(units.constData(), std::memory_order_release);
    QtConcurrent::blockingMap(units, [&](Unit& unit) {
        (void)published.load(std::memory_order_acquire);
        fn(unit);
        done.fetch_add(1, std::memory_order_acq_rel);
    });
    (void)done.load(std::memory_order_acquire);
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
