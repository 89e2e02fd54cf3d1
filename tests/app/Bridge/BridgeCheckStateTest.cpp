// Check states over a small synthetic tree: requests from the views, select all,
// folder aggregates in both trees, filters and search mode; after every step the
// stored totals equal a recount of the checked files.
#include "DocumentManager.h"
#include "ModelTestSupport.h"

#include "NameTable.h"

#include <QTest>

#include <memory>
#include <shared_mutex>

using namespace ModelTest;

namespace {

constexpr int idleTimeout = 20000;
constexpr int folderView = 1, typeView = 2, searchView = 4;

class CheckStateFixture {
public:
    CheckStateFixture()
    {
        manager->resetForScan(volumeTarget());
        for (const char* p : {"\\A\\a1.jpg", "\\A\\a2.jpg", "\\A\\B\\b1.txt", "\\c.txt"})
            add(p);
    }
    void add(const char* path, quint64 size = 1000)
    {
        FoundFile f;
        f.path = path;
        f.size = size;
        manager->onEngineEvent(mountedVolume(), f.info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        sizes += size;
    }
    DocumentInfo* file(const QString& path) const
    {
        for (DocumentInfo* record : manager->allFileRecords()) {
            if (DocumentInfo::filePath(record) == path)
                return record;
        }
        return nullptr;
    }
    int state(const QString& folder, bool search = false) const
    {
        std::shared_lock lock(manager->treeLock());
        if (folder == "folder root")
            return int(manager->pathTreeRoot()->record->checkState(search));
        if (folder == "type root")
            return int(manager->typeTreeRoot()->record->checkState(search));
        FileTreeNode* node = manager->findFolderNode(folder);
        return node ? int(node->record->checkState(search)) : -1;
    }
    bool wait() { return manager->waitForIdle(idleTimeout); }
    // The stored totals of a view against a fresh count.
    bool totalsAgree(bool search = false) const
    {
        const auto [bytes, count] = search ? manager->searchSelectedSizeAndCount() : manager->selectedSizeAndCount();
        const auto [recount, rebytes] = manager->recountCheckedFiles(search);
        if (count != recount || bytes != rebytes)
            qWarning("stored %llu files %llu bytes, recount %llu files %llu bytes", count, bytes, recount, rebytes);
        return count == recount && bytes == rebytes;
    }
    quint64 checkedCount(bool search = false) const
    {
        return search ? manager->searchSelectedSizeAndCount().second : manager->selectedSizeAndCount().second;
    }

    std::unique_ptr<DocumentManager> manager = std::make_unique<DocumentManager>();
    quint64 sizes = 0;
};

} // namespace

class BridgeCheckStateTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fillNameTable(); }

    void selectAllTwiceAndBothTreesAgree()
    {
        CheckStateFixture f;
        for (int round = 0; round < 2; ++round) {
            f.manager->selectionDocumentNodeState(Qt::Checked, folderView);
            QVERIFY(f.wait());
            QCOMPARE(f.checkedCount(), 4ull);
            QVERIFY(f.totalsAgree());
        }
        QCOMPARE(f.manager->selectedSizeAndCount().first, f.sizes);
        for (const char* folder : {"folder root", "type root", "sdb1/A", "sdb1/A/B", "All Files/Photo",
                                   "All Files/Photo/jpg", "All Files/Document"})
            QCOMPARE(f.state(folder), int(Qt::Checked));
        f.manager->selectionDocumentNodeState(Qt::Unchecked, typeView);
        QVERIFY(f.wait());
        QCOMPARE(f.checkedCount(), 0ull);
        QVERIFY(f.totalsAgree());
        QCOMPARE(f.state("folder root"), int(Qt::Unchecked));
        QCOMPARE(f.state("sdb1/A/B"), int(Qt::Unchecked));
    }

    // The edge cases as one sequence over one tree; each step names its expectation.
    void updateSequence()
    {
        CheckStateFixture f;
        f.manager->selectionDocumentNodeState(Qt::Checked, folderView);
        QVERIFY(f.wait());

        // Unchecking one file: its folders and both roots turn partial, the type tree follows.
        f.manager->updateDocumentNodeState("sdb1/A", {f.file("sdb1/A/a1.jpg")}, Qt::Unchecked, 0, folderView);
        QVERIFY(f.wait());
        QCOMPARE(f.checkedCount(), 3ull);
        QVERIFY(f.totalsAgree());
        QCOMPARE(f.state("sdb1/A"), int(Qt::PartiallyChecked));
        QCOMPARE(f.state("folder root"), int(Qt::PartiallyChecked));
        QCOMPARE(f.state("All Files/Photo/jpg"), int(Qt::PartiallyChecked));
        QCOMPARE(f.state("All Files/Document"), int(Qt::Checked));

        // Checking a folder whose files are checked already leaves the totals alone.
        f.manager->updateDocumentNodeState("sdb1/A", {f.file("sdb1/A/a2.jpg")}, Qt::Checked, 0, folderView);
        QVERIFY(f.wait());
        QCOMPARE(f.checkedCount(), 3ull);
        QVERIFY(f.totalsAgree());

        // Unchecking a folder subtracts each of its files once.
        f.manager->updateDocumentNodeState("Data (sdb1)", {}, Qt::Unchecked, 0, folderView);
        QVERIFY(f.wait());
        QCOMPARE(f.checkedCount(), 0ull);
        QVERIFY(f.totalsAgree());
        QCOMPARE(f.state("sdb1/A/B"), int(Qt::Unchecked));
        QCOMPARE(f.state("type root"), int(Qt::Unchecked));

        // A file in state 1 changes state without changing the totals.
        DocumentInfo* odd = f.file("sdb1/c.txt");
        odd->exchangeCheckState(false, Qt::PartiallyChecked);
        f.manager->updateDocumentNodeState("Data (sdb1)", {odd}, Qt::Checked, 0, folderView);
        QVERIFY(f.wait());
        QCOMPARE(f.checkedCount(), 0ull);
        QCOMPARE(int(odd->checkState(false)), int(Qt::Checked));
        odd->exchangeCheckState(false, Qt::Unchecked);
        QVERIFY(f.totalsAgree());

        // From the type view: checking the photo folder checks both photos in the folder tree.
        f.manager->updateDocumentNodeState("All Files", {}, Qt::Checked, 0, typeView);
        QVERIFY(f.wait());
        f.manager->updateDocumentNodeState("All Files/Document", {}, Qt::Unchecked, 0, typeView);
        QVERIFY(f.wait());
        QCOMPARE(f.checkedCount(), 2ull);
        QVERIFY(f.totalsAgree());
        QCOMPARE(f.state("sdb1/A"), int(Qt::PartiallyChecked));
        QCOMPARE(f.state("sdb1/A/B"), int(Qt::Unchecked));

        // A new file under a checked folder turns it partial and arrives unchecked.
        f.manager->selectionDocumentNodeState(Qt::Checked, folderView);
        QVERIFY(f.wait());
        f.add("\\A\\B\\late.txt");
        QCOMPARE(f.state("sdb1/A/B"), int(Qt::PartiallyChecked));
        QCOMPARE(int(f.file("sdb1/A/B/late.txt")->checkState(false)), int(Qt::Unchecked));
        QCOMPARE(f.checkedCount(), 4ull);
        QVERIFY(f.totalsAgree());
    }

    void filterLimitsWhatAFolderChecks()
    {
        CheckStateFixture f;
        f.manager->setFilter([](const DocumentInfo* record) { return DocumentInfo::suffix(record) == "jpg"; });
        f.manager->reevaluateFilter();
        f.manager->updateDocumentNodeState("Data (sdb1)", {}, Qt::Checked, 0, folderView);
        QVERIFY(f.wait());
        QCOMPARE(f.checkedCount(), 2ull);
        QVERIFY(f.totalsAgree());
        QCOMPARE(int(f.file("sdb1/A/B/b1.txt")->checkState(false)), int(Qt::Unchecked));
        // Every considered file is checked, so the folder shows checked.
        QCOMPARE(f.state("sdb1/A"), int(Qt::Checked));
        f.manager->setFilter({});
    }

    void searchAndNormalViewsStayApart()
    {
        CheckStateFixture f;
        DocumentInfo* hit = f.file("sdb1/A/a1.jpg");
        hit->setFlagBits(DocumentInfo::SearchModeBit);
        f.manager->selectionDocumentNodeState(Qt::Checked, folderView);
        QVERIFY(f.wait());
        QCOMPARE(int(hit->checkState(false)), int(Qt::Unchecked));
        QCOMPARE(f.checkedCount(), 3ull);
        QVERIFY(f.totalsAgree());
        f.manager->updateDocumentNodeState(QString(), {hit, f.file("sdb1/c.txt")}, Qt::Checked, 0, searchView);
        QVERIFY(f.wait());
        QCOMPARE(int(hit->checkState(true)), int(Qt::Checked));
        QCOMPARE(int(f.file("sdb1/c.txt")->checkState(true)), int(Qt::Unchecked));
        QCOMPARE(f.checkedCount(true), 1ull);
        QVERIFY(f.totalsAgree(true));
        QCOMPARE(f.checkedCount(), 3ull);
    }

    // Rapid requests: pending ones are dropped, the totals still agree.
    void manyRequestsKeepTheTotalsTrue()
    {
        CheckStateFixture f;
        for (int i = 0; i < 200; ++i)
            f.add(QStringLiteral("\\bulk\\f%1.txt").arg(i).toUtf8().constData(), quint64(i));
        const QVector<DocumentInfo*> all = f.manager->allFileRecords();
        for (int i = 0; i < 50; ++i) {
            f.manager->updateDocumentNodeState("sdb1/bulk", all.mid(i, 120), i % 2 ? Qt::Unchecked : Qt::Checked, 0,
                                               i % 3 ? folderView : typeView);
        }
        QVERIFY(f.wait());
        QVERIFY(f.totalsAgree());
    }
};

QTEST_GUILESS_MAIN(BridgeCheckStateTest)
#include "BridgeCheckStateTest.moc"
