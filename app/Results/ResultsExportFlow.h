#pragma once
// The results page's export: choose a folder, prove it writable, check its
// room and whether it lies on the disk being recovered, name the export
// folder, pause a running scan, show the progress dialog, hand the work to the
// document manager, and report the end. The page owns one and forwards its
// recover button, the preview's recover request and the document manager's
// recovery signals to the slots of the same names:
//   connect(DocumentManager::instance(), &DocumentManager::fileRecoveryProgress, flow,
//           &ResultsExportFlow::onFileRecoveryProgress);  // likewise overallRecoveryProgress, recoveryCompleted
// The scan's completion goes through handleScanCompletion (RecoveryCompletionHandler.h).
#include "ScannedDiskCheck.h"
#include "ScanTargetInfo.h"
#include "StorageDataRecoverMgr.h"

#include <QDateTime>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

#include <functional>

class DataRecoveryDialog;
class QWidget;
struct DocumentInfo;

// What the flow needs from its page and the process; an empty hook falls back
// to the process-wide object (tests and the page replace what they own).
struct ResultsExportHooks {
    // The file browser's view display mode (bit value 4: search results listed).
    std::function<int()> viewDisplayMode;
    // The current SearchConfig has kind 4 (search results on screen).
    std::function<bool()> searchResultsShown;
    // Owner of the folder picker: the preview dialog while it is visible.
    std::function<QWidget*()> pickerOwner;
    // Defaults: StorageDataRecoverMgr and DocumentManager.
    std::function<ScanTargetInfo()> scanTarget;
    std::function<DiskVolumeHash()> scannedVolumes;
    std::function<quint8()> deviceType;
    std::function<int()> scanState;
    std::function<void()> pauseScan;
    std::function<void()> stopRecovery;
    // (total bytes, file count) of the checked files; search: of the checked search results.
    std::function<QPair<quint64, quint64>(bool search)> checkedTotals;
    std::function<void(int viewDisplayMode)> checkAll;
    std::function<void(const QString& folder, bool onlySearchResults)> exportChecked;
    std::function<void(const QString& folder, DocumentInfo* document)> exportOne;
    // Default: WinFolderSelector over the owner, starting at the suggestion.
    std::function<QString(QWidget* owner, const QString& startFolder)> chooseFolder;
    // Default: statvfs f_bavail x f_frsize.
    std::function<quint64(const QString& folder)> freeBytes;
};

class ResultsExportFlow : public QObject {
    Q_OBJECT
public:
    ResultsExportFlow(QWidget* page, ResultsExportHooks hooks = {});
    ~ResultsExportFlow() override;

    DataRecoveryDialog* recoveryDialog() const;
    // The export folder name for a chosen folder at a time: "<folder>/Ostrel_yyMMdd_hhmmss".
    static QString exportFolderFor(const QString& folder, const QDateTime& when);

public slots:
    // The recover button: every checked file (of the search results when listed).
    void exportCheckedDocuments();
    // The preview's recover request: the one file.
    void exportSingleDocument(DocumentInfo* document);
    // Stop or close on the progress dialog: asks before stopping.
    void onDataRecoveryTryClosed();
    void onFileRecoveryProgress(const QString& filePath, qulonglong recoveredCount, qulonglong totalCount);
    void onOverallRecoveryProgress(int progressPercent);
    void onRecoveryCompleted(int errorType, const QString& description, int totalErrorCount,
                             int incompleteCount = 0);

private:
    // Folder choice and checks, the pause, the export folder's name: the
    // export folder, or empty when the user gave up.
    QString prepareExport(quint64 bytes, bool singleFile, DocumentInfo* document);
    QString selectExportDirectory();
    // The picker's start folder, surveyed on Qt's pool while a local loop runs.
    QString surveyStartFolder() const;
    bool checkExportDirectory(const QString& folder, quint64 bytesNeeded, bool singleFile, DocumentInfo* document);
    bool isOutsideScannedDisk(const QString& folder) const;
    ScannedDisk scannedDisk() const;
    void showNoSelectionPrompt(int viewDisplayMode);
    void openDataRecoveryDialog(const QString& name, int mode, qulonglong totalCount);
    void postAppEvent(int flags) const;
    QWidget* mainWindow() const;
    QString category() const;
    void sendEnoughSpaceEvents(const QString& sizeText) const;
    void sendEvent(const QString& category, const QString& action, const QString& label = QString(),
                   const QString& value = QString()) const;

    QPointer<QWidget> page_;
    ResultsExportHooks hooks_;
    QPointer<DataRecoveryDialog> dialog_;
    bool stopRequested_ = false;
};
