#include "ResultsExportFlow.h"

#include "AppEvent.h"
#include "AppManager.h"
#include "CuteSettings.h"
#include "DataRecoveryDialog.h"
#include "DocumentInfo.h"
#include "DocumentManager.h"
#include "ExportFolderProbe.h"
#include "ExportFolderSuggestion.h"
#include "GaService.h"
#include "RecoveryCompletionHandler.h"
#include "SizeText.h"
#include "StorageDeviceManager.h"
#include "ThreadHandOver.h"
#include "WinFolderSelector.h"
#include "XMessageBox.h"
#include "spdlog_qt.h"

#include <QDir>
#include <QFileInfo>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QLocale>
#include <QWidget>

#include <memory>
#include <mutex>

namespace {

QString coloured(const QString& plainName)
{
    return QStringLiteral("<font color=\"#2563EB\">%1</font>").arg(plainName.toHtmlEscaped());
}

}

ResultsExportFlow::ResultsExportFlow(QWidget* page, ResultsExportHooks hooks)
    : QObject(page), page_(page), hooks_(std::move(hooks))
{
    auto* bridge = StorageDataRecoverMgr::instance();
    if (!hooks_.viewDisplayMode)
        hooks_.viewDisplayMode = [] { return 1; };
    if (!hooks_.searchResultsShown)
        hooks_.searchResultsShown = [] { return false; };
    if (!hooks_.pickerOwner)
        hooks_.pickerOwner = [] { return static_cast<QWidget*>(nullptr); };
    if (!hooks_.scanTarget)
        hooks_.scanTarget = [bridge] { return bridge->currentScanTarget(); };
    if (!hooks_.scannedVolumes)
        hooks_.scannedVolumes = [bridge] { return bridge->diskVolumeHash(); };
    if (!hooks_.deviceType)
        hooks_.deviceType = [bridge] { return bridge->currentDeviceType(); };
    if (!hooks_.scanState)
        hooks_.scanState = [] { return DocumentManager::instance()->state(); };
    if (!hooks_.pauseScan)
        hooks_.pauseScan = [bridge] { bridge->pauseScan(); };
    if (!hooks_.stopRecovery)
        hooks_.stopRecovery = [bridge] { bridge->stopRecovery(); };
    if (!hooks_.checkedTotals) {
        hooks_.checkedTotals = [](bool search) {
            auto* documents = DocumentManager::instance();
            return search ? documents->searchSelectedSizeAndCount() : documents->selectedSizeAndCount();
        };
    }
    if (!hooks_.checkAll)
        hooks_.checkAll = [](int mode) { DocumentManager::instance()->selectionDocumentNodeState(Qt::Checked, mode); };
    if (!hooks_.exportChecked) {
        hooks_.exportChecked = [](const QString& folder, bool onlySearch) {
            DocumentManager::instance()->exportAllDocumentsToDisk(folder, onlySearch);
        };
    }
    if (!hooks_.exportOne) {
        hooks_.exportOne = [](const QString& folder, DocumentInfo* document) {
            DocumentManager::instance()->exportSingleDocumentToDisk(folder, document);
        };
    }
    if (!hooks_.chooseFolder) {
        hooks_.chooseFolder = [](QWidget* owner, const QString& start) {
            QString chosen;
            WinFolderSelector().selectFolder(chosen, 0, start, owner);
            return chosen;
        };
    }
    if (!hooks_.freeBytes)
        hooks_.freeBytes = [](const QString& folder) { return userFreeBytes(folder); };
}

ResultsExportFlow::~ResultsExportFlow()
{
    delete dialog_.data();
}

DataRecoveryDialog* ResultsExportFlow::recoveryDialog() const
{
    return dialog_.data();
}

QString ResultsExportFlow::exportFolderFor(const QString& folder, const QDateTime& when)
{
    // English digits whatever the user's language.
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return QDir::cleanPath(QStringLiteral("%1/Ostrel_%2").arg(folder, english.toString(when, QStringLiteral("yyMMdd_hhmmss"))));
}

QWidget* ResultsExportFlow::mainWindow() const
{
    if (QWidget* registered = AppManager::instance()->registeredWidget(0))
        return registered;
    return page_ ? page_->window() : nullptr;
}

QString ResultsExportFlow::category() const
{
    return hooks_.deviceType() != 0 ? QStringLiteral("SDRecovery") : QStringLiteral("DiskRecovery");
}

void ResultsExportFlow::sendEvent(const QString& category, const QString& action, const QString& label,
                                  const QString& value) const
{
    sendGaEvent(category, action, label, value.isNull() ? QVariant() : QVariant(value));
}

void ResultsExportFlow::sendEnoughSpaceEvents(const QString& sizeText) const
{
    sendEvent(QStringLiteral("ScanInformation"), QStringLiteral("EnoughSpace"), QStringLiteral("Label1"),
              QStringLiteral("Enough"));
    sendEvent(QStringLiteral("ScanInformation"), QStringLiteral("EnoughSpace"), QStringLiteral("Label2"), sizeText);
}

