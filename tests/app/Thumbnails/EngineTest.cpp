// The thumbnail cache engine against a fake read seam: what it asks the
// engine for, what it caches and announces, and how it behaves when the
// records go away while it works.
#include "DocumentInfo.h"
#include "FakeDisk.h"
#include "MountSupport.h"
#include "NodeTypeCode.h"
#include "PictureFixtures.h"
#include "PixmapCache.h"
#include "RecoveryRequest.h"
#include "ThumbnailCacheEngine.h"
#include "ThumbnailFit.h"
#include "spdlog_qt.h"

#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

using namespace NomoThumbCache;
using namespace PictureFixtures;
using namespace ThumbTest;

namespace {

// Every announcement, taken on the worker thread.
class Announcements {
public:
    explicit Announcements(ThumbnailCacheEngine* engine)
    {
        QObject::connect(engine, &ThumbnailCacheEngine::thumbnailLoaded, engine,
                         [this](qulonglong address, const QPixmap& pixmap, bool isLast) {
                             std::lock_guard lock(mutex);
                             entries.append({address, pixmap.size(), isLast});
                         },
                         Qt::DirectConnection);
    }
    struct Entry {
        qulonglong address;
        QSize size;
        bool isLast;
    };
    QVector<Entry> all()
    {
        std::lock_guard lock(mutex);
        return entries;
    }
    int count()
    {
        std::lock_guard lock(mutex);
        return entries.size();
    }
    bool waitFor(int n, int ms = 20000)
    {
        QElapsedTimer timer;
        timer.start();
        while (count() < n && timer.elapsed() < ms)
            QThread::msleep(2);
        return count() >= n;
    }
    void clear()
    {
        std::lock_guard lock(mutex);
        entries.clear();
    }

private:
    std::mutex mutex;
    QVector<Entry> entries;
};

QPixmap solid(int w, int h)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::red);
    return pixmap;
}

quint64 keyOf(const DocumentInfo* doc)
{
    return quint64(reinterpret_cast<quintptr>(doc));
}

}

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fitKeepsSmallAndShrinksLarge_data();
    void fitKeepsSmallAndShrinksLarge();
    void cacheEvictsOldestFirstAndRefreshesEveryTenthHit();
    void cacheRefusesWhatExceedsItsCap();
    void statesOfRecords();
    void photosAreReadDecodedScaledAndAnnounced();
    void sameRecordTwiceIsProcessedTwice();
    void unusableSizesAreNeverRead_data();
    void unusableSizesAreNeverRead();
    void requestCarriesTheRecord();
    void runListsAreReadOnlyWhenWhole_data();
    void runListsAreReadOnlyWhenWhole();
    void shortAndFailedReads();
    void clearCacheLeavesNoRecordPending();
    void queuedRecordIsReadAsItWasQueued_data();
    void queuedRecordIsReadAsItWasQueued();
    void oversizedPixmapIsAnnouncedNotCached();
    void idleWorkerGivesBackItsBuffer();
    void releaseWaitsForTheTaskInFlight();
    void clearTasksRacesTheWorker();
    void shutdownAndDestructorEndTheWorker();

private:
    QTemporaryDir dir;
    QByteArray largeJpeg, smallJpeg, png;
};

void EngineTest::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(startAppLog(dir.filePath("log")));
    REQUIRE_TOOLS(QStringLiteral("convert"));
    const QString draw = QStringLiteral("-size %1 xc:'#dc281e' -fill '#28c83c' -draw 'rectangle 0,0 %2'");
    largeJpeg = run("convert " + draw.arg("4000x3000", "1999,1499") + " -quality 90 jpg:-");
    smallJpeg = run("convert " + draw.arg("640x480", "319,239") + " -quality 90 jpg:-");
    png = run("convert " + draw.arg("90x60", "44,29") + " png:-");
    QVERIFY2(!largeJpeg.isEmpty() && !smallJpeg.isEmpty() && !png.isEmpty(), "convert could not make the pictures");
}

