#include "PageFixture.h"

#include "DocumentManager.h"
#include "ImageResources.h"
#include "NameTable.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace PageFixture {

bool run(const QString& program, const QStringList& arguments, QByteArray* output)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MTOOLS_SKIP_CHECK", "1");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    if (output)
        *output = process.readAllStandardOutput();
    return ok;
}

namespace {
QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 x = 2463534242u + quint32(seed);
    for (int i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        bytes[i] = char(x);
    }
    return bytes;
}
}  // namespace

FatImage makeFatImage(const QString& dir)
{
    FatImage image;
    image.path = dir + "/card.img";
    const QString written = dir + "/written";
    QDir().mkpath(written + "/DCIM/2024");
    QDir().mkpath(written + "/docs");
    for (const char* tool : {"mkfs.fat", "convert", "mmd", "mcopy", "mdel"})
        if (!TestMounts::haveTool(tool)) {
            image.why = QString::fromLatin1(tool) + " is not installed";
            return image;
        }
    // From here on a failure is the fixture's.
    image.failed = true;
    if (!run("mkfs.fat", {"-F", "32", "-n", "CARD", "-C", image.path, "40960"})) {
        image.why = "mkfs.fat failed";
        return image;
    }
    if (!run("convert", {"-size", "320x200", "plasma:fractal", "-seed", "7", written + "/DCIM/sunset.jpg"}) ||
        !run("convert", {"-size", "64x48", "gradient:red-blue", written + "/DCIM/2024/badge.png"})) {
        image.why = "ImageMagick's convert failed";
        return image;
    }
    const QList<QPair<QString, int>> blobs = {
        {"docs/one.txt", 1}, {"docs/report.txt", 5000}, {"docs/old notes.txt", 70000},
        {"docs/big.bin", 3 * 1024 * 1024}, {"DCIM/2024/clip.bin", 123457}};
    int seed = 0;
    for (const auto& blob : blobs) {
        QFile file(written + "/" + blob.first);
        if (!file.open(QIODevice::WriteOnly) || file.write(pattern(blob.second, ++seed)) != blob.second) {
            image.why = "cannot write the fixture files";
            return image;
        }
    }
    const QString target = image.path;
    if (!run("mmd", {"-i", target, "::DCIM", "::DCIM/2024", "::docs"})) {
        image.why = "mmd failed";
        return image;
    }
    image.files = QStringList{"DCIM/sunset.jpg", "DCIM/2024/badge.png", "DCIM/2024/clip.bin", "docs/one.txt",
                   "docs/report.txt", "docs/old notes.txt", "docs/big.bin"};
    for (const QString& file : image.files) {
        if (!run("mcopy", {"-i", target, written + "/" + file, "::" + file})) {
            image.why = "mcopy failed for " + file;
            return image;
        }
    }
    image.deleted = QStringList{"docs/old notes.txt", "DCIM/2024/clip.bin"};
    for (const QString& file : image.deleted) {
        if (!run("mdel", {"-i", target, "::" + file})) {
            image.why = "mdel failed for " + file;
            return image;
        }
    }
    image.failed = false;
    return image;
}

bool scanImage(const QString& image)
{
    qputenv("VELMORA_IMAGES_ONLY", "1");
    qputenv("VELMORA_DISK_IMAGES", image.toUtf8());
    const QVector<QDiskAndVolumeInfo> list = StorageDeviceManager::instance().refreshDiskList();
    if (list.isEmpty())
        return false;
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    bridge->setStartDelayMs(0);
    bridge->setModuleSwitcher([](int) {});
    QSignalSpy finished(DocumentManager::instance(), &DocumentManager::scanFinished);
    bridge->startVolumeScan(list[0], 0);
    if (!QTest::qWaitFor([&] { return finished.count() > 0; }, 60000))
        return false;
    return bridge->waitForStarters(30000) && DocumentManager::instance()->waitForIdle(30000);
}

QString prepareScannedImage(const QString& dir, FatImage& image)
{
    fillNameTable();
    initImageResources();
    image = makeFatImage(dir);
    if (!image.why.isEmpty())
        return image.why;
    return scanImage(image.path) ? QString() : QStringLiteral("the scan of the image did not finish");
}

}  // namespace PageFixture
