// ostrel-bridge: the engine bridge and the found-file model without a window.
//   ostrel-bridge list
//   ostrel-bridge scan (--disk D --volume V | --whole-disk D | --path P | --recycle-bin)
//                      [--pause-after N --resume-after-ms T] [--stop-after N] [--tree] [--export DIR]
//                      [--only-deleted] [--search TEXT] [--filter JSON]
// --export checks everything the view shows and exports it into DIR: the folder
// view narrowed by --only-deleted and --filter, or the search results of --search.
// --filter takes {"typeMask":1,"extensions":["jpg"],"sizePreset":6,"sizeMin":0,
// "sizeMax":9,"datePreset":5,"dateFrom":0,"dateTo":9,"exclusions":2}.
// Every model signal is one JSON line on stdout, then a summary line.
#include "DocumentManager.h"
#include "FileFilterManager.h"
#include "NameTable.h"
#include "StorageDataRecoverMgr.h"
#include "SearchDataPanelMgr.h"
#include "StorageDeviceManager.h"
#include "TreeDump.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

void print(const QJsonObject& object)
{
    out() << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    out().flush();
}

QJsonObject toJson(const QDiskAndVolumeInfo& r)
{
    return QJsonObject{{"displayName", r.displayName},
                       {"diskName", r.diskName},
                       {"diskModel", r.diskModel},
                       {"volumeLetter", r.volumeLetter},
                       {"label", r.label},
                       {"volumePath", r.volumePath},
                       {"fileSystem", r.fileSystem},
                       {"partitionStart", QString::number(r.partitionStart)},
                       {"partitionEnd", QString::number(r.partitionEnd)},
                       {"diskIndex", qint64(r.diskIndex)},
                       {"volIndex", qint64(r.volIndex)},
                       {"deviceSize", QString::number(r.deviceSize)},
                       {"freeBytes", QString::number(r.freeBytes)},
                       {"totalBytes", QString::number(r.totalBytes)},
                       {"availableBytes", QString::number(r.availableBytes)},
                       {"totalSizeText", r.totalSizeText},
                       {"category", qint64(r.category)},
                       {"bitLockerStatus", r.bitLockerStatus},
                       {"isExternal", r.isExternal},
                       {"isSystem", r.isSystem},
                       {"isRemovable", r.isRemovable}};
}

int fail(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return 2;
}

bool applyFilters(const QCommandLineParser& parser)
{
    FileFilterManager* filters = FileFilterManager::instance();
    if (parser.isSet("only-deleted"))
        filters->setFileStateFilter(true);
    if (!parser.isSet("filter"))
        return true;
    const QJsonDocument document = QJsonDocument::fromJson(parser.value("filter").toUtf8());
    if (!document.isObject())
        return false;
    const QJsonObject f = document.object();
    if (f.contains("typeMask"))
        filters->setFileTypeFilter(quint32(f.value("typeMask").toInt()),
                                   f.value("extensions").toVariant().toStringList());
    if (f.contains("sizePreset"))
        filters->setFileSizeFilter(f.value("sizePreset").toInt(), qint64(f.value("sizeMin").toDouble(-1)),
                                   qint64(f.value("sizeMax").toDouble(-1)));
    if (f.contains("datePreset"))
        filters->setModifiedDateFilter(f.value("datePreset").toInt(), qint64(f.value("dateFrom").toDouble(-1)),
                                       qint64(f.value("dateTo").toDouble(-1)));
    if (f.contains("exclusions"))
        filters->setExclusionFlags(quint32(f.value("exclusions").toInt()));
    return true;
}

