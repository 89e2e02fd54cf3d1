// ostrel-i18n-shots --out DIR [--list-only] [--languages de-de,ja-jp]: the main
// screens in every language (device page and its tour, results page with its
// header, filter bar, drop-downs, information and progress panels and its tour,
// the title-bar menu, the scan and recovery dialogs, the about and update
// dialogs), one PNG each as "<language>-<screen>@<scale>x.png". Every text cut
// short is listed on stderr and ends the run with code 3 (unless --list-only).
// The scale follows the screen (QT_FONT_DPI=192 for scale 2). With --listed
// the device page shows the machine's own listing (with VELMORA_DISK_IMAGES
// and VELMORA_IMAGES_ONLY) instead of a made-up one; where that holds devices
// the user may not read, the refusal of a scan of one is taken too.

#include "Dialogs/AboutDialog.h"
#include "AppManager.h"
#include "Application/XApplication.h"
#include "DataRecoveryDialog.h"
#include "DataReleaseWaitDialog.h"
#include "DeviceAccessNotice.h"
#include "DriveListView.h"
#include "DriveTileRoles.h"
#include "HardDiskAndFolderSelectDelegate.h"
#include "HardDiskAndFolderSelectPage.h"
#include "Dialogs/UpgradeDialog.h"
#include "FilterComboBox.h"
#include "GuideManagement.h"
#include "LanguageSettings.h"
#include "LostTipWidget.h"
#include "MainWindow/MainWindow.h"
#include "MemoryWarningDialog.h"
#include "Modules/ModuleManager.h"
#include "NoLocalDiskDialog.h"
#include "NoSDCardDialog.h"
#include "RecoverFileInfoPanel.h"
#include "RecoveryCompleteDialog.h"
#include "RefreshDiskDialog.h"
#include "ScanCompleteDialog.h"
#include "ScanProgressPanel.h"
#include "SearchDataPanel.h"
#include "SearchGuideDialog.h"
#include "StorageDeviceManager.h"
#include "XPushButton.h"
#include "TitleBar/MainTitleBar.h"

#include "MadeUpMachine.h"
#include "ShotRun.h"
#include "ShotWriter.h"
#include "TextFit.h"

#include <QAction>
#include <QCommandLineParser>
#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QAbstractItemView>
#include <QStackedWidget>
#include <QTimer>
#include <QToolTip>

#include <cstdio>

namespace {

struct Language {
    int code;
    const char* stem;
};

constexpr Language languages[] = {{0, "en-us"},  {1, "zh-cn"},  {2, "zh-tw"}, {3, "it-it"}, {4, "de-de"},
                                  {5, "fr-fr"},  {6, "es-es"},  {7, "pt-pt"}, {8, "ja-jp"}, {9, "ru-ru"},
                                  {10, "id-id"}, {11, "ko-kr"}, {12, "vi-vn"}};

class Run {
public:
    Run(ShotWriter& shots) : shots_(shots) {}

    void setLanguage(const Language& language)
    {
        prefix_ = QString::fromLatin1(language.stem) + QLatin1Char('-');
        suffix_ = QStringLiteral("@%1x").arg(XApplication::scaledX(100) / 100.0);
    }

    // Saves the widget's picture and lists the texts it cuts short.
    void take(QWidget& widget, const QString& screen)
    {
        const QString name = prefix_ + screen + suffix_;
        shots_.take(widget, name, 3);
        for (const Misfit& misfit : findMisfits(&widget)) {
            std::fprintf(stderr, "cut short: %s: %s: \"%s\" needs %d px, has %d\n", qPrintable(name),
                         qPrintable(misfit.widget), qPrintable(misfit.text), misfit.needed, misfit.available);
            ++misfits_;
        }
    }

    int misfits() const { return misfits_; }

private:
    ShotWriter& shots_;
    QString prefix_;
    QString suffix_;
    int misfits_ = 0;
};

void walk(Run& run, MainWindow& window, GuideManagement* tour, const QString& prefix)
{
    tour->stack()->setCurrentIndex(0);
    tour->setGuideVisible(true);
    for (int step = 0; step < tour->stack()->count(); ++step) {
        tour->stack()->setCurrentIndex(step);
        run.take(window, QStringLiteral("%1-%2").arg(prefix).arg(step + 1));
    }
    tour->setGuideVisible(false);
}

void takeMenus(Run& run, MainWindow& window)
{
    QMenu* menu = window.titleBar()->buildMainMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose, false);
    run.take(*menu, QStringLiteral("menu"));
    if (QMenu* languagesMenu = menu->actions().value(0) ? menu->actions().value(0)->menu() : nullptr)
        run.take(*languagesMenu, QStringLiteral("menu-languages"));
    delete menu;
}

