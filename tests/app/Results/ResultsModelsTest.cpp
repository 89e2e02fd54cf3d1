// The file list model and its filter proxy, the folder tree model and its
// proxy, and the natural order they share, over records of the found-file model.
#include "DocumentManager.h"
#include "FileBrowserModel.h"
#include "FileBrowserProxyModel.h"
#include "FileSystemPathTreeModel.h"
#include "FileSystemPathTreeProxyModel.h"
#include "ModelTestSupport.h"
#include "ResultsTestSupport.h"
#include "NaturalOrder.h"
#include "NodeTypeCode.h"
#include "TreeEventBatcher.h"

#include "FileTreeNodeObserverRegistry.h"
#include "NameTable.h"

#include <QApplication>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace ModelTest;
using namespace ResultsTest;

namespace {

// count files "\dir\fileN.jpg", returned in name order.
QVector<DocumentInfo*> records(DocumentManager* manager, int count, const std::string& dir = "dir")
{
    for (int i = 0; i < count; ++i)
        send(manager, "\\" + dir + "\\file" + std::to_string(i) + ".jpg");
    manager->waitForIdle(idleTimeout);
    QVector<DocumentInfo*> all = manager->allFileRecords();
    std::sort(all.begin(), all.end(), [](DocumentInfo* a, DocumentInfo* b) {
        return naturalLessThan(DocumentInfo::fileName(a), DocumentInfo::fileName(b));
    });
    return all;
}

QStringList childNames(const QAbstractItemModel& model, const QModelIndex& parent)
{
    QStringList names;
    for (int r = 0; r < model.rowCount(parent); ++r)
        names << model.index(r, 0, parent).data(FileSystemPathTreeModel::NameRole).toString();
    return names;
}

// Every folder path the tree model holds under the folder-view root.
QStringList treePaths(const FileSystemPathTreeModel& model)
{
    QStringList paths;
    QVector<QModelIndex> stack{model.index(0, 0)};
    while (!stack.isEmpty()) {
        const QModelIndex index = stack.takeLast();
        paths << index.data(FileSystemPathTreeModel::PathRole).toString();
        for (int r = 0; r < model.rowCount(index); ++r)
            stack << model.index(r, 0, index);
    }
    paths.sort();
    return paths;
}

} // namespace

class ResultsModelsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fillNameTable(); }
    void cleanup() { FileTreeNodeObserverRegistry::instance().reset(); }

    void naturalOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("less");
        QTest::addColumn<bool>("greater");
        QTest::newRow("2 before 10") << "file2" << "file10" << true << false;
        QTest::newRow("short run first") << "file5" << "file05" << true << false;
        QTest::newRow("digit before letter") << "a1" << "ab" << true << false;
        QTest::newRow("case equal") << "ABC" << "abc" << false << false;
        QTest::newRow("prefix first") << "abc" << "abcd" << true << false;
        QTest::newRow("empty first") << "" << "a" << true << false;
        QTest::newRow("both empty") << "" << "" << false << false;
        QTest::newRow("runs then letters") << "x9y" << "x10a" << true << false;
        // U+0662 (2) before U+0661 U+0660 (10): Arabic-Indic digits count as digits.
        QTest::newRow("arabic-indic") << QString::fromUtf8("f\u0662") << QString::fromUtf8("f\u0661\u0660") << true << false;
        QTest::newRow("arabic-indic before letter") << QString::fromUtf8("\u0663") << "a" << true << false;
    }

    void naturalOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, less);
        QFETCH(bool, greater);
        QCOMPARE(naturalLessThan(a, b), less);
        QCOMPARE(naturalLessThan(b, a), greater);
    }

    void kindRanks()
    {
        QVERIFY(nodeKindRank(14) < nodeKindRank(13));
        QVERIFY(nodeKindRank(13) < nodeKindRank(9));
        QCOMPARE(nodeKindRank(15), 11);
        QCOMPARE(nodeKindRank(16), 11);
        QCOMPARE(nodeKindRank(0), nodeKindRank(1));
        QCOMPARE(nodeKindRank(7), 6);
    }

    void appendsExpose257ThenFetch()
    {
        auto manager = newManager();
        const QVector<DocumentInfo*> docs = records(manager.get(), 300);
        FileBrowserModel model;
        for (DocumentInfo* doc : docs)
            model.appendDocument(doc);
        QCOMPARE(model.rowCount(), 257);
        QVERIFY(model.canFetchMore({}));
        model.fetchMore({});
        QCOMPARE(model.rowCount(), 300);
        QVERIFY(!model.canFetchMore({}));
        QCOMPARE(model.documents().size(), 300);
        model.setDocuments({});
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.canFetchMore({}));
    }

    void batchesInsertOnceKeepingTheRule_data()
    {
        QTest::addColumn<QVector<int>>("batches");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("inserts");
        QTest::newRow("1") << QVector<int>{1} << 1 << 1;
        QTest::newRow("256") << QVector<int>{256} << 256 << 1;
        QTest::newRow("257") << QVector<int>{257} << 257 << 1;
        QTest::newRow("256 then 1 then 1") << QVector<int>{256, 1, 1} << 257 << 2;
        QTest::newRow("10000") << QVector<int>{10000} << 257 << 1;
    }

    void batchesInsertOnceKeepingTheRule()
    {
        QFETCH(QVector<int>, batches);
        QFETCH(int, shown);
        QFETCH(int, inserts);
        static std::unique_ptr<DocumentManager> manager;
        static QVector<DocumentInfo*> docs;
        if (!manager) {
            manager = newManager();
            docs = records(manager.get(), 10000);
        }
        FileBrowserModel model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        int at = 0;
        for (int n : batches) {
            model.appendDocuments(docs.mid(at, n));
            at += n;
        }
        QCOMPARE(model.rowCount(), shown);
        QCOMPARE(inserted.count(), inserts);
        QCOMPARE(model.documents().size(), at);
        while (model.canFetchMore({}))
            model.fetchMore({});
        QCOMPARE(model.rowCount(), at);
        QCOMPARE(model.rowOfDocument(docs[at - 1]), at - 1);
    }

    void rowsTextsAndRoles()
    {
        auto manager = newManager();
        send(manager.get(), "\\docs\\<b>x<b> & y report report.txt");
        send(manager.get(), "\\docs\\README");
        manager->waitForIdle(idleTimeout);
        QVector<DocumentInfo*> docs = manager->allFileRecords();
        std::sort(docs.begin(), docs.end(), [](auto* a, auto* b) { return DocumentInfo::fileName(a) < DocumentInfo::fileName(b); });
        FileTreeNode* folder = manager->findFolderNode(QStringLiteral("sdb1/docs"));
        QVERIFY(folder);
        FileBrowserModel model;
        model.setDocuments({docs[0], docs[1], folder->record});
        QCOMPARE(model.rowCount(), 3);
        const QModelIndex marked = model.index(0, 3);
        QCOMPARE(marked.data().toString(), QStringLiteral("<b>x<b> & y report report.txt"));
        QCOMPARE(marked.data(FileBrowserModel::TypeNameRole).toString(), QStringLiteral("txt"));
        QCOMPARE(marked.data(FileBrowserModel::DocumentRole).value<DocumentInfo*>(), docs[0]);
        QCOMPARE(model.index(1, 0).data(FileBrowserModel::TypeNameRole).toString(),
                 fileTypeNameForTest(docs[1]->typeCode));
        QCOMPARE(model.index(2, 0).data(FileBrowserModel::TypeCodeRole).toInt(), int(PlainFolder));
        QCOMPARE(model.index(2, 0).data(FileBrowserModel::TypeNameRole).toString(), QStringLiteral("Folder"));
        QVERIFY(!model.index(0, 0).data(Qt::DecorationRole).isValid());
        QCOMPARE(model.rowOfDocument(nullptr), 0);
        QCOMPARE(model.rowOfDocument(docs[1]), 1);

        // Two occurrences, two spans; the name's own markup arrives escaped.
        model.setSearchKeyword(QStringLiteral("report"));
        const QString shown = model.index(0, 0).data().toString();
        QCOMPARE(shown.count(QStringLiteral("#FF8C00")), 2);
        QVERIFY(shown.contains(QStringLiteral("&lt;b&gt;x&lt;b&gt; &amp; y")));
    }

    void absentRecordSelectsFirstRow()
    {
        auto manager = newManager();
        const QVector<DocumentInfo*> docs = records(manager.get(), 3);
        FileBrowserModel model;
        model.setDocuments(docs.mid(0, 2));
        QCOMPARE(model.rowOfDocument(docs[2]), 0);
        QCOMPARE(model.rowOfDocument(docs[1]), 1);
    }

    void filterProxyHidesFailingRecords()
    {
        auto manager = newManager();
        const QVector<DocumentInfo*> docs = records(manager.get(), 4);
        docs[1]->clearFlagBits(DocumentInfo::PassesFilterBit);
        docs[3]->clearFlagBits(DocumentInfo::PassesFilterBit);
        FileBrowserModel model;
        FileBrowserProxyModel proxy;
        proxy.setSourceModel(&model);
        model.setDocuments(docs);
        QCOMPARE(proxy.rowCount(), 4);
        proxy.setFilterEnabled(true);
        QCOMPARE(proxy.rowCount(), 4);  // the write alone re-filters nothing
        proxy.invalidate();
        QCOMPARE(proxy.rowCount(), 2);
        proxy.setFilterEnabled(false);
        proxy.invalidate();
        QCOMPARE(proxy.rowCount(), 4);
    }

    void thumbnailUpdateFindsTheRow()
    {
        auto manager = newManager();
        const QVector<DocumentInfo*> docs = records(manager.get(), 300);
        FileBrowserModel model;
        model.appendDocuments(docs);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.updateDocumentThumbnail(docs[5]);
        model.updateDocumentThumbnail(docs[299]);  // not exposed yet: nothing to repaint
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>().row(), 5);
        QCOMPARE(changed[0][2].value<QVector<int>>(), QVector<int>{FileBrowserModel::ThumbnailRole});
    }

    // Row lookups far from the last row found go through the row index: it must
    // follow appends past its short unindexed tail and its growth, answer absent
    // records, give a record listed twice its first row and start over on a new list.
    void rowLookupsFollowAppendsAndNewLists()
    {
        auto manager = newManager();
        const QVector<DocumentInfo*> docs = records(manager.get(), 13001);
        const QVector<DocumentInfo*> listed = docs.mid(0, 13000);
        DocumentInfo* absent = docs.last();
        FileBrowserModel model;
        for (int at = 0; at < listed.size(); at += 3250) {
            model.appendDocuments(listed.mid(at, 3250));
            for (int row = at + 3249; row >= 0; row -= 997)
                QCOMPARE(model.rowOfDocument(listed[row]), row);
            QCOMPARE(model.rowOfDocument(absent), 0);
        }
        QVector<DocumentInfo*> twice = listed;
        twice << listed[5];
        model.setDocuments(twice);
        QCOMPARE(model.rowOfDocument(listed[12000]), 12000);
        QCOMPARE(model.rowOfDocument(listed[5]), 5);
        QCOMPARE(model.rowOfDocument(listed[12999]), 12999);

        QVector<DocumentInfo*> reversed(listed.rbegin(), listed.rend());
        model.setDocuments(reversed);
        for (int row = 0; row < reversed.size(); row += 1231)
            QCOMPARE(model.rowOfDocument(reversed[row]), row);
        QCOMPARE(model.rowOfDocument(absent), 0);
    }

    // Nodes made before the tree model exists all appear, and later ones join
    // through the batcher in one insert per parent.
    void treeCatchesUpThenFollowsBatches()
    {
        auto manager = newManager();
        send(manager.get(), "\\a\\b\\c\\early.jpg");
        send(manager.get(), "\\a\\x.doc");
        manager->waitForIdle(idleTimeout);
        FileSystemPathTreeModel model(manager.get());
        TreeEventBatcher batcher(manager.get(), [&](const QVector<TreeEvent>& events) {
            QVector<FileTreeNode*> created;
            for (const TreeEvent& e : events) {
                if (e.type == FileTreeNodeEventType::NodeCreated)
                    created << e.node;
            }
            model.onNodesCreated(created);
        });
        batcher.watchAll();
        model.addExistingNodes();
        QCOMPARE(treePaths(model), (QStringList{"Data (sdb1)", "sdb1/a", "sdb1/a/b", "sdb1/a/b/c"}));
        QCOMPARE(model.rowCount(model.index(1, 0)), 9);
        QVERIFY(model.indexForPath(QStringLiteral("All Files/Photo/jpg")).isValid());
        QVERIFY(model.indexForPath(QStringLiteral("All Files/Document/doc")).isValid());

        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        for (int i = 0; i < 40; ++i)
            send(manager.get(), "\\a\\many\\d" + std::to_string(i) + "\\f.jpg");
        manager->waitForIdle(idleTimeout);
        QTRY_COMPARE(batcher.postedFlushes(), 0);
        QCOMPARE(model.rowCount(model.indexForPath(QStringLiteral("sdb1/a/many"))), 40);
        // "many" under "a", then its 40 folders: two inserts.
        QCOMPARE(inserted.count(), 2);
        const QModelIndex d7 = model.indexForPath(QStringLiteral("sdb1/a/many/d7"));
        QVERIFY(d7.isValid());
        QCOMPARE(d7.row(), 7);
        QCOMPARE(d7.data(FileSystemPathTreeModel::CountRole).toInt(), 1);
    }

    void treeProxyOrdersAndFilters()
    {
        auto manager = newManager();
        for (const char* name : {"dir10", "dir2", "Dir1", "b"})
            send(manager.get(), std::string("\\") + name + "\\f.jpg");
        send(manager.get(), "\\x\\f.mp3");
        manager->waitForIdle(idleTimeout);
        FileSystemPathTreeModel model(manager.get());
        FileSystemPathTreeProxyModel proxy;
        proxy.setSourceModel(&model);
        proxy.setDynamicSortFilter(true);
        proxy.sort(0, Qt::AscendingOrder);
        QCOMPARE(proxy.rowCount(), 1);  // the folder view's root only
        const QModelIndex volume = proxy.index(0, 0);
        QCOMPARE(childNames(proxy, volume), (QStringList{"b", "Dir1", "dir2", "dir10", "x"}));
        proxy.setViewMode(2);
        proxy.invalidate();
        QCOMPARE(proxy.rowCount(), 1);
        QCOMPARE(proxy.index(0, 0).data(FileSystemPathTreeModel::TypeCodeRole).toInt(), int(AllFilesRoot));
        // Type folders by code: Photo (19) before Audio (22).
        QStringList types = childNames(proxy, proxy.index(0, 0));
        QVERIFY(types.indexOf("Photo") < types.indexOf("Audio"));

        // A folder failing the filter hides with its subtree; roots never hide.
        proxy.setViewMode(1);
        manager->findFolderNode(QStringLiteral("sdb1/dir2"))->record->clearFlagBits(DocumentInfo::PassesFilterBit);
        manager->pathTreeRoot()->record->clearFlagBits(DocumentInfo::PassesFilterBit);
        proxy.invalidate();
        QCOMPARE(childNames(proxy, proxy.index(0, 0)), (QStringList{"b", "Dir1", "dir10", "x"}));
    }

    void emptyTreesLeaveTheModelEmptyUntilRootsAppear()
    {
        DocumentManager manager;
        FileSystemPathTreeModel model(&manager);
        QVERIFY(model.isEmpty());
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.indexForPath(QStringLiteral("sdb1")).isValid());
        manager.resetForScan(volumeTarget());
        send(&manager, "\\late\\f.jpg");
        manager.waitForIdle(idleTimeout);
        model.addExistingNodes();
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(model.indexForPath(QStringLiteral("sdb1/late")).isValid());
    }

private:
    static QString fileTypeNameForTest(quint16 code);
};

#include "FileTypeName.h"
QString ResultsModelsTest::fileTypeNameForTest(quint16 code)
{
    return fileTypeName(code, true);
}

QTEST_MAIN(ResultsModelsTest)
#include "ResultsModelsTest.moc"
