// Splash: the progress values, when finished() may come, a slow device list,
// and a crowded thread pool.

#include "ShellTestSupport.h"

#include "Launch/LaunchManager.h"
#include "Launch/Launcher.h"
#include "LockedSpy.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XProgressBar.h"

#include <QScreen>
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
    void pictureAndTextsDoNotOverlap_data();
    void pictureAndTextsDoNotOverlap();
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

void SplashTest::pictureAndTextsDoNotOverlap_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("scale 1") << 1.0;
    QTest::newRow("scale 2") << 2.0;
}

void SplashTest::pictureAndTextsDoNotOverlap()
{
    QFETCH(double, scale);
    XApplication* app = XApplication::instance();
    const double before = app->scaleX;
    app->scaleX = app->scaleY = scale;
    LaunchManager::setDeviceListLoader([] {});
    {
        LaunchManager manager;
        Launcher launcher(nullptr, &manager);
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        const auto inWindow = [&launcher](QWidget* widget) {
            return QRect(widget->mapTo(&launcher, QPoint(0, 0)), widget->size());
        };
        const QRect picture = launcher.pictureRect();
        const QRect title = inWindow(launcher.titleLabel());
        // The design size where the screen holds the whole splash; smaller, never squeezing the texts, elsewhere.
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        const auto s = [scale](int value) { return int(value * scale); };
        const int designHeight = s(49) + s(260) + 3 * s(15) + s(61) + s(30) + s(16) + s(24) + s(5);
        if (designHeight <= screen.height() && s(599) <= screen.width()) {
            QCOMPARE(picture.size(), QSize(s(260), s(260)));
            QCOMPARE(launcher.size(), QSize(s(599), designHeight));
        } else {
            QVERIFY(picture.width() > 0 && picture.width() < s(260));
            QVERIFY(launcher.height() <= screen.height() && launcher.width() <= screen.width());
        }
        QVERIFY(launcher.rect().contains(picture));
        QVERIFY2(!picture.intersects(title), qPrintable(QString("picture %1,%2 %3x%4, title top %5")
                                                            .arg(picture.x()).arg(picture.y())
                                                            .arg(picture.width()).arg(picture.height())
                                                            .arg(title.y())));
        QVERIFY(!picture.intersects(inWindow(launcher.logoBox())));
        QVERIFY(!picture.intersects(inWindow(launcher.statusLabel())));
        // Every line keeps its full height, and the bar stays at the bottom, below them all.
        QCOMPARE(title.height(), int(30 * scale));
        QCOMPARE(inWindow(launcher.statusLabel()).height(), int(16 * scale));
        QVERIFY(inWindow(launcher.statusLabel()).bottom() < inWindow(launcher.progressBar()).top());
        QCOMPARE(inWindow(launcher.progressBar()).bottom(), launcher.rect().bottom());
        // The picture stands in the middle of the width.
        QVERIFY(qAbs(picture.center().x() - launcher.rect().center().x()) <= 1);
        launcher.close();
    }
    app->scaleX = app->scaleY = before;
}

OSTREL_SHELL_TEST_MAIN(SplashTest)
#include "SplashTest.moc"