void takeResultsPage(Run& run, MainWindow& window)
{
    ModuleManager::instance()->setCurrentModule(ModuleManager::RecoveryStorage);
    walk(run, window, RecoveryToolkitGuideManagement::instance(), QStringLiteral("results-tour"));
    // The page of the previous visit may still wait for its deletion: gone
    // first, so the lookups below find the page on show.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (auto* progress = window.findChild<ScanProgressPanel*>()) {
        progress->onScanStart();
        progress->onProgressUpdated(2, 40, QStringLiteral("00:12:34"));
        progress->onFileProgressUpdated(QStringLiteral("12,345"), QStringLiteral("3.00 GB"));
        progress->onSelectedDocumentChanged(QStringLiteral("1,024"), QStringLiteral("512.00 MB"));
    }
    run.take(window, QStringLiteral("results-page"));
    // The page may be rebuilt while the event loop runs: look the row up each time.
    if (auto* row = window.findChild<SearchDataPanel*>())
        row->filterButton()->click();
    run.take(window, QStringLiteral("results-filter-bar"));
    int index = 0;
    QList<QPointer<FilterComboBox>> combos;
    for (FilterComboBox* combo : window.findChildren<FilterComboBox*>())
        combos.append(combo);
    for (const QPointer<FilterComboBox>& combo : combos) {
        if (!combo || !combo->isVisible())
            continue;
        combo->showPopup();
        if (QWidget* popup = combo->popup())
            run.take(*popup, QStringLiteral("results-filter-%1").arg(++index));
        if (QWidget* popup = combo ? combo->popup() : nullptr)
            popup->hide();
    }
    if (auto* row = window.findChild<SearchDataPanel*>())
        row->filterButton()->click();
}

// The information panel beside the file list and the tips over lost-volume
// folders, as the results page shows them once files are found.
void takeResultsParts(Run& run)
{
    {
        RecoverFileInfoPanel panel;
        panel.resize(XApplication::scaledX(230), XApplication::scaledY(520));
        panel.setDocument(QVariant());
        run.take(panel, QStringLiteral("results-info-panel"));
    }
    for (const auto& kind : {qMakePair(17, QStringLiteral("names")), qMakePair(6, QStringLiteral("lost")),
                             qMakePair(9, QStringLiteral("unmounted")), qMakePair(11, QStringLiteral("unallocated"))}) {
        QWidget holder;
        const int width = XApplication::scaledX(640);
        auto* tip = new LostTipWidget(&holder);
        tip->setKind(quint8(kind.first));
        tip->setGeometry(0, 0, width, tip->heightForWidth(width));
        holder.resize(width, tip->height());
        run.take(holder, QStringLiteral("results-tip-%1").arg(kind.second));
    }
}

// The tooltip of a tile the user may not read and the refusal of its scan.
void takeNoAccess(Run& run, MainWindow& window)
{
    if (!DeviceAccessNotice::anyUnreadable(StorageDeviceManager::instance().diskList()))
        return;
    auto* page = window.findChild<HardDiskAndFolderSelectPage*>();
    if (!page)
        return;
    QAbstractItemView* list = page->listView();
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        if (!index.data(DriveTileRoles::RecordRole).value<QDiskAndVolumeInfo>().isUnreadable)
            continue;
        list->setCurrentIndex(index);
        const QString tip = HardDiskAndFolderSelectDelegate::driveToolTip(
            index.data(DriveTileRoles::RecordRole).value<QDiskAndVolumeInfo>());
        QToolTip::showText(list->viewport()->mapToGlobal(list->visualRect(index).center()), tip, list);
        processEventRounds(5);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible())
                run.take(*top, QStringLiteral("device-no-access-tooltip"));
        QToolTip::hideText();
        QTimer::singleShot(300, [&run] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                run.take(*box, QStringLiteral("device-no-access-message"));
                box->close();
            }
        });
        page->startScan();
        return;
    }
}