void ResultsExportFlow::postAppEvent(int flags) const
{
    const auto manager = AppManager::instance();
    if (QWidget* receiver = manager->registeredWidget(0))
        manager->postEvent(receiver, new AppEvent(flags), Qt::HighEventPriority);
}

ScannedDisk ResultsExportFlow::scannedDisk() const
{
    return scannedDiskOf(hooks_.scanTarget(), hooks_.scannedVolumes());
}

void ResultsExportFlow::exportCheckedDocuments()
{
    const QString cat = category();
    sendEvent(cat, QStringLiteral("Recover"));
    if (hooks_.searchResultsShown())
        sendEvent(QStringLiteral("SearchFilter"), QStringLiteral("SearchRecovery"));
    const int mode = hooks_.viewDisplayMode();
    const bool search = (mode & 4) != 0;
    const auto [bytes, count] = hooks_.checkedTotals(search);
    if (count == 0) {
        showNoSelectionPrompt(mode);
        return;
    }
    const QString target = prepareExport(bytes, false, nullptr);
    if (target.isEmpty())
        return;
    openDataRecoveryDialog(QString(), 0, count);
    const QString sizeText = formatFileSize(bytes, 2, true);
    sendEvent(cat, QStringLiteral("ExportStart"));
    sendEnoughSpaceEvents(sizeText);
    hooks_.exportChecked(target, search);
}

void ResultsExportFlow::exportSingleDocument(DocumentInfo* document)
{
    if (!document)
        return;
    const quint64 bytes = quint64(std::max<qint64>(document->size, 0));
    const QString name = DocumentInfo::filePath(document);
    const QString target = prepareExport(bytes, true, document);
    if (target.isEmpty())
        return;
    openDataRecoveryDialog(name, 1, 1);
    const QString sizeText = formatFileSizeCached(bytes, 2, true);
    sendEnoughSpaceEvents(sizeText);
    hooks_.exportOne(target, document);
}

QString ResultsExportFlow::prepareExport(quint64 bytes, bool singleFile, DocumentInfo* document)
{
    const QString folder = selectExportDirectory();
    if (folder.isEmpty() || !checkExportDirectory(folder, bytes, singleFile, document))
        return QString();
    if (hooks_.scanState() < 3)
        hooks_.pauseScan();
    const QString target = exportFolderFor(folder, QDateTime::currentDateTime());
    CuteSettings::instance().setValue(QStringLiteral("exportExistingDirectory"), target, CuteSettings::Memory);
    stopRequested_ = false;
    return target;
}

void ResultsExportFlow::showNoSelectionPrompt(int viewDisplayMode)
{
    const int answer = XMessageBox::information(mainWindow(), QString(), tr("Please select the files you want to recover."),
                                                {tr("Select All"), tr("Select Now")}, 2);
    if (answer == 1)
        hooks_.checkAll(viewDisplayMode);
}

QString ResultsExportFlow::surveyStartFolder() const
{
    // The hand-over goes through a mutex of our own: Qt's result store locks
    // inside Qt, where ThreadSanitizer cannot see it.
    struct Survey {
        std::mutex mutex;
        ScannedDisk scanned;
        QString lastChosen;
        QString home;
        QString result;
    };
    auto survey = std::make_shared<Survey>();
    {
        std::lock_guard lock(survey->mutex);
        survey->scanned = scannedDisk();
        // The last export folder lies inside the folder the user chose then.
        const QString lastExport =
            CuteSettings::instance().value(QStringLiteral("exportExistingDirectory"), QString(), CuteSettings::Memory)
                .toString();
        if (!lastExport.isEmpty())
            survey->lastChosen = QFileInfo(lastExport).absolutePath();
        survey->home = QDir::homePath();
    }
    // The survey may wait on slow or hung mounts: the GUI keeps painting meanwhile.
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(ThreadHandOver::Run([survey] {
        ScannedDisk scanned;
        QString lastChosen, home;
        {
            std::lock_guard lock(survey->mutex);
            scanned = survey->scanned;
            lastChosen = survey->lastChosen;
            home = survey->home;
        }
        const QString result = exportStartFolder(lastChosen, home, scanned);
        std::lock_guard lock(survey->mutex);
        survey->result = result;
    }));
    if (!watcher.isFinished())
        loop.exec();
    watcher.waitForFinished();
    std::lock_guard lock(survey->mutex);
    return survey->result;
}

QString ResultsExportFlow::selectExportDirectory()
{
    for (;;) {
        sendEvent(category(), QStringLiteral("SelectPath"));
        postAppEvent(AppEvent::ShowShade | AppEvent::ShowBusy);
        const QString suggestion = surveyStartFolder();
        postAppEvent(AppEvent::HideBusy);

        QWidget* owner = hooks_.pickerOwner();
        const QString chosen = hooks_.chooseFolder(owner ? owner : mainWindow(), suggestion);
        postAppEvent(AppEvent::HideShade);
        if (chosen.isEmpty())
            return QString();
        if (canCreateFilesIn(chosen))
            return chosen;

        sendEvent(category(), QStringLiteral("ExportError"), QStringLiteral("error3"));
        const QString name = StorageDeviceManager::instance().driveDisplayName(chosen);
        const QString text = tr("%1 is read-only. Please select another location to save the data.").arg(coloured(name));
        const int answer = XMessageBox::information(mainWindow(), QString(), text,
                                                    {tr("Select Another Location"), tr("Cancel")}, 2, true);
        if (answer != 1)
            return QString();
    }
}

