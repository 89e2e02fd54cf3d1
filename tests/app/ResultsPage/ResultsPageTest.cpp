// The results page over a real scan of a FAT32 image: the scan's side
// (pause, stop, low memory, return to Home, the summary) and browsing and
// search (navigator picks, crumbs, search and its analytics, previews, "View").
#include "CuteSettings.h"
#include "DocumentManager.h"
#include "ExportTestSupport.h"
#include "FileBrowserView.h"
#include "FileSystemPathDisplayData.h"
#include "FileSystemPathNavigato.h"
#include "XListView.h"
#include "MediaPreviewDialog.h"
#include "MemoryMonitor.h"
#include "MemoryWarningDialog.h"
#include "Modules/ModuleManager.h"
#include "PageFixture.h"
#include "ShellTestSupport.h"
#include "ScanCompleteDialog.h"
#include "FolderCrumbs.h"
#include "FoundPath.h"
#include "SearchConfig.h"
#include "SearchDataPanelMgr.h"
#include "StorageDataRecoverMgr.h"

#include <QHBoxLayout>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

using namespace ExportTest;

namespace {
constexpr int kWait = 20000;

SearchConfig currentConfig() { return SearchDataPanelMgr::instance()->currentPath().value<SearchConfig>(); }

// Fake /proc files: a machine with totalKiB of which availableKiB are free.
void writeMemInfo(const QString& path, qint64 totalKiB, qint64 availableKiB)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QString("MemTotal:       %1 kB\nMemFree:        %2 kB\nMemAvailable:   %2 kB\n")
                   .arg(totalKiB)
                   .arg(availableKiB)
                   .toLatin1());
}

QString percentText(qint64 totalKiB, qint64 availableKiB)
{
    return QString::number(100.0 * double(totalKiB - availableKiB) / double(totalKiB), 'f', 2) + "%";
}

int visibleCount(const char* className)
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->inherits(className) && widget->isVisible();
    return count;
}

void closeVisible(const char* className)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits(className) && widget->isVisible())
            static_cast<QDialog*>(widget)->done(0);
    }
    QCoreApplication::processEvents();
}

// The listing the browser shows once the queued find arrives.
bool waitForListing(FileBrowserView* browser, const QString& path)
{
    return QTest::qWaitFor(
        [&] { return browser->currentPath() == path && DocumentManager::instance()->waitForIdle(0); }, kWait);
}

DocumentInfo* recordNamed(const QVector<DocumentInfo*>& records, const QString& name)
{
    for (DocumentInfo* record : records) {
        if (DocumentInfo::fileName(record) == name)
            return record;
    }
    return nullptr;
}
}  // namespace

class ResultsPageTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    PageFixture::FatImage image_;
    QString root_;  // the root's path: the display name
    QString base_;  // the folders' paths start with the volume's folder (label or image, and number)
    std::unique_ptr<FileSystemPathDisplayData> page_;
    QWidget mainWindow_;

    void resetState(int state) { DocumentManager::instance()->setState(state); }

    FileSystemPathDisplayData* page()
    {
        if (!page_) {
            page_ = std::make_unique<FileSystemPathDisplayData>(&mainWindow_);
            mainWindow_.resize(1100, 700);
            mainWindow_.show();
        }
        return page_.get();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        const QString why = PageFixture::prepareScannedImage(dir_.path(), image_);
        if (!image_.why.isEmpty())
            SKIP_OR_FAIL(image_.failed, why);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        root_ = StorageDataRecoverMgr::instance()->currentScanTarget().name;
        const QDiskAndVolumeInfo volume = StorageDataRecoverMgr::instance()->diskVolumeHash().constBegin().value();
        base_ = volumeComponent(volume, volume.diskIndex, volume.volIndex);
        QVERIFY(!root_.isEmpty());
        QVERIFY(DocumentManager::instance()->findFolderNode(base_ + "/DCIM/2024"));
    }

    void startsOnTheScannedVolume()
    {
        FileSystemPathDisplayData* p = page();
        QCOMPARE(p->browser()->currentPath(), root_);
        QCOMPARE(p->browser()->viewDisplayMode(), 1);
        QCOMPARE(p->navigator()->viewMode(), 1);
        const SearchConfig config = currentConfig();
        QCOMPARE(int(config.kind), 1);
        QCOMPARE(config.text, root_);
        QCOMPARE(config.pathParts, QStringList{root_});
        QVERIFY(!config.icon.isNull());
    }

    void folderCrumbs_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("volume root") << "CARD (sdb1)" << "CARD (sdb1)" << QStringList{"CARD (sdb1)"};
        QTest::newRow("volume folder") << "CARD (sdb1)/DCIM/2024" << "CARD (sdb1)"
                                       << QStringList{"CARD (sdb1)", "DCIM", "2024"};
        QTest::newRow("folder scan keeps its name whole")
            << "/home/u/Pictures/Trip/day 1" << "/home/u/Pictures" << QStringList{"/home/u/Pictures", "Trip", "day 1"};
        QTest::newRow("folder scan root") << "/home/u/Pictures" << "/home/u/Pictures" << QStringList{"/home/u/Pictures"};
        QTest::newRow("type tree path") << "All Types/Photo/jpg" << "CARD (sdb1)"
                                        << QStringList{"CARD (sdb1)", "Photo", "jpg"};
        QTest::newRow("name that only starts alike") << "/home/u/PicturesOld/x" << "/home/u/Pictures"
                                                     << QStringList{"/home/u/Pictures", "u", "PicturesOld", "x"};
        QTest::newRow("empty") << "" << "CARD" << QStringList{};
    }

    void folderCrumbs()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QTEST(::folderCrumbs(path, name), "parts");
    }

    void navigatorPickListsTheFolder()
    {
        FileSystemPathDisplayData* p = page();
        const QString folder = base_ + "/DCIM";
        p->onTreeViewItemSelectedChanged(1, folder);
        QVERIFY(waitForListing(p->browser(), folder));
        QTRY_VERIFY_WITH_TIMEOUT(recordNamed(p->browser()->documents(false, 2, 0), "sunset.jpg"), kWait);
        QCOMPARE(currentConfig().pathParts, (QStringList{root_, "DCIM"}));
        QCOMPARE(currentConfig().text, folder);
    }

    void crumbSelectsItsFolder()
    {
        FileSystemPathDisplayData* p = page();
        SearchConfig crumb;
        crumb.kind = 1;
        crumb.pathParts = QStringList{root_};
        crumb.text = base_ + "/docs";
        // One part: the part is the path (the first crumb).
        SearchDataPanelMgr::instance()->setFileSystemTreePath(QVariant::fromValue(crumb));
        QTRY_COMPARE_WITH_TIMEOUT(p->browser()->currentPath(), root_, kWait);
        crumb.pathParts = QStringList{root_, "docs"};
        SearchDataPanelMgr::instance()->setFileSystemTreePath(QVariant::fromValue(crumb));
        QTRY_COMPARE_WITH_TIMEOUT(p->browser()->currentPath(), base_ + "/docs", kWait);
    }

    void searchAnalytics_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("matches");
        QTest::newRow("matches") << "report" << QStringList{"SearchFilter/SearchNum"} << 1;
        QTest::newRow("no match") << "zzqqx" << QStringList{"SearchFilter/SearchNum", "SearchFilter/SearchResults"} << 0;
    }

    void searchAnalytics()
    {
        QFETCH(QString, text);
        FileSystemPathDisplayData* p = page();
        RecordedEvents recorded;
        QSignalSpy done(DocumentManager::instance(), &DocumentManager::searchDocumentsCompleted);
        SearchDataPanelMgr::instance()->setSearchData(text);
        QVERIFY(p->navigator()->isHidden());
        QCOMPARE(p->browser()->viewDisplayMode(), 4);
        QCOMPARE(int(currentConfig().kind), 4);
        QTRY_VERIFY_WITH_TIMEOUT(done.count() > 0, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(!recorded.events.isEmpty(), kWait);
        QTEST(recorded.take(), "events");
        QTEST(int(currentConfig().matchCount), "matches");
        // Picking a navigator item under the results changes nothing.
        p->onTreeViewItemSelectedChanged(1, base_ + "/DCIM");
        QCOMPARE(p->browser()->viewDisplayMode(), 4);
        QCOMPARE(p->browser()->currentPath(), QString());
        SearchDataPanelMgr::instance()->setSearchData(QString());
    }

    void clearingTheSearchRestoresTheFolder()
    {
        FileSystemPathDisplayData* p = page();
        p->onTreeViewItemSelectedChanged(1, base_ + "/docs");
        QVERIFY(waitForListing(p->browser(), base_ + "/docs"));
        SearchDataPanelMgr::instance()->setSearchData("txt");
        QTRY_VERIFY_WITH_TIMEOUT(currentConfig().matchCount > 0, kWait);
        QSignalSpy summary(DocumentManager::instance(), &DocumentManager::selectedDocumentChanged);
        SearchDataPanelMgr::instance()->setSearchData(QString());
        QVERIFY(!p->navigator()->isHidden());
        QCOMPARE(p->browser()->viewDisplayMode(), p->navigator()->viewMode());
        QCOMPARE(summary.count(), 1);
        const QPair<QString, QString> expected = DocumentManager::instance()->selectedSummaryText();
        QCOMPARE(summary.at(0).at(0).toString(), expected.first);
        QTRY_COMPARE_WITH_TIMEOUT(p->browser()->currentPath(), base_ + "/docs", kWait);
        QVERIFY(!p->splitter()->isCollapsible(0));
    }

    void viewJumpsToTheFolder()
    {
        FileSystemPathDisplayData* p = page();
        SearchDataPanelMgr::instance()->setSearchData("badge");
        QTRY_VERIFY_WITH_TIMEOUT(currentConfig().matchCount == 1, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(recordNamed(p->browser()->documents(false, 2, 0), "badge.png"), kWait);
        DocumentInfo* badge = recordNamed(p->browser()->documents(false, 2, 0), "badge.png");
        QSignalSpy cleared(p, &FileSystemPathDisplayData::clearSearchTextSignal);
        emit p->browser()->viewActionTriggered(QVariant::fromValue(badge));
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(cleared.at(0).at(0).toBool(), true);
        const QString folder = base_ + "/DCIM/2024";
        QCOMPARE(p->browser()->currentPath(), folder);
        QCOMPARE(p->browser()->viewDisplayMode(), 1);
        QVERIFY(!p->navigator()->isHidden());
        QCOMPARE(currentConfig().text, folder);
        QCOMPARE(currentConfig().pathParts, (QStringList{root_, "DCIM", "2024"}));
        // The listing that arrives selects the file.
        QTRY_VERIFY_WITH_TIMEOUT(recordNamed(p->browser()->documents(false, 2, 0), "badge.png"), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(p->browser()->listView()->currentIndex().isValid(), kWait);
        QCOMPARE(DocumentInfo::fileName(p->browser()->listView()->currentIndex().data(263).value<DocumentInfo*>()),
                 QString("badge.png"));
    }

    // A folder among the search results opens inside the results; its crumbs
    // lead back to the whole result list.
    void folderInsideTheResults()
    {
        FileSystemPathDisplayData* p = page();
        SearchDataPanelMgr::instance()->setSearchData("2024");
        QTRY_VERIFY_WITH_TIMEOUT(currentConfig().matchCount > 0, kWait);
        DocumentInfo* folder = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((folder = recordNamed(p->browser()->documents(false, 2, 2), "2024")), kWait);
        p->onItemDoubleClicked(QVariant::fromValue(folder));
        QCOMPARE(p->browser()->viewDisplayMode(), 4);
        QCOMPARE(currentConfig().text, DocumentInfo::filePath(folder));
        QCOMPARE(currentConfig().pathParts, QStringList{"2024"});
        QTRY_VERIFY_WITH_TIMEOUT(recordNamed(p->browser()->documents(false, 2, 0), "badge.png"), kWait);
        QVERIFY(p->navigator()->isHidden());

        SearchConfig all = currentConfig();
        all.pathParts.clear();
        all.text.clear();
        SearchDataPanelMgr::instance()->setFileSystemTreePath(QVariant::fromValue(all));
        QTRY_VERIFY_WITH_TIMEOUT(recordNamed(p->browser()->documents(false, 2, 2), "2024"), kWait);
        QVERIFY(currentConfig().pathParts.isEmpty());
        SearchDataPanelMgr::instance()->setSearchData(QString());
    }

    // Results queued before the user moved on are dropped: a listing of
    // another folder or view, and the end of a search already left.
    void overtakenResultsAreDropped()
    {
        FileSystemPathDisplayData* p = page();
        SearchDataPanelMgr::instance()->setSearchData(QString());
        p->onTreeViewItemSelectedChanged(1, base_ + "/docs");
        QVERIFY(waitForListing(p->browser(), base_ + "/docs"));
        QTRY_VERIFY_WITH_TIMEOUT(recordNamed(p->browser()->documents(false, 2, 0), "report.txt"), kWait);
        const QVector<DocumentInfo*> before = p->browser()->documents(false, 2, 3);
        const QVector<DocumentInfo*> other{DocumentManager::instance()->pathTreeRoot()->record};
        RecordedEvents recorded;
        const SearchConfig config = currentConfig();
        emit DocumentManager::instance()->findDocumentsCompleted(base_ + "/DCIM", 1, other, QVariant());
        emit DocumentManager::instance()->findDocumentsCompleted(QString(), 4, other, QVariant());
        emit DocumentManager::instance()->searchDocumentsCompleted();
        QTest::qWait(100);
        QCOMPARE(p->browser()->documents(false, 2, 3), before);
        QCOMPARE(currentConfig().text, config.text);
        QCOMPARE(int(currentConfig().kind), 1);
        QVERIFY(recorded.events.isEmpty());
    }

    void viewWithoutARecordOnlyClearsTheBox()
    {
        FileSystemPathDisplayData* p = page();
        const QString before = p->browser()->currentPath();
        QSignalSpy cleared(p, &FileSystemPathDisplayData::clearSearchTextSignal);
        p->onViewActionTriggered(QVariant());
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(p->browser()->currentPath(), before);
    }

    void doubleClickPreviews()
    {
        FileSystemPathDisplayData* p = page();
        p->onTreeViewItemSelectedChanged(1, base_ + "/DCIM");
        QVERIFY(waitForListing(p->browser(), base_ + "/DCIM"));
        QTRY_VERIFY_WITH_TIMEOUT(recordNamed(p->browser()->documents(true, 2, 0), "sunset.jpg"), kWait);
        DocumentInfo* photo = recordNamed(p->browser()->documents(true, 2, 0), "sunset.jpg");
        p->onItemDoubleClicked(QVariant::fromValue(photo));
        QVERIFY(p->previewDialog());
        QVERIFY(p->previewDialog()->isVisible());
        p->onMediaPreviewTryClosed();
        QVERIFY(!p->previewDialog());
        QTRY_COMPARE(visibleCount("MediaPreviewDialog"), 0);

        // A folder opens in the navigator; a null record does nothing.
        p->onItemDoubleClicked(QVariant());
        QVERIFY(!p->previewDialog());
        // An empty filtered list opens no preview.
        p->browser()->setDocuments({});
        p->onItemDoubleClicked(QVariant::fromValue(photo));
        QVERIFY(!p->previewDialog());
    }

    void pauseToggles_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("after");
        QTest::newRow("scanning pauses") << int(DocumentManager::Scanning) << int(DocumentManager::ScanPaused);
        QTest::newRow("resumed pauses") << int(DocumentManager::ScanResumed) << int(DocumentManager::ScanPaused);
        QTest::newRow("paused resumes") << int(DocumentManager::ScanPaused) << int(DocumentManager::ScanResumed);
    }

    void pauseToggles()
    {
        QFETCH(int, state);
        resetState(state);
        page()->onPauseButtonClicked();
        QTEST(DocumentManager::instance()->state(), "after");
        resetState(DocumentManager::ScanDone);
    }

    void stopAsksFirst()
    {
        FileSystemPathDisplayData* p = page();
        resetState(DocumentManager::Scanning);
        {
            auto answer = answerMessage(2);
            p->onStopButtonClicked();
            QVERIFY(answer->done());
            QVERIFY(answer->answer()->text.contains("Stop Scanning?"));
        }
        QCOMPARE(DocumentManager::instance()->state(), int(DocumentManager::Scanning));
        auto answer = answerMessage(1);
        p->onStopButtonClicked();
        QCOMPARE(DocumentManager::instance()->state(), int(DocumentManager::ScanStopped));
        // The stop ends in scanFinished, and so in the summary.
        QTRY_COMPARE(visibleCount("ScanCompleteDialog"), 1);
        closeVisible("ScanCompleteDialog");
        resetState(DocumentManager::ScanDone);
    }

    // The low-memory guard: one dialog and one pause, the figures refreshed;
    // after a resume the guard runs again and the next low sample warns again.
    void lowMemoryWarnsOncePerPause()
    {
        FileSystemPathDisplayData* p = page();
        const QString memInfo = dir_.filePath("meminfo");
        const QString status = dir_.filePath("status");
        writeMemInfo(memInfo, 8 * 1024 * 1024, 100 * 1024);
        QFile statusFile(status);
        QVERIFY(statusFile.open(QIODevice::WriteOnly));
        statusFile.write("Name:\ttest\nVmRSS:\t  204800 kB\n");
        statusFile.close();
        auto* monitor = new MemoryMonitor(nullptr, memInfo, status);
        p->setMemoryMonitor(monitor);
        resetState(DocumentManager::Scanning);
        QSignalSpy paused(DocumentManager::instance(), &DocumentManager::scanPaused);
        p->onScanStarted();
        monitor->sampleNow();
        QVERIFY(p->memoryWarningDialog());
        QCOMPARE(paused.count(), 1);
        QCOMPARE(DocumentManager::instance()->state(), int(DocumentManager::ScanPaused));
        QWidget* first = p->memoryWarningDialog();
        QVERIFY2(dialogText(first).contains(percentText(8 * 1024 * 1024, 100 * 1024)), qPrintable(dialogText(first)));
        writeMemInfo(memInfo, 8 * 1024 * 1024, 200 * 1024);
        monitor->sampleNow();
        QCOMPARE(p->memoryWarningDialog(), first);
        QCOMPARE(paused.count(), 1);
        QVERIFY2(dialogText(first).contains(percentText(8 * 1024 * 1024, 200 * 1024)), qPrintable(dialogText(first)));
        QCOMPARE(visibleCount("MemoryWarningDialog"), 1);
        first->close();
        QTRY_VERIFY(!p->memoryWarningDialog());

        // The user resumes: the monitor's own timer brings the next low sample.
        QSignalSpy samples(monitor, &MemoryMonitor::memoryStatsUpdated);
        p->onPauseButtonClicked();
        QCOMPARE(DocumentManager::instance()->state(), int(DocumentManager::ScanResumed));
        QVERIFY(samples.wait(6000));
        QVERIFY(p->memoryWarningDialog());
        QCOMPARE(paused.count(), 2);
        p->memoryWarningDialog()->close();
        QTRY_VERIFY(!p->memoryWarningDialog());
        p->onScanPaused();
        resetState(DocumentManager::ScanDone);
    }

    void scanEndShowsTheSummary_data()
    {
        QTest::addColumn<int>("errorType");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("done") << 0 << 0 << "ScanCompleteDialog" << QStringList{"DiskRecovery/Scanned"};
        QTest::newRow("disks lost") << 1 << 2 << "ScanCompleteDialog" << QStringList{"DiskRecovery/ScanStop"};
        QTest::newRow("disk lost") << 1 << 1 << "XMessageBox" << QStringList{"DiskRecovery/ScanStop"};
        QTest::newRow("export disk") << 2 << 1 << "XMessageBox" << QStringList{"DiskRecovery/ScanStop"};
        QTest::newRow("unknown") << 7 << 0 << "" << QStringList{};
    }

    void scanEndShowsTheSummary()
    {
        QFETCH(int, errorType);
        QFETCH(int, count);
        QFETCH(QString, dialog);
        page();
        RecordedEvents recorded;
        std::unique_ptr<ModalAnswerer<XMessageBox>> answer;
        if (dialog == "XMessageBox")
            answer = answerMessage(1);
        emit DocumentManager::instance()->scanFinished(errorType, "CARD", count);
        QTRY_VERIFY(true);
        if (dialog == "ScanCompleteDialog") {
            QTRY_COMPARE(visibleCount("ScanCompleteDialog"), 1);
            closeVisible("ScanCompleteDialog");
        } else if (dialog == "XMessageBox") {
            QVERIFY(answer->done());
        }
        QCOMPARE(visibleCount("ScanCompleteDialog"), 0);
        QTEST(recorded.take(), "events");
    }

    void scanEndUnderSearchLeavesTheNavigator()
    {
        FileSystemPathDisplayData* p = page();
        SearchDataPanelMgr::instance()->setSearchData("report");
        QTRY_VERIFY_WITH_TIMEOUT(currentConfig().matchCount == 1, kWait);
        QSignalSpy picked(p->navigator(), &FileSystemPathNavigato::itemSelectedChanged);
        emit DocumentManager::instance()->scanFinished(0, QString(), 0);
        QTRY_COMPARE(visibleCount("ScanCompleteDialog"), 1);
        closeVisible("ScanCompleteDialog");
        QCOMPARE(picked.count(), 0);
        QCOMPARE(p->browser()->viewDisplayMode(), 4);
        SearchDataPanelMgr::instance()->setSearchData(QString());
    }

    // Last: it releases the scan.
    void returnHomeAfterTheEnd()
    {
        FileSystemPathDisplayData* p = page();
        resetState(DocumentManager::ScanDone);
        {
            auto answer = answerMessage(2);
            p->onBackHomeButtonClicked();
            QVERIFY(answer->answer()->text.contains("recommended to recover the found files"));
        }
        QVERIFY(StorageDataRecoverMgr::instance()->currentScanTarget().name == root_);
        ModuleManager::instance()->setCurrentModule(ModuleManager::RecoveryStorage);
        RecordedEvents recorded;
        // A listing that arrives just before the answer: the browser's delayed
        // selection would read its records while the release frees them.
        p->onTreeViewItemSelectedChanged(1, base_ + "/DCIM");
        QVERIFY(waitForListing(p->browser(), base_ + "/DCIM"));
        QTRY_VERIFY_WITH_TIMEOUT(!p->browser()->documents(false, 2, 0).isEmpty(), kWait);
        const QVector<DocumentInfo*> listed = p->browser()->documents(false, 2, 0);
        auto answer = std::make_unique<ModalAnswerer<XMessageBox>>([p, listed](XMessageBox* box) {
            p->browser()->setDocuments(listed, QVariant::fromValue(listed.first()));
            emit DocumentManager::instance()->findDocumentsCompleted(QString(), 1, listed, QVariant());
            clickButton(box, 1);
        });
        QElapsedTimer clock;
        p->onBackHomeButtonClicked();
        QVERIFY(!p->browser());
        QVERIFY(!p->navigator());
        clock.start();
        QVERIFY(answer->answer()->text.contains("Return to Home?"));
        QCOMPARE(recorded.events.filter("ScanBackHome"), QStringList{"ScanInformation/ScanBackHome"});
        QCOMPARE(DocumentManager::instance()->state(), int(DocumentManager::Released));
        QCOMPARE(ModuleManager::instance()->currentModule(), ModuleManager::RecoveryStorage);
        QTRY_COMPARE(ModuleManager::instance()->currentModule(), ModuleManager::StorageDevice);
        QVERIFY(clock.elapsed() >= 150);
        QTRY_COMPARE(visibleCount("DataReleaseWaitDialog"), 0);
        // The abandoned scan's end shows no summary.
        emit DocumentManager::instance()->scanFinished(0, QString(), 0);
        QTest::qWait(50);
        QCOMPARE(visibleCount("ScanCompleteDialog"), 0);
    }

    // A new scan builds a new page: the folder tree keeps the width the user
    // dragged it to, and keeps it when the window is resized.
    void navigatorWidthOutlivesThePage()
    {
        const auto forget = qScopeGuard(
            [] { CuteSettings::instance().setValue(QStringLiteral("navigatorWidth"), QVariant(), CuteSettings::Memory); });
        QWidget host;
        auto* layout = new QHBoxLayout(&host);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* first = new FileSystemPathDisplayData(&host);
        layout->addWidget(first);
        host.resize(1300, 700);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTRY_COMPARE(first->splitter()->sizes().value(0), FileSystemPathDisplayData::defaultNavigatorWidth());
        const int widened = FileSystemPathDisplayData::defaultNavigatorWidth() + 120;
        first->splitter()->setSizes(
            {widened, first->splitter()->width() - first->splitter()->handleWidth() - widened});
        emit first->splitter()->splitterMoved(widened, 1);
        delete first;
        auto* second = new FileSystemPathDisplayData(&host);
        layout->addWidget(second);
        QTRY_COMPARE(second->splitter()->sizes().value(0), widened);
        host.resize(1500, 700);
        QTRY_COMPARE(second->width(), 1500);
        QCOMPARE(second->splitter()->sizes().value(0), widened);
    }

    void cleanupTestCase()
    {
        page_.reset();
        DocumentManager::instance()->shutdown();
    }
};

OSTREL_SHELL_TEST_MAIN(ResultsPageTest)
#include "ResultsPageTest.moc"
