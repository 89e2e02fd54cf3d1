// The document manager driven by synthetic engine events: trees, the thread's
// queue, progress, failures, release and the parallel walks.
#include "DocumentManager.h"
#include "EngineEventItem.h"
#include "FileTreeNodeObserverRegistry.h"
#include "FileTypeClassifier.h"
#include "FolderCategory.h"
#include "FoundPath.h"
#include "NodeTypeCode.h"
#include "ModelTestSupport.h"

#include "NameTable.h"

#include <QCoreApplication>
#include <QSet>
#include <QRegularExpression>
#include <QTest>

#include <atomic>
#include <memory>
#include <shared_mutex>
#include <thread>

using namespace ModelTest;

namespace {

constexpr int idleTimeout = 20000;

std::unique_ptr<DocumentManager> newManager(const ScanTargetInfo& target = volumeTarget())
{
    auto manager = std::make_unique<DocumentManager>();
    manager->resetForScan(target);
    return manager;
}

void send(DocumentManager* manager, const FoundFile& file, const QDiskAndVolumeInfo& volume = mountedVolume())
{
    manager->onEngineEvent(volume, file.info());
}

FoundFile file(const std::string& path)
{
    FoundFile f;
    f.path = path;
    return f;
}

QStringList childFolders(DocumentManager* manager, FileTreeNode* node)
{
    QStringList names;
    std::shared_lock lock(manager->treeLock());
    for (DocumentInfo* entry : node->entries) {
        if (!entry->isFile())
            names.append(DocumentInfo::filePath(entry));
    }
    return names;
}

// Registers an observer for the life of the object.
struct Observer {
    int id;
    Observer(FileTreeNodeObserverRegistry::Callback callback, const FileTreeNode* watched, bool enabled)
        : id(FileTreeNodeObserverRegistry::instance().addObserver(std::move(callback), watched, enabled))
    {
    }
    ~Observer() { FileTreeNodeObserverRegistry::instance().removeObserver(id); }
};

} // namespace

class BridgeModelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fillNameTable(); }

    void filesLandInBothTrees()
    {
        auto manager = newManager();
        const QStringList paths{"\\Users\\ann\\a.jpg", "\\Users\\ann\\b.docx", "\\Users\\bo\\song.mp3",
                                "\\README", "\\x\\notes."};
        for (const QString& path : paths)
            send(manager.get(), file(path.toStdString()));
        QVERIFY(manager->waitForIdle(idleTimeout));
        const QStringList expected{"sdb1/README", "sdb1/Users/ann/a.jpg", "sdb1/Users/ann/b.docx",
                                   "sdb1/Users/bo/song.mp3", "sdb1/x/notes."};
        QCOMPARE(folderTreeFiles(manager.get()), expected);
        QCOMPARE(typeTreeFiles(manager.get()), expected);
        QCOMPARE(manager->totalFoundSizeAndCount(), qMakePair(quint64(5 * 512), quint64(5)));
        // Extensionless files sit in their type folder directly; "notes." in the folder with the empty name.
        QVERIFY(manager->findFolderNode(QStringLiteral("All Files/Others/")));
        QCOMPARE(manager->findFolderNode(QStringLiteral("All Files/Extensionless File"))->entries.size(), 1);
        FileTreeNode* ann = manager->findFolderNode(QStringLiteral("sdb1/Users/ann"));
        QVERIFY(ann);
        QCOMPARE(ann->fileCount, 2u);
        QCOMPARE(ann->record->size, qint64(1024));
        QCOMPARE(ann->record->level(), quint32(DocumentInfo::FolderTreeLevel));
        QCOMPARE(manager->findFolderNode(QStringLiteral("sdb1/Users"))->fileCount, 3u);
        QCOMPARE(DocumentInfo::timeText(manager->findFolderNode(QStringLiteral("All Files/Photo/jpg"))->entries[0]),
                 QStringLiteral("2020-09-13 12:26:40"));
        QVERIFY(!manager->findFolderNode(QStringLiteral("sdb1/nothing")));
    }

    // A type folder's extension folder is the name's text after its last ".", lower case,
    // non-ASCII letters included.
    void extensionFoldersAreLowerCase()
    {
        auto manager = newManager();
        const QList<QPair<QString, QString>> cases{
            {"A.JPG", "jpg"},
            {"b.tar.GZ", "gz"},
            {"d.JpEg", "jpeg"},
            {QString::fromUtf8("c.\xC3\x84\xC3\x96"), QString::fromUtf8("\xC3\xA4\xC3\xB6")},
            {QString::fromUtf8("\xC3\x89t\xC3\xA9.TxT"), "txt"},
            {QString::fromUtf8("f.X\xC3\x89Z"), QString::fromUtf8("x\xC3\xA9z")}};
        for (const auto& [name, extension] : cases)
            send(manager.get(), file(("\\e\\" + name).toStdString()));
        QVERIFY(manager->waitForIdle(idleTimeout));
        for (const auto& [name, extension] : cases) {
            const QString type = englishTypeName(classifyFileType(driveAnchoredPath("e/" + name)));
            const FileTreeNode* node = manager->findFolderNode("All Files/" + type + "/" + extension);
            QVERIFY2(node, qPrintable(name));
            QCOMPARE(node->entries.size(), 1);
            QCOMPARE(DocumentInfo::fileName(node->entries[0]), name);
        }
    }

    // Classification sees the path inside the volume, anchored like a drive path.
    void unsavedDocumentsByTheirFolder()
    {
        auto manager = newManager();
        send(manager.get(), file("\\Users\\ann\\AppData\\Roaming\\Microsoft\\Word\\report.asd"));
        send(manager.get(), file("\\Old\\Users\\ann\\AppData\\Roaming\\Microsoft\\Word\\r.asd"));
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(manager->findFolderNode(QStringLiteral("All Files/Unsaved File/asd"))->fileCount, 1u);
        QCOMPARE(manager->findFolderNode(QStringLiteral("All Files/Document/asd"))->fileCount, 1u);
    }

    void typeFoldersInFixedOrder()
    {
        auto manager = newManager();
        send(manager.get(), file("\\z.zip"));
        send(manager.get(), file("\\a.eml"));
        QVERIFY(manager->waitForIdle(idleTimeout));
        const QStringList expected{"All Files/Photo",  "All Files/Video",   "All Files/Audio",
                                   "All Files/Document", "All Files/Email", "All Files/Archive",
                                   "All Files/Others", "All Files/Extensionless File", "All Files/Unsaved File"};
        QCOMPARE(childFolders(manager.get(), manager->typeTreeRoot()), expected);
    }

    void topFolders_data()
    {
        QTest::addColumn<QVariantList>("events");  // path, deleted, pathState, lostFlag, lostNumber, kind
        QTest::addColumn<int>("targetCode");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("lost partitions 3, 3, 5")
            << QVariantList{QVariantList{"\\a.txt", 0, 0, 1, 3, 8}, QVariantList{"\\b.txt", 0, 0, 1, 3, 8},
                            QVariantList{"\\c.txt", 0, 0, 1, 5, 8}}
            << 3
            << QStringList{"sdb1/Lost Partition - 1 (NTFS)/a.txt", "sdb1/Lost Partition - 1 (NTFS)/b.txt",
                           "sdb1/Lost Partition - 2 (NTFS)/c.txt"};
        QTest::newRow("recycle bin name during a volume scan")
            << QVariantList{QVariantList{"\\old\\r.doc", 2, 0, 0, 0, 9}} << 3
            << QStringList{"sdb1/$RECYCLE.BIN/old/r.doc"};
        QTest::newRow("recycle bin scan inserts nothing")
            << QVariantList{QVariantList{"\\old\\r.doc", 2, 0, 0, 0, 9}} << int(RecycleBinFolder)
            << QStringList{"sdb1/old/r.doc"};
        QTest::newRow("lost name") << QVariantList{QVariantList{"\\f123.JPG", 1, 2, 0, 0, 11}} << 3
                                   << QStringList{"sdb1/File Name Lost/Photo/jpg/f123.JPG"};
        QTest::newRow("lost path") << QVariantList{QVariantList{"\\orphan.txt", 1, 1, 0, 0, 8}} << 3
                                   << QStringList{"sdb1/File Path Lost/orphan.txt"};
        QTest::newRow("whole disk") << QVariantList{QVariantList{"\\d\\a.txt", 0, 0, 0, 0, 8}} << int(LocalDisk)
                                    << QStringList{"sdb1/Data (sdb1)/d/a.txt"};
    }
    void topFolders()
    {
        QFETCH(QVariantList, events);
        QFETCH(int, targetCode);
        QFETCH(QStringList, files);
        ScanTargetInfo target = volumeTarget();
        target.nodeTypeCode = quint8(targetCode);
        auto manager = newManager(target);
        for (const QVariant& row : events) {
            const QVariantList v = row.toList();
            FoundFile f = file(v[0].toString().toStdString());
            f.deletedState = quint8(v[1].toInt());
            f.pathState = quint8(v[2].toInt());
            f.lostFlag = quint8(v[3].toInt());
            f.lostNumber = quint8(v[4].toInt());
            f.kind = quint32(v[5].toInt());
            send(manager.get(), f);
        }
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(folderTreeFiles(manager.get()), files);
        QCOMPARE(typeTreeFiles(manager.get()).size(), files.size());
    }

    void topFolderCodes()
    {
        auto manager = newManager();
        FoundFile lost = file("\\a.txt");
        lost.lostFlag = 1;
        lost.lostNumber = 4;
        send(manager.get(), lost);
        FoundFile nameLost = file("\\x.png");
        nameLost.pathState = 2;
        send(manager.get(), nameLost);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(manager->findFolderNode(QStringLiteral("sdb1/Lost Partition - 1 (NTFS)"))->record->typeCode,
                 quint16(LostPartitionFolder));
        QCOMPARE(manager->findFolderNode(QStringLiteral("sdb1/File Name Lost"))->record->typeCode,
                 quint16(FileNameLostFolder));
        QCOMPARE(manager->findFolderNode(QStringLiteral("sdb1/File Name Lost/Photo"))->record->typeCode,
                 quint16(PhotoFolder));
    }

    // A folder path equal to a type-tree path: each tree keeps its own folder,
    // each file sits once in each tree, and the release frees each record once.
    void collidingPathsStayInTheirTrees()
    {
        QDiskAndVolumeInfo allFiles;
        allFiles.volumeLetter = QStringLiteral("All Files");
        allFiles.displayName = QStringLiteral("All Files");
        ScanTargetInfo target = volumeTarget(QStringLiteral("All Files"));
        auto manager = newManager(target);
        send(manager.get(), file("\\Photo\\x.jpg"), allFiles);
        send(manager.get(), file("\\Photo\\jpg\\y.jpg"), allFiles);
        QVERIFY(manager->waitForIdle(idleTimeout));
        const QStringList expected{"All Files/Photo/jpg/y.jpg", "All Files/Photo/x.jpg"};
        QCOMPARE(folderTreeFiles(manager.get()), expected);
        QCOMPARE(typeTreeFiles(manager.get()), expected);
        FileTreeNode* typePhoto = nullptr;
        {
            std::shared_lock lock(manager->treeLock());
            for (DocumentInfo* entry : manager->typeTreeRoot()->entries) {
                if (DocumentInfo::filePath(entry) == QLatin1String("All Files/Photo"))
                    typePhoto = manager->findFolderNode(static_cast<const DocumentInfo*>(entry));
            }
        }
        QVERIFY(typePhoto);
        QCOMPARE(typePhoto->fileCount, 2u);
        QCOMPARE(typePhoto->record->level(), quint32(DocumentInfo::TypeTreeLevel));
        QCOMPARE(manager->findFolderNode(QStringLiteral("All Files/Photo"))->record->level(),
                 quint32(DocumentInfo::FolderTreeLevel));
        QCOMPARE(manager->allFileRecords().size(), 2);
        manager->clearDocumentCache();
        QVERIFY(!manager->pathTreeRoot());
    }

    void dotNamesNeverClimb()
    {
        auto manager = newManager();
        send(manager.get(), file("a\\..\\..\\x.txt"));
        send(manager.get(), file("\\x\\.\\y.txt"));
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(folderTreeFiles(manager.get()), (QStringList{"sdb1/a/../../x.txt", "sdb1/x/./y.txt"}));
    }

    void overlongPathFiledUnderPathLost()
    {
        auto manager = newManager();
        EngineEventItem item;
        item.setPacked(8, 0, 0);
        item.valueA = 10;
        item.path = QStringLiteral("sdb1/") + QString(70000, QLatin1Char('d')) + QStringLiteral("/name.txt");
        item.volumeName = QStringLiteral("Data (sdb1)");
        manager->enqueueEvent(item);
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(folderTreeFiles(manager.get()), QStringList{"sdb1/File Path Lost/name.txt"});
        QCOMPARE(manager->findFolderNode(QStringLiteral("sdb1/File Path Lost"))->record->typeCode,
                 quint16(FilePathLostFolder));
        // A name that alone exceeds the field is cut on a character boundary.
        EngineEventItem huge = item;
        huge.path = QStringLiteral("sdb1/") + QString(33000, QChar(0x00E9)) + QStringLiteral(".txt");
        manager->enqueueEvent(huge);
        QVERIFY(manager->waitForIdle(idleTimeout));
        const QVector<DocumentInfo*> records = manager->allFileRecords();
        QCOMPARE(records.size(), 2);
        for (const DocumentInfo* record : records) {
            QVERIFY(record->pathBytes() <= DocumentInfo::maxPathBytes);
            QVERIFY(!DocumentInfo::filePath(record).contains(QChar::ReplacementCharacter));
        }
    }

    void filterAnnouncesVisibleFolderOnce()
    {
        auto manager = newManager();
        manager->setFilter([](const DocumentInfo* r) { return DocumentInfo::suffix(r) == QLatin1String("jpg"); });
        std::atomic<int> visible{0};
        Observer observer(
            [&](FileTreeNode* node, DocumentInfo*, FileTreeNodeEventType type) {
                if (type == FileTreeNodeEventType::NodeVisible && FileTreeNode::documentPath(node) == "sdb1/d")
                    ++visible;
            },
            nullptr, true);
        send(manager.get(), file("\\d\\a.txt"));
        send(manager.get(), file("\\d\\b.jpg"));
        send(manager.get(), file("\\d\\c.jpg"));
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(visible.load(), 1);
        FileTreeNode* d = manager->findFolderNode(QStringLiteral("sdb1/d"));
        QCOMPARE(d->passingCount, 2u);
        QVERIFY(d->record->passesFilter());
        manager->setFilter({});
    }

    void checkedFolderBecomesPartial()
    {
        auto manager = newManager();
        send(manager.get(), file("\\d\\a.txt"));
        QVERIFY(manager->waitForIdle(idleTimeout));
        FileTreeNode* d = manager->findFolderNode(QStringLiteral("sdb1/d"));
        {
            std::unique_lock lock(manager->treeLock());
            d->record->exchangeCheckState(false, Qt::Checked);
        }
        std::atomic<int> changed{0};
        Observer observer(
            [&](FileTreeNode* node, DocumentInfo*, FileTreeNodeEventType type) {
                if (node == d && type == FileTreeNodeEventType::StateChanged)
                    ++changed;
            },
            d, false);
        send(manager.get(), file("\\d\\b.txt"));
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(changed.load(), 1);
        QCOMPARE(d->record->checkState(false), quint32(Qt::PartiallyChecked));
    }

    // A task posted while a batch runs, with the finish already queued behind the
    // batch: the rest of the batch goes back ahead of the finish and is kept.
    void taskMidBatchKeepsEveryFile()
    {
        auto manager = newManager();
        std::atomic<bool> posted{false};
        std::atomic<int> taskRuns{0};
        Observer observer(
            [&](FileTreeNode*, DocumentInfo*, FileTreeNodeEventType type) {
                if (type == FileTreeNodeEventType::NodeCreated && !posted.exchange(true))
                    manager->postTask(DocumentManager::DataAnalysis, [&] { ++taskRuns; });
            },
            nullptr, true);
        manager->setPaused();
        for (int i = 0; i < 25; ++i)
            send(manager.get(), file("\\f\\" + std::to_string(i) + ".txt"));
        manager->onEngineEvent(mountedVolume(), finishEvent());
        manager->setResumed();
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(taskRuns.load(), 1);
        QCOMPARE(folderTreeFiles(manager.get()).size(), 25);
        QCOMPARE(manager->state(), int(DocumentManager::ScanDone));
    }

    void failuresEndInAFailedScan_data()
    {
        QTest::addColumn<QList<int>>("codes");  // pairs: volume, code
        QTest::addColumn<int>("errorType");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("description");
        QTest::newRow("no failure") << QList<int>{} << 0 << 0 << "";
        QTest::newRow("engine not built") << QList<int>{0, 16} << 1 << 1 << "Data (sdb1)";
        QTest::newRow("path not found") << QList<int>{0, 4} << 1 << 1 << "Data (sdb1)";
        QTest::newRow("disk error twice, one volume") << QList<int>{0, 8, 0, 8} << 1 << 1 << "Data (sdb1)";
        QTest::newRow("two volumes") << QList<int>{1, 8, 0, 16} << 1 << 2 << "Data (sdb1), Data (sdb2)";
    }
    void failuresEndInAFailedScan()
    {
        QFETCH(QList<int>, codes);
        QFETCH(int, errorType);
        QFETCH(int, count);
        QFETCH(QString, description);
        auto manager = newManager();
        SignalLog log(manager.get());
        for (int i = 0; i + 1 < codes.size(); i += 2)
            manager->onEngineEvent(mountedVolume(0, quint64(codes[i])), failureEvent(0, quint8(codes[i]), codes[i + 1]));
        manager->onEngineEvent(mountedVolume(), finishEvent());
        QVERIFY(manager->waitForIdle(idleTimeout));
        const auto finished = log.take(QStringLiteral("scanFinished"));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toInt(), errorType);
        QCOMPARE(finished[0][1].toString(), description);
        QCOMPARE(finished[0][2].toInt(), count);
    }

    void eventsAfterFinishAreDropped()
    {
        auto manager = newManager();
        SignalLog log(manager.get());
        send(manager.get(), file("\\a.txt"));
        manager->onEngineEvent(mountedVolume(), finishEvent());
        send(manager.get(), file("\\b.txt"));
        manager->onEngineEvent(mountedVolume(), finishEvent());
        manager->onEngineEvent(mountedVolume(), progressEvent(0, 0.5));
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(folderTreeFiles(manager.get()), QStringList{"sdb1/a.txt"});
        QCOMPARE(log.count(QStringLiteral("scanFinished")), 1);
        QCOMPARE(log.count(QStringLiteral("progressUpdated")), 0);
    }

    void kindsAboveElevenAreIgnored()
    {
        auto manager = newManager();
        for (quint32 kind : {12u, 31u, 32u, 200u}) {
            DataRecoveryInfo odd = file("\\odd.txt").info();
            odd.kind = kind;
            manager->onEngineEvent(mountedVolume(), odd);
        }
        send(manager.get(), file("\\a.txt"));
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(folderTreeFiles(manager.get()), QStringList{"sdb1/a.txt"});
        QCOMPARE(DocumentManager::eventKindName(12), QStringLiteral("Unknown"));
        QCOMPARE(DocumentManager::eventKindName(10), QStringLiteral("ExFAT"));
    }

    void progressTexts()
    {
        auto manager = newManager();
        SignalLog log(manager.get());
        manager->onEngineEvent(mountedVolume(), progressEvent(0, 0.0));
        manager->onEngineEvent(mountedVolume(), progressEvent(1, 0.4949));
        manager->onEngineEvent(mountedVolume(), progressEvent(2, 1.5));
        QVERIFY(manager->waitForIdle(idleTimeout));
        const auto progress = log.take(QStringLiteral("progressUpdated"));
        QCOMPARE(progress.size(), 3);
        QCOMPARE(progress[0], (QVariantList{0, 0, "300:00:00"}));
        QCOMPARE(progress[1][0].toInt(), 1);
        QCOMPARE(progress[1][1].toInt(), 49);
        QCOMPARE(progress[2][1].toInt(), 99);
        QCOMPARE(progress[2][2].toString(), QStringLiteral("00:00:01"));
        QVERIFY(log.count(QStringLiteral("fileProgressUpdated")) >= 1);
    }

    // A raw phase that runs through in a fraction of a second, as on a small
    // NTFS volume: every step before the end still shows time left.
    void fastRawPhaseNeverShowsZero()
    {
        auto manager = newManager();
        SignalLog log(manager.get());
        manager->onEngineEvent(mountedVolume(), progressEvent(0, 0.1));
        for (int step = 0; step <= 88; ++step)
            manager->onEngineEvent(mountedVolume(), progressEvent(1, 0.1 + 0.01 * step));
        QVERIFY(manager->waitForIdle(idleTimeout));
        const auto progress = log.take(QStringLiteral("progressUpdated"));
        QCOMPARE(progress.size(), 90);
        for (const QVariantList& update : progress) {
            QVERIFY2(update[2].toString() != QLatin1String("00:00:00"),
                     qPrintable(QStringLiteral("%1 %").arg(update[1].toInt())));
            QVERIFY(QRegularExpression(QStringLiteral("^\\d{2,}:\\d{2}:\\d{2}$")).match(update[2].toString()).hasMatch());
        }
        QCOMPARE(progress.last()[1].toInt(), 98);
    }

    void recoveryProgressNeedsATotal()
    {
        auto manager = newManager();
        SignalLog log(manager.get());
        DataRecoveryInfo progress = MakeDataRecoveryInfo(RecoverProgress);
        progress.value = 100;
        manager->onEngineEvent(mountedVolume(), progress);
        QCOMPARE(log.count(QStringLiteral("overallRecoveryProgress")), 0);
    }

    // While paused, queued events wait and nothing is emitted; after the resume
    // the counts equal those of an uninterrupted run.
    void pauseHoldsEvents()
    {
        auto manager = newManager();
        SignalLog log(manager.get());
        manager->setPaused();
        for (int i = 0; i < 30; ++i)
            send(manager.get(), file("\\p\\" + std::to_string(i) + ".txt"));
        manager->onEngineEvent(mountedVolume(), progressEvent(0, 0.5));
        QTest::qWait(300);
        QCOMPARE(log.count(QStringLiteral("fileProgressUpdated")), 0);
        QCOMPARE(log.count(QStringLiteral("progressUpdated")), 0);
        QCOMPARE(manager->queuedEventCount(), 31);
        manager->setResumed();
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(manager->totalFoundSizeAndCount(), qMakePair(quint64(30 * 512), quint64(30)));
        // scanResume comes from the resuming thread, the batches' signals from the model's: no order between them.
        QCOMPARE(log.names().value(0), QStringLiteral("scanPaused"));
        QCOMPARE(log.count(QStringLiteral("scanResume")), 1);
    }

    // Pause and resume racing the thread's wait: every event is processed in the end.
    void resumeWakeIsNeverLost()
    {
        auto manager = newManager();
        for (int round = 0; round < 200; ++round) {
            manager->setPaused();
            send(manager.get(), file("\\r\\" + std::to_string(round) + ".txt"));
            manager->setResumed();
        }
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(folderTreeFiles(manager.get()).size(), 200);
    }

    // Releases and resets while batches run: no record is used after it is freed.
    void releaseWaitsForTheBatch()
    {
        auto manager = newManager();
        std::atomic<bool> done{false};
        std::thread engine([&] {
            int i = 0;
            while (!done.load())
                send(manager.get(), file("\\a\\b\\c\\" + std::to_string(i++ % 500) + ".jpg"));
        });
        for (int round = 0; round < 30; ++round) {
            manager->resetForScan(volumeTarget());
            QTest::qWait(2);
            (void)manager->totalFoundSummaryText();
            if (round % 3 == 0)
                manager->clearDocumentCache();
        }
        done = true;
        engine.join();
        manager->clearDocumentCache();
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(manager->totalFoundSizeAndCount(), qMakePair(quint64(0), quint64(0)));
    }

    void generationMovesOnRelease()
    {
        auto manager = newManager();
        const quint64 before = manager->dataGeneration();
        manager->clearDocumentCache();
        QVERIFY(manager->dataGeneration() > before);
    }

    // Destroying the manager (no event loop on its thread) returns.
    void destructionEndsTheThread()
    {
        for (int round = 0; round < 20; ++round) {
            auto manager = newManager();
            for (int i = 0; i < 50; ++i)
                send(manager.get(), file("\\d\\" + std::to_string(i) + ".txt"));
            if (round % 2)
                manager->setPaused();
        }
    }

    void walksVisitEachRecordOnce_data()
    {
        QTest::addColumn<int>("files");
        QTest::newRow("98 entries") << 98;
        QTest::newRow("99 entries") << 99;
        QTest::newRow("2000 entries") << 2000;
    }
    void walksVisitEachRecordOnce()
    {
        QFETCH(int, files);
        auto manager = newManager();
        for (int i = 0; i < files; ++i)
            send(manager.get(), file("\\d\\" + std::to_string(i) + (i % 2 ? ".jpg" : ".txt")));
        QVERIFY(manager->waitForIdle(idleTimeout));

        std::atomic<int> calls{0};
        manager->setFilter([&](const DocumentInfo* r) {
            ++calls;
            return DocumentInfo::suffix(r) == QLatin1String("jpg");
        });
        QCOMPARE(manager->reevaluateFilter(), quint64(files / 2));
        QCOMPARE(calls.load(), files);
        manager->setFilter({});

        // Select everything twice: each file is counted once.
        const QVector<DocumentInfo*> records = manager->allFileRecords();
        QCOMPARE(records.size(), files);
        qint64 serialBytes = 0;
        for (const DocumentInfo* r : records)
            serialBytes += r->size;
        QCOMPARE(manager->setAllCheckStates(records, Qt::Checked, false, false),
                 qMakePair(qint64(files), serialBytes));
        QCOMPARE(manager->setAllCheckStates(records, Qt::Checked, false, false), qMakePair(qint64(0), qint64(0)));
        // With only passing records wanted, files hidden by the filter keep their state.
        QCOMPARE(manager->setAllCheckStates(records, Qt::Unchecked, false, true),
                 qMakePair(-qint64(files / 2), -qint64(files / 2 * 512)));

        manager->markSearchResult();
        for (const DocumentInfo* r : manager->allFileRecords())
            QVERIFY(r->inSearchMode());
        manager->clearSearchResults();
        for (const DocumentInfo* r : manager->allFileRecords())
            QVERIFY(!r->inSearchMode());
        QVERIFY(!manager->pathTreeRoot()->record->inSearchMode());
    }

    void subtreeCheckState()
    {
        auto manager = newManager();
        for (int i = 0; i < 3; ++i)
            send(manager.get(), file("\\d\\e\\" + std::to_string(i) + ".txt"));
        send(manager.get(), file("\\d\\top.txt"));
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(manager->setSubtreeCheckState(QStringLiteral("sdb1/none"), Qt::Checked, false, false),
                 qMakePair(qint64(0), qint64(0)));
        QCOMPARE(manager->setSubtreeCheckState(QStringLiteral("sdb1/d"), Qt::Checked, false, false),
                 qMakePair(qint64(4), qint64(4 * 512)));
        // The named folder's own record lies in its parent's entries and keeps its state.
        QCOMPARE(manager->findFolderNode(QStringLiteral("sdb1/d"))->record->checkState(false), 0u);
        QCOMPARE(manager->findFolderNode(QStringLiteral("sdb1/d/e"))->record->checkState(false), 2u);
        QCOMPARE(manager->setSubtreeCheckState(QStringLiteral("sdb1/d/e"), Qt::PartiallyChecked, false, false),
                 qMakePair(qint64(0), qint64(0)));
    }

    // The user's stop: progress, failures and the finish still queued are dropped,
    // found files the engine already reported become records, scanFinished(1) comes once.
    void stopKeepsReportedFiles()
    {
        auto manager = newManager();
        SignalLog log(manager.get());
        manager->setPaused();
        for (int i = 0; i < 40; ++i) {
            send(manager.get(), file("\\s\\" + std::to_string(i) + ".txt"));
            if (i % 10 == 0)
                manager->onEngineEvent(mountedVolume(), progressEvent(0, 0.1 * i / 10));
        }
        manager->onEngineEvent(mountedVolume(), failureEvent(0, 0, 8));
        manager->onEngineEvent(mountedVolume(), finishEvent());
        manager->stopScanSession();
        manager->stopScanSession();
        // Files still arriving until the engine's Start returns.
        send(manager.get(), file("\\s\\late.txt"));
        manager->onEngineEvent(mountedVolume(), finishEvent());
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(folderTreeFiles(manager.get()).size(), 41);
        const auto finished = log.take(QStringLiteral("scanFinished"));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished[0], (QVariantList{1, "", 0}));
        QCOMPARE(log.count(QStringLiteral("progressUpdated")), 0);
        QCOMPARE(manager->state(), int(DocumentManager::ScanStopped));
    }

    void stopAfterFinishDoesNothing()
    {
        auto manager = newManager();
        SignalLog log(manager.get());
        manager->onEngineEvent(mountedVolume(), finishEvent());
        QVERIFY(manager->waitForIdle(idleTimeout));
        manager->stopScanSession();
        QCOMPARE(log.count(QStringLiteral("scanFinished")), 1);
        QCOMPARE(manager->state(), int(DocumentManager::ScanDone));
    }

    void squeezeAfterFinish()
    {
        auto manager = newManager();
        send(manager.get(), file("\\a.txt"));
        manager->onEngineEvent(mountedVolume(), finishEvent());
        QVERIFY(manager->waitForIdle(idleTimeout));
        QCOMPARE(folderTreeFiles(manager.get()), QStringList{"sdb1/a.txt"});
    }
};

QTEST_GUILESS_MAIN(BridgeModelTest)
#include "BridgeModelTest.moc"
