// The results module and its page over a real scan of a FAT32 image: the
// results tour on entry, the exit question, and the recover button held
// disabled while the export flow's prompts are open.
#include "CuteSettings.h"
#include "DocumentManager.h"
#include "ExportTestSupport.h"
#include "FileSystemPathDisplayData.h"
#include "GuideManagement.h"
#include "GuideStepAbstract.h"
#include "PageFixture.h"
#include "ShellTestSupport.h"
#include "RecoveryStorageModule.h"
#include "RecoveryStoragePage.h"
#include "ScanProgressPanel.h"
#include "SearchConfig.h"
#include "SearchDataPanel.h"
#include "SearchDataPanelMgr.h"
#include "StorageDataRecoverMgr.h"
#include "XPushButton.h"
#include "XSearchBox.h"

#include <QLineEdit>
#include "spdlog_qt.h"

#include <QApplication>
#include <QStackedWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ExportTest;

class ResultsModuleTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    PageFixture::FatImage image_;
    QWidget host_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        const QString why = PageFixture::prepareScannedImage(dir_.path(), image_);
        if (!image_.why.isEmpty())
            SKIP_OR_FAIL(image_.failed, why);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        host_.resize(1100, 700);
        host_.show();
        RecoveryToolkitGuideManagement::instance()->setParentWidget(&host_);
    }

    void moduleMakesOnePage()
    {
        RecoveryStorageModule module(&host_);
        QVERIFY(!module.createPage(1));
        module.enter();
        QVERIFY(qobject_cast<RecoveryStoragePage*>(module.currentPage()));
        QCOMPARE(module.currentPageId(), 0);
        RecoveryToolkitGuideManagement::instance()->setGuideVisible(false);
    }

    // The tour shows on every entry until the user finishes it once.
    void tourUntilFinished()
    {
        CuteSettings::instance().setValue("recoveryToolkitTourGuide", 1, CuteSettings::Default);
        RecoveryStoragePage page(&host_);
        RecordedEvents recorded;
        page.enter();
        QVERIFY(RecoveryToolkitGuideManagement::instance()->overlay()->isVisible());
        // The tour's own "Step1" event, then the page's.
        QCOMPARE(recorded.events.filter("Guide2"), (QStringList{"OtherInformation/Guide2/Step1", "DiskRecovery/Guide2"}));
        RecoveryToolkitGuideManagement::instance()->setGuideVisible(false);
        page.enter();
        QCOMPARE(recorded.events.filter("DiskRecovery/Guide2").size(), 2);

        emit RecoveryToolkitGuideManagement::instance()->firshSignal();
        QCOMPARE(CuteSettings::instance().value("recoveryToolkitTourGuide", 1, CuteSettings::Default).toInt(), 0);
        RecoveryToolkitGuideManagement::instance()->setGuideVisible(false);
        recorded.take();
        page.enter();
        QVERIFY(!RecoveryToolkitGuideManagement::instance()->overlay()->isVisible());
        QVERIFY(recorded.events.filter("Guide2").isEmpty());
    }

    // A scan that ends while the results tour is on screen keeps its summary
    // until the user has gone through the tour: it never opens over the bubble.
    void summaryWaitsForTheTour_data()
    {
        QTest::addColumn<bool>("tourShown");
        QTest::newRow("tour on screen") << true;
        QTest::newRow("no tour") << false;
    }

    void summaryWaitsForTheTour()
    {
        QFETCH(bool, tourShown);
        auto summaries = [] {
            int count = 0;
            for (QWidget* widget : QApplication::topLevelWidgets())
                count += widget->inherits("ScanCompleteDialog") && widget->isVisible();
            return count;
        };
        GuideManagement* tour = RecoveryToolkitGuideManagement::instance();
        CuteSettings::instance().setValue("recoveryToolkitTourGuide", tourShown ? 1 : 0, CuteSettings::Default);
        tour->stack()->setCurrentIndex(0);
        RecoveryStoragePage page(&host_);
        RecordedEvents recorded;
        page.enter();
        QCOMPARE(tour->overlay()->isVisible(), tourShown);
        emit DocumentManager::instance()->scanFinished(0, QString(), 0);
        QCoreApplication::processEvents();
        if (tourShown) {
            QCOMPARE(summaries(), 0);
            QVERIFY(recorded.events.filter("DiskRecovery/Scanned").isEmpty());
            const int steps = tour->stack()->count();
            for (int step = 0; step < steps - 1; ++step)
                QTest::mouseClick(tour->step(step)->actionButton(), Qt::LeftButton);
            QCOMPARE(summaries(), 0);
            QTest::mouseClick(tour->step(steps - 1)->actionButton(), Qt::LeftButton);
            QVERIFY(!tour->overlay()->isVisible());
        }
        QCOMPARE(summaries(), 1);
        QCOMPARE(recorded.events.filter("DiskRecovery/Scanned").size(), 1);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->inherits("ScanCompleteDialog") && widget->isVisible())
                static_cast<QDialog*>(widget)->done(0);
        }
        QCoreApplication::processEvents();
        // The tour once over, a later end shows no second summary for it.
        emit tour->firshSignal();
        QCOMPARE(summaries(), 0);
        tour->setGuideVisible(false);
    }

    void exitQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("searching");
        QTest::addColumn<int>("refuses");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("cancel") << 2 << false << 1 << QStringList{};
        QTest::newRow("cancel while searching") << 2 << true << 1 << QStringList{};
        QTest::newRow("exit") << 1 << false << 0 << QStringList{"ScanInformation/ScanClose"};
        QTest::newRow("exit while searching")
            << 1 << true << 0 << QStringList{"ScanInformation/ScanClose", "SearchFilter/SearchClose"};
    }

    void exitQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, searching);
        RecoveryStoragePage page(&host_);
        if (searching) {
            SearchConfig config;
            config.kind = 4;
            SearchDataPanelMgr::instance()->setBreadcrumbPath(QVariant::fromValue(config));
        }
        RecordedEvents recorded;
        auto box = answerMessage(answer);
        const int refused = page.confirmClose();
        QVERIFY(box->done());
        QVERIFY(box->answer()->text.contains("Exit program?"));
        QVERIFY(box->answer()->text.contains("won't be saved if you exit now"));
        QTEST(refused, "refuses");
        QTEST(recorded.take(), "events");
    }

    // The flow's prompts run inside the click; the button stays disabled
    // until the flow is over.
    void recoverButtonHeldDuringTheFlow()
    {
        RecoveryStoragePage page(&host_);
        DocumentManager::instance()->selectionDocumentNodeState(Qt::Unchecked, 1);
        QVERIFY(DocumentManager::instance()->waitForIdle(20000));
        XPushButton* recover = page.progressPanel()->recoverButton();
        bool disabledWhileOpen = false;
        auto box = std::make_unique<ModalAnswerer<XMessageBox>>([&](XMessageBox* message) {
            disabledWhileOpen = !recover->isEnabled();
            clickButton(message, 2);
        });
        recover->click();
        QVERIFY(box->done());
        QVERIFY(box->answer()->text.contains("Please select the files you want to recover."));
        QVERIFY(disabledWhileOpen);
        QVERIFY(recover->isEnabled());
    }

    // The search box is emptied without a search when "View" leaves the results.
    void viewEmptiesTheSearchBoxQuietly()
    {
        RecoveryStoragePage page(&host_);
        QLineEdit* box = page.searchPanel()->searchBox()->lineEdit();
        box->blockSignals(true);
        box->setText("report");
        box->blockSignals(false);
        QSignalSpy searches(SearchDataPanelMgr::instance(), &SearchDataPanelMgr::searchDataChanged);
        emit page.displayData()->clearSearchTextSignal(true);
        QVERIFY(box->text().isEmpty());
        QCOMPARE(searches.count(), 0);
    }

    // A folder record without "/" in its path falls back to the scanned
    // volume, and the log line names the category and the path.
    void viewFallbackLogLine()
    {
        QVERIFY(startAppLog(dir_.filePath("log")));
        RecoveryStoragePage page(&host_);
        DocumentInfo* root = DocumentManager::instance()->pathTreeRoot()->record;
        const QString path = DocumentInfo::filePath(root);
        QVERIFY(!path.contains('/'));
        page.displayData()->onViewActionTriggered(QVariant::fromValue(root));
        const auto readLog = [this] {
            QFile log(dir_.filePath("log/AppLog.log"));
            return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        };
        QTRY_VERIFY(readLog().contains("Path : " + path));
        const QString text = readLog();
        QVERIFY2(text.contains(QString("Category: 1, Path : %1  Default value used: %1").arg(path)), qPrintable(text));
        QVERIFY(!text.contains("% 1"));
    }

    void cleanupTestCase()
    {
        RecoveryToolkitGuideManagement::instance()->setParentWidget(nullptr);
        StorageDataRecoverMgr::instance()->releaseScanData();
        DocumentManager::instance()->shutdown();
    }
};

OSTREL_SHELL_TEST_MAIN(ResultsModuleTest)
#include "ResultsModuleTest.moc"