bool ResultsExportFlow::checkExportDirectory(const QString& folder, quint64 bytesNeeded, bool singleFile,
                                             DocumentInfo* document)
{
    const QString name = StorageDeviceManager::instance().driveDisplayName(folder);
    const quint64 available = hooks_.freeBytes(folder);
    if (bytesNeeded <= available) {
        if (isOutsideScannedDisk(folder))
            return true;
        sendEvent(category(), QStringLiteral("ExportError"), QStringLiteral("error2"));
        const QString text = tr("Saving data to %1 (where the data is lost) will overwrite the data and lead to data "
                                "loss permanently.")
                                 .arg(coloured(name));
        const int answer =
            XMessageBox::information(mainWindow(), QString(), text, {tr("Save Anyway"), tr("Cancel")}, 2, true);
        if (answer != 1)
            return false;
        sendEvent(category(), QStringLiteral("SaveSameDisk"));
        return true;
    }

    sendEvent(category(), QStringLiteral("ExportError"), QStringLiteral("error1"));
    const QString firstLine = tr("There is insufficient disk space on your %1. Please free space on this drive and try "
                                 "again, or select another location to save the data.")
                                  .arg(coloured(name));
    const QString secondLine =
        QStringLiteral("<font color=\"#64748B\">%1<br>%2</font>")
            .arg(tr("%1: %2 available").arg(name.toHtmlEscaped(), formatFileSize(available, 2, true)),
                 tr("Selected: %1").arg(formatFileSize(bytesNeeded, 2, true)));
    const int answer = XMessageBox::information(mainWindow(), QString(), QStringLiteral("%1<br>%2").arg(firstLine, secondLine),
                                                {tr("Select Another Location"), tr("Cancel")}, 2, true);
    sendEvent(QStringLiteral("ScanInformation"), QStringLiteral("EnoughSpace"), QStringLiteral("Label1"),
              QStringLiteral("NotEnough"));
    if (answer == 1) {
        // Another location for the same request: the one file again, or the checked files.
        if (singleFile)
            exportSingleDocument(document);
        else
            exportCheckedDocuments();
    }
    return false;
}

bool ResultsExportFlow::isOutsideScannedDisk(const QString& folder) const
{
    return ::isOutsideScannedDisk(folder, scannedDisk());
}

void ResultsExportFlow::openDataRecoveryDialog(const QString& name, int mode, qulonglong totalCount)
{
    QWidget* parent = mainWindow();
    auto* dialog = new DataRecoveryDialog(parent);
    dialog_ = dialog;
    connect(dialog, &XDialog::tryClosed, this, &ResultsExportFlow::onDataRecoveryTryClosed);
    dialog->setModal(true);
    dialog->setCloseIntercepted(true);
    dialog->setCurrentFile(name, mode, totalCount);
    dialog->setProgress(0);
    if (parent && !dialog->frameGeometry().isEmpty())
        dialog->move(parent->frameGeometry().center() - dialog->rect().center());
    dialog->show();
}

void ResultsExportFlow::onDataRecoveryTryClosed()
{
    const int answer = XMessageBox::information(mainWindow(), QString(), tr("Are you sure to stop recovery?"),
                                                {tr("Stop"), tr("Cancel")}, 2);
    // The export may have ended while the question was open: nothing left to stop.
    if (answer != 1 || !dialog_)
        return;
    stopRequested_ = true;
    hooks_.stopRecovery();
    sendEvent(category(), QStringLiteral("ExportStop"));
}

void ResultsExportFlow::onFileRecoveryProgress(const QString& filePath, qulonglong recoveredCount, qulonglong totalCount)
{
    if (dialog_)
        dialog_->setCurrentFile(filePath, int(recoveredCount), totalCount);
}

void ResultsExportFlow::onOverallRecoveryProgress(int progressPercent)
{
    if (dialog_)
        dialog_->setProgress(progressPercent);
}

void ResultsExportFlow::onRecoveryCompleted(int errorType, const QString& description, int totalErrorCount,
                                            int incompleteCount)
{
    if (dialog_) {
        dialog_->setProgress(100);
        dialog_->closeLater(1);
        dialog_->deleteLater();
        dialog_.clear();
    }
    const bool stopped = stopRequested_;
    stopRequested_ = false;
    const std::optional<bool> success =
        handleRecoveryCompletion(mainWindow(), errorType, description, totalErrorCount, stopped, incompleteCount);
    if (!success)
        return;
    sendEvent(category(), *success ? QStringLiteral("ExportSucc") : QStringLiteral("ExportFail"));
}
