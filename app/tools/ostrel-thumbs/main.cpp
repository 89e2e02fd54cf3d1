// ostrel-thumbs: picture decoding and the thumbnail engine without a window.
//   ostrel-thumbs decode FILE... [--scale S] [--out DIR]
//   ostrel-thumbs scan --disk D --volume V [--scale S] [--out DIR]
// One JSON line a file: the decoder step that read it (qt, heif, raw-thumb,
// raw, glimmet, qt-ext, none), the picture and thumbnail sizes, milliseconds.
#include "DocumentInfo.h"
#include "DocumentManager.h"
#include "FileTreeNode.h"
#include "ImageDecoder.h"
#include "NodeTypeCode.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"
#include "ThumbnailCacheEngine.h"
#include "ThumbnailFit.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>
#include <vector>

using namespace NomoThumbCache;

namespace {

void print(const QJsonObject& object)
{
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    fwrite(line.constData(), 1, size_t(line.size()), stdout);
    fflush(stdout);
}

int fail(const QString& message)
{
    fprintf(stderr, "ostrel-thumbs: %s\n", qPrintable(message));
    return 2;
}

// A file name for a thumbnail that cannot leave the output folder.
QString outputName(int index, const QString& source)
{
    QString name = QFileInfo(source).fileName();
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-') && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    return QStringLiteral("%1-%2.png").arg(index, 4, 10, QLatin1Char('0')).arg(name);
}

int decodeFiles(const QStringList& files, double scale, const QString& outDir)
{
    int index = 0;
    int failures = 0;
    for (const QString& file : files) {
        QFile input(file);
        if (!input.open(QIODevice::ReadOnly)) {
            print({{"file", file}, {"error", input.errorString()}});
            ++failures;
            continue;
        }
        const QByteArray bytes = input.readAll();
        QElapsedTimer timer;
        timer.start();
        const DecodedImage decoded = decodeImageWithStep(bytes, QFileInfo(file).suffix().toLower(), file);
        const qint64 decodeMs = timer.elapsed();
        QJsonObject line{{"file", file}, {"step", decodeStepName(decoded.step)}, {"bytes", bytes.size()},
                         {"decodeMs", decodeMs}};
        if (!decoded.image.isNull()) {
            const QImage thumbnail = thumbnailImage(decoded.image, scale, scale);
            line.insert("width", decoded.image.width());
            line.insert("height", decoded.image.height());
            line.insert("thumbWidth", thumbnail.width());
            line.insert("thumbHeight", thumbnail.height());
            line.insert("ms", timer.elapsed());
            if (!outDir.isEmpty())
                thumbnail.save(QDir(outDir).filePath(outputName(index, file)));
        } else {
            ++failures;
        }
        print(line);
        ++index;
    }
    return failures == 0 ? 0 : 1;
}

void collectPhotos(DocumentManager* model, FileTreeNode* root, std::vector<DocumentInfo*>& photos)
{
    if (!root)
        return;
    std::vector<FileTreeNode*> stack{root};
    while (!stack.empty()) {
        FileTreeNode* node = stack.back();
        stack.pop_back();
        for (DocumentInfo* entry : node->entries) {
            if (entry->typeCode == PhotoFile)
                photos.push_back(entry);
            else if (!entry->isFile())
                if (FileTreeNode* child = model->findFolderNode(static_cast<const DocumentInfo*>(entry)))
                    stack.push_back(child);
        }
    }
}

int scanAndThumbnail(QGuiApplication& app, quint64 disk, quint64 volumeIndex, double scale, const QString& outDir)
{
    const QVector<QDiskAndVolumeInfo> list = StorageDeviceManager::instance().refreshDiskList();
    DocumentManager* model = DocumentManager::instance();
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    bridge->setStartDelayMs(0);
    QDiskAndVolumeInfo volume;
    volume.diskIndex = disk;
    volume.volIndex = volumeIndex;
    for (const QDiskAndVolumeInfo& record : list)
        if (record.diskIndex == disk && record.volIndex == volumeIndex)
            volume = record;
    bool finished = false;
    int scanError = 0;
    QObject::connect(model, &DocumentManager::scanFinished, &app, [&](int errorType, const QString&, int) {
        scanError = errorType;
        finished = true;
    });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&] {
        if (finished && bridge->waitForStarters(0) && model->waitForIdle(0))
            app.exit(0);
    });
    watch.start(5);
    bridge->startVolumeScan(volume, Volume);
    app.exec();
    watch.stop();
    bridge->waitForStarters(-1);
    model->waitForIdle(60000);

    std::vector<DocumentInfo*> photos;
    collectPhotos(model, model->typeTreeRoot(), photos);
    print({{"scanFinished", scanError}, {"photos", qint64(photos.size())}});

    ThumbnailCacheEngine* engine = ThumbnailCacheEngine::instance();
    engine->setScale(scale, scale);
    QHash<quint64, DocumentInfo*> byAddress;
    for (DocumentInfo* photo : photos)
        byAddress.insert(quint64(reinterpret_cast<quintptr>(photo)), photo);
    QElapsedTimer timer;
    timer.start();
    int done = 0, index = 0, failures = 0;
    QObject::connect(engine, &ThumbnailCacheEngine::thumbnailLoaded, &app,
                     [&](qulonglong address, const QPixmap& pixmap, bool) {
                         DocumentInfo* doc = byAddress.value(address);
                         if (!doc)
                             return;
                         const QString path = DocumentInfo::filePath(doc);
                         print({{"file", path},
                                {"state", engine->getThumbnail(doc).state},
                                {"thumbWidth", pixmap.width()},
                                {"thumbHeight", pixmap.height()},
                                {"ms", timer.elapsed()}});
                         if (pixmap.isNull())
                             ++failures;
                         else if (!outDir.isEmpty())
                             pixmap.save(QDir(outDir).filePath(outputName(index, path)));
                         ++index;
                         if (++done == int(photos.size()))
                             app.exit(0);
                     },
                     Qt::QueuedConnection);
    for (DocumentInfo* photo : photos)
        engine->addTask(photo);
    if (!photos.empty())
        app.exec();
    print({{"summary", true}, {"photos", qint64(photos.size())}, {"failed", failures}, {"seconds", timer.elapsed() / 1000.0}});
    engine->clearTasks();
    engine->clearCache();
    bridge->releaseDataRecovery();
    model->shutdown();
    engine->shutdown();
    return failures == 0 ? 0 : 1;
}

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Picture decoding and thumbnails of found files."));
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("decode FILE... | scan"));
    parser.addOptions({{"scale", "UI scale of the thumbnail box (default 1)", "S", "1"},
                       {"out", "write each thumbnail as a PNG into DIR", "DIR"},
                       {"disk", "disk index to scan", "D"},
                       {"volume", "volume index to scan", "V"}});
    parser.addHelpOption();
    parser.process(app);
    QStringList positional = parser.positionalArguments();
    const QString command = positional.isEmpty() ? QString() : positional.takeFirst();
    bool scaleOk = false;
    const double scale = parser.value("scale").toDouble(&scaleOk);
    if (!scaleOk || scale <= 0 || scale > 8)
        return fail(QStringLiteral("--scale takes a number between 0 and 8"));
    const QString outDir = parser.value("out");
    if (!outDir.isEmpty() && !QDir().mkpath(outDir))
        return fail(QStringLiteral("cannot make %1").arg(outDir));
    if (command == QLatin1String("decode")) {
        if (positional.isEmpty())
            return fail(QStringLiteral("decode needs at least one file"));
        return decodeFiles(positional, scale, outDir);
    }
    if (command == QLatin1String("scan")) {
        if (!parser.isSet("disk") || !parser.isSet("volume"))
            return fail(QStringLiteral("scan needs --disk and --volume"));
        return scanAndThumbnail(app, parser.value("disk").toULongLong(), parser.value("volume").toULongLong(), scale,
                                outDir);
    }
    return fail(QStringLiteral("usage: ostrel-thumbs decode FILE... | scan --disk D --volume V (see --help)"));
}