void EngineTest::fitKeepsSmallAndShrinksLarge_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("12 MP at 1") << QSize(4000, 3000) << 1.0 << QSize(800, 600);
    QTest::newRow("12 MP at 2") << QSize(4000, 3000) << 2.0 << QSize(1600, 1200);
    QTest::newRow("VGA at 1") << QSize(640, 480) << 1.0 << QSize(640, 480);
    QTest::newRow("VGA at 2") << QSize(640, 480) << 2.0 << QSize(640, 480);
    QTest::newRow("portrait") << QSize(3000, 4000) << 1.0 << QSize(450, 600);
    QTest::newRow("panorama") << QSize(8000, 1000) << 1.0 << QSize(800, 100);
    QTest::newRow("tiny") << QSize(10, 10) << 1.0 << QSize(10, 10);
    QTest::newRow("tall strip") << QSize(50, 5000) << 1.0 << QSize(6, 600);
}

void EngineTest::fitKeepsSmallAndShrinksLarge()
{
    QFETCH(QSize, image);
    QFETCH(double, scale);
    QFETCH(QSize, expected);
    QImage source(image, QImage::Format_RGB32);
    source.fill(Qt::blue);
    QCOMPARE(thumbnailImage(source, scale, scale).size(), expected);
}

void EngineTest::cacheEvictsOldestFirstAndRefreshesEveryTenthHit()
{
    PixmapCache cache(10 * 10 * 4 * 3);  // room for three 10x10 pixmaps
    cache.setTrackAccess(true);
    for (quint64 key : {1, 2, 3})
        cache.insert(key, solid(10, 10));
    QCOMPARE(cache.orderedKeys(), (QList<quint64>{1, 2, 3}));
    // Nine hits leave the order; the tenth moves the entry it hits to the newest end.
    for (int i = 0; i < 9; ++i)
        QVERIFY(cache.find(1, nullptr));
    QCOMPARE(cache.orderedKeys(), (QList<quint64>{1, 2, 3}));
    QPixmap out;
    QVERIFY(cache.find(1, &out));
    QCOMPARE(out.size(), QSize(10, 10));
    QCOMPARE(cache.orderedKeys(), (QList<quint64>{2, 3, 1}));
    cache.insert(4, solid(10, 10));
    QCOMPARE(cache.orderedKeys(), (QList<quint64>{3, 1, 4}));
    QVERIFY(!cache.find(2, nullptr));
    // A larger pixmap evicts as many of the oldest as it needs.
    cache.insert(5, solid(10, 20));
    QCOMPARE(cache.orderedKeys(), (QList<quint64>{4, 5}));
    QCOMPARE(cache.totalCost(), qint64(10 * 10 * 4 + 10 * 20 * 4));
    // A null pixmap costs nothing, and never replaces a picture.
    cache.insert(4, QPixmap());
    QVERIFY(cache.find(4, &out));
    QVERIFY(!out.isNull());
    cache.insert(6, QPixmap());
    QCOMPARE(cache.count(), 3);
    cache.insert(0, solid(1, 1));
    QVERIFY(!cache.find(0, nullptr));
    cache.setMaxCost(10 * 20 * 4);
    QCOMPARE(cache.orderedKeys(), (QList<quint64>{5, 6}));
    cache.clear();
    QCOMPARE(cache.totalCost(), qint64(0));
    QCOMPARE(cache.count(), 0);
}

void EngineTest::cacheRefusesWhatExceedsItsCap()
{
    PixmapCache cache(100);
    cache.insert(1, solid(5, 5));
    QTest::ignoreMessage(QtWarningMsg, "Pixmap too large for cache, size: 400 bytes");
    cache.insert(2, solid(10, 10));
    QCOMPARE(cache.orderedKeys(), (QList<quint64>{1}));
}

