// The export through a fake engine call: the request records, the order and
// selection of files, the outcome of every result code, stops and stale records.
#include "DocumentManager.h"
#include "ModelTestSupport.h"
#include "NodeTypeCode.h"
#include "RecoveryFailureTable.h"

#include "NameTable.h"

#include <QTest>

#include <memory>
#include <mutex>
#include <shared_mutex>

using namespace ModelTest;

namespace {

constexpr int idleTimeout = 20000;

struct Call {
    QString folder;
    QString path;
    DataRecoveryInfo info;
    std::vector<DataRun> runs;
};

// Captures engine calls and the export's signals, answering each path with a code.
class FakeEngine {
public:
    explicit FakeEngine(DocumentManager* manager) : manager_(manager)
    {
        manager->setRecoverFunction([this](const QString& folder, const DataRecoveryInfo& info) {
            std::lock_guard lock(mutex_);
            Call call{folder, QString::fromUtf8(info.path), info, {}};
            for (int i = 0; i < info.runCount; ++i)
                call.runs.push_back(info.runs[i]);
            calls_.append(call);
            if (onCall)
                onCall(calls_.size());
            return codes.value(call.path, 0);
        });
        QObject::connect(manager, &DocumentManager::recoveryCompleted, manager,
                         [this](int type, const QString& text, int count, int incomplete) {
                             std::lock_guard lock(mutex_);
                             completed_.append({type, text, count});
                             incomplete_.append(incomplete);
                         }, Qt::DirectConnection);
        QObject::connect(manager, &DocumentManager::fileRecoveryProgress, manager,
                         [this](const QString& path, qulonglong index, qulonglong total) {
                             std::lock_guard lock(mutex_);
                             progress_.append({path, index, total});
                         }, Qt::DirectConnection);
    }
    ~FakeEngine() { manager_->setRecoverFunction({}); }

    QHash<QString, int> codes;
    std::function<void(int)> onCall;

