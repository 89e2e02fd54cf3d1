// thumbnail_bench [--count N] [--distinct D]: N photos of 12 MP (D distinct
// JPEGs from ImageMagick, copied), thumbnailed by the engine with one worker,
// against `mogrify -limit thread 1 -thumbnail 800x600` over the same files in
// the same run. The engine reads each file from the page cache through its
// read seam (pread), as the bridge hands it bytes read from the device.
// Prints both rates, the peak cache cost, the resident-memory growth, and the
// resident memory after clearCache and an idle queue (after malloc_trim).
#include "DocumentInfo.h"
#include "NodeTypeCode.h"
#include "ThumbnailCacheEngine.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <thread>

using NomoThumbCache::ThumbnailCacheEngine;

namespace {

qint64 residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return qint64(resident) * sysconf(_SC_PAGESIZE);
}

bool run(const QString& command)
{
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

double mib(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"count", "photos to thumbnail (default 1000)", "N", "1000"},
                       {"distinct", "distinct pictures among them (default 20)", "D", "20"}});
    parser.addHelpOption();
    parser.process(app);
    const int count = parser.value("count").toInt();
    const int distinct = qMax(1, parser.value("distinct").toInt());

    QTemporaryDir dir;
    const QString photos = dir.filePath("photos");
    const QString mogrified = dir.filePath("mogrify");
    QDir().mkpath(photos);
    QDir().mkpath(mogrified);
    std::printf("making %d distinct 4000x3000 JPEGs...\n", distinct);
    for (int i = 0; i < distinct; ++i) {
        const QString file = QStringLiteral("%1/src%2.jpg").arg(photos).arg(i);
        if (!run(QStringLiteral("convert -size 4000x3000 -seed %1 gradient:'hsb(%2,60%%,90%%)'-'hsb(%3,80%%,40%%)' "
                                "-attenuate 0.6 +noise Gaussian -quality 90 '%4'")
                     .arg(i + 1)
                     .arg((i * 47) % 360)
                     .arg((i * 91 + 120) % 360)
                     .arg(file))) {
            std::fprintf(stderr, "convert failed\n");
            return 2;
        }
    }
    QVector<DocumentInfo*> records;
    qint64 totalBytes = 0;
    for (int i = 0; i < count; ++i) {
        const QString file = QStringLiteral("%1/IMG_%2.jpg").arg(photos).arg(i, 4, 10, QLatin1Char('0'));
        QFile::copy(QStringLiteral("%1/src%2.jpg").arg(photos).arg(i % distinct), file);
        FileRecordFields fields;
        fields.typeCode = PhotoFile;
        fields.eventKind = Fat32File;
        fields.size = QFileInfo(file).size();
        fields.path = file.toUtf8();
        totalBytes += fields.size;
        records.append(createFileRecord(fields));
    }
    for (int i = 0; i < distinct; ++i)
        QFile::remove(QStringLiteral("%1/src%2.jpg").arg(photos).arg(i));
    // Both sides read from the page cache.
    run(QStringLiteral("cat '%1'/*.jpg > /dev/null").arg(photos));
    std::printf("%d photos, %.1f MiB\n", count, mib(totalBytes));

    ThumbnailCacheEngine engine(nullptr, [](char* buffer, size_t* length, const DataRecoveryInfo& item) {
        const std::string path(item.path, item.pathLength);
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return 5;
        size_t done = 0;
        while (done < *length) {
            const ssize_t got = ::pread(fd, buffer + done, *length - done, off_t(done));
            if (got <= 0)
                break;
            done += size_t(got);
        }
        ::close(fd);
        *length = done;
        return 0;
    });
    std::atomic<int> finished{0};
    std::atomic<int> failed{0};
    std::atomic<qint64> peakCost{0};
    std::atomic<qint64> peakResident{0};
    QObject::connect(&engine, &ThumbnailCacheEngine::thumbnailLoaded, &engine,
                     [&](qulonglong, const QPixmap& pixmap, bool) {
                         if (pixmap.isNull())
                             failed.fetch_add(1);
                         finished.fetch_add(1);
                     },
                     Qt::DirectConnection);

    malloc_trim(0);
    const qint64 startResident = residentBytes();
    QElapsedTimer timer;
    timer.start();
    for (DocumentInfo* record : records)
        engine.addTask(record);
    while (finished.load() < count) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        peakCost = qMax(peakCost.load(), engine.cacheCost());
        peakResident = qMax(peakResident.load(), residentBytes());
    }
    const double engineSeconds = timer.elapsed() / 1000.0;
    peakCost = qMax(peakCost.load(), engine.cacheCost());
    peakResident = qMax(peakResident.load(), residentBytes());

    engine.clearCache();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the idle worker frees its buffer
    malloc_trim(0);
    const qint64 idleResident = residentBytes();

    timer.restart();
    const bool mogrifyOk = run(QStringLiteral("mogrify -limit thread 1 -path '%1' -thumbnail 800x600 '%2'/*.jpg")
                                   .arg(mogrified, photos));
    const double mogrifySeconds = timer.elapsed() / 1000.0;

    std::printf("engine : %d photos in %.2f s, %.2f photos/s (%d failed)\n", count, engineSeconds,
                count / engineSeconds, failed.load());
    std::printf("mogrify: %d photos in %.2f s, %.2f photos/s%s\n", count, mogrifySeconds, count / mogrifySeconds,
                mogrifyOk ? "" : " (failed)");
    std::printf("peak cache cost %.1f MiB (cap 1024 MiB)\n", mib(peakCost));
    std::printf("resident growth %.1f MiB (allowed: cache cost + 128 = %.1f MiB)\n",
                mib(peakResident - startResident), mib(peakCost) + 128);
    std::printf("resident after clearCache and idle %.1f MiB against %.1f MiB at the start (allowed +64 MiB)\n",
                mib(idleResident), mib(startResident));
    engine.shutdown();
    for (DocumentInfo* record : records)
        freeRecord(record);
    return 0;
}