void EngineTest::statesOfRecords()
{
    FakeDisk disk;
    disk.delayMs = 300;
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    RecordOwner records;
    DocumentInfo* video = records.add(photo("v/clip.mp4", 100, {}, VideoFile));
    DocumentInfo* first = records.add(photo("p/first.jpg", smallJpeg.size()));
    DocumentInfo* second = records.add(photo("p/second.jpg", smallJpeg.size()));
    disk.put("p/first.jpg", smallJpeg);
    disk.put("p/second.jpg", smallJpeg);

    QCOMPARE(engine.getThumbnail(nullptr).state, int(NotImage));
    QCOMPARE(engine.getThumbnail(video).state, int(NotImage));
    engine.addTask(video);
    engine.addTask(nullptr);
    QCOMPARE(engine.taskCount(), 0);
    QCOMPARE(engine.getThumbnail(first).state, int(NotLoaded));

    Announcements announced(&engine);
    engine.addTask(first);
    engine.addTask(second);
    QCOMPARE(engine.getThumbnail(first).state, int(Pending));
    QCOMPARE(engine.getThumbnail(second).state, int(Pending));
    QVERIFY(announced.waitFor(2));
    const ThumbnailResult ready = engine.getThumbnail(first);
    QCOMPARE(ready.state, int(Ready));
    QCOMPARE(ready.thumbnail.size(), QSize(640, 480));
    QCOMPARE(engine.getThumbnail(video).thumbnail.isNull(), true);
    // The last of the batch says so; the first did not, the second was queued.
    const auto entries = announced.all();
    QCOMPARE(entries[0].isLast, false);
    QCOMPARE(entries[1].isLast, true);
}

void EngineTest::photosAreReadDecodedScaledAndAnnounced()
{
    FakeDisk disk;
    RecordOwner records;
    for (double scale : {1.0, 2.0}) {
        ThumbnailCacheEngine engine(nullptr, disk.reader());
        engine.setScale(scale, scale);
        Announcements announced(&engine);
        DocumentInfo* large = records.add(photo("DCIM/large.JPG", largeJpeg.size()));
        DocumentInfo* small = records.add(photo("DCIM/small.jpg", smallJpeg.size()));
        DocumentInfo* picture = records.add(photo("shots/picture.png", png.size()));
        disk.put("DCIM/large.JPG", largeJpeg);
        disk.put("DCIM/small.jpg", smallJpeg);
        disk.put("shots/picture.png", png);
        engine.addTask(large);
        engine.addTask(small);
        engine.addTask(picture);
        QVERIFY(announced.waitFor(3));
        const auto entries = announced.all();
        QCOMPARE(entries[0].address, keyOf(large));
        QCOMPARE(entries[0].size, QSize(int(800 * scale), int(600 * scale)));
        QCOMPARE(entries[1].size, QSize(640, 480));
        QCOMPARE(entries[2].size, QSize(90, 60));
        const QPixmap thumb = engine.getThumbnail(large).thumbnail;
        const QImage image = thumb.toImage();
        QVERIFY(std::abs(qGreen(image.pixel(10, 10)) - 0xc8) <= 8);
        QVERIFY(std::abs(qRed(image.pixel(thumb.width() - 10, thumb.height() - 10)) - 0xdc) <= 8);
        QCOMPARE(engine.cacheCost(), qint64(800 * scale * 600 * scale * 4 + 640 * 480 * 4 + 90 * 60 * 4));
    }
}

void EngineTest::sameRecordTwiceIsProcessedTwice()
{
    FakeDisk disk;
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    Announcements announced(&engine);
    RecordOwner records;
    DocumentInfo* doc = records.add(photo("a/b.png", png.size()));
    disk.put("a/b.png", png);
    engine.addTask(doc);
    engine.addTask(doc);
    QVERIFY(announced.waitFor(2));
    QCOMPARE(disk.calls.load(), 2);
    QCOMPARE(engine.cacheOrder(), (QList<quint64>{keyOf(doc)}));
    ShutdownSpdLog();
    const QByteArray log = readFile(dir.filePath("log/AppLog.log"));
    QVERIFY(startAppLog(dir.filePath("log")));
    QVERIFY(log.contains(QStringLiteral("cache inserted pixmap path exists: %1").arg(keyOf(doc)).toUtf8()));
}