    QList<Call> calls()
    {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    QStringList calledPaths()
    {
        QStringList paths;
        for (const Call& call : calls())
            paths.append(call.path);
        return paths;
    }
    QList<QVariantList> completed()
    {
        std::lock_guard lock(mutex_);
        return completed_;
    }
    QList<QVariantList> progress()
    {
        std::lock_guard lock(mutex_);
        return progress_;
    }
    QList<int> incompleteCounts()
    {
        std::lock_guard lock(mutex_);
        return incomplete_;
    }

private:
    DocumentManager* manager_;
    std::mutex mutex_;
    QList<Call> calls_;
    QList<QVariantList> completed_;
    QList<QVariantList> progress_;
    QList<int> incomplete_;
};

std::unique_ptr<DocumentManager> newManager(const ScanTargetInfo& target = volumeTarget())
{
    auto manager = std::make_unique<DocumentManager>();
    manager->resetForScan(target);
    manager->setVolumeNameResolver([](quint64 key, const QString&) {
        // Volume 9 is not in the cache any more.
        return (key & 0xFFFFFFFF) == 9 ? QString() : QStringLiteral("Vol%1").arg(key & 0xFFFFFFFF);
    });
    return manager;
}

FoundFile onVolume(const std::string& path, quint8 volume)
{
    FoundFile f;
    f.path = path;
    f.volume = volume;
    return f;
}

void checkAll(DocumentManager* manager)
{
    manager->setAllCheckStates(manager->allFileRecords(), Qt::Checked, false, false);
}

QVariantList outcome(int type, const QString& text, int count)
{
    return {type, text, count};
}

} // namespace

class BridgeExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fillNameTable(); }

    void nothingCheckedWritesNothingAndSucceeds()
    {
        auto manager = newManager();
        FakeEngine engine(manager.get());
        manager->onEngineEvent(mountedVolume(), onVolume("\\a.txt", 0).info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        manager->exportAllDocumentsToDisk("/out", false);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QVERIFY(engine.calls().isEmpty());
        QCOMPARE(engine.completed(), QList<QVariantList>{outcome(0, "", 0)});
    }

    // Rows: (path, volume, engine code) in the order the files reach the engine.
    void resultCodes_data()
    {
        QTest::addColumn<QVariantList>("files");
        QTest::addColumn<QVariantList>("expected");
        QTest::addColumn<int>("calls");
        auto row = [](const char* p, int volume, int code) { return QVariantList{p, volume, code}; };
        QTest::newRow("all written") << QVariantList{row("\\a.txt", 1, 0), row("\\b.txt", 2, 0)}
                                     << outcome(0, "", 0) << 2;
        QTest::newRow("10 then 8 on one volume") << QVariantList{row("\\a.txt", 1, 10), row("\\b.txt", 1, 8)}
                                                 << outcome(1, "Vol1", 1) << 2;
        QTest::newRow("8 then 10 on two volumes, last decides: the target is full")
            << QVariantList{row("\\a.txt", 2, 8), row("\\b.txt", 1, 10)} << outcome(3, "Vol1, Vol2", 2) << 2;
        QTest::newRow("10 then 9: the target went away")
            << QVariantList{row("\\a.txt", 1, 10), row("\\b.txt", 2, 9)} << outcome(2, "Vol1, Vol2", 2) << 2;
        QTest::newRow("target codes") << QVariantList{row("\\a.txt", 1, 9), row("\\b.txt", 2, 11), row("\\c.txt", 3, 13)}
                                      << outcome(2, "Vol1, Vol2, Vol3", 3) << 3;
        // Codes without a disk meaning still mean the file was not written.
        QTest::newRow("no engine (17)") << QVariantList{row("\\a.txt", 1, 17)} << outcome(1, "Vol1", 1) << 1;
        QTest::newRow("short runs (7) and 12") << QVariantList{row("\\a.txt", 1, 7), row("\\b.txt", 2, 12)}
                                               << outcome(1, "Vol1, Vol2", 2) << 2;
        QTest::newRow("uncached volume counts, unnamed") << QVariantList{row("\\a.txt", 9, 10)}
                                                         << outcome(3, "", 1) << 1;
        QTest::newRow("stop (14) ends the run uncounted")
            << QVariantList{row("\\a.txt", 1, 0), row("\\b.txt", 1, 14), row("\\c.txt", 1, 0)} << outcome(0, "", 0)
            << 2;
    }
    void resultCodes()
    {
        QFETCH(QVariantList, files);
        QFETCH(QVariantList, expected);
        QFETCH(int, calls);
        auto manager = newManager();
        FakeEngine engine(manager.get());
        QStringList order;
        for (const QVariant& v : files) {
            const QVariantList row = v.toList();
            const quint8 volume = quint8(row[1].toInt());
            manager->onEngineEvent(mountedVolume(0, volume), onVolume(row[0].toString().toStdString(), volume).info());
            QVERIFY(manager->waitForIdle(idleTimeout));
        }
        const QVector<DocumentInfo*> records = manager->allFileRecords();
        QCOMPARE(records.size(), files.size());
        for (int i = 0; i < files.size(); ++i) {
            const QString path = DocumentInfo::filePath(records[i]);
            engine.codes[path] = files[i].toList()[2].toInt();
            order.append(path);
        }
        checkAll(manager.get());
        manager->exportAllDocumentsToDisk("/out", false);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(engine.calledPaths(), order.mid(0, calls));
        QCOMPARE(engine.completed(), QList<QVariantList>{expected});
    }

    void requestRecordCarriesTheRecord()
    {
        auto manager = newManager();
        FakeEngine engine(manager.get());
        FoundFile f = onVolume("\\Fotos\\Reise\\bild\xC3\xA4\xE2\x82\xAC.jpg", 3);
        f.disk = 2;
        f.kind = 9;
        f.size = 255 * 512;
        f.time = 1234567;
        f.deletedState = 1;
        f.runs.clear();
        for (int i = 0; i < 255; ++i)
            f.runs.push_back({quint64(i) * 8192, 512});
        manager->onEngineEvent(mountedVolume(2, 3), f.info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        checkAll(manager.get());
        manager->exportAllDocumentsToDisk("/out/here", false);
        QVERIFY(manager->waitForIdle(idleTimeout));
        const QList<Call> calls = engine.calls();
        QCOMPARE(calls.size(), 1);
        const Call& call = calls.first();
        QCOMPARE(call.folder, QStringLiteral("/out/here"));
        QCOMPARE(call.path, QString::fromUtf8("sdb4/Fotos/Reise/bild\xC3\xA4\xE2\x82\xAC.jpg"));
        // The engine reads pathLength bytes: the whole UTF-8 name, not its UTF-16 length.
        QCOMPARE(int(call.info.pathLength), int(call.path.toUtf8().size()));
        QCOMPARE(call.info.kind, 9u);
        QCOMPARE(int(call.info.diskIndex), 2);
        QCOMPARE(int(call.info.volIndex), 3);
        QCOMPARE(call.info.fileSize, quint64(255 * 512));
        QCOMPARE(int(call.info.deletedState), 1);
        QCOMPARE(int(call.info.pathState), 0);
        QCOMPARE(call.info.nodeId, 0u);
        QCOMPARE(int(call.info.lostPartitionFlag), 0);
        QCOMPARE(int(call.info.runCount), 255);
        QCOMPARE(int(call.runs.size()), int(call.info.runCount));
        QCOMPARE(call.runs[1].offset, quint64(8192));
        QCOMPARE(engine.progress().size(), 1);
        QCOMPARE(engine.progress().first()[0].toString(), call.path);
    }

    // The display folder a whole-disk scan inserts goes; a real folder that looks
    // like one ("Trip (E:)") stays, and so do lost-partition folders.
    void wholeDiskPathKeepsRealFolders()
    {
        ScanTargetInfo target = volumeTarget();
        target.nodeTypeCode = LocalDisk;
        auto manager = newManager(target);
        FakeEngine engine(manager.get());
        manager->onEngineEvent(mountedVolume(), onVolume("\\Trip (E:)\\a.jpg", 0).info());
        FoundFile lost = onVolume("\\b.txt", 0);
        lost.lostFlag = 1;
        lost.lostNumber = 1;
        manager->onEngineEvent(mountedVolume(), lost.info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        checkAll(manager.get());
        manager->exportAllDocumentsToDisk("/out", false);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QStringList paths = engine.calledPaths();
        paths.sort();
        QCOMPARE(paths, (QStringList{"sdb1/Lost Partition - 1 (NTFS)/b.txt", "sdb1/Trip (E:)/a.jpg"}));
    }

    // A found name "." or ".." keeps its place under a visible name: the engine
    // drops such components, which would write the file as its own parent.
    void dotNamesKeepTheirPlace()
    {
        auto manager = newManager();
        FakeEngine engine(manager.get());
        for (const char* p : {"\\d\\..", "\\..\\x", "\\a\\..\\..\\evil", "\\d\\.x"})
            manager->onEngineEvent(mountedVolume(), onVolume(p, 0).info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        checkAll(manager.get());
        manager->exportAllDocumentsToDisk("/out", false);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QStringList paths = engine.calledPaths();
        paths.sort();
        QCOMPARE(paths, (QStringList{"sdb1/_../x", "sdb1/a/_../_../evil", "sdb1/d/.x", "sdb1/d/_.."}));
    }

    void onlySearchResultsExportsSearchChecked()
    {
        auto manager = newManager();
        FakeEngine engine(manager.get());
        for (const char* p : {"\\a.txt", "\\b.txt", "\\c.txt"})
            manager->onEngineEvent(mountedVolume(), onVolume(p, 0).info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        QVector<DocumentInfo*> records = manager->allFileRecords();
        checkAll(manager.get());
        records[0]->setFlagBits(DocumentInfo::SearchModeBit);
        records[1]->setFlagBits(DocumentInfo::SearchModeBit);
        manager->setAllCheckStates({records[0], records[2]}, Qt::Checked, true, false);
        manager->exportAllDocumentsToDisk("/out", true);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(engine.calledPaths(), QStringList{DocumentInfo::filePath(records[0])});
    }

    void stopEndsAfterTheCurrentFile()
    {
        auto manager = newManager();
        FakeEngine engine(manager.get());
        for (int i = 0; i < 20; ++i)
            manager->onEngineEvent(mountedVolume(), onVolume(QStringLiteral("\\f%1.txt").arg(i).toStdString(), 0).info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        checkAll(manager.get());
        DocumentManager* raw = manager.get();
        engine.onCall = [raw](int n) {
            if (n == 3)
                raw->setStopRecovery(true);
        };
        manager->exportAllDocumentsToDisk("/out", false);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(engine.calls().size(), 3);
        QCOMPARE(engine.completed().size(), 1);
        // The next run clears the flag.
        engine.onCall = {};
        manager->exportAllDocumentsToDisk("/out", false);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(engine.calls().size(), 23);
    }

    void exportOne()
    {
        auto manager = newManager();
        FakeEngine engine(manager.get());
        manager->onEngineEvent(mountedVolume(), onVolume("\\one.txt", 0).info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        DocumentInfo* record = manager->allFileRecords().first();
        engine.codes["sdb1/one.txt"] = 10;
        manager->exportSingleDocumentToDisk("/out", record);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(engine.calledPaths(), QStringList{"sdb1/one.txt"});
        QCOMPARE(engine.progress(), (QList<QVariantList>{{"sdb1/one.txt", 1ull, 1ull}}));
        QCOMPARE(engine.completed(), QList<QVariantList>{outcome(3, "Vol0", 1)});
    }

    // Files written from guessed or cut data are counted apart, on both exports; one
    // that was not written is a failure, not an incomplete file.
    void incompleteFilesAreCounted()
    {
        auto manager = newManager();
        FakeEngine engine(manager.get());
        const struct {
            const char* path;
            quint8 dataState;
            int code;
        } files[] = {{"\\whole.jpg", DataWhole, 0}, {"\\guessed.jpg", DataGuessed, 0},
                     {"\\cut.jpg", DataCut, 0}, {"\\unwritten.jpg", DataGuessed, 7}};
        for (const auto& file : files) {
            FoundFile found = onVolume(file.path, 0);
            found.dataState = file.dataState;
            manager->onEngineEvent(mountedVolume(), found.info());
            engine.codes[QStringLiteral("sdb1/") + QString::fromLatin1(file.path + 1)] = file.code;
        }
        QVERIFY(manager->waitForIdle(idleTimeout));
        checkAll(manager.get());
        manager->exportAllDocumentsToDisk("/out", false);
        QVERIFY(manager->waitForIdle(idleTimeout));
        // The engine's request carries each record's state back.
        QMap<QString, int> states;
        for (const auto& call : engine.calls())
            states[call.path] = call.info.dataState;
        QCOMPARE(states.keys(), (QStringList{"sdb1/cut.jpg", "sdb1/guessed.jpg", "sdb1/unwritten.jpg", "sdb1/whole.jpg"}));
        QCOMPARE(states.value("sdb1/guessed.jpg"), int(DataGuessed));
        QCOMPARE(states.value("sdb1/cut.jpg"), int(DataCut));
        QCOMPARE(states.value("sdb1/whole.jpg"), int(DataWhole));
        QCOMPARE(engine.incompleteCounts(), QList<int>{2});
        QCOMPARE(engine.completed().value(0).value(0).toInt(), int(DocumentManager::SourceDiskError));

        for (DocumentInfo* record : manager->allFileRecords()) {
            if (DocumentInfo::fileName(record) != QLatin1String("cut.jpg"))
                continue;
            QCOMPARE(record->dataState(), quint32(DataCut));
            manager->exportSingleDocumentToDisk("/out", record);
        }
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(engine.incompleteCounts(), (QList<int>{2, 1}));
        QCOMPARE(engine.completed().value(1), outcome(0, "", 0));
    }

    // A record posted before a release is gone: it is not read, and the run is no success.
    void exportOneAfterReleaseIsDropped()
    {
        auto manager = newManager();
        FakeEngine engine(manager.get());
        manager->onEngineEvent(mountedVolume(), onVolume("\\one.txt", 0).info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        DocumentInfo* record = manager->allFileRecords().first();
        manager->clearDocumentCache();
        manager->exportSingleDocumentToDisk("/out", record);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QVERIFY(engine.calls().isEmpty());
        QCOMPARE(engine.completed().size(), 1);
        QVERIFY(engine.completed().first()[0].toInt() != 0);
    }

    void failureTableRules()
    {
        RecoveryFailureTable table;
        QVERIFY(table.note(1, 0));
        QCOMPARE(table.errorType(), 0);
        QVERIFY(!table.note(1, 14));
        QCOMPARE(table.volumeCount(), 0);
        QVERIFY(table.note(1, 10));
        QVERIFY(table.note(1, 8));
        QCOMPARE(table.volumeCount(), 1);
        QCOMPARE(table.codes().at(1), 8);
        QCOMPARE(table.errorType(), 1);
    }
};

QTEST_GUILESS_MAIN(BridgeExportTest)
#include "BridgeExportTest.moc"
