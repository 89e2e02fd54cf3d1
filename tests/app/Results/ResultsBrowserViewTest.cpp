// The composite file list: state pages, selection, check and sort requests
// reaching the found-file model, the records it hands out, the icon grid and
// the thumbnails it asks for, over records of a real found-file model.
#include "AnalyticsLog.h"
#include "CheckableHeaderView.h"
#include "DocumentManager.h"
#include "FakeDisk.h"
#include "FileBrowserDelegate.h"
#include "FileBrowserModel.h"
#include "FileBrowserProxyModel.h"
#include "FileBrowserView.h"
#include "FileFilterManager.h"
#include "FileTypeIconProvider.h"
#include "GaService.h"
#include "ImageResources.h"
#include "LostTipWidget.h"
#include "ModelTestSupport.h"
#include "RecoverFileInfoPanel.h"
#include "RecoveryStateIndicator.h"
#include "SearchGuideDialog.h"
#include "ThumbnailCacheEngine.h"
#include "XLabel.h"
#include "XListView.h"
#include "XPushButton.h"

#include "FileTreeNodeObserverRegistry.h"
#include "NameTable.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <memory>
#include <mutex>
#include <shared_mutex>

using namespace ModelTest;

namespace {

constexpr int idleTimeout = 20000;
constexpr int folderView = 1, searchView = 4;

// The lists the found-file model answers find requests with. Taken on the
// model's thread (a queued copy would cross Qt's uninstrumented event queue).
class FindListener {
public:
    explicit FindListener(DocumentManager* manager)
    {
        connection_ = QObject::connect(
            manager, &DocumentManager::findDocumentsCompleted, manager,
            [this](const QString&, int, const QVector<DocumentInfo*>& documents, const QVariant&) {
                std::lock_guard lock(mutex_);
                lists_.append(documents);
            },
            Qt::DirectConnection);
    }
    ~FindListener() { QObject::disconnect(connection_); }
    QVector<DocumentInfo*> wait()
    {
        QDeadlineTimer deadline(idleTimeout);
        while (!deadline.hasExpired()) {
            {
                std::lock_guard lock(mutex_);
                if (!lists_.isEmpty())
                    return lists_.takeFirst();
            }
            QTest::qWait(5);
        }
        return {};
    }

private:
    std::mutex mutex_;
    QMetaObject::Connection connection_;
    QList<QVector<DocumentInfo*>> lists_;
};

// Starts a scan in manager with count photos in one folder: what the folder
// view lists there (empty when the model did not settle).
QVector<DocumentInfo*> addPictures(DocumentManager* manager, int count)
{
    manager->resetForScan(volumeTarget());
    for (int i = 0; i < count; ++i) {
        FoundFile f;
        f.path = "\\pics\\p" + std::to_string(1000 + i) + ".jpg";
        manager->onEngineEvent(mountedVolume(), f.info());
    }
    if (!manager->waitForIdle(idleTimeout))
        return {};
    FindListener finds(manager);
    manager->findDocuments("sdb1/pics", folderView);
    return finds.wait();
}

struct Fixture {
    Fixture()
    {
        manager->resetForScan(volumeTarget());
        // Distinct sizes so the size sort has one answer.
        add("\\A\\a1.jpg", 3000);
        add("\\A\\a2.txt", 1000);
        add("\\A\\B\\b1.txt", 500);
        add("\\A\\a3.jpg", 2000);
        add("\\c.txt", 700);
        QVERIFY(manager->waitForIdle(idleTimeout));
    }
    void add(const char* path, quint64 size)
    {
        FoundFile f;
        f.path = path;
        f.size = size;
        manager->onEngineEvent(mountedVolume(), f.info());
    }
    // What the folder view lists at path, in the model's own order.
    QVector<DocumentInfo*> listing(const QString& path)
    {
        FindListener finds(manager.get());
        manager->findDocuments(path, folderView);
        return finds.wait();
    }
    DocumentInfo* record(const QString& name) const
    {
        for (DocumentInfo* r : manager->allFileRecords()) {
            if (DocumentInfo::fileName(r) == name)
                return r;
        }
        FileTreeNode* node = manager->findFolderNode(name);  // takes the tree lock itself
        return node ? node->record : nullptr;
    }
    bool wait() { return manager->waitForIdle(idleTimeout); }