void EngineTest::unusableSizesAreNeverRead_data()
{
    QTest::addColumn<qint64>("size");
    QTest::newRow("zero") << qint64(0);
    QTest::newRow("minus one") << qint64(-1);
    QTest::newRow("2^63") << qint64(quint64(1) << 63);  // the signed field wraps to the lowest value
    QTest::newRow("above 500 MiB") << qint64(524288001);
    QTest::newRow("2^63 - 1") << std::numeric_limits<qint64>::max();
}

void EngineTest::unusableSizesAreNeverRead()
{
    QFETCH(qint64, size);
    FakeDisk disk;
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    Announcements announced(&engine);
    RecordOwner records;
    DocumentInfo* doc = records.add(photo("a/size.jpg", size));
    engine.addTask(doc);
    QVERIFY(announced.waitFor(1));
    QCOMPARE(disk.calls.load(), 0);
    QVERIFY(announced.all()[0].size.isEmpty());
    const ThumbnailResult result = engine.getThumbnail(doc);
    QCOMPARE(result.state, int(Ready));
    QVERIFY(result.thumbnail.isNull());
}

void EngineTest::requestCarriesTheRecord()
{
    FakeDisk disk;
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    Announcements announced(&engine);
    RecordOwner records;
    // Non-ASCII path: the engine counts bytes, not UTF-16 units.
    const QByteArray path = QStringLiteral("sdb1/Fotos/Größe 日本.png").toUtf8();
    DocumentInfo* doc = records.add(photo(path, png.size(), {{4096, 8192}, {1 << 20, 512}}));
    disk.put(path, png);
    engine.addTask(doc);
    QVERIFY(announced.waitFor(1));
    const auto requests = disk.takeRequests();
    QCOMPARE(requests.size(), 1);
    const DataRecoveryInfo& info = requests[0].info;
    QCOMPARE(requests[0].path, path);
    QCOMPARE(int(info.pathLength), path.size());
    QCOMPARE(info.kind, quint32(Fat32File));
    QCOMPARE(int(info.diskIndex), 2);
    QCOMPARE(int(info.volIndex), 3);
    QCOMPARE(info.fileSize, quint64(png.size()));
    QCOMPARE(info.value, quint64(1600000000123));
    QCOMPARE(int(info.deletedState), 5);
    QCOMPARE(int(info.pathState), 4);
    QCOMPARE(int(info.runCount), 2);
    QCOMPARE(requests[0].runs[0].offset, quint64(4096));
    QCOMPARE(requests[0].runs[0].length, quint64(8192));
    QCOMPARE(requests[0].runs[1].offset, quint64(1 << 20));
    QCOMPARE(requests[0].runs[1].length, quint64(512));
    QVERIFY(!engine.getThumbnail(doc).thumbnail.isNull());
}

void EngineTest::runListsAreReadOnlyWhenWhole_data()
{
    // One run {300, 5} encodes as ac 02 05; each row damages it in place.
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("readable");
    QTest::newRow("whole") << -1 << 0 << true;
    QTest::newRow("length cut by the end") << 2 << 0x85 << false;
    QTest::newRow("offset swallows the length") << 1 << 0x82 << false;
    QTest::newRow("zero length decodes") << 2 << 0x00 << true;
}

void EngineTest::runListsAreReadOnlyWhenWhole()
{
    QFETCH(int, at);
    QFETCH(int, value);
    QFETCH(bool, readable);
    FakeDisk disk;
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    Announcements announced(&engine);
    RecordOwner records;
    DocumentInfo* doc = records.add(photo("r/runs.png", png.size(), {{300, 5}}));
    QCOMPARE(doc->runBytes(), 3u);
    if (at >= 0)
        const_cast<uint8_t*>(doc->tail())[at] = uint8_t(value);
    disk.put("r/runs.png", png);
    engine.addTask(doc);
    QVERIFY(announced.waitFor(1));
    QCOMPARE(disk.calls.load(), readable ? 1 : 0);
    QCOMPARE(engine.getThumbnail(doc).thumbnail.isNull(), !readable);
}