void takeDialogs(Run& run, MainWindow& window)
{
    {
        RefreshDiskDialog::setStartDelayMs(3600000);
        RefreshDiskDialog dialog(&window);
        run.take(dialog, QStringLiteral("refresh-disk"));
    }
    {
        NoLocalDiskDialog dialog(&window);
        run.take(dialog, QStringLiteral("no-local-disk"));
    }
    {
        NoSDCardDialog dialog(&window);
        run.take(dialog, QStringLiteral("no-sd-card-1"));
        dialog.stack()->setCurrentIndex(1);
        run.take(dialog, QStringLiteral("no-sd-card-2"));
    }
    {
        ScanCompleteDialog dialog(3221225472ULL, 12345, QStringLiteral("Data (sdc1)"), &window);
        run.take(dialog, QStringLiteral("scan-complete"));
    }
    {
        DataRecoveryDialog dialog(&window);
        dialog.setCurrentFile(QStringLiteral("sdb1/DCIM/Trip/IMG_0001.jpg"), 3, 12);
        dialog.setProgress(37);
        run.take(dialog, QStringLiteral("recovering"));
    }
    {
        DataReleaseWaitDialog dialog(&window);
        run.take(dialog, QStringLiteral("releasing"));
    }
    {
        MemoryWarningDialog dialog(&window);
        dialog.updateUsage(0, 7730941133LL, 8589934592LL, 90.0);
        run.take(dialog, QStringLiteral("memory-warning"));
    }
    for (const auto outcome : {RecoveryCompleteDialog::Succeeded, RecoveryCompleteDialog::Stopped,
                               RecoveryCompleteDialog::Incomplete}) {
        RecoveryCompleteDialog dialog(outcome == RecoveryCompleteDialog::Incomplete ? QStringLiteral("Data (sdc1)")
                                                                                    : QString(),
                                      &window, outcome);
        run.take(dialog, QStringLiteral("recovery-complete-%1").arg(int(outcome)));
    }
    {
        RecoveryCompleteDialog dialog(QString(), &window, RecoveryCompleteDialog::Incomplete, 1234);
        run.take(dialog, QStringLiteral("recovery-complete-incomplete-files"));
    }
    {
        SearchGuideDialog dialog(&window);
        run.take(dialog, QStringLiteral("search-guide"));
    }
    {
        AboutDialog dialog(&window);
        run.take(dialog, QStringLiteral("about"));
    }
    const QVariantMap newVersion{{"CheckResult", 1},
                                 {"Version", "1.4.0"},
                                 {"Size", "31.5 MB"},
                                 {"Release Date", "2026-11-20"},
                                 {"What's New", "Faster deep scans."},
                                 {"Download URL", "https://example.org/ostrel-1.4.0.tar.gz"}};
    const QList<QPair<QString, QVariantMap>> updates{{QStringLiteral("update-waiting"), {}},
                                                     {QStringLiteral("update-up-to-date"), {{"CheckResult", 0}}},
                                                     {QStringLiteral("update-failed"), {{"CheckResult", -1}}},
                                                     {QStringLiteral("update-new-version"), newVersion}};
    for (const auto& [name, result] : updates) {
        UpgradeDialog dialog(&window);
        dialog.setResult(result);
        run.take(dialog, name);
    }
}

} // namespace

int main(int argc, char** argv)
{
    ScratchHome scratch;
    XApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The main screens in every language"));
    parser.addHelpOption();
    const QCommandLineOption outOption("out", QStringLiteral("Write the PNGs into <folder>."), "folder");
    const QCommandLineOption listOption("list-only", QStringLiteral("List the texts cut short, end with code 0."));
    const QCommandLineOption languagesOption("languages", QStringLiteral("Only these, such as de-de,ja-jp."), "list");
    const QCommandLineOption listedOption("listed", QStringLiteral("The machine's own device listing."));
    parser.addOptions({outOption, listOption, languagesOption, listedOption});
    parser.process(app);
    if (!parser.isSet(outOption))
        parser.showHelp(2);
    const QString folder = parser.value(outOption);
    if (!QDir().mkpath(folder))
        return 1;
    const bool check = !parser.isSet(listOption);
    // OSTREL_I18N_LANGUAGES stands in for --languages (the sanitizer builds' tests take a few).
    const QString chosen = parser.isSet(languagesOption) ? parser.value(languagesOption)
                                                         : qEnvironmentVariable("OSTREL_I18N_LANGUAGES");
    const QStringList only = chosen.split(QLatin1Char(','), Qt::SkipEmptyParts);
    ShotWriter shots(folder);
    AppManager::instance()->initApplication();

    useMadeUpMachine("FAT32");
    if (parser.isSet(listedOption))
        StorageDeviceManager::instance().refreshDiskList();

    Run run(shots);
    {
        MainWindow window;
        app.setMainWidget(&window);
        window.resize(XApplication::scaledX(1240), XApplication::scaledY(780));
        window.onLaunchFinished();
        for (const Language& language : languages) {
            if (!only.isEmpty() && !only.contains(QLatin1String(language.stem)))
                continue;
            if (!LanguageSettings::instance().setLanguage(language.code)) {
                std::fprintf(stderr, "cannot load %s\n", language.stem);
                return 1;
            }
            processEventRounds(5);
            run.setLanguage(language);
            ModuleManager::instance()->setCurrentModule(ModuleManager::StorageDevice);
            walk(run, window, StorageGuideManagement::instance(), QStringLiteral("device-tour"));
            run.take(window, QStringLiteral("device-page"));
            takeNoAccess(run, window);
            takeMenus(run, window);
            takeDialogs(run, window);
            takeResultsPage(run, window);
            takeResultsParts(run);
        }
        app.setMainWidget(nullptr);
    }
    std::fprintf(stderr, "%d texts cut short\n", run.misfits());
    if (shots.failures())
        return 1;
    return check && run.misfits() ? 3 : 0;
}
