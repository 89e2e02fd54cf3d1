// The scan progress panel against the document manager's scan signals.
#include "DocumentManager.h"
#include "ImageResources.h"
#include "ScanProgressPanel.h"
#include "XCircularProgress.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {
void emitResume() { emit DocumentManager::instance()->scanResume(); }
void emitPause() { emit DocumentManager::instance()->scanPaused(); }
void emitFinish(int errorType) { emit DocumentManager::instance()->scanFinished(errorType, QString(), 0); }
void emitProgress(int kind, int progress, const QString& remaining)
{
    emit DocumentManager::instance()->progressUpdated(kind, progress, remaining);
}
}  // namespace

class ScanProgressPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initImageResources(); }

    void startsRunning()
    {
        ScanProgressPanel panel;
        QCOMPARE(panel.ring()->state(), int(XCircularProgress::Running));
        QCOMPARE(panel.statusLabel()->text(), QString("Quick Scan - "));
        QCOMPARE(panel.remainingCaption()->text(), QString("Scanning data, please wait..."));
        QCOMPARE(panel.recoverButton()->text(), QString("Recover"));
        QCOMPARE(panel.height(), 58);
    }

    // One row per sequence of scan signals: the display it ends in.
    void displays_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("ring");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<bool>("controlsVisible");

        QTest::newRow("quick") << QStringList{"progress 0 12 00:10:00"} << 0 << "Quick Scan - " << 12 << "00:10:00" << true;
        QTest::newRow("advanced") << QStringList{"progress 1 40 00:01:00"} << 0 << "Advanced Scan - " << 40 << "00:01:00" << true;
        QTest::newRow("deep") << QStringList{"progress 2 70 00:00:30"} << 0 << "Deep Scan - " << 70 << "00:00:30" << true;
        QTest::newRow("unknown kind keeps the text")
            << QStringList{"progress 2 5 01:00:00", "progress 9 6 00:59:00"} << 0 << "Deep Scan - " << 6 << "00:59:00" << true;
        QTest::newRow("value clamped") << QStringList{"progress 0 250 00:00:01"} << 0 << "Quick Scan - " << 100 << "00:00:01" << true;
        QTest::newRow("paused keeps its text, refreshes the figures")
            << QStringList{"progress 1 10 00:05:00", "pause", "progress 1 20 00:04:00"} << 1 << "Scan Paused - " << 20 << "00:04:00" << true;
        QTest::newRow("resume reads Quick Scan until the next update")
            << QStringList{"progress 2 30 00:05:00", "pause", "resume"} << 0 << "Quick Scan - " << 30 << "00:05:00" << true;
        QTest::newRow("completed") << QStringList{"progress 2 90 00:00:10", "finish 0"} << 2 << "Scan Completed" << 90 << "00:00:10" << false;
        QTest::newRow("update after completed changes nothing")
            << QStringList{"progress 2 90 00:00:10", "finish 0", "progress 0 10 00:09:00"} << 2 << "Scan Completed" << 90 << "00:00:10" << false;
        QTest::newRow("stopped") << QStringList{"progress 0 40 00:01:00", "finish 1"} << 3 << "Scan stopped!" << 40 << "00:01:00" << false;
        QTest::newRow("update after stopped keeps the stopped display")
            << QStringList{"progress 0 40 00:01:00", "finish 2", "progress 1 50 00:00:50"} << 3 << "Scan stopped!" << 50 << "00:00:50" << false;
        QTest::newRow("stopped while paused") << QStringList{"pause", "finish 1"} << 3 << "Scan stopped!" << 0 << "" << false;
        QTest::newRow("a late resume does not revive a finished scan")
            << QStringList{"finish 0", "resume", "pause"} << 2 << "Scan Completed" << 0 << "" << false;
    }

    void displays()
    {
        QFETCH(QStringList, steps);
        ScanProgressPanel panel;
        panel.show();
        for (const QString& step : steps) {
            const QStringList w = step.split(' ');
            if (w[0] == "progress")
                emitProgress(w[1].toInt(), w[2].toInt(), w[3]);
            else if (w[0] == "pause")
                emitPause();
            else if (w[0] == "resume")
                emitResume();
            else if (w[0] == "finish")
                emitFinish(w[1].toInt());
        }
        QTEST(panel.ring()->state(), "ring");
        QTEST(panel.statusLabel()->text(), "status");
        QTEST(panel.ring()->value(), "value");
        QTEST(panel.remainingValue()->text(), "remaining");
        QFETCH(bool, controlsVisible);
        for (QWidget* w : std::initializer_list<QWidget*>{panel.pauseButton(), panel.stopButton(),
                                                           panel.remainingCaption(), panel.remainingValue()})
            QCOMPARE(w->isVisible(), controlsVisible);
    }

    void fileAndSelectionLines()
    {
        ScanProgressPanel panel;
        emit DocumentManager::instance()->fileProgressUpdated("1,234", "5.50 MB");
        QCOMPARE(panel.filesLabel()->text(), QString("Files found: 1,234 <font color=\"#64748B\">(5.50 MB)</font>"));
        emit DocumentManager::instance()->selectedDocumentChanged("3", "1.00 KB");
        QCOMPARE(panel.selectedLabel()->text(), QString("Selected:  3 (1.00 KB)"));
        emit DocumentManager::instance()->selectedDocumentChanged(QString(), QString());
        QVERIFY(panel.selectedLabel()->text().isEmpty());
    }

    void captionAfterLanguageChange()
    {
        ScanProgressPanel panel;
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&panel, &change);
        QCOMPARE(panel.remainingCaption()->text(), QString("Scanning data, please wait..."));
        emitProgress(0, 1, "00:00:02");
        QApplication::sendEvent(&panel, &change);
        QCOMPARE(panel.remainingCaption()->text(), QString("Remaining time:"));
        QCOMPARE(panel.statusLabel()->text(), QString("Quick Scan - "));
    }

    void buttonsReport()
    {
        ScanProgressPanel panel;
        panel.show();
        QSignalSpy pause(&panel, &ScanProgressPanel::pauseButtonClicked);
        QSignalSpy stop(&panel, &ScanProgressPanel::stopButtonClicked);
        QSignalSpy recover(&panel, &ScanProgressPanel::recoverButtonClicked);
        panel.pauseButton()->click();
        panel.stopButton()->click();
        panel.recoverButton()->click();
        QCOMPARE(pause.count(), 1);
        QCOMPARE(stop.count(), 1);
        QCOMPARE(recover.count(), 1);
        panel.setRecoverDisabled(true);
        panel.recoverButton()->click();
        QCOMPARE(recover.count(), 1);
        panel.setRecoverDisabled(false);
        QVERIFY(panel.recoverButton()->isEnabled());
    }

    void cleanupTestCase() { DocumentManager::instance()->shutdown(); }
};

QTEST_MAIN(ScanProgressPanelTest)
#include "ScanProgressPanelTest.moc"