void EngineTest::shortAndFailedReads()
{
    FakeDisk disk;
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    Announcements announced(&engine);
    RecordOwner records;
    // The record claims more bytes than the engine returns: the decode uses what was read.
    DocumentInfo* longer = records.add(photo("s/longer.png", png.size() + 1000));
    DocumentInfo* missing = records.add(photo("s/missing.png", 100));
    DocumentInfo* cut = records.add(photo("s/cut.jpg", smallJpeg.size()));
    disk.put("s/longer.png", png);
    disk.put("s/cut.jpg", smallJpeg.left(smallJpeg.size() / 3));
    engine.addTask(longer);
    engine.addTask(missing);
    engine.addTask(cut);
    QVERIFY(announced.waitFor(3));
    QVERIFY(!engine.getThumbnail(longer).thumbnail.isNull());
    QVERIFY(engine.getThumbnail(missing).thumbnail.isNull());
    QCOMPARE(engine.getThumbnail(missing).state, int(Ready));
    // A JPEG cut to a third still shows its top part; never a stale picture.
    QCOMPARE(engine.getThumbnail(cut).state, int(Ready));
}

void EngineTest::clearCacheLeavesNoRecordPending()
{
    FakeDisk disk;
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    Announcements announced(&engine);
    RecordOwner records;
    DocumentInfo* doc = records.add(photo("c/last.png", png.size()));
    disk.put("c/last.png", png);
    engine.addTask(doc);
    QVERIFY(announced.waitFor(1));
    engine.clearCache();
    // Once its task ended the record is no longer current: the view queues it again.
    QCOMPARE(engine.getThumbnail(doc).state, int(NotLoaded));
    engine.addTask(doc);
    QVERIFY(announced.waitFor(2));
    QCOMPARE(engine.getThumbnail(doc).state, int(Ready));
}

void EngineTest::queuedRecordIsReadAsItWasQueued_data()
{
    QTest::addColumn<bool>("reused");
    QTest::newRow("freed") << false;
    QTest::newRow("freed, block taken by another record") << true;
}

void EngineTest::queuedRecordIsReadAsItWasQueued()
{
    // The results model frees its records on a new scan or when it goes, while
    // their thumbnails may still be queued; the next records may take the blocks.
    QFETCH(bool, reused);
    FakeDisk disk;
    disk.put("q/first.png", png);
    disk.put("q/queued.png", png);
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    Announcements announced(&engine);
    RecordOwner records;
    disk.closeGate();
    engine.addTask(records.add(photo("q/first.png", png.size())));
    QVERIFY(disk.waitUntilHeld());
    DocumentInfo* queued = photo("q/queued.png", png.size());
    const quint64 key = keyOf(queued);
    engine.addTask(queued);
    if (reused) {
        DocumentInfo* other = records.add(photo("q/reused.png", 17, {}, VideoFile));
        std::memcpy(static_cast<void*>(queued), other, DocumentInfo::headerSize + other->pathBytes());
        records.add(queued);
    } else {
        freeRecord(queued);
    }
    disk.openGate();
    QVERIFY(announced.waitFor(2));
    const auto requests = disk.takeRequests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[1].path, QByteArray("q/queued.png"));
    QCOMPARE(requests[1].info.fileSize, quint64(png.size()));
    QCOMPARE(announced.all()[1].address, key);
    QCOMPARE(announced.all()[1].size, QSize(90, 60));
}

void EngineTest::oversizedPixmapIsAnnouncedNotCached()
{
    FakeDisk disk;
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    engine.setCacheMaxCost(1000);
    Announcements announced(&engine);
    RecordOwner records;
    DocumentInfo* doc = records.add(photo("o/big.png", png.size()));
    disk.put("o/big.png", png);
    engine.addTask(doc);
    QVERIFY(announced.waitFor(1));
    QCOMPARE(announced.all()[0].size, QSize(90, 60));
    QCOMPARE(engine.getThumbnail(doc).state, int(NotLoaded));
    QCOMPARE(engine.cacheCost(), qint64(0));
}