    std::unique_ptr<DocumentManager> manager = std::make_unique<DocumentManager>();
};

QStringList names(const QVector<DocumentInfo*>& docs)
{
    QStringList list;
    for (DocumentInfo* doc : docs)
        list << DocumentInfo::fileName(doc);
    return list;
}

QStringList shownNames(FileBrowserView& view)
{
    QStringList list;
    for (int row = 0; row < view.proxy()->rowCount(); ++row)
        list << view.proxy()->index(row, 0).data().toString();
    return list;
}

// The record the information panel holds: its "Open" re-emits it as a double click.
DocumentInfo* panelRecord(FileBrowserView& view)
{
    QSignalSpy opened(&view, &FileBrowserView::itemDoubleClicked);
    view.infoPanel()->button()->click();
    return opened.isEmpty() ? nullptr : opened.first().first().value<QVariant>().value<DocumentInfo*>();
}

bool listShown(FileBrowserView& view)
{
    return !view.listView()->isHidden() && !view.header()->isHidden() && view.stateIndicator()->isHidden();
}

void pressRowCheckBox(FileBrowserView& view, int row)
{
    XListView* list = view.listView();
    QStyleOptionViewItem option;
    option.rect = list->visualRect(view.proxy()->index(row, 0));
    const QPoint point = view.delegate()->checkBoxArea(option, view.isIconMode()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
}

} // namespace

class ResultsBrowserViewTest : public QObject {
    Q_OBJECT

    AnalyticsLog analytics_;

private slots:
    void initTestCase()
    {
        QVERIFY(analytics_.start());
        fillNameTable();
        initImageResources();
    }
    void cleanup()
    {
        FileFilterManager::instance()->resetFilters(false);
        FileTreeNodeObserverRegistry::instance().reset();
    }

    void emptyListStatePages_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("scanState");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        QTest::newRow("scanning") << folderView << 0 << false << 0 << "Scanning data, please wait...";
        QTest::newRow("paused") << folderView << 1 << false << 0 << "Scanning data, please wait...";
        QTest::newRow("scan done") << folderView << 3 << false << 1 << "No files found, please try again.";
        QTest::newRow("filtered") << folderView << 3 << true << 5 << "2. You can try to reduce filters.";
        QTest::newRow("searched") << searchView << 3 << false << 3
                                  << "2. Please make sure that you've entered correct words.";
        QTest::newRow("searched and filtered") << searchView << 0 << true << 5 << "2. You can try to reduce filters.";
    }

    void emptyListStatePages()
    {
        QFETCH(int, mode);
        QFETCH(int, scanState);
        QFETCH(bool, filter);
        QFETCH(int, page);
        QFETCH(QString, text);
        Fixture f;
        f.manager->setState(scanState);
        if (filter)
            FileFilterManager::instance()->setFileStateFilter(true);
        FileBrowserView view(f.manager.get());
        view.resize(1000, 600);
        view.show();
        QCOMPARE(view.stateIndicator()->state(), 0);  // shown from construction
        QVERIFY(view.listView()->isHidden());
        view.setDocuments(f.listing("sdb1/A"));
        QVERIFY(listShown(view));
        view.setViewDisplayMode(mode);
        view.setDocuments({});
        QVERIFY(view.listView()->isHidden());
        QVERIFY(view.header()->isHidden());
        QVERIFY(view.stateIndicator()->isVisible());
        QCOMPARE(view.stateIndicator()->state(), page);
        QVERIFY(view.stateIndicator()->visibleTexts().contains(text));
        QVERIFY(!view.infoPanel()->isEnabled());
        QCOMPARE(view.proxy()->filterEnabled(), filter);
    }