// Filter, search, select all in the view, then export; 0 only when every file was written.
int exportEverything(QCoreApplication& app, DocumentManager* model, const QString& folder, const QString& text,
                     bool search)
{
    int errorType = -1;
    const QMetaObject::Connection progress = QObject::connect(
        model, &DocumentManager::fileRecoveryProgress, &app,
        [](const QString& path, qulonglong index, qulonglong total) {
            print({{"signal", "fileRecoveryProgress"},
                   {"filePath", path},
                   {"recoveredCount", qint64(index)},
                   {"totalCount", qint64(total)}});
        });
    const QMetaObject::Connection done = QObject::connect(
        model, &DocumentManager::recoveryCompleted, &app,
        [&](int type, const QString& description, int count, int incomplete) {
            print({{"signal", "recoveryCompleted"},
                   {"incompleteCount", incomplete},
                   {"errorType", type},
                   {"description", description},
                   {"totalErrorCount", count}});
            errorType = type;
            app.exit(0);
        });
    const int view = search ? 4 : 1;
    if (FileFilterManager::instance()->isFilterActive())
        model->setFilterCriteriaUpdated(view);
    if (search) {
        SearchDataPanelMgr::instance()->setSearchData(text);
        model->startDocumentSearch(text, QSharedPointer<QAtomicInteger<bool>>::create(false));
    }
    model->selectionDocumentNodeState(Qt::Checked, view);
    model->exportAllDocumentsToDisk(folder, search);
    app.exec();
    QObject::disconnect(progress);
    QObject::disconnect(done);
    return errorType == 0 ? 0 : 3;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    fillNameTable();
    QCommandLineParser parser;
    parser.addPositionalArgument("command", "list or scan");
    parser.addOptions({{"disk", "disk index", "D"},
                       {"volume", "volume index", "V"},
                       {"whole-disk", "scan every volume of a disk", "D"},
                       {"path", "scan a folder (repeatable)", "P"},
                       {"recycle-bin", "scan the Recycle Bin of every volume"},
                       {"pause-after", "pause after N found files", "N"},
                       {"resume-after-ms", "resume T ms after the pause", "T"},
                       {"stop-after", "stop after N found files", "N"},
                       {"tree", "dump both trees after the scan"},
                       {"export", "check every found file and export it into DIR", "DIR"},
                       {"only-deleted", "export only deleted files"},
                       {"search", "export the files whose names contain TEXT", "TEXT"},
                       {"filter", "export only files passing a JSON filter", "JSON"}});
    parser.addHelpOption();
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);

    StorageDeviceManager& devices = StorageDeviceManager::instance();
    const QVector<QDiskAndVolumeInfo> list = devices.refreshDiskList();
    if (command == QLatin1String("list")) {
        for (const QDiskAndVolumeInfo& record : list)
            print(toJson(record));
        return 0;
    }
    if (command != QLatin1String("scan"))
        return fail(QStringLiteral("usage: ostrel-bridge list | scan ... (see --help)"));

    DocumentManager* model = DocumentManager::instance();
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    bridge->setStartDelayMs(0);
    QElapsedTimer clock;
    clock.start();
    quint64 failedVolumes = 0;
    bool finished = false;

    QObject::connect(model, &DocumentManager::scanStarted, &app, [] { print({{"signal", "scanStarted"}}); });
    QObject::connect(model, &DocumentManager::scanPaused, &app, [] { print({{"signal", "scanPaused"}}); });
    QObject::connect(model, &DocumentManager::scanResume, &app, [] { print({{"signal", "scanResume"}}); });
    QObject::connect(model, &DocumentManager::progressUpdated, &app, [](int type, int progress, const QString& left) {
        print({{"signal", "progressUpdated"}, {"type", type}, {"progress", progress}, {"remainingTime", left}});
    });
    QObject::connect(model, &DocumentManager::fileProgressUpdated, &app, [](const QString& count, const QString& size) {
        print({{"signal", "fileProgressUpdated"}, {"filesCount", count}, {"totalSize", size}});
    });
    QObject::connect(bridge, &StorageDataRecoverMgr::initCfgFinished, &app, [&](bool ok) {
        print({{"signal", "initCfgFinished"}, {"ok", ok}});
        if (!ok)
            app.exit(1);
    });
    QObject::connect(model, &DocumentManager::scanFinished, &app,
                     [&](int errorType, const QString& description, int count) {
                         print({{"signal", "scanFinished"},
                                {"errorType", errorType},
                                {"description", description},
                                {"totalErrorCount", count}});
                         failedVolumes = quint64(count);
                         finished = true;
                     });

    const int pauseAfter = parser.value("pause-after").toInt();
    const int resumeAfterMs = parser.isSet("resume-after-ms") ? parser.value("resume-after-ms").toInt() : 1000;
    const int stopAfter = parser.value("stop-after").toInt();
    bool paused = false, stopped = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&] {
        const quint64 found = model->totalFoundSizeAndCount().second;
        if (pauseAfter > 0 && !paused && found >= quint64(pauseAfter)) {
            paused = true;
            bridge->pauseScan();
            QTimer::singleShot(resumeAfterMs, &app, [bridge] { bridge->resumeScan(); });
        }
        if (stopAfter > 0 && !stopped && found >= quint64(stopAfter)) {
            stopped = true;
            bridge->stopScan();
        }
        // The scan is over once the model finished and the starter's Start returned.
        if (finished && bridge->waitForStarters(0) && model->waitForIdle(0))
            app.exit(0);
    });
    watch.start(5);

    if (parser.isSet("recycle-bin")) {
        bridge->startRecycleBinScan();
    } else if (parser.isSet("path")) {
        bridge->startPathScan(parser.values("path"), Folder);
    } else if (parser.isSet("whole-disk")) {
        const quint64 disk = parser.value("whole-disk").toULongLong();
        QVector<QDiskAndVolumeInfo> volumes;
        for (const QDiskAndVolumeInfo& record : list) {
            if (record.diskIndex == disk)
                volumes.append(record);
        }
        if (volumes.isEmpty())
            return fail(QStringLiteral("no listed volume on disk %1").arg(disk));
        bridge->startWholeDiskScan(volumes, WholeDisk);
    } else if (parser.isSet("disk") && parser.isSet("volume")) {
        QDiskAndVolumeInfo volume;
        volume.diskIndex = parser.value("disk").toULongLong();
        volume.volIndex = parser.value("volume").toULongLong();
        for (const QDiskAndVolumeInfo& record : list) {
            if (record.diskIndex == volume.diskIndex && record.volIndex == volume.volIndex)
                volume = record;
        }
        bridge->startVolumeScan(volume, Volume);
    } else {
        return fail(QStringLiteral("scan needs --disk and --volume, --whole-disk, --path or --recycle-bin"));
    }

    const int result = app.exec();
    watch.stop();
    bridge->waitForStarters(-1);
    model->waitForIdle(60000);
    const auto [bytes, files] = model->totalFoundSizeAndCount();
    print({{"summary", true},
           {"files", qint64(files)},
           {"bytes", QString::number(bytes)},
           {"failedVolumes", qint64(failedVolumes)},
           {"seconds", double(clock.elapsed()) / 1000.0}});
    if (parser.isSet("tree"))
        dumpTrees(model, out());
    int exportError = 0;
    if (parser.isSet("export")) {
        if (!applyFilters(parser))
            return fail(QStringLiteral("--filter needs a JSON object"));
        exportError = exportEverything(app, model, parser.value("export"), parser.isSet("search") ? parser.value("search") : QString(), parser.isSet("search"));
    }
    out().flush();
    bridge->releaseDataRecovery();
    model->shutdown();
    return result != 0 ? result : exportError;
}