void EngineTest::idleWorkerGivesBackItsBuffer()
{
    FakeDisk disk;
    disk.delayMs = 50;
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    Announcements announced(&engine);
    RecordOwner records;
    disk.put("i/a.png", png);
    engine.addTask(records.add(photo("i/a.png", png.size())));
    engine.addTask(records.add(photo("i/a.png", png.size())));
    QVERIFY(announced.waitFor(1));
    QTRY_VERIFY(engine.hasSpareBuffer() == false && announced.count() == 2);
}

void EngineTest::releaseWaitsForTheTaskInFlight()
{
    // The release: clearTasks then clearCache on a pool thread, then the records
    // are freed and the next scan's records may take their addresses.
    FakeDisk disk;
    disk.delayMs = 3;
    disk.put("x/same.png", png);
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    Announcements announced(&engine);
    for (int round = 0; round < 25; ++round) {
        RecordOwner records;
        for (int i = 0; i < 8; ++i)
            engine.addTask(records.add(photo("x/same.png", png.size())));
        QThread::msleep(quint64(round % 5) * 2);
        std::thread release([&] {
            engine.clearTasks();
            engine.clearCache();
            disk.released = true;
        });
        // Meanwhile the views still ask.
        for (int i = 0; i < 50; ++i)
            engine.getThumbnail(records.records[i % 8]);
        release.join();
        const int announcedAtRelease = announced.count();
        records.freeAll();
        QThread::msleep(10);
        QCOMPARE(disk.readsAfterRelease.load(), 0);
        QCOMPARE(announced.count(), announcedAtRelease);
        QCOMPARE(engine.cacheCost(), qint64(0));
        // New records, likely at the freed addresses, show nothing stale.
        RecordOwner next;
        for (int i = 0; i < 8; ++i)
            QCOMPARE(engine.getThumbnail(next.add(photo("y/other.png", 10))).state, int(NotLoaded));
        disk.released = false;
    }
}

void EngineTest::clearTasksRacesTheWorker()
{
    FakeDisk disk;
    disk.put("t/a.png", png);
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    Announcements announced(&engine);
    RecordOwner records;
    for (int i = 0; i < 16; ++i)
        records.add(photo("t/a.png", png.size()));
    std::atomic<bool> stop{false};
    std::thread clearer([&] {
        while (!stop.load())
            engine.clearTasks();
    });
    for (int round = 0; round < 400; ++round) {
        engine.addTask(records.records[round % 16]);
        engine.getThumbnail(records.records[(round + 3) % 16]);
        if (round % 50 == 0)
            QThread::msleep(1);
    }
    stop = true;
    clearer.join();
    engine.clearTasks();
    engine.clearCache();
}

void EngineTest::shutdownAndDestructorEndTheWorker()
{
    FakeDisk disk;
    disk.put("d/a.png", png);
    QElapsedTimer timer;
    {
        // Idle: the worker sleeps on its condition and must be woken.
        ThumbnailCacheEngine engine(nullptr, disk.reader());
        QThread::msleep(20);
        timer.start();
        engine.shutdown();
        QVERIFY(engine.isFinished());
        QVERIFY(timer.elapsed() < 5000);
    }
    {
        // Busy: shutdown waits for the task in flight, then the thread ends.
        disk.delayMs = 100;
        ThumbnailCacheEngine engine(nullptr, disk.reader());
        RecordOwner records;
        for (int i = 0; i < 5; ++i)
            engine.addTask(records.add(photo("d/a.png", png.size())));
        QTRY_VERIFY(disk.calls.load() >= 1);
        engine.shutdown();
        QVERIFY(engine.isFinished());
        QVERIFY(disk.calls.load() <= 2);
    }
    {
        // The destructor alone, with work queued.
        disk.delayMs = 20;
        RecordOwner records;
        timer.restart();
        {
            ThumbnailCacheEngine engine(nullptr, disk.reader());
            for (int i = 0; i < 50; ++i)
                engine.addTask(records.add(photo("d/a.png", png.size())));
            QThread::msleep(30);
        }
        QVERIFY(timer.elapsed() < 5000);
    }
}

QTEST_MAIN(EngineTest)
#include "EngineTest.moc"
