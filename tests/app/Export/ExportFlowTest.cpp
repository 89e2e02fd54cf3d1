// The export flow from the recover button and the preview's recover request
// to the hand-over: the folder picker (Qt's dialog, answered from timers), the
// write probe, the read-only and free-space prompts, the pause, the export
// folder's name, and the shade and busy indicator after every way out.
#include "ExportTestSupport.h"
#include "MountSupport.h"

#include "CuteSettings.h"
#include "DataRecoveryDialog.h"
#include "DocumentInfo.h"
#include "ImageResources.h"
#include "ResultsExportFlow.h"

#include <QFileDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace ExportTest;
using namespace TestMounts;

namespace {

// Answers folder pickers in order: a path chooses it, an empty text cancels.
class PickerScript {
public:
    PickerScript(QStringList answers, AppEventWindow* window) : answers_(std::move(answers)), window_(window)
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    int opened = 0;
    // Whether the busy indicator was still up when a picker was on screen.
    bool busyWhilePicking = false;

private:
    void poll()
    {
        QFileDialog* dialog = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<QFileDialog*>(widget); d && d->isVisible())
                dialog = d;
        }
        if (!dialog) {
            waitingForClose_ = false;
            return;
        }
        if (waitingForClose_)
            return;
        waitingForClose_ = true;
        ++opened;
        busyWhilePicking = busyWhilePicking || window_->busyShown;
        const QString answer = answers_.isEmpty() ? QString() : answers_.takeFirst();
        if (answer.isEmpty()) {
            dialog->reject();
        } else {
            dialog->setDirectory(answer);
            static_cast<QDialog*>(dialog)->accept();
        }
    }

    QStringList answers_;
    AppEventWindow* window_;
    QTimer timer_;
    bool waitingForClose_ = false;
};

struct Calls {
    QStringList exported;  // "folder|onlySearch" or "folder|one"
    int pauses = 0;
    QList<int> checkAll;
    QList<bool> totalsAsked;
};

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

}

class ExportFlowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initImageResources();
    }

    void init()
    {
        calls_ = Calls();
        bytes_ = 1000;
        count_ = 3;
        mode_ = 1;
        searchShown_ = false;
        scanState_ = 0;
        free_ = {};
    }

    void cleanup()
    {
        // Every way out of the flow leaves the main window undimmed and idle.
        QTRY_VERIFY(!window_.busyShown);
        QTRY_VERIFY(!window_.shadeShown);
    }

    void exportFolderName()
    {
        const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5));
        QCOMPARE(ResultsExportFlow::exportFolderFor(QStringLiteral("/a/b/"), when), QStringLiteral("/a/b/Ostrel_260102_030405"));
        QCOMPARE(ResultsExportFlow::exportFolderFor(QStringLiteral("/"), when), QStringLiteral("/Ostrel_260102_030405"));
    }

    void cancelledPicker()
    {
        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooks());
        RecordedEvents events;
        PickerScript picker({QString()}, &window_);
        flow.exportCheckedDocuments();
        QCOMPARE(picker.opened, 1);
        QVERIFY(!picker.busyWhilePicking);
        QVERIFY(calls_.exported.isEmpty());
        QCOMPARE(calls_.pauses, 0);
        QVERIFY(!flow.recoveryDialog());
        QCOMPARE(events.take(), (QStringList{"DiskRecovery/Recover", "DiskRecovery/SelectPath"}));
    }

    void existingProbeNameSurvives()
    {
        QTemporaryDir folder;
        const QByteArray mine = QByteArray("the user's own file\n").repeated(300);
        QFile file(folder.filePath(QStringLiteral("write_test.tmp")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(mine);
        file.close();

        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooks());
        RecordedEvents events;
        PickerScript picker({folder.path()}, &window_);
        flow.exportCheckedDocuments();

        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), mine);
        QCOMPARE(entriesOf(folder.path()), QStringList{"write_test.tmp"});
        QCOMPARE(calls_.exported.size(), 1);
        const QString target = calls_.exported.first().section(QLatin1Char('|'), 0, 0);
        QVERIFY2(QRegularExpression(QRegularExpression::escape(folder.path()) + "/Ostrel_\\d{6}_\\d{6}\\|false$")
                     .match(calls_.exported.first()).hasMatch(), qPrintable(calls_.exported.first()));
        QCOMPARE(CuteSettings::instance().value("exportExistingDirectory", QVariant(), CuteSettings::Memory).toString(), target);
        QCOMPARE(calls_.pauses, 1);  // the scan was running
        QVERIFY(flow.recoveryDialog() && flow.recoveryDialog()->isVisible());
        QCOMPARE(events.take(), (QStringList{"DiskRecovery/Recover", "DiskRecovery/SelectPath", "DiskRecovery/ExportStart",
                                             "ScanInformation/EnoughSpace/Label1/Enough",
                                             "ScanInformation/EnoughSpace/Label2/1,000 B"}));
        flow.onRecoveryCompleted(99, QString(), 0);
        QTRY_VERIFY(!flow.recoveryDialog());
    }

    void freeEqualToNeededPasses()
    {
        QTemporaryDir folder;
        free_ = [this](const QString&) { return quint64(bytes_); };
        bytes_ = 123456789;
        scanState_ = 4;  // the scan had ended: nothing to pause
        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooks());
        PickerScript picker({folder.path()}, &window_);
        ModalAnswerer<XMessageBox> noPrompt([](XMessageBox* box) { clickButton(box, 2); });
        flow.exportCheckedDocuments();
        QVERIFY(!noPrompt.done());
        QCOMPARE(calls_.exported.size(), 1);
        QCOMPARE(calls_.pauses, 0);
        flow.onRecoveryCompleted(99, QString(), 0);
    }

    void readOnlyFolderAsksAndReopens()
    {
        QTemporaryDir base;
        const QString folder = base.filePath(QStringLiteral("ro"));
        Mount mount;
        if (isRoot()) {
            QVERIFY(mount.mountTmpfs(folder, QStringLiteral("ro,size=1m")));
        } else {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                      | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
        }
        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooks());
        RecordedEvents events;
        auto picker = std::make_unique<PickerScript>(QStringList{folder, QString()}, &window_);
        auto prompt = answerMessage(1);  // "Select Another Location"
        flow.exportCheckedDocuments();
        QVERIFY(prompt->done());
        QVERIFY2(prompt->answer()->text.contains(QStringLiteral("is read-only. Please select another location")),
                 qPrintable(prompt->answer()->text));
        QCOMPARE(picker->opened, 2);
        picker.reset();
        QVERIFY(calls_.exported.isEmpty());
        QVERIFY(entriesOf(folder).isEmpty());
        QCOMPARE(events.take(), (QStringList{"DiskRecovery/Recover", "DiskRecovery/SelectPath",
                                             "DiskRecovery/ExportError/error3", "DiskRecovery/SelectPath"}));
        // "Cancel" ends it.
        PickerScript again({folder}, &window_);
        auto cancel = answerMessage(2);
        flow.exportCheckedDocuments();
        QVERIFY(cancel->done());
        QCOMPARE(again.opened, 1);
        QVERIFY(calls_.exported.isEmpty());
    }

    void tooLittleRoom_data()
    {
        QTest::addColumn<bool>("single");
        QTest::newRow("checked files") << false;
        QTest::newRow("one file") << true;
    }

    void tooLittleRoom()
    {
        QFETCH(bool, single);
        if (!isRoot())
            SKIP_OR_FAIL(false, QStringLiteral("mounting a 1 MiB tmpfs needs root"));
        QTemporaryDir base;
        Mount mount;
        QVERIFY(mount.mountTmpfs(base.filePath(QStringLiteral("small")), QStringLiteral("size=1m")));
        bytes_ = 2 * 1048576;
        FileRecordFields fields;
        fields.typeCode = 29;
        fields.size = bytes_;
        fields.path = "sdb1/DCIM/big.jpg";
        DocumentInfo* document = createFileRecord(fields);
        QVERIFY(document);

        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooks());
        RecordedEvents events;
        // "Select Another Location" starts the same request again; its picker is cancelled.
        PickerScript picker({mount.point(), QString()}, &window_);
        auto prompt = answerMessage(1);
        if (single)
            flow.exportSingleDocument(document);
        else
            flow.exportCheckedDocuments();
        QVERIFY(prompt->done());
        QVERIFY2(prompt->answer()->text.contains(QStringLiteral("There is insufficient disk space on your")),
                 qPrintable(prompt->answer()->text));
        QVERIFY(prompt->answer()->text.contains(QStringLiteral("Selected:")));
        QVERIFY(prompt->answer()->text.contains(QStringLiteral("2.00 MB")));
        QCOMPARE(picker.opened, 2);
        QVERIFY(calls_.exported.isEmpty());
        QVERIFY(!flow.recoveryDialog());
        const QStringList start = single ? QStringList{} : QStringList{"DiskRecovery/Recover"};
        const QStringList expected = start + QStringList{"DiskRecovery/SelectPath", "DiskRecovery/ExportError/error1",
                                                         "ScanInformation/EnoughSpace/Label1/NotEnough"}
                                     + start + QStringList{"DiskRecovery/SelectPath"};
        QCOMPARE(events.take(), expected);
        freeRecord(document);
    }

    void singleFileExport()
    {
        QTemporaryDir folder;
        FileRecordFields fields;
        fields.typeCode = 29;
        fields.size = 4096;
        fields.path = "sdb1/DCIM/<b>x</b> & y.jpg";
        DocumentInfo* document = createFileRecord(fields);
        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooks());
        RecordedEvents events;
        PickerScript picker({folder.path()}, &window_);
        flow.exportSingleDocument(document);
        QCOMPARE(calls_.exported.size(), 1);
        QVERIFY(calls_.exported.first().endsWith(QStringLiteral("|one")));
        QVERIFY(calls_.totalsAsked.isEmpty());
        QVERIFY(flow.recoveryDialog());
        QCOMPARE(events.take(), (QStringList{"DiskRecovery/SelectPath", "ScanInformation/EnoughSpace/Label1/Enough",
                                             "ScanInformation/EnoughSpace/Label2/4.00 KB"}));
        flow.onFileRecoveryProgress(DocumentInfo::filePath(document), 1, 1);
        flow.onOverallRecoveryProgress(55);
        flow.onRecoveryCompleted(99, QString(), 0);
        freeRecord(document);
        flow.exportSingleDocument(nullptr);  // nothing at all
        QCOMPARE(events.take(), QStringList());
    }

    void nothingChecked_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("mode");
        QTest::newRow("select all, folders") << 1 << 1;
        QTest::newRow("select all, search") << 1 << 4;
        QTest::newRow("select now") << 2 << 1;
    }

    void nothingChecked()
    {
        QFETCH(int, answer);
        QFETCH(int, mode);
        count_ = 0;
        mode_ = mode;
        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooks());
        auto prompt = answerMessage(answer);
        PickerScript picker({QString()}, &window_);
        flow.exportCheckedDocuments();
        QVERIFY(prompt->done());
        QVERIFY(prompt->answer()->text.contains(QStringLiteral("Please select the files you want to recover.")));
        QCOMPARE(picker.opened, 0);
        QCOMPARE(calls_.totalsAsked, QList<bool>{mode == 4});
        QCOMPARE(calls_.checkAll, answer == 1 ? QList<int>{mode} : QList<int>{});
        QVERIFY(calls_.exported.isEmpty());
    }

    void searchResultsExport()
    {
        QTemporaryDir folder;
        mode_ = 4;
        searchShown_ = true;
        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooks());
        RecordedEvents events;
        PickerScript picker({folder.path()}, &window_);
        flow.exportCheckedDocuments();
        QCOMPARE(calls_.totalsAsked, QList<bool>{true});
        QCOMPARE(calls_.exported.size(), 1);
        QVERIFY(calls_.exported.first().endsWith(QStringLiteral("|true")));
        QCOMPARE(events.take().mid(0, 2), (QStringList{"DiskRecovery/Recover", "SearchFilter/SearchRecovery"}));
        flow.onRecoveryCompleted(99, QString(), 0);
    }

private:
    ResultsExportHooks hooks()
    {
        ResultsExportHooks hooks = quietHooks();
        hooks.viewDisplayMode = [this] { return mode_; };
        hooks.searchResultsShown = [this] { return searchShown_; };
        hooks.scanState = [this] { return scanState_; };
        hooks.pauseScan = [this] { ++calls_.pauses; };
        hooks.checkedTotals = [this](bool search) {
            calls_.totalsAsked << search;
            return qMakePair(bytes_, count_);
        };
        hooks.checkAll = [this](int mode) { calls_.checkAll << mode; };
        hooks.exportChecked = [this](const QString& folder, bool search) {
            calls_.exported << folder + (search ? "|true" : "|false");
        };
        hooks.exportOne = [this](const QString& folder, DocumentInfo*) { calls_.exported << folder + "|one"; };
        if (free_)
            hooks.freeBytes = free_;
        return hooks;
    }

    AppEventWindow window_;
    Calls calls_;
    quint64 bytes_ = 1000;
    quint64 count_ = 3;
    int mode_ = 1;
    bool searchShown_ = false;
    int scanState_ = 0;
    std::function<quint64(const QString&)> free_;
};

QTEST_MAIN(ExportFlowTest)
#include "ExportFlowTest.moc"
