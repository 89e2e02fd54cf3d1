// Filters: the predicate's table over records, the filter task's marks and
// passing counts, the totals it leaves behind, and setters racing a running task.
#include "DocumentManager.h"
#include "FileFilterManager.h"
#include "ModelTestSupport.h"
#include "NodeTypeCode.h"

#include "NameTable.h"

#include <QTest>

#include <atomic>
#include <memory>
#include <shared_mutex>
#include <thread>

using namespace ModelTest;

namespace {

constexpr int idleTimeout = 20000;

struct RecordFree {
    void operator()(DocumentInfo* record) const { freeRecord(record); }
};
using Record = std::unique_ptr<DocumentInfo, RecordFree>;

Record makeRecord(quint16 code, const QString& path, qint64 size = 100, qint64 timeMs = 0, quint32 deleted = 0)
{
    FileRecordFields fields;
    fields.typeCode = code;
    fields.eventKind = 8;
    fields.size = size;
    fields.timeMs = timeMs;
    fields.deletedState = deleted;
    fields.path = path.toUtf8();
    return Record(createFileRecord(fields));
}

qint64 ms(const char* utc)
{
    return QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODateWithMs).toMSecsSinceEpoch();
}

} // namespace

class BridgeFilterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fillNameTable(); }

    // Each row: a setter applied to a fresh manager, then a record and whether it passes.
    void predicate_data()
    {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<bool>("passes");
        const QString t = "2026-12-10T12:00:00.000Z";
        QTest::newRow("off passes all") << "" << 36 << "sdb1/x.bin" << 0ll << t << 0 << true;
        QTest::newRow("photo bit admits photo") << "type 0x1" << 29 << "sdb1/a.jpg" << 1ll << t << 0 << true;
        QTest::newRow("photo bit rejects video") << "type 0x1" << 30 << "sdb1/a.mp4" << 1ll << t << 0 << false;
        QTest::newRow("code 35 has no bit") << "type 0x3FF jpg" << 35 << "sdb1/a" << 1ll << t << 0 << false;
        QTest::newRow("custom list, JPG") << "type 0x200 jpg" << 29 << "sdb1/a.JPG" << 1ll << t << 0 << true;
        QTest::newRow("custom list, png") << "type 0x200 jpg" << 29 << "sdb1/a.png" << 1ll << t << 0 << false;
        QTest::newRow("custom list, no suffix") << "type 0x200 jpg" << 38 << "sdb1/a" << 1ll << t << 0 << false;
        QTest::newRow("bit 9 without a list is dropped") << "type 0x201" << 29 << "sdb1/a.png" << 1ll << t << 0 << true;
        QTest::newRow("deleted only, live") << "deleted" << 29 << "sdb1/a.jpg" << 1ll << t << 0 << false;
        QTest::newRow("deleted only, deleted") << "deleted" << 29 << "sdb1/a.jpg" << 1ll << t << 1 << true;
        QTest::newRow("deleted only, recycled") << "deleted" << 29 << "sdb1/a.jpg" << 1ll << t << 2 << true;
        QTest::newRow("size 1 keeps 512000") << "size 1" << 29 << "sdb1/a.jpg" << 512000ll << t << 0 << true;
        QTest::newRow("size 2 keeps 512000") << "size 2" << 29 << "sdb1/a.jpg" << 512000ll << t << 0 << true;
        QTest::newRow("size 2 rejects 511999") << "size 2" << 29 << "sdb1/a.jpg" << 511999ll << t << 0 << false;
        QTest::newRow("size 5 keeps huge") << "size 5" << 29 << "sdb1/a.jpg" << (1ll << 40) << t << 0 << true;
        QTest::newRow("size 6 custom") << "size 6 10 20" << 29 << "sdb1/a.jpg" << 21ll << t << 0 << false;
        QTest::newRow("today") << "date 1" << 29 << "sdb1/a.jpg" << 1ll << "2026-12-10T00:00:00.000Z" << 0 << true;
        QTest::newRow("today, not yesterday") << "date 1" << 29 << "sdb1/a.jpg" << 1ll << "2026-12-09T23:59:59.999Z" << 0 << false;
        QTest::newRow("yesterday") << "date 2" << 29 << "sdb1/a.jpg" << 1ll << "2026-12-09T23:59:59.999Z" << 0 << true;
        QTest::newRow("last 7 days") << "date 3" << 29 << "sdb1/a.jpg" << 1ll << "2026-12-03T15:00:00.000Z" << 0 << true;
        QTest::newRow("not last 7 days") << "date 3" << 29 << "sdb1/a.jpg" << 1ll << "2026-12-03T14:59:59.999Z" << 0 << false;
        QTest::newRow("last 30 days") << "date 4" << 29 << "sdb1/a.jpg" << 1ll << "2026-11-11T00:00:00.000Z" << 0 << true;
        QTest::newRow("preset 6 active, no bounds") << "date 6" << 29 << "sdb1/a.jpg" << 1ll << "1990-01-01T00:00:00.000Z" << 0 << true;
        QTest::newRow("zero size excluded") << "exclude 1" << 36 << "sdb1/x.bin" << 0ll << t << 0 << false;
        QTest::newRow("Windows excluded") << "exclude 2" << 36 << "sdb1/Windows/x.dll" << 1ll << t << 0 << false;
        QTest::newRow("windows any case") << "exclude 2" << 36 << "sdb1/windows/x.dll" << 1ll << t << 0 << false;
        QTest::newRow("Windows deeper kept") << "exclude 2" << 36 << "sdb1/Data/Windows/x.dll" << 1ll << t << 0 << true;
        QTest::newRow("temp excluded") << "exclude 4" << 36 << "sdb1/Users/ann/AppData/Local/Temp/t.tmp" << 1ll << t << 0 << false;
        QTest::newRow("temp of no user kept") << "exclude 4" << 36 << "sdb1/Users/AppData/Local/Temp/t.tmp" << 1ll << t << 0 << true;
        QTest::newRow("browser excluded") << "exclude 8" << 36 << "sdb1/Users/bo/AppData/Roaming/Mozilla/Firefox/x" << 1ll << t << 0 << false;
        QTest::newRow("chrome excluded") << "exclude 8" << 36 << "sdb1/users/bo/appdata/local/Google/Chrome/User Data/c" << 1ll << t << 0 << false;
        QTest::newRow("other AppData kept") << "exclude 8" << 36 << "sdb1/Users/bo/AppData/Roaming/Foo/x" << 1ll << t << 0 << true;
    }
    void predicate()
    {
        QFETCH(QString, setter);
        QFETCH(int, code);
        QFETCH(QString, path);
        QFETCH(qint64, size);
        QFETCH(QString, time);
        QFETCH(int, deleted);
        QFETCH(bool, passes);
        FileFilterManager filters;
        filters.setClock([] { return QDateTime::fromString("2026-12-10T15:00:00.000Z", Qt::ISODateWithMs).toUTC(); });
        const QStringList words = setter.split(' ', Qt::SkipEmptyParts);
        const QString kind = words.value(0);
        const qint64 value = words.value(1).toLongLong(nullptr, 0);
        if (kind == "type")
            filters.setFileTypeFilter(quint32(value), words.mid(2));
        else if (kind == "deleted")
            filters.setFileStateFilter(true);
        else if (kind == "size")
            filters.setFileSizeFilter(int(value), words.value(2, "-1").toLongLong(), words.value(3, "-1").toLongLong());
        else if (kind == "date")
            filters.setModifiedDateFilter(int(value), -1, -1);
        else if (kind == "exclude")
            filters.setExclusionFlags(quint32(value));
        QCOMPARE(filters.isFilterActive(), !setter.isEmpty());
        const Record record = makeRecord(quint16(code), path, size, ms(qPrintable(time)), quint32(deleted));
        QCOMPARE(filters.passesFilter(record.get()), passes);
    }

    // Extensions as a user types them match the lower-case suffix; blanks and
    // separators alone leave no list, so the custom bit goes.
    void typedExtensionsAreNormalised()
    {
        FileFilterManager filters;
        filters.setFileTypeFilter(0x200, {" DOC", "*.Pptx", ".jpg", "", " pptx "});
        QCOMPARE(filters.criteria()->extensions, (QStringList{"doc", "pptx", "jpg"}));
        QCOMPARE(filters.criteria()->typeMask, 0x200u);
        for (const char* name : {"sdb1/a.doc", "sdb1/b.PPTX", "sdb1/c.jpg"})
            QVERIFY2(filters.passesFilter(makeRecord(31, QString::fromLatin1(name)).get()), name);
        QVERIFY(!filters.passesFilter(makeRecord(31, "sdb1/e.docx").get()));
        filters.setFileTypeFilter(0x201, {" ", "", "*."});
        QVERIFY(filters.criteria()->extensions.isEmpty());
        QCOMPARE(filters.criteria()->typeMask, 0x1u);
    }

    void resetAndSignals()
    {
        FileFilterManager filters;
        int emitted = 0;
        connect(&filters, &FileFilterManager::filterOptionsChanged, this, [&] { ++emitted; });
        filters.setExclusionFlags(0);
        filters.setExclusionFlags(0);
        QCOMPARE(emitted, 2);
        QVERIFY(!filters.isFilterActive());
        filters.resetFilters(true);
        QCOMPARE(emitted, 2);
        filters.setFileStateFilter(true);
        filters.resetFilters(true);
        QCOMPARE(emitted, 4);
        QVERIFY(!filters.isFilterActive());
    }

    // The filter task over a model: marks, passing counts equal to a serial count,
    // hidden checked files leave the totals and the export, search totals cleared.
    void filterTask()
    {
        auto manager = std::make_unique<DocumentManager>();
        manager->resetForScan(volumeTarget());
        const char* paths[] = {"\\p\\a.jpg", "\\p\\b.jpg", "\\d\\c.txt", "\\d\\e\\f.txt", "\\g.jpg"};
        for (const char* p : paths) {
            FoundFile f;
            f.path = p;
            manager->onEngineEvent(mountedVolume(), f.info());
        }
        QVERIFY(manager->waitForIdle(idleTimeout));
        manager->selectionDocumentNodeState(Qt::Checked, 1);
        QVERIFY(manager->waitForIdle(idleTimeout));
        // Search view: two files checked there.
        QVector<DocumentInfo*> all = manager->allFileRecords();
        for (DocumentInfo* r : all)
            r->setFlagBits(DocumentInfo::SearchModeBit);
        manager->updateDocumentNodeState(QString(), all.mid(0, 2), Qt::Checked, 0, 4);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(manager->searchSelectedSizeAndCount().second, 2ull);

        FileFilterManager* filters = FileFilterManager::instance();
        filters->setFileTypeFilter(0x1, {});
        manager->setFilterCriteriaUpdated(1);
        QVERIFY(manager->waitForIdle(idleTimeout));
        // Search-view states were cleared, and so are their totals.
        QCOMPARE(manager->searchSelectedSizeAndCount().second, 0ull);
        QCOMPARE(manager->recountCheckedFiles(true).first, 0ull);
        // The text files are hidden: the normal totals count the three photos.
        QCOMPARE(manager->selectedSizeAndCount().second, 3ull);
        QCOMPARE(manager->recountCheckedFiles(false).first, 3ull);
        {
            std::shared_lock lock(manager->treeLock());
            FileTreeNode* hidden = manager->findFolderNode(QStringLiteral("sdb1/d"));
            QVERIFY(hidden);
            QCOMPARE(hidden->passingCount, 0u);
            QVERIFY(!hidden->record->passesFilter());
            quint32 serial = 0;
            for (const DocumentInfo* r : all)
                serial += filters->passesFilter(r);
            QCOMPARE(manager->pathTreeRoot()->passingCount, serial);
            QCOMPARE(manager->typeTreeRoot()->passingCount, serial);
        }
        QStringList exported;
        std::mutex exportedMutex;
        manager->setRecoverFunction([&](const QString&, const DataRecoveryInfo& info) {
            std::lock_guard lock(exportedMutex);
            exported.append(QString::fromUtf8(info.path, info.pathLength));
            return 0;
        });
        manager->exportAllDocumentsToDisk("/out", false);
        QVERIFY(manager->waitForIdle(idleTimeout));
        exported.sort();
        QCOMPARE(exported, (QStringList{"sdb1/g.jpg", "sdb1/p/a.jpg", "sdb1/p/b.jpg"}));

        filters->resetFilters(false);
        manager->setFilterCriteriaUpdated(1);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(manager->selectedSizeAndCount().second, 5ull);
        QCOMPARE(manager->recountCheckedFiles(false).first, 5ull);
        manager->setRecoverFunction({});
    }

    // The GUI thread changes criteria while filter tasks run and files arrive:
    // each reader works on one snapshot (ThreadSanitizer watches).
    void settersRaceRunningTasks()
    {
        auto manager = std::make_unique<DocumentManager>();
        manager->resetForScan(volumeTarget());
        for (int i = 0; i < 300; ++i) {
            FoundFile f;
            f.path = QStringLiteral("\\d%1\\f%2.%3").arg(i % 7).arg(i).arg(i % 2 ? "jpg" : "txt").toStdString();
            manager->onEngineEvent(mountedVolume(), f.info());
        }
        FileFilterManager* filters = FileFilterManager::instance();
        std::atomic<bool> done{false};
        std::thread setter([&] {
            for (int i = 0; !done.load(); ++i) {
                filters->setFileTypeFilter(i % 2 ? 0x201 : 0x1, i % 3 ? QStringList{"jpg", "png"} : QStringList{});
                filters->setFileSizeFilter(i % 7, 10, 1000);
                filters->setExclusionFlags(quint32(i % 16));
            }
        });
        for (int i = 0; i < 40; ++i) {
            manager->setFilterCriteriaUpdated(i % 2 ? 1 : 4);
            FoundFile f;
            f.path = QStringLiteral("\\late\\x%1.jpg").arg(i).toStdString();
            manager->onEngineEvent(mountedVolume(), f.info());
        }
        QVERIFY(manager->waitForIdle(idleTimeout));
        done = true;
        setter.join();
        filters->resetFilters(false);
        manager->setFilterCriteriaUpdated(1);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(manager->pathTreeRoot()->passingCount, 340u);
    }
};

QTEST_GUILESS_MAIN(BridgeFilterTest)
#include "BridgeFilterTest.moc"
