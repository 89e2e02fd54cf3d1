// Bar fill widths (including ranges that used to divide by zero or overrun)
// and the ring's value, spin and state pictures.

#include "ToolkitTestSupport.h"
#include "XCircularProgress.h"
#include "XProgressBar.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <climits>

namespace {

const QColor kTrack(0, 0, 255);
const QColor kFill(255, 0, 0);

QImage paintBar(int value, int maximum)
{
    XProgressBar bar;
    bar.resize(200, 10);
    bar.setBackgroundColors(kTrack, QColor());
    bar.setProgressColors(kFill, QColor());
    bar.setRange(0, maximum);
    bar.setValue(value);
    return paintedImage(bar);
}

} // namespace

class ProgressTest : public QObject
{
    Q_OBJECT

private slots:
    void fillWidth_data();
    void fillWidth();
    void paintedFill_data();
    void paintedFill();
    void equalValueEmitsOnce();
    void invalidLastColourFillsFlat();
    void ringClampsValue();
    void ringStartAtHundredStepsOnce();
    void ringStatePictures();
};

void ProgressTest::fillWidth_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("expected");
    QTest::newRow("half") << 50 << 100 << 100;
    QTest::newRow("zero") << 0 << 100 << 0;
    QTest::newRow("negative value") << -5 << 100 << 0;
    QTest::newRow("full") << 100 << 100 << 200;
    QTest::newRow("one third") << 1 << 3 << 66;
    QTest::newRow("maximum zero") << 5 << 0 << 0;
    QTest::newRow("maximum negative") << 5 << -10 << 0;
    QTest::newRow("value above maximum") << 150 << 100 << 200;
    QTest::newRow("huge value") << INT_MAX << 1 << 200;
    QTest::newRow("tiny share") << 1 << INT_MAX << 0;
}

void ProgressTest::fillWidth()
{
    QFETCH(int, value);
    QFETCH(int, maximum);
    QFETCH(int, expected);
    QCOMPARE(XProgressBar::fillWidth(value, maximum, 200), expected);
}

void ProgressTest::paintedFill_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("lastFilled"); // -1: no fill at all
    QTest::newRow("50 of 100") << 50 << 100 << 99;
    QTest::newRow("0 of 100") << 0 << 100 << -1;
    QTest::newRow("5 of 0") << 5 << 0 << -1;
    QTest::newRow("5 of -10") << 5 << -10 << -1;
    QTest::newRow("150 of 100") << 150 << 100 << 199;
}

void ProgressTest::paintedFill()
{
    QFETCH(int, value);
    QFETCH(int, maximum);
    QFETCH(int, lastFilled);
    const QImage image = paintBar(value, maximum);
    if (lastFilled >= 0)
        QVERIFY2(near(image.pixelColor(lastFilled, 5), kFill),
                 qPrintable(image.pixelColor(lastFilled, 5).name()));
    if (lastFilled + 1 < 200)
        QVERIFY2(near(image.pixelColor(lastFilled + 1, 5), kTrack),
                 qPrintable(image.pixelColor(lastFilled + 1, 5).name()));
}

void ProgressTest::equalValueEmitsOnce()
{
    XProgressBar bar;
    QSignalSpy spy(&bar, &XProgressBar::valueChanged);
    bar.setValue(30);
    bar.setValue(30);
    bar.setValue(31);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 30);
}

void ProgressTest::invalidLastColourFillsFlat()
{
    XProgressBar bar;
    bar.resize(200, 10);
    bar.setValue(100);
    bar.setProgressColors(kFill, QColor());
    QImage image = paintedImage(bar);
    QCOMPARE(image.pixelColor(2, 5), image.pixelColor(197, 5));
    QVERIFY(near(image.pixelColor(197, 5), kFill));

    bar.setProgressColors(kFill, kTrack);
    image = paintedImage(bar);
    QVERIFY(near(image.pixelColor(1, 5), kFill, 10));
    QVERIFY(near(image.pixelColor(198, 5), kTrack, 10));
}

void ProgressTest::ringClampsValue()
{
    XCircularProgress ring;
    ring.setValue(150);
    QCOMPARE(ring.value(), 100);
    ring.setValue(-5);
    QCOMPARE(ring.value(), 0);
    // Side 2 x (radius 21 + pen 2).
    QCOMPARE(ring.size(), QSize(46, 46));
}

void ProgressTest::ringStartAtHundredStepsOnce()
{
    XCircularProgress ring;
    ring.setValue(100);
    ring.start();
    QCOMPARE(ring.state(), int(XCircularProgress::Running));
    QTRY_COMPARE(ring.angle(), 6);
    QTest::qWait(200);
    QCOMPARE(ring.angle(), 6);
    QCOMPARE(ring.state(), int(XCircularProgress::Running));

    ring.setValue(40);
    ring.start();
    QTRY_VERIFY(ring.angle() >= 18);
    ring.pause();
    const int paused = ring.angle();
    QTest::qWait(150);
    QCOMPARE(ring.angle(), paused);
    QCOMPARE(ring.state(), int(XCircularProgress::Paused));
}

void ProgressTest::ringStatePictures()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString background = dir.filePath("bg.png");
    const QString finished = dir.filePath("finished.png");
    const QString failed = dir.filePath("failed.png");
    QVERIFY(solidImage(QSize(46, 46), QColor(240, 240, 240)).save(background));
    QVERIFY(solidImage(QSize(46, 46), Qt::green).save(finished));
    QVERIFY(solidImage(QSize(46, 46), Qt::red).save(failed));

    XCircularProgress ring;
    QCOMPARE(ring.state(), int(XCircularProgress::Failed));
    // Nothing to show until pictures are set.
    QCOMPARE(paintedImage(ring).pixelColor(23, 23).alpha(), 0);

    ring.setPixmaps(background, finished, failed);
    QVERIFY(near(paintedImage(ring).pixelColor(23, 23), Qt::red));

    ring.setTextFont(QColor(0, 128, 0), 9, true);
    ring.setValue(50);
    ring.start();
    const QImage running = paintedImage(ring);
    QVERIFY(near(running.pixelColor(2, 23), QColor(240, 240, 240)));
    bool textColourSeen = false;
    for (int y = 15; y < 31 && !textColourSeen; ++y)
        for (int x = 8; x < 38 && !textColourSeen; ++x)
            textColourSeen = near(running.pixelColor(x, y), QColor(0, 128, 0), 30);
    QVERIFY(textColourSeen);

    ring.showFinished();
    QCOMPARE(ring.state(), int(XCircularProgress::Finished));
    QVERIFY(near(paintedImage(ring).pixelColor(23, 23), Qt::green));
    ring.showFailed();
    QVERIFY(near(paintedImage(ring).pixelColor(23, 23), Qt::red));
}

OSTREL_TEST_MAIN(ProgressTest)
#include "ProgressTest.moc"