    // Searching and filtering pages: the panel stays out of reach, the lost tip goes.
    void searchAndFilterPages()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        view.resize(1000, 600);
        view.show();
        view.setDocuments(f.listing("sdb1/A"));
        view.lostTip()->setKind(17);
        QVERIFY(view.lostTip()->isVisible());
        view.showSearchState(false);
        QCOMPARE(view.stateIndicator()->state(), 2);
        QVERIFY(view.listView()->isHidden() && view.header()->isHidden());
        QVERIFY(view.infoPanel()->isVisible() && !view.infoPanel()->isEnabled());
        QVERIFY(view.lostTip()->isHidden());
        QVERIFY(view.stateIndicator()->visibleTexts().contains("Searching files, please wait..."));

        view.setDocuments(f.listing("sdb1/A"));
        view.lostTip()->setKind(17);
        view.showFilterState(false);
        QCOMPARE(view.stateIndicator()->state(), 4);
        QVERIFY(view.infoPanel()->isHidden());
        QVERIFY(view.lostTip()->isHidden());
        view.showSearchState(true);
        QCOMPARE(view.stateIndicator()->state(), 3);
    }

    void listSelectsTheGivenRecordOrTheFirst()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        view.resize(1000, 600);
        view.show();
        const QVector<DocumentInfo*> docs = f.listing("sdb1/A");
        QCOMPARE(names(docs), (QStringList{"a1.jpg", "a2.txt", "B", "a3.jpg"}));  // arrival order
        view.setDocuments(docs, QVariant::fromValue(docs.at(2)));
        QTRY_COMPARE(view.listView()->currentIndex().row(), 2);
        QCOMPARE(panelRecord(view), docs.at(2));
        QVERIFY(view.infoPanel()->isVisible() && view.infoPanel()->isEnabled());

        view.setDocuments(docs, QVariant::fromValue(f.record("c.txt")));  // not in the list
        QTRY_COMPARE(view.listView()->currentIndex().row(), 0);
        QCOMPARE(view.listView()->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(panelRecord(view), docs.at(0));
    }

    void appendedFirstRecordRevealsTheList()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        view.resize(1000, 600);
        view.show();
        view.setHeaderEnabled(false);
        QVERIFY(view.stateIndicator()->isVisible());
        view.appendDocument(f.record("a1.jpg"));
        QVERIFY(listShown(view));
        QVERIFY(view.header()->isEnabled() && view.header()->sortButton()->isEnabled());
        QCOMPARE(view.listView()->currentIndex().row(), 0);
        QVERIFY(view.infoPanel()->isVisible() && view.infoPanel()->isEnabled());
        view.appendDocuments({f.record("a2.txt"), f.record("a3.jpg")});
        QCOMPARE(view.model()->rowCount(), 3);
        QCOMPARE(view.listView()->currentIndex().row(), 0);
    }

    void documentsFilters_data()
    {
        QTest::addColumn<bool>("onlyFiltered");
        QTest::addColumn<int>("checkFilter");
        QTest::addColumn<int>("kindFilter");
        QTest::addColumn<QStringList>("expected");
        // a1.jpg checked, B checked through its one file b1.txt, a2.txt and a3.jpg unchecked; the filter keeps photos.
        QTest::newRow("all") << false << 2 << 2 << QStringList{"a1.jpg", "a2.txt", "B", "a3.jpg"};
        QTest::newRow("checked") << false << 0 << 2 << QStringList{"a1.jpg", "B"};
        QTest::newRow("unchecked") << false << 1 << 2 << QStringList{"a2.txt", "a3.jpg"};
        QTest::newRow("files") << false << 2 << 0 << QStringList{"a1.jpg", "a2.txt", "a3.jpg"};
        QTest::newRow("folders") << false << 2 << 1 << QStringList{"B"};
        QTest::newRow("passing files") << true << 2 << 0 << QStringList{"a1.jpg", "a3.jpg"};
        QTest::newRow("passing checked files") << true << 0 << 0 << QStringList{"a1.jpg"};
    }

    void documentsFilters()
    {
        QFETCH(bool, onlyFiltered);
        QFETCH(int, checkFilter);
        QFETCH(int, kindFilter);
        QFETCH(QStringList, expected);
        Fixture f;
        const QVector<DocumentInfo*> docs = f.listing("sdb1/A");
        f.manager->updateDocumentNodeState("sdb1/A", {f.record("a1.jpg")}, Qt::Checked, 1, folderView);
        QVERIFY(f.wait());
        f.manager->updateDocumentNodeState("sdb1/A/B", {f.record("b1.txt")}, Qt::Checked, 1, folderView);
        QVERIFY(f.wait());
        FileFilterManager::instance()->setFileTypeFilter(1, {});
        f.manager->setFilterCriteriaUpdated(folderView);
        QVERIFY(f.wait());
        FileBrowserView view(f.manager.get());
        view.setDocuments(docs);
        QCOMPARE(names(view.documents(onlyFiltered, checkFilter, kindFilter)), expected);
    }

    // A list still loading (more rows than exposed) is read from the whole vector.
    void documentsOfAListStillLoading()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        const QVector<DocumentInfo*> files = f.manager->allFileRecords();
        for (int i = 0; i < 300; ++i)
            view.appendDocument(files.at(i % files.size()));
        QCOMPARE(view.model()->rowCount(), 257);
        QCOMPARE(view.documents(false, 2, 2).size(), 300);
    }

    void headerTriStateIgnoresFilteredRecords()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        view.show();
        const QVector<DocumentInfo*> docs = f.listing("sdb1/A");
        view.setDocuments(docs);
        QCOMPARE(view.header()->checkState(), 0);
        f.manager->updateDocumentNodeState("sdb1/A", {f.record("a1.jpg"), f.record("a3.jpg")}, Qt::Checked, 0,
                                           folderView);
        QVERIFY(f.wait());
        view.updateHeaderCheckState();
        QCOMPARE(view.header()->checkState(), 1);
        FileFilterManager::instance()->setFileTypeFilter(1, {});  // photos only: a2.txt and B hidden
        f.manager->setFilterCriteriaUpdated(folderView);
        QVERIFY(f.wait());
        view.showFilterState(false);
        view.setDocuments(f.listing("sdb1/A"));
        QCOMPARE(shownNames(view), (QStringList{"a1.jpg", "a3.jpg"}));
        QCOMPARE(view.header()->checkState(), 2);
        view.setDocuments({});
        QCOMPARE(view.stateIndicator()->state(), 5);
        QCOMPARE(view.header()->checkState(), 0);
    }

    // Presses on the row boxes and on the header box change the records' states
    // in the found-file model, which the view then reads back.
    void checkRequestsReachTheModel()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        view.resize(1000, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setCurrentPath("sdb1/A");
        view.setDocuments(f.listing("sdb1/A"));
        DocumentInfo* a1 = view.model()->documentAt(0);
        DocumentInfo* folder = view.model()->documentAt(2);
        QCOMPARE(DocumentInfo::fileName(folder), QStringLiteral("B"));

        pressRowCheckBox(view, 0);
        QVERIFY(f.wait());
        QCOMPARE(a1->checkState(false), 2u);
        QTRY_COMPARE(analytics_.events("ScanInformation"), QStringList{"CheckFile/Photo"});
        pressRowCheckBox(view, 2);  // a folder: everything below it
        QVERIFY(f.wait());
        QCOMPARE(folder->checkState(false), 2u);
        QTRY_COMPARE(analytics_.events("ScanInformation"), (QStringList{"CheckFile/Photo", "CheckFolder/sdb1/A/B"}));
        QCOMPARE(f.record("b1.txt")->checkState(false), 2u);
        view.refreshCheckStates(true);
        QCOMPARE(view.header()->checkState(), 1);
        pressRowCheckBox(view, 0);  // checked: unchecks, and sends nothing
        QVERIFY(f.wait());
        QCOMPARE(a1->checkState(false), 0u);
        waitForGaEvents(30000);
        QTest::qWait(50);
        QCOMPARE(analytics_.events("ScanInformation").size(), 2);

        const QPoint box(view.header()->sectionPosition(0) + 12 + 7, view.header()->height() / 2);
        QTest::mouseClick(view.header()->viewport(), Qt::LeftButton, {}, box);
        QVERIFY(f.wait());
        for (DocumentInfo* doc : view.model()->documents())
            QCOMPARE(doc->checkState(false), 2u);
        QCOMPARE(f.record("b1.txt")->checkState(false), 2u);
        QCOMPARE(f.record("c.txt")->checkState(false), 0u);  // outside the list
        view.updateHeaderCheckState();
        QCOMPARE(view.header()->checkState(), 2);
        QTest::mouseClick(view.header()->viewport(), Qt::LeftButton, {}, box);
        QVERIFY(f.wait());
        for (DocumentInfo* doc : view.model()->documents())
            QCOMPARE(doc->checkState(false), 0u);
    }

    // A new column asks the model to collect and sort; the same column again hands it the list.
    void sortRequestsReturnSortedLists()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        view.resize(1000, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setCurrentPath("sdb1/A");
        view.setDocuments(f.listing("sdb1/A"));
        CheckableHeaderView* header = view.header();
        const QPoint sizeTitle(header->sectionPosition(3) + 20, header->height() / 2);

        FindListener finds(f.manager.get());
        QSignalSpy requests(header, &CheckableHeaderView::sortButtonClicked);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeTitle);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first(), (QVariantList{3, QVariant::fromValue(Qt::AscendingOrder), true}));
        QVector<DocumentInfo*> sorted = finds.wait();
        const QStringList ascending = names(sorted);
        // The model's size order lists the largest file first, folders before files.
        QCOMPARE(ascending, (QStringList{"B", "a1.jpg", "a3.jpg", "a2.txt"}));
        view.setDocuments(sorted);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeTitle);
        QCOMPARE(requests.last(), (QVariantList{3, QVariant::fromValue(Qt::DescendingOrder), false}));
        sorted = finds.wait();
        QStringList descending = names(sorted);
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(descending, ascending);
    }

    void iconModeHidesPanelAndSortButton()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        view.resize(1000, 600);
        view.show();
        const QVector<DocumentInfo*> docs = f.listing("sdb1/A");
        view.setDocuments(docs, QVariant::fromValue(docs.at(3)));
        QTRY_COMPARE(view.listView()->currentIndex().row(), 3);
        view.setIconMode(true);
        QVERIFY(view.isIconMode());
        QVERIFY(view.infoPanel()->isHidden());
        QVERIFY(view.header()->sortButton()->isHidden());
        QCOMPARE(view.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Select All"));
        QCOMPARE(view.listView()->spacing(), 10);
        view.setIconMode(false);
        QVERIFY(view.infoPanel()->isVisible());
        QVERIFY(view.header()->sortButton()->isVisible());
        QCOMPARE(view.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QTRY_COMPARE(view.listView()->currentIndex().row(), 3);  // the remembered record
        view.setDocuments({});
        view.setIconMode(false);
        QVERIFY(view.infoPanel()->isHidden());
    }

    // The Japanese and Chinese UIs' font has wider digits: the date column grows
    // with the font, header and rows alike, so a date never runs into the type.
    void dateColumnFollowsTheFont()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        const int designWidth = view.header()->sectionSize(1);
        QFont wide(QStringLiteral("Noto Sans CJK SC"));
        wide.setPointSizeF(10.5);
        const QString date = DocumentInfo::timeText(f.record(QStringLiteral("c.txt")));
        QVERIFY(!date.isEmpty());
        view.setFont(wide);
        const int width = view.header()->sectionSize(1);
        QCOMPARE(width, FileBrowserDelegate::dateColumnWidth(view.listView()->font()));
        QVERIFY2(QFontMetrics(wide).horizontalAdvance(date) + 5 < width,
                 qPrintable(QStringLiteral("%1 in %2").arg(date).arg(width)));
        QVERIFY(width >= designWidth);
    }

    void pathColumnOnlyForSearchLists()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        QVERIFY(view.header()->isSectionHidden(4));
        view.setViewDisplayMode(searchView);
        QVERIFY(!view.header()->isSectionHidden(4));
        QCOMPARE(view.viewDisplayMode(), searchView);
        view.setViewDisplayMode(2);
        QVERIFY(view.header()->isSectionHidden(4));
    }

    void searchGuideFromTheEmptySearchPage()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        view.show();
        view.setViewDisplayMode(searchView);
        view.setDocuments({});
        QCOMPARE(view.stateIndicator()->state(), 3);
        QVERIFY(!view.stateIndicator()->linkLabel()->isHidden());
        emit view.stateIndicator()->linkLabel()->linkActivated(QStringLiteral("123"));
        QPointer<SearchGuideDialog> guide = view.searchGuide();
        QVERIFY(guide && guide->isVisible() && guide->isModal());
        emit view.stateIndicator()->linkLabel()->linkActivated(QStringLiteral("123"));
        QCOMPARE(view.searchGuide(), guide.data());
        QCOMPARE(view.findChildren<SearchGuideDialog*>().size(), 1);
        guide->close();
        QTRY_VERIFY(!guide);  // deleted on close
    }

    void lostTipFollowsTheFolder()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        view.resize(1000, 600);
        view.show();
        FoundFile lost;
        lost.path = "\\x.jpg";
        lost.volume = 1;
        lost.lostFlag = 1;
        lost.lostNumber = 1;
        f.manager->onEngineEvent(mountedVolume(0, 1), lost.info());
        QVERIFY(f.wait());
        QString lostFolder;
        quint8 lostCode = 0;
        {
            std::shared_lock lock(f.manager->treeLock());
            for (FileTreeNode* node : f.manager->childFolderNodesLocked(f.manager->pathTreeRootLocked())) {
                const quint16 code = node->record ? node->record->typeCode : 0;
                if (code >= 5 && code <= 12) {
                    lostFolder = FileTreeNode::documentPath(node);
                    lostCode = quint8(code);
                }
            }
        }
        QVERIFY2(!lostFolder.isEmpty(), "the found-file model put the lost-partition file under no partition folder");
        view.setCurrentPath(lostFolder);
        view.setDocuments(f.listing(lostFolder));
        QVERIFY2(view.lostTip()->isVisible(), qPrintable(QStringLiteral("code %1").arg(lostCode)));
        view.showSearchState(false);
        QVERIFY(view.lostTip()->isHidden());
        view.setCurrentPath("sdb1/A");
        view.setDocuments(f.listing("sdb1/A"));
        QVERIFY(view.lostTip()->isHidden());
    }

    void refreshedRowBringsTheListBack()
    {
        Fixture f;
        FileBrowserView view(f.manager.get());
        view.show();
        const QVector<DocumentInfo*> docs = f.listing("sdb1/A");
        view.setDocuments(docs);
        view.showFilterState(false);
        QVERIFY(view.listView()->isHidden());
        FileTreeNode* node = f.manager->findFolderNode(QStringLiteral("sdb1/A/B"));
        QVERIFY(node);
        view.refreshNodeRow(node);
        QVERIFY(listShown(view));
        QCOMPARE(view.listView()->currentIndex().row(), docs.indexOf(node->record));
        QCOMPARE(panelRecord(view), node->record);
    }

    // Every device and folder code of the found trees has its own picture, not the fallback.
    void treeCodesHaveTheirIcons_data()
    {
        QTest::addColumn<int>("code");
        for (int code : {0, 2, 3, 4, 5, 6, 13, 14, 16, 17, 18, 40})
            QTest::newRow(qPrintable(QString::number(code))) << code;
    }

    void treeCodesHaveTheirIcons()
    {
        QFETCH(int, code);
        const FileTypeIconProvider icons;
        const QImage icon = icons.scaledIcon(quint8(code), QSize(30, 30)).toImage();
        QVERIFY(!icon.isNull());
        QVERIFY(QFile::exists(FileTypeIconProvider::iconPath(quint8(code))));
        QVERIFY(icon != icons.scaledIcon(15, QSize(30, 30)).toImage());  // 15 has no row: the fallback
    }

    // Only the cells on screen and one row of look-ahead are queued, 200 ms after a scroll.
    void thumbnailsForVisibleCellsOnly()
    {
        auto* engine = NomoThumbCache::ThumbnailCacheEngine::instance();
        engine->setReader([](char*, size_t*, const DataRecoveryInfo&) { return 17; });
        engine->clearCache();  // earlier tests' records may have lived at these addresses
        auto manager = std::make_unique<DocumentManager>();
        const QVector<DocumentInfo*> docs = addPictures(manager.get(), 200);
        QCOMPARE(docs.size(), 200);

        FileBrowserView view(manager.get());
        view.resize(1000, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setIconMode(true);
        view.setDocuments(docs);
        QTRY_VERIFY_WITH_TIMEOUT(engine->getThumbnail(docs.at(0)).state != NomoThumbCache::NotLoaded, idleTimeout);
        const int columns = view.listView()->viewport()->width() / (136 + 10);
        const int rows = (view.listView()->viewport()->height() + 142) / 143;
        const int last = rows * columns + rows;  // visible cells, then one row of look-ahead
        QTRY_VERIFY_WITH_TIMEOUT(engine->getThumbnail(docs.at(last)).state != NomoThumbCache::NotLoaded, idleTimeout);
        for (int i = last + 1; i < docs.size(); ++i)
            QCOMPARE(engine->getThumbnail(docs.at(i)).state, int(NomoThumbCache::NotLoaded));

        // The grid is laid out in batches: scroll once the last cell has its place,
        // or the bottom of the first batch is taken for the bottom of the list.
        const QModelIndex lastCell = view.proxy()->index(docs.size() - 1, 0);
        QTRY_VERIFY_WITH_TIMEOUT(view.listView()->visualRect(lastCell).isValid(), idleTimeout);
        view.listView()->scrollToBottom();
        QVERIFY(view.thumbnailTimer()->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(engine->getThumbnail(docs.last()).state != NomoThumbCache::NotLoaded, idleTimeout);
        engine->clearCache();
    }

    // A new scan or the model's end frees the records while the grid's thumbnails
    // are queued and one is in flight: the worker goes on without them.
    void thumbnailsQueuedWhenTheRecordsGo()
    {
        auto* engine = NomoThumbCache::ThumbnailCacheEngine::instance();
        ThumbTest::FakeDisk disk;  // holds the worker in a read; finds no file
        engine->setReader(disk.reader());
        const auto restore = qScopeGuard([&] {
            engine->setReader([](char*, size_t*, const DataRecoveryInfo&) { return 17; });
            disk.openGate();
            engine->clearCache();
        });
        engine->clearCache();
        std::atomic<bool> lastAnnounced{false};
        QObject announcements;
        QObject::connect(
            engine, &NomoThumbCache::ThumbnailCacheEngine::thumbnailLoaded, &announcements,
            [&](qulonglong, const QPixmap&, bool isLast) {
                if (isLast)
                    lastAnnounced = true;
            },
            Qt::DirectConnection);
        for (int round = 0; round < 4; ++round) {
            auto manager = std::make_unique<DocumentManager>();
            const QVector<DocumentInfo*> docs = addPictures(manager.get(), 40);
            QCOMPARE(docs.size(), 40);

            disk.closeGate();
            lastAnnounced = false;
            auto view = std::make_unique<FileBrowserView>(manager.get());
            view->resize(1000, 600);
            view->show();
            QVERIFY(QTest::qWaitForWindowExposed(view.get()));
            view->setIconMode(true);
            view->setDocuments(docs);
            QTRY_VERIFY_WITH_TIMEOUT(engine->taskCount() > 0, idleTimeout);
            QVERIFY(disk.waitUntilHeld());
            // The worker took a task; the grid's next cells may still be on their way to the queue.
            QTRY_VERIFY_WITH_TIMEOUT(engine->taskCount() > 0, idleTimeout);
            view.reset();
            if (round % 2)
                manager.reset();
            else
                manager->resetForScan(volumeTarget());
            disk.openGate();
            QTRY_VERIFY_WITH_TIMEOUT(lastAnnounced.load() && engine->taskCount() == 0, idleTimeout);
            // As the release does: the next records may take these addresses.
            engine->clearCache();
        }
    }
};

QTEST_MAIN(ResultsBrowserViewTest)
#include "ResultsBrowserViewTest.moc"
