// Thumbnails of files found by a real scan: pictures written onto an NTFS
// image with ntfs-3g (one deleted again), scanned through the engine bridge,
// read back through the bridge's RecoverToMemory and decoded; each thumbnail
// equals the one made from the original file. Then the release while reads
// are in flight.
#include "DocumentInfo.h"
#include "DocumentManager.h"
#include "FileTreeNode.h"
#include "ImageDecoder.h"
#include "NodeTypeCode.h"
#include "PictureFixtures.h"
#include "ScanTarget.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"
#include "ThumbnailCacheEngine.h"
#include "ThumbnailFit.h"
#include "MountSupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include <atomic>
#include <vector>

using namespace NomoThumbCache;
using namespace PictureFixtures;

namespace {

std::vector<DocumentInfo*> foundPhotos()
{
    DocumentManager* model = DocumentManager::instance();
    std::vector<DocumentInfo*> photos;
    std::vector<FileTreeNode*> stack{model->typeTreeRoot()};
    while (!stack.empty()) {
        FileTreeNode* node = stack.back();
        stack.pop_back();
        if (!node)
            continue;
        for (DocumentInfo* entry : node->entries) {
            if (entry->typeCode == PhotoFile)
                photos.push_back(entry);
            else if (!entry->isFile())
                stack.push_back(model->findFolderNode(static_cast<const DocumentInfo*>(entry)));
        }
    }
    return photos;
}

QImage asShown(const QImage& image)
{
    return QPixmap::fromImage(image).toImage();
}

}

class ScanTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void foundPhotosMatchTheirOriginals();
    void releaseDuringReads();
    void cleanupTestCase();

private:
    QTemporaryDir dir;
    QString image;
    QMap<QString, QByteArray> originals;  // file name on the volume -> bytes
    QString deletedName = QStringLiteral("gone.png");
};

void ScanTest::initTestCase()
{
    if (getuid() != 0)
        SKIP_OR_FAIL(false, QStringLiteral("needs root to mount the NTFS image with ntfs-3g"));
    if (!QFile::exists(QStringLiteral("/dev/fuse")))
        SKIP_OR_FAIL(false, QStringLiteral("ntfs-3g needs /dev/fuse"));
    REQUIRE_TOOLS(QStringLiteral("mkntfs"), QStringLiteral("ntfs-3g"));
    QString missing;
    const QVector<Fixture> fixtures = makeAll(dir.filePath("fixtures"), &missing);
    if (fixtures.isEmpty())
        SKIP_OR_FAIL(missing.isEmpty(), missing.isEmpty() ? QStringLiteral("the picture fixtures were not made") : missing);
    image = dir.filePath("photos.ntfs");
    const QString mount = dir.filePath("mnt");
    QDir().mkpath(mount);
    QVERIFY(!run("truncate -s 64M " + quote(image) + " && mkntfs -q -F -Q " + quote(image) + " 2>/dev/null").isNull());
    QVERIFY(!run("ntfs-3g " + quote(image) + " " + quote(mount)).isNull());
    bool mounted = true;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            run("umount " + quote(mount));
    });
    bool written = true;
    for (const Fixture& fixture : fixtures) {
        if (!fixture.small && fixture.name != QLatin1String("large.jpg"))
            continue;
        written = written && QFile::copy(fixture.path, mount + QLatin1Char('/') + fixture.name);
        originals.insert(fixture.name, readFile(fixture.path));
    }
    // Written, then deleted: its clusters still hold the picture.
    const QString deletedSource = dir.filePath("fixtures/rgba.png");
    written = written && QFile::copy(deletedSource, mount + QLatin1Char('/') + deletedName);
    run("sync");
    written = written && QFile::remove(mount + QLatin1Char('/') + deletedName);
    originals.insert(deletedName, readFile(deletedSource));
    // On an image file ntfs-3g writes its last bytes after the umount: wait for it to end.
    const bool unmounted = !run("daemon=$(pgrep -n -f " + quote("^ntfs-3g " + image) + ") && umount " + quote(mount)
                                + " && for i in $(seq 2400); do kill -0 \"$daemon\" 2>/dev/null || exit 0; sleep 0.05; done; exit 1")
                                .isNull();
    mounted = !unmounted;
    QVERIFY(written);
    QVERIFY(unmounted);

    qputenv("VELMORA_IMAGES_ONLY", "1");
    qputenv("VELMORA_DISK_IMAGES", image.toUtf8());
    const QVector<QDiskAndVolumeInfo> list = StorageDeviceManager::instance().refreshDiskList();
    QCOMPARE(list.size(), 1);
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    bridge->setStartDelayMs(0);
    ThumbnailCacheEngine* engine = ThumbnailCacheEngine::instance();
    bridge->setThumbnailClearer([engine] {
        engine->clearTasks();
        engine->clearCache();
    });
    std::atomic<bool> finished{false};
    const auto connection = connect(DocumentManager::instance(), &DocumentManager::scanFinished, this,
                                    [&] { finished = true; }, Qt::DirectConnection);
    bridge->startVolumeScan(list[0], Volume);
    QVERIFY(QTest::qWaitFor([&] { return finished.load(); }, 60000));
    disconnect(connection);
    QVERIFY(bridge->waitForStarters(30000));
    QVERIFY(DocumentManager::instance()->waitForIdle(30000));
}

