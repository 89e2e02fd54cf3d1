// The model's walk pool: every unit of a walk runs exactly once, whatever its
// size, on walks from several threads at once and on walks inside walks; the
// helpers are the pool's own threads, started once; a failing share leaves
// the pool usable.
#include "ParallelWalk.h"
#include "WalkPool.h"

#include <QTest>

#include <mutex>
#include <numeric>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// Plain ints: a unit run twice at once is a race ThreadSanitizer reports, and
// a unit run twice in turn counts 2.
std::vector<int> visitCounts(int count)
{
    std::vector<int> units(size_t(count), 0);
    runParallelUnits(units, [](int& visits) { ++visits; });
    return units;
}

bool allOnce(const std::vector<int>& visits)
{
    return std::all_of(visits.begin(), visits.end(), [](int v) { return v == 1; });
}

}

class BridgeWalkPoolTest : public QObject {
    Q_OBJECT

private slots:
    void everyUnitOnce_data()
    {
        QTest::addColumn<int>("count");
        for (int count : {0, 1, 2, 98, 99, 1000, 100003})
            QTest::newRow(qPrintable(QString::number(count))) << count;
    }

    void everyUnitOnce()
    {
        QFETCH(int, count);
        for (int walk = 0; walk < 20; ++walk)
            QVERIFY(allOnce(visitCounts(count)));
    }

    void flatListInOrderOrOnce()
    {
        QVector<int> items(5000);
        std::iota(items.begin(), items.end(), 0);
        std::vector<std::atomic<int>> seen(items.size());
        forEachParallel(items, [&](int item) { seen[size_t(item)].fetch_add(1, std::memory_order_relaxed); });
        for (const auto& s : seen)
            QCOMPARE(s.load(), 1);
    }

    // Search, filter and check-state walks run on different threads at once.
    void walksFromSeveralThreads()
    {
        std::atomic<int> bad{0};
        std::vector<std::thread> callers;
        for (int c = 0; c < 4; ++c) {
            callers.emplace_back([&, c] {
                for (int walk = 0; walk < 50; ++walk) {
                    if (!allOnce(visitCounts(500 + c * 300 + walk)))
                        bad.fetch_add(1);
                }
            });
        }
        for (std::thread& caller : callers)
            caller.join();
        QCOMPARE(bad.load(), 0);
    }

    // A unit that walks in turn must not wait for helpers busy with its own walk.
    void walkInsideWalk()
    {
        std::vector<long> sums(64, 0);
        runParallelUnits(sums, [](long& sum) {
            std::vector<int> inner(300);
            std::iota(inner.begin(), inner.end(), 1);
            std::vector<long> parts(inner.size(), 0);
            std::vector<int> index(inner.size());
            std::iota(index.begin(), index.end(), 0);
            runParallelUnits(index, [&](int& i) { parts[size_t(i)] = inner[size_t(i)]; });
            sum = std::accumulate(parts.begin(), parts.end(), 0L);
        });
        for (long sum : sums)
            QCOMPARE(sum, 300L * 301 / 2);
    }

    void helpersAreThePoolsThreads()
    {
        WalkPool pool(3);
        QCOMPARE(pool.workerCount(), 3);
        std::mutex seenMutex;
        std::set<std::thread::id> seen;
        for (int walk = 0; walk < 100; ++walk) {
            pool.run(3, [&] {
                std::lock_guard lock(seenMutex);
                seen.insert(std::this_thread::get_id());
            });
        }
        QVERIFY(seen.count(std::this_thread::get_id()) == 1);
        QVERIFY2(seen.size() <= 4, qPrintable(QString::number(seen.size())));
    }

    void noWorkersRunsOnTheCaller()
    {
        WalkPool pool(0);
        std::thread::id ranOn;
        pool.run(7, [&] { ranOn = std::this_thread::get_id(); });
        QCOMPARE(ranOn, std::this_thread::get_id());
    }

    void failingShareLeavesThePoolUsable()
    {
        WalkPool pool(2);
        const std::thread::id caller = std::this_thread::get_id();
        QVERIFY_EXCEPTION_THROWN(pool.run(2,
                                          [&] {
                                              if (std::this_thread::get_id() == caller)
                                                  throw std::runtime_error("stop");
                                          }),
                                 std::runtime_error);
        std::atomic<int> ran{0};
        pool.run(2, [&] { ran.fetch_add(1); });
        QVERIFY(ran.load() >= 1);
    }
};

QTEST_GUILESS_MAIN(BridgeWalkPoolTest)
#include "BridgeWalkPoolTest.moc"
