// Splash: the progress values, when finished() may come, a slow device list,
// and a crowded thread pool.

#include "ShellTestSupport.h"

#include "Launch/LaunchManager.h"
#include "Launch/Launcher.h"
#include "LockedSpy.h"
#include "XProgressBar.h"

#include <QThreadPool>
#include <QtConcurrent>
#include <atomic>
#include <future>

class SplashTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LaunchManager::setDeviceListLoader([] {}); }
    void valuesZeroToNinetyNineThenFinished();
    void slowDeviceListKeepsTheSplashAtNinetyNine();
    void crowdedPoolStillFinishes();
};

void SplashTest::valuesZeroToNinetyNineThenFinished()
{
    std::atomic<int> loads{0};
    LaunchManager::setDeviceListLoader([&loads] { ++loads; });
    LaunchManager manager;
    Launcher launcher(nullptr, &manager);
    LockedSpy steps(&manager, &LaunchManager::stepValueChange);
    std::atomic<int> counterAtFinish{-1};
    connect(&manager, &LaunchManager::finished, &manager,
            [&] { counterAtFinish = manager.counter(); }, Qt::DirectConnection);
    LockedSpy finished(&manager, &LaunchManager::finished);
    launcher.start();
    manager.startTask(); // a second start runs nothing more

    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 6000);
    QVERIFY(counterAtFinish >= 99);
    QCOMPARE(loads.load(), 1);
    QTRY_COMPARE(steps.count(), 100);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(steps.at(i).at(0).toInt(), i);
    QCOMPARE(launcher.progressBar()->value(), 99);
    // The splash closes itself about 100 ms later.
    QTRY_VERIFY(!launcher.isVisible());
    QTest::qWait(100);
    QCOMPARE(steps.count(), 100);
}

void SplashTest::slowDeviceListKeepsTheSplashAtNinetyNine()
{
    std::promise<void> release;
    std::shared_future<void> gate = release.get_future().share();
    LaunchManager::setDeviceListLoader([gate] { gate.wait(); });
    LaunchManager manager;
    Launcher launcher(nullptr, &manager);
    LockedSpy finished(&manager, &LaunchManager::finished);
    launcher.start();

    QTRY_COMPARE_WITH_TIMEOUT(launcher.progressBar()->value(), 99, 10000);
    QTest::qWait(300);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(launcher.progressBar()->value(), 99);
    QVERIFY(launcher.isVisible());

    release.set_value();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QTRY_VERIFY(!launcher.isVisible());
}

void SplashTest::crowdedPoolStillFinishes()
{
    QThreadPool* pool = QThreadPool::globalInstance();
    const int before = pool->maxThreadCount();
    pool->setMaxThreadCount(1);
    // Something else (an analytics send) holds the only pool thread.
    std::promise<void> release;
    std::shared_future<void> gate = release.get_future().share();
    QFuture<void> blocker = QtConcurrent::run(pool, [gate] { gate.wait(); });

    LaunchManager::setDeviceListLoader([] {});
    LaunchManager manager;
    LockedSpy finished(&manager, &LaunchManager::finished);
    manager.startTask();
    QVERIFY(pool->maxThreadCount() >= 4);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 6000);

    release.set_value();
    blocker.waitForFinished();
    pool->setMaxThreadCount(before);
}

OSTREL_SHELL_TEST_MAIN(SplashTest)
#include "SplashTest.moc"