void ScanTest::foundPhotosMatchTheirOriginals()
{
    ThumbnailCacheEngine* engine = ThumbnailCacheEngine::instance();
    const std::vector<DocumentInfo*> photos = foundPhotos();
    QMap<QString, DocumentInfo*> byName;
    for (DocumentInfo* doc : photos)
        byName.insert(DocumentInfo::fileName(doc), doc);
    for (const QString& name : originals.keys()) {
        const bool picture = name.section(QLatin1Char('.'), -1) != QLatin1String("mp4")
                             && name.section(QLatin1Char('.'), -1) != QLatin1String("wav");
        QCOMPARE(byName.contains(name), picture);
    }
    QVERIFY(byName.value(deletedName)->deletedState() != 0);

    std::atomic<int> announced{0};
    const auto connection = connect(engine, &ThumbnailCacheEngine::thumbnailLoaded, this,
                                    [&] { announced.fetch_add(1); }, Qt::DirectConnection);
    for (DocumentInfo* doc : photos)
        engine->addTask(doc);
    QVERIFY(QTest::qWaitFor([&] { return announced.load() == int(photos.size()); }, 60000));
    disconnect(connection);
    for (DocumentInfo* doc : photos) {
        const QString name = DocumentInfo::fileName(doc);
        const ThumbnailResult result = engine->getThumbnail(doc);
        QCOMPARE(result.state, int(Ready));
        const QImage original = decodeImage(originals.value(name), DocumentInfo::suffix(doc), name);
        if (original.isNull()) {
            QVERIFY2(result.thumbnail.isNull(), qPrintable(name));
            continue;
        }
        QVERIFY2(!result.thumbnail.isNull(), qPrintable(name));
        QVERIFY2(result.thumbnail.toImage() == asShown(thumbnailImage(original, 1.0, 1.0)), qPrintable(name));
    }
    QVERIFY(!engine->getThumbnail(byName.value(QStringLiteral("large.jpg"))).thumbnail.isNull());
    QCOMPARE(engine->getThumbnail(byName.value(QStringLiteral("large.jpg"))).thumbnail.size(), QSize(800, 600));
    QVERIFY(engine->getThumbnail(byName.value(QStringLiteral("notes.jpg"))).thumbnail.isNull());
}

void ScanTest::releaseDuringReads()
{
    ThumbnailCacheEngine* engine = ThumbnailCacheEngine::instance();
    engine->clearCache();
    const std::vector<DocumentInfo*> photos = foundPhotos();
    QVERIFY(!photos.empty());
    std::atomic<int> announced{0};
    const auto connection = connect(engine, &ThumbnailCacheEngine::thumbnailLoaded, this,
                                    [&] { announced.fetch_add(1); }, Qt::DirectConnection);
    for (int round = 0; round < 3; ++round)
        for (DocumentInfo* doc : photos)
            engine->addTask(doc);
    QVERIFY(QTest::qWaitFor([&] { return announced.load() > 0; }, 30000));
    // The records go away here: the clearer waits for the read in flight first.
    StorageDataRecoverMgr::instance()->releaseScanData();
    const int atRelease = announced.load();
    QTest::qWait(300);
    QCOMPARE(announced.load(), atRelease);
    QCOMPARE(engine->cacheCost(), qint64(0));
    QCOMPARE(engine->taskCount(), 0);
    disconnect(connection);
}

void ScanTest::cleanupTestCase()
{
    StorageDataRecoverMgr::instance()->releaseDataRecovery();
    ThumbnailCacheEngine::instance()->shutdown();
    DocumentManager::instance()->shutdown();
}

QTEST_MAIN(ScanTest)
#include "ScanTest.moc"
