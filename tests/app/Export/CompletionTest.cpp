// How exports and scans end: the completion table (error kind, error count
// and the user's stop give the dialog or message, its title and the analytics
// event), and the dialogs of the export and the scan.
#include "ExportTestSupport.h"
#include "FolderOpener.h"

#include "CuteSettings.h"
#include "DataRecoveryDialog.h"
#include "DataReleaseWaitDialog.h"
#include "ImageResources.h"
#include "MemoryWarningDialog.h"
#include "RecoveryCompleteDialog.h"
#include "RecoveryCompletionHandler.h"
#include "ResultsExportFlow.h"
#include "ScanCompleteDialog.h"
#include "XLabel.h"
#include "XProgressBar.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QUrl>

using namespace ExportTest;

namespace {

const QString sourceText = QStringLiteral(
    "The scanned disk has been disconnected. Please reconnect the disk and scan the data again.");
const QString targetText = QStringLiteral("The export disk has been disconnected. Please export the data again.");
const QString fullText = QStringLiteral(
    "The export disk is full. Please free some space on it or choose another location, then export the data again.");
// A label read from the disk, with markup in it.
const QString hostileDisks = QStringLiteral("<i>L</i> (sdb1), Data & more (sdc1)");

}

class UrlSink : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

// Says "Halt" for "Stop", as a language would.
class HaltTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        Q_UNUSED(context)
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        return QByteArray(source) == "Stop" ? QStringLiteral("Halt") : QString();
    }
    bool isEmpty() const override { return false; }
};

class CompletionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initImageResources();
    }

    void recoveryCompletion_data()
    {
        QTest::addColumn<int>("errorType");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<QString>("shown");   // class of the modal, or empty
        QTest::addColumn<QString>("text");    // title or message
        QTest::addColumn<bool>("disksShown");
        QTest::addColumn<QString>("event");   // empty: none

        QTest::newRow("finished") << 0 << 0 << false << "RecoveryCompleteDialog" << "Recovery successful." << false
                                  << "ExportSucc";
        QTest::newRow("stopped") << 0 << 0 << true << "RecoveryCompleteDialog" << "Recovery stopped." << false
                                 << "ExportFail";
        QTest::newRow("one disk lost") << 1 << 1 << false << "XMessageBox" << sourceText << false << "ExportFail";
        QTest::newRow("one disk lost, stopped") << 1 << 1 << true << "XMessageBox" << sourceText << false
                                                << "ExportFail";
        QTest::newRow("two disks lost") << 1 << 2 << false << "RecoveryCompleteDialog" << "Recovery incomplete."
                                        << true << "ExportFail";
        QTest::newRow("two disks lost, stopped") << 1 << 2 << true << "RecoveryCompleteDialog"
                                                 << "Recovery incomplete." << true << "ExportFail";
        QTest::newRow("source error, no count") << 1 << 0 << false << "RecoveryCompleteDialog"
                                                << "Recovery incomplete." << true << "ExportFail";
        QTest::newRow("target lost") << 2 << 1 << false << "XMessageBox" << targetText << false << "ExportFail";
        QTest::newRow("target lost, stopped") << 2 << 3 << true << "XMessageBox" << targetText << false
                                              << "ExportFail";
        QTest::newRow("target full") << 3 << 1 << false << "XMessageBox" << fullText << false << "ExportFail";
        QTest::newRow("target full, stopped") << 3 << 2 << true << "XMessageBox" << fullText << false << "ExportFail";
        QTest::newRow("unknown kind") << 7 << 1 << false << "" << "" << false << "";
    }

    // Files written from guessed or cut data: the completion says how many and is no success.
    void incompleteFilesAreSaid_data()
    {
        QTest::addColumn<int>("errorType");
        QTest::addColumn<int>("errors");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<int>("incomplete");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("success");
        QTest::newRow("all whole") << 0 << 0 << false << 0 << "Recovery successful." << 1;
        QTest::newRow("three incomplete") << 0 << 0 << false << 3 << "Recovery incomplete." << 0;
        QTest::newRow("incomplete, stopped") << 0 << 0 << true << 1234 << "Recovery stopped." << 0;
        QTest::newRow("incomplete and two disks lost") << 1 << 2 << false << 5 << "Recovery incomplete." << 0;
    }

    void incompleteFilesAreSaid()
    {
        QFETCH(int, errorType);
        QFETCH(int, errors);
        QFETCH(bool, stopped);
        QFETCH(int, incomplete);
        QFETCH(QString, title);
        QFETCH(int, success);
        QString seenTitle;
        QString seenLine;
        bool lineShown = false;
        ModalAnswerer<RecoveryCompleteDialog> answer([&](RecoveryCompleteDialog* dialog) {
            seenTitle = dialog->titleLabelOfOutcome()->text();
            seenLine = dialog->incompleteLabel()->text();
            lineShown = dialog->incompleteLabel()->isVisibleTo(dialog);
            dialog->okButton()->click();
        });
        const std::optional<bool> result =
            handleRecoveryCompletion(&window_, errorType, hostileDisks, errors, stopped, incomplete);
        QVERIFY(answer.done());
        QCOMPARE(result.has_value() ? int(*result) : -1, success);
        QCOMPARE(seenTitle, title);
        QCOMPARE(lineShown, incomplete > 0);
        QCOMPARE(seenLine, QStringLiteral("Files recovered incomplete (part of their data may be wrong or missing): ") +
                               QLocale().toString(incomplete));
    }

    void recoveryCompletion()
    {
        QFETCH(int, errorType);
        QFETCH(int, count);
        QFETCH(bool, stopped);
        QFETCH(QString, shown);
        QFETCH(QString, text);
        QFETCH(bool, disksShown);
        QFETCH(QString, event);

        QTemporaryDir target;
        QVERIFY(target.isValid());
        bool stopCalled = false;
        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooksFor(target.path(), &stopCalled));
        RecordedEvents events;

        // A running export, with its progress dialog.
        flow.exportCheckedDocuments();
        QVERIFY(flow.recoveryDialog());
        QVERIFY(flow.recoveryDialog()->isVisible());
        if (stopped) {
            auto stop = answerMessage(1);
            flow.recoveryDialog()->stopButton()->click();
            QVERIFY(stop->done());
            QVERIFY(stopCalled);
            // Stop does not close the progress dialog: the completion does.
            QVERIFY(flow.recoveryDialog() && flow.recoveryDialog()->isVisible());
        }
        events.take();

        QPointer<DataRecoveryDialog> progress = flow.recoveryDialog();
        const QString description = disksShown ? hostileDisks : QString();
        std::shared_ptr<Answer> seen = std::make_shared<Answer>();
        bool disksVisible = false;
        QString disksText;
        bool disksPlain = false;
        ModalAnswerer<QDialog> answer(
            [&](QDialog* dialog) {
                if (auto* box = qobject_cast<XMessageBox*>(dialog)) {
                    clickButton(box, 1);
                    return;
                }
                auto* complete = qobject_cast<RecoveryCompleteDialog*>(dialog);
                if (!complete)
                    return;
                seen->text = complete->titleLabelOfOutcome()->text();
                disksVisible = complete->disksLabel()->isVisibleTo(complete) && complete->warningLabel()->isVisibleTo(complete);
                disksText = complete->disksLabel()->text();
                disksPlain = complete->disksLabel()->textFormat() == Qt::PlainText;
                complete->okButton()->click();
            },
            seen);
        flow.onRecoveryCompleted(errorType, description, count);

        QTRY_VERIFY(!progress);
        if (shown.isEmpty()) {
            QTest::qWait(100);
            QVERIFY(!answer.done());
        } else {
            QVERIFY(answer.done());
            QCOMPARE(seen->className, shown);
            QVERIFY2(seen->text.contains(text), qPrintable(seen->text));
            QCOMPARE(disksVisible, disksShown && !description.isEmpty());
            if (disksShown && !description.isEmpty()) {
                QVERIFY(disksPlain);
                QCOMPARE(disksText, QStringLiteral("Disconnected disks: ") + hostileDisks);
            }
        }
        QCOMPARE(events.take(), event.isEmpty() ? QStringList() : QStringList{QStringLiteral("DiskRecovery/") + event});
    }

    void scanCompletion_data()
    {
        QTest::addColumn<int>("errorType");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("disksShown");
        QTest::addColumn<int>("success");  // -1 none

        QTest::newRow("finished") << 0 << 0 << "ScanCompleteDialog" << "Scan Completed" << false << 1;
        QTest::newRow("one disk lost") << 1 << 1 << "XMessageBox" << sourceText << false << 0;
        QTest::newRow("two disks lost") << 1 << 2 << "ScanCompleteDialog" << "Scan Completed" << true << 0;
        QTest::newRow("target lost") << 2 << 1 << "XMessageBox" << targetText << false << 0;
        QTest::newRow("unknown kind") << 5 << 0 << "" << "" << false << -1;
    }

    void scanCompletion()
    {
        QFETCH(int, errorType);
        QFETCH(int, count);
        QFETCH(QString, shown);
        QFETCH(QString, text);
        QFETCH(bool, disksShown);
        QFETCH(int, success);

        std::optional<bool> result;
        ModalAnswerer<XMessageBox> message([](XMessageBox* box) { clickButton(box, 1); });
        result = handleScanCompletion(&window_, errorType, disksShown ? hostileDisks : QString(), count, 3 * 1048576,
                                      12345);
        QCOMPARE(result.has_value() ? int(*result) : -1, success);
        if (shown == QLatin1String("XMessageBox")) {
            QVERIFY(message.done());
            QVERIFY(message.answer()->text.contains(text));
        } else {
            QTest::qWait(50);
            QVERIFY(!message.done());
        }
        // The scan summary is shown without waiting and deletes itself on close.
        QList<ScanCompleteDialog*> summaries;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<ScanCompleteDialog*>(widget); dialog && dialog->isVisible())
                summaries << dialog;
        }
        QCOMPARE(summaries.size(), shown == QLatin1String("ScanCompleteDialog") ? 1 : 0);
        if (summaries.isEmpty())
            return;
        ScanCompleteDialog* summary = summaries.first();
        QVERIFY(summary->isModal());
        QVERIFY(dialogText(summary).contains(text));
        QCOMPARE(summary->sizeLabel()->text(), QStringLiteral("Size: 3.00 MB"));
        QCOMPARE(summary->filesLabel()->text(), QStringLiteral("Files: ") + QLocale().toString(12345));
        QCOMPARE(summary->disksLabel()->isVisibleTo(summary), disksShown);
        QCOMPARE(summary->warningLabel()->isVisibleTo(summary), disksShown);
        if (disksShown) {
            QCOMPARE(summary->disksLabel()->textFormat(), Qt::PlainText);
            QCOMPARE(summary->disksLabel()->text(), QStringLiteral("Disconnected disks: ") + hostileDisks);
        }
        QPointer<ScanCompleteDialog> gone = summary;
        summary->checkButton()->click();
        QTRY_VERIFY(!gone);
    }

    void successWithoutFiguresIgnoresScans()
    {
        ModalAnswerer<QDialog> any([](QDialog* dialog) { dialog->close(); });
        SuccessHandler<> handler(&window_);
        handler.handle(false);
        QTest::qWait(50);
        QVERIFY(!any.done());
        QVERIFY(handler.isSuccess());
    }

    void memoryWarningFigures_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("label");
        QTest::newRow("usual") << 93.5 << 93 << "93.50%";
        QTest::newRow("above 100") << 104.256 << 100 << "104.26%";
        QTest::newRow("negative") << -3.0 << 0 << "-3.00%";
    }

    void memoryWarningFigures()
    {
        QFETCH(double, percent);
        QFETCH(int, bar);
        QFETCH(QString, label);
        MemoryWarningDialog dialog(&window_);
        dialog.updateUsage(1, 7516192768LL, 8589934592LL, percent);
        QCOMPARE(dialog.usageBar()->value(), bar);
        QCOMPARE(dialog.percentLabel()->text(), label);
        QCOMPARE(dialog.usageLabel()->text(), QStringLiteral("7.00 GB / 8.00 GB"));
    }

    void recoveryDialogFileLine()
    {
        DataRecoveryDialog dialog(&window_);
        QSignalSpy tries(&dialog, &XDialog::tryClosed);
        dialog.setCloseIntercepted(true);
        dialog.show();
        // A found name is shown as it is, never as markup.
        dialog.setCurrentFile(QStringLiteral("sdb1/<b>x</b> & y.txt"), 1, 1);
        QCOMPARE(dialog.fileLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(dialog.fileLabel()->text(), QStringLiteral("Recovering: sdb1/<b>x</b> & y.txt"));
        // A long path keeps its start and its end on one line.
        const QString longPath = QStringLiteral("sdb1/") + QString(QStringLiteral("folder/")).repeated(60) + "end.jpg";
        dialog.setCurrentFile(longPath, 0, 5);
        const QString shownText = dialog.fileLabel()->text();
        QVERIFY(shownText.startsWith(QStringLiteral("Recovering: sdb1/")));
        QVERIFY(shownText.endsWith(QStringLiteral("end.jpg")));
        QVERIFY(shownText.contains(QChar(0x2026)));
        QVERIFY(dialog.fileLabel()->fontMetrics().horizontalAdvance(shownText) <= dialog.fileLabel()->contentsRect().width());
        dialog.setCurrentFile(QString(), 0, 0);
        QVERIFY(dialog.fileLabel()->text().isEmpty());
        dialog.setProgress(42);
        QCOMPARE(dialog.percentLabel()->text(), QStringLiteral("42%"));
        QCOMPARE(dialog.progressBar()->value(), 42);
        // Stop and the close button only ask.
        dialog.stopButton()->click();
        dialog.close();
        QCOMPARE(tries.count(), 2);
        QVERIFY(dialog.isVisible());
    }

    void stopButtonFollowsTheLanguage()
    {
        DataRecoveryDialog dialog(&window_);
        dialog.show();
        HaltTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QTRY_COMPARE(dialog.stopButton()->text(), QStringLiteral("Halt"));
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(dialog.stopButton()->text(), QStringLiteral("Stop"));
    }

    void stopQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("endedMeanwhile");
        QTest::addColumn<bool>("stops");
        QTest::newRow("stop") << 1 << false << true;
        QTest::newRow("cancel") << 2 << false << false;
        QTest::newRow("closed by its close button") << 0 << false << false;
        QTest::newRow("export ended while asking") << 1 << true << false;
    }

    void stopQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, endedMeanwhile);
        QFETCH(bool, stops);
        QTemporaryDir target;
        bool stopCalled = false;
        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooksFor(target.path(), &stopCalled));
        flow.exportCheckedDocuments();
        QVERIFY(flow.recoveryDialog());
        RecordedEvents events;
        ModalAnswerer<RecoveryCompleteDialog> completion([](RecoveryCompleteDialog* dialog) { dialog->okButton()->click(); });
        ModalAnswerer<XMessageBox> question([&](XMessageBox* box) {
            if (endedMeanwhile)
                flow.onRecoveryCompleted(0, QString(), 0);
            if (answer == 0)
                box->close();
            else
                clickButton(box, answer);
        });
        flow.recoveryDialog()->close();  // the title bar's close asks as Stop does
        QVERIFY(question.done());
        QVERIFY(question.answer()->text.contains(QStringLiteral("Are you sure to stop recovery?")));
        QCOMPARE(stopCalled, stops);
        QCOMPARE(events.events.contains(QStringLiteral("DiskRecovery/ExportStop")), stops);
        if (!endedMeanwhile) {
            QVERIFY(flow.recoveryDialog());
            flow.onRecoveryCompleted(0, QString(), 0);
        }
        QTRY_VERIFY(completion.done());
        QTRY_VERIFY(!flow.recoveryDialog());
    }

    void releaseWaitDialogHasNoTitleBar()
    {
        DataReleaseWaitDialog dialog(&window_);
        dialog.show();
        QVERIFY(!dialog.titleBar()->isVisible());
        QVERIFY(dialogText(&dialog).contains(QStringLiteral("Releasing data, please wait...")));
    }

    void checkRecoveredDataRecreatesTheFolder()
    {
        QTemporaryDir base;
        const QString folder = base.filePath(QStringLiteral("Ostrel_260101_101010"));
        CuteSettings::instance().setValue(QStringLiteral("exportExistingDirectory"), folder, CuteSettings::Memory);
        UrlSink sink;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &sink, "open");
        RecoveryCompleteDialog dialog(QString(), &window_);
        dialog.show();
        QVERIFY(!dialog.warningLabel()->isVisible());
        QVERIFY(!dialog.disksLabel()->isVisible());
        QCOMPARE(dialog.okButton()->width(), dialog.checkButton()->width());
        dialog.checkButton()->click();
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(sink.opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
        QVERIFY(dialog.isVisible());
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    // With no file manager to open it, a message says where the files are.
    void checkRecoveredDataWithoutFileManagerSaysWhere()
    {
        QTemporaryDir base;
        const QString folder = base.filePath(QStringLiteral("Ostrel_260101_101011"));
        CuteSettings::instance().setValue(QStringLiteral("exportExistingDirectory"), folder, CuteSettings::Memory);
        // The offscreen platform opens no URL, as a desktop without a file manager.
        RecoveryCompleteDialog dialog(QString(), &window_);
        dialog.show();
        auto box = answerMessage(1);
        dialog.checkButton()->click();
        QVERIFY(box->done());
        QVERIFY2(box->answer()->text.contains(folder), qPrintable(box->answer()->text));
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(dialog.isVisible());
    }

    // On a desktop the opener's exit tells whether a file manager answered: xdg-open starts
    // even where none is installed, and then fails.
    void checkRecoveredDataAsksTheDesktopOpener_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("message");
        QTest::newRow("file manager opened") << QStringLiteral("exit 0") << false;
        QTest::newRow("no file manager") << QStringLiteral("exit 3") << true;
        QTest::newRow("opener killed") << QStringLiteral("kill -9 $$") << true;
        QTest::newRow("opener missing") << QString() << true;
    }
    void checkRecoveredDataAsksTheDesktopOpener()
    {
        QFETCH(QString, script);
        QFETCH(bool, message);
        QTemporaryDir base;
        const QString folder = base.filePath(QStringLiteral("Ostrel_260101_101012"));
        CuteSettings::instance().setValue(QStringLiteral("exportExistingDirectory"), folder, CuteSettings::Memory);
        const QString asked = base.filePath(QStringLiteral("asked"));
        // No script: an opener that is not there.
        const QString opener = script.isNull() ? base.filePath(QStringLiteral("opener"))
                                               : writeFolderOpener(base.path(), script, asked);
        QVERIFY(!opener.isEmpty());
        RecoveryCompleteDialog dialog(QString(), &window_);
        dialog.setFolderOpener(opener);
        dialog.show();
        auto box = answerMessage(1);
        dialog.checkButton()->click();
        // The opener's process is the dialog's child until it has ended and been reported.
        QTRY_VERIFY_WITH_TIMEOUT(dialog.findChildren<QProcess*>().isEmpty(), 60000);
        QCOMPARE(box->done(), message);
        if (message)
            QVERIFY2(box->answer()->text.contains(folder), qPrintable(box->answer()->text));
        if (!script.isNull()) {
            QFile file(asked);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), folder);
        }
        QVERIFY(dialog.isVisible());
    }

private:
    ResultsExportHooks hooksFor(const QString& folder, bool* stopCalled)
    {
        ResultsExportHooks hooks = quietHooks();
        hooks.stopRecovery = [stopCalled] { *stopCalled = true; };
        hooks.checkedTotals = [](bool) { return qMakePair(quint64(10), quint64(2)); };
        hooks.chooseFolder = [folder](QWidget*, const QString&) { return folder; };
        hooks.freeBytes = [](const QString&) { return quint64(1) << 40; };
        return hooks;
    }

    AppEventWindow window_;
};

QTEST_MAIN(CompletionTest)
#include "CompletionTest.moc"
