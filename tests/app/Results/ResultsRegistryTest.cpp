// The tree observer registry and the batcher that carries its events to the
// GUI thread: identifiers, withdrawal, owners, concurrent use and stale posts.
#include "DocumentManager.h"
#include "FileTreeNodeObserverRegistry.h"
#include "ModelTestSupport.h"
#include "ResultsTestSupport.h"
#include "TreeEventBatcher.h"

#include "NameTable.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

using namespace ModelTest;
using namespace ResultsTest;

namespace {

FileTreeNodeObserverRegistry& registry()
{
    return FileTreeNodeObserverRegistry::instance();
}

} // namespace

class ResultsRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fillNameTable(); }
    void init() { registry().reset(); }
    void cleanup() { registry().reset(); }

    void identifiersStartAtZeroAfterStartAndReset()
    {
        QCOMPARE(registry().addObserver(nullptr, [](auto, auto, auto) {}, 0), 0);
        QCOMPARE(registry().addObserver(nullptr, [](auto, auto, auto) {}, 0), 1);
        registry().reset();
        QCOMPARE(registry().size(), 0);
        QCOMPARE(registry().addOwnerObserver(this, [](auto, auto, auto) {}), 0);
    }

    void withdrawnEntryIsNeverCalledAndOrderStays()
    {
        FileTreeNode watched;
        QStringList calls;
        const qint64 a = registry().addObserver(&watched, [&](auto, auto, auto) { calls << "a"; }, 0);
        const qint64 b = registry().addObserver(&watched, [&](auto, auto, auto) { calls << "b"; }, 0);
        registry().addObserver(&watched, [&](auto, auto, auto) { calls << "c"; }, 0);
        registry().addObserver(nullptr, [&](auto, auto, auto) { calls << "other"; }, 0);
        registry().notifyWatchers(&watched, &watched, nullptr, FileTreeNodeEventType::DocumentAdded);
        QCOMPARE(calls, (QStringList{"a", "b", "c"}));
        calls.clear();
        registry().removeObserver(b);
        registry().notifyWatchers(&watched, &watched, nullptr, FileTreeNodeEventType::DocumentAdded);
        QCOMPARE(calls, (QStringList{"a", "c"}));
        calls.clear();
        registry().removeObserver(a);
        registry().notifyWatchers(&watched, &watched, nullptr, FileTreeNodeEventType::DocumentAdded);
        QCOMPARE(calls, (QStringList{"c"}));
    }

    void notifyAllReachesOnlyOwners()
    {
        FileTreeNode watched;
        QStringList calls;
        registry().addObserver(&watched, [&](auto, auto, auto) { calls << "watcher"; }, 0);
        registry().addOwnerObserver(this, [&](auto, auto, auto) { calls << "owner"; });
        registry().addObserver(nullptr, [&](auto, auto, auto) { calls << "wants-all"; }, 7);
        registry().notifyAll(&watched, nullptr, FileTreeNodeEventType::NodeCreated);
        QCOMPARE(calls, (QStringList{"owner", "wants-all"}));
    }

    // A notifier thread runs while this thread adds, withdraws and resets; the
    // ThreadSanitizer build checks the array is never touched unguarded, and a
    // withdrawn callback's state is never used after the withdrawal returns.
    void notifierRunsWhileEntriesChange()
    {
        std::atomic<bool> stop{false};
        FileTreeNode watched;
        std::thread notifier([&] {
            while (!stop.load()) {
                registry().notifyAll(&watched, nullptr, FileTreeNodeEventType::NodeCreated);
                registry().notifyWatchers(&watched, &watched, nullptr, FileTreeNodeEventType::DocumentAdded);
            }
        });
        std::atomic<int> calls{0};
        for (int round = 0; round < 300; ++round) {
            auto counter = std::make_unique<int>(0);
            int* raw = counter.get();
            const qint64 id = registry().addOwnerObserver(this, [raw, &calls](auto, auto, auto) {
                ++*raw;
                calls.fetch_add(1, std::memory_order_relaxed);
            });
            registry().addObserver(&watched, [&calls](auto, auto, auto) { calls.fetch_add(1); }, 0);
            // The notifier thread may not have run yet: see one call reach an observer first.
            for (QDeadlineTimer bound(60000); round == 0 && calls.load() == 0 && !bound.hasExpired();)
                std::this_thread::yield();
            if (round % 3 == 0)
                QThread::usleep(50);
            registry().removeObserver(id);
            counter.reset();  // freed right after the withdrawal: ASan would see a late call
            if (round % 10 == 9)
                registry().reset();
        }
        stop.store(true);
        notifier.join();
        QVERIFY(calls.load() > 0);
    }

    // Events posted, then the trees released and freed, then the queued flush
    // delivered: the sink never sees them (the ASan build proves nothing is read).
    void staleEventsAreDroppedUnread()
    {
        auto manager = newManager();
        int delivered = 0;
        TreeEventBatcher batcher(manager.get(), [&](const QVector<TreeEvent>& events) { delivered += events.size(); });
        batcher.watchAll();
        for (int i = 0; i < 20; ++i)
            send(manager.get(), "\\d" + std::to_string(i) + "\\f.jpg");
        QVERIFY(manager->waitForIdle(idleTimeout));
        QVERIFY(batcher.postedFlushes() == 1);
        manager->clearDocumentCache();
        QVERIFY(manager->waitForIdle(idleTimeout));
        QTRY_COMPARE(batcher.postedFlushes(), 0);
        QCOMPARE(delivered, 0);
    }

    void liveEventsArriveInOneFlush()
    {
        auto manager = newManager();
        QVector<int> batches;
        TreeEventBatcher batcher(manager.get(), [&](const QVector<TreeEvent>& events) { batches << events.size(); });
        batcher.watchAll();
        for (int i = 0; i < 50; ++i)
            send(manager.get(), "\\d" + std::to_string(i) + "\\f.jpg");
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(batcher.postedFlushes(), 1);
        QTRY_COMPARE(batcher.postedFlushes(), 0);
        int total = 0;
        for (int n : batches)
            total += n;
        // 50 folders, the type folder "jpg" once.
        QCOMPARE(total, 51);
        QCOMPARE(batches.size(), 1);
    }

    void destroyedBatcherLeavesTheRegistry()
    {
        auto manager = newManager();
        {
            TreeEventBatcher batcher(manager.get(), [](const QVector<TreeEvent>&) {});
            batcher.watchAll();
            QCOMPARE(registry().size(), 1);
        }
        QCOMPARE(registry().size(), 0);
        send(manager.get(), "\\late\\f.jpg");
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(ResultsRegistryTest)
#include "ResultsRegistryTest.moc"
