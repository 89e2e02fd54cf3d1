// The results page: construction, connections and the scan's side (pause,
// stop, low memory, return to Home, the scan summary). Browsing and search
// are in FileSystemPathDisplayDataBrowse.cpp; the export in ResultsExportFlow.
#include "FileSystemPathDisplayData.h"
#include "FileSystemPathDisplayDataPrivate.h"

#include "Application/XApplication.h"
#include "CuteSettings.h"
#include "DataReleaseWaitDialog.h"
#include "DocumentManager.h"
#include "FileBrowserView.h"
#include "FileFilterManager.h"
#include "FileSystemPathNavigato.h"
#include "FileTreeNodeObserverRegistry.h"
#include "GaService.h"
#include "GuideManagement.h"
#include "MediaPreviewDialog.h"
#include "MemoryMonitor.h"
#include "MemoryWarningDialog.h"
#include "Modules/ModuleManager.h"
#include "RecoveryCompletionHandler.h"
#include "ResultsExportFlow.h"
#include "ResultsMainWindow.h"
#include "SearchConfig.h"
#include "SearchDataPanelMgr.h"
#include "StorageDataRecoverMgr.h"
#include "ThumbnailCacheEngine.h"
#include "XMessageBox.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QTimer>

#include <algorithm>

namespace {
const int kDocumentVectorType = qRegisterMetaType<QVector<DocumentInfo*>>("QVector<DocumentInfo*>");

QString promptText(const QString& question, const QString& warning)
{
    return QStringLiteral("%1<br><font color=\"#FF3838\">%2</font>").arg(question, warning);
}
}  // namespace

FileSystemPathDisplayData::FileSystemPathDisplayData(QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
    SearchConfig::registerMetaType();
    d->monitor = new MemoryMonitor(this);

    d->splitter = new QSplitter(Qt::Horizontal, this);
    d->splitter->setStyleSheet(QStringLiteral("QSplitter::handle { background: #F8FAFC; }"));
    d->navigator = new FileSystemPathNavigato(DocumentManager::instance(), this);
    d->browser = new FileBrowserView(DocumentManager::instance(), this);
    d->splitter->addWidget(d->navigator);
    d->splitter->addWidget(d->browser);
    d->navigator->setViewMode(1);
    d->splitter->setMouseTracking(true);
    d->splitter->setStretchFactor(0, 2);
    d->splitter->setStretchFactor(1, 8);
    d->splitter->setCollapsible(0, false);
    d->splitter->setCollapsible(1, false);
    // The width the user drags the tree to holds for the program's run, the next scans' pages included.
    connect(d->splitter, &QSplitter::splitterMoved, this, [this] {
        const int width = d->splitter->sizes().value(0);
        if (width > 0 && d->navigator && !d->navigator->isHidden())
            CuteSettings::instance().setValue(QStringLiteral("navigatorWidth"), width, CuteSettings::Memory);
    });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(d->splitter);

    // The shown folder's tree events reach the browser on the GUI thread.
    d->folderEvents = std::make_unique<TreeEventBatcher>(
        DocumentManager::instance(), [this](const QVector<TreeEvent>& events) { applyFolderEvents(events); });

    ResultsExportHooks hooks;
    hooks.viewDisplayMode = [this] { return d->browser ? d->browser->viewDisplayMode() : 1; };
    hooks.searchResultsShown = [this] { return currentConfig().kind == 4; };
    hooks.pickerOwner = [this]() -> QWidget* {
        if (d->preview && !d->preview->isHidden())
            return d->preview;
        return resultsMainWindow(this);
    };
    d->exportFlow = new ResultsExportFlow(this, hooks);

    const ScanTargetInfo target = StorageDataRecoverMgr::instance()->currentScanTarget();
    d->browser->resetSort();
    d->browser->setHeaderEnabled(false);
    d->browser->setViewDisplayMode(1);
    d->browser->setCurrentPath(target.name);
    d->navigator->selectPath(target.name, false);
    watchFolder(target.name);
    storeConfig(folderConfig(target.name, 1));

    connectSignals();
}

int FileSystemPathDisplayData::defaultNavigatorWidth()
{
    return XApplication::scaledX(330);
}

void FileSystemPathDisplayData::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!d->navigator || d->navigator->isHidden())
        return;
    const int stored =
        CuteSettings::instance().value(QStringLiteral("navigatorWidth"), 0, CuteSettings::Memory).toInt();
    const int total = d->splitter->width() - d->splitter->handleWidth();
    const int least = d->navigator->minimumWidth();
    const int most = std::max(least, total - d->browser->minimumWidth());
    const int navigator = std::clamp(stored > 0 ? stored : defaultNavigatorWidth(), least, most);
    if (total > navigator)
        d->splitter->setSizes({navigator, total - navigator});
}

FileSystemPathDisplayData::~FileSystemPathDisplayData()
{
    d->folderEvents.reset();
    delete d->monitor.data();
    delete d->preview.data();
    delete d->exportFlow.data();
    delete d->memoryWarning.data();
    delete d->navigator.data();
    delete d->browser.data();
}

void FileSystemPathDisplayData::connectSignals()
{
    DocumentManager* manager = DocumentManager::instance();
    connect(d->navigator, &FileSystemPathNavigato::itemSelectedChanged, this,
            &FileSystemPathDisplayData::onTreeViewItemSelectedChanged);
    connect(d->browser, &FileBrowserView::itemDoubleClicked, this, &FileSystemPathDisplayData::onItemDoubleClicked);
    connect(d->browser, &FileBrowserView::viewActionTriggered, this,
            &FileSystemPathDisplayData::onViewActionTriggered);
    connect(manager, &DocumentManager::fileProgressUpdated, this, &FileSystemPathDisplayData::onFileProgressUpdated,
            Qt::QueuedConnection);
    connect(manager, &DocumentManager::fileRecoveryProgress, this, &FileSystemPathDisplayData::onFileRecoveryProgress);
    connect(manager, &DocumentManager::overallRecoveryProgress, this,
            &FileSystemPathDisplayData::onOverallRecoveryProgress);
    connect(manager, &DocumentManager::recoveryCompleted, this, &FileSystemPathDisplayData::onRecoveryCompleted);
    connect(manager, &DocumentManager::scanStarted, this, &FileSystemPathDisplayData::onScanStarted);
    // The low-memory guard is back on after a resume, not only at the start.
    connect(manager, &DocumentManager::scanResume, this, &FileSystemPathDisplayData::onScanStarted);
    connect(manager, &DocumentManager::scanPaused, this, &FileSystemPathDisplayData::onScanPaused);
    d->scanFinishedConnection =
        connect(manager, &DocumentManager::scanFinished, this, &FileSystemPathDisplayData::onScanFinished);
    connect(manager, &DocumentManager::nodeStateChanged, this, &FileSystemPathDisplayData::onNodeStateChanged);
    connect(manager, &DocumentManager::filterCompleted, this, &FileSystemPathDisplayData::onFilterCompleted);
    connect(manager, &DocumentManager::findDocumentsCompleted, this,
            &FileSystemPathDisplayData::onFindDocumentsCompleted, Qt::QueuedConnection);
    connect(manager, &DocumentManager::searchDocumentsCompleted, this,
            &FileSystemPathDisplayData::onSearchDocumentsCompleted, Qt::QueuedConnection);
    connectMonitor();
    SearchDataPanelMgr* search = SearchDataPanelMgr::instance();
    connect(search, &SearchDataPanelMgr::fileSystemTreePathChanged, this,
            &FileSystemPathDisplayData::onFileSystemTreePathChanged);
    connect(search, &SearchDataPanelMgr::currentPreviewTypeChanged, this,
            &FileSystemPathDisplayData::onCurrentPreviewTypeChanged);
    connect(search, &SearchDataPanelMgr::searchDataChanged, this, &FileSystemPathDisplayData::onSearchDataChanged);
    connect(FileFilterManager::instance(), &FileFilterManager::filterOptionsChanged, this,
            &FileSystemPathDisplayData::onFilterOptionsChanged);
    connect(NomoThumbCache::ThumbnailCacheEngine::instance(), &NomoThumbCache::ThumbnailCacheEngine::thumbnailLoaded,
            this, &FileSystemPathDisplayData::onUpdateDocumentThumbnail, Qt::QueuedConnection);
}

void FileSystemPathDisplayData::connectMonitor()
{
    if (d->monitor)
        connect(d->monitor, &MemoryMonitor::memoryStatsUpdated, this,
                &FileSystemPathDisplayData::onMemoryStatsUpdated);
}

void FileSystemPathDisplayData::setMemoryMonitor(MemoryMonitor* monitor)
{
    delete d->monitor.data();
    d->monitor = monitor;
    if (monitor)
        monitor->setParent(this);
    connectMonitor();
}

void FileSystemPathDisplayData::sendSearchCloseEvent()
{
    if (currentConfig().kind == 4)
        sendGaEvent(QStringLiteral("SearchFilter"), QStringLiteral("SearchClose"));
}

void FileSystemPathDisplayData::onScanStarted()
{
    if (d->monitor)
        d->monitor->start();
}

void FileSystemPathDisplayData::onScanPaused()
{
    if (d->monitor)
        d->monitor->stop();
}

void FileSystemPathDisplayData::onPauseButtonClicked()
{
    if (DocumentManager::instance()->state() == DocumentManager::ScanPaused)
        StorageDataRecoverMgr::instance()->resumeScan();
    else
        StorageDataRecoverMgr::instance()->pauseScan();
}

void FileSystemPathDisplayData::onStopButtonClicked()
{
    const int answer = XMessageBox::question(
        resultsMainWindow(this), QString(),
        promptText(tr("Stop Scanning?"), tr("The lost files may not be found completely if you stop.")),
        {tr("Stop"), tr("Cancel")}, 2, true);
    if (answer == 1)
        StorageDataRecoverMgr::instance()->stopScan();
}

void FileSystemPathDisplayData::onFileProgressUpdated()
{
    if (d->navigator)
        d->navigator->repaintTree();
}

void FileSystemPathDisplayData::onScanFinished(int errorType, const QString& description, int totalErrorCount)
{
    if (d->monitor)
        d->monitor->stop();
    // The summary would open over the tour's bubble, under its shade: it waits
    // for the user to finish the tour.
    GuideManagement* tour = RecoveryToolkitGuideManagement::instance();
    disconnect(d->summaryAfterTour);
    if (!tour->overlay()->isHidden()) {
        d->summaryAfterTour =
            connect(tour, &GuideManagement::firshSignal, this, [this, errorType, description, totalErrorCount] {
                disconnect(d->summaryAfterTour);
                showScanSummary(errorType, description, totalErrorCount);
            });
    } else {
        showScanSummary(errorType, description, totalErrorCount);
    }
    if (d->browser && (d->browser->viewDisplayMode() & 4) == 0 && d->navigator)
        selectFolderInNavigator(d->navigator->currentPath(), true);
}

void FileSystemPathDisplayData::showScanSummary(int errorType, const QString& description, int totalErrorCount)
{
    const QPair<quint64, quint64> found = DocumentManager::instance()->totalFoundSizeAndCount();
    const std::optional<bool> success =
        handleScanCompletion(resultsMainWindow(this), errorType, description, totalErrorCount, found.first, found.second);
    if (success)
        sendGaEvent(resultsAnalyticsCategory(), *success ? QStringLiteral("Scanned") : QStringLiteral("ScanStop"));
}

void FileSystemPathDisplayData::onMemoryStatsUpdated(qint64 processMB, qint64 totalMB, qint64 totalUsageMB,
                                                     double totalUsagePercent)
{
    if (!d->memoryWarning) {
        auto* dialog = new MemoryWarningDialog(resultsMainWindow(this));
        d->memoryWarning = dialog;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setModal(true);
        dialog->setCloseIntercepted(true);
        connect(dialog, &XDialog::tryClosed, dialog, [dialog] { dialog->closeLater(1); });
        StorageDataRecoverMgr::instance()->pauseScan();
    }
    d->memoryWarning->setCloseIntercepted(true);
    d->memoryWarning->updateUsage(processMB, totalMB, totalUsageMB, totalUsagePercent);
    d->memoryWarning->show();
}

void FileSystemPathDisplayData::onBackHomeButtonClicked()
{
    DocumentManager* manager = DocumentManager::instance();
    const int state = manager->state();
    const QString warning = state == DocumentManager::ScanStopped || state == DocumentManager::ScanDone
                                ? tr("It's recommended to recover the found files before returning.")
                                : tr("The found files won't be saved if you return to Home now.");
    const int answer = XMessageBox::question(resultsMainWindow(this), QString(),
                                             promptText(tr("Return to Home?"), warning),
                                             {tr("Return"), tr("Cancel")}, 2, true);
    if (answer != 1)
        return;
    disconnect(d->scanFinishedConnection);
    disconnect(d->summaryAfterTour);
    cancelSearch();
    if (d->navigator)
        d->navigator->freeze();
    if (d->browser)
        d->browser->freeze();
    // The release frees every record while its event loop runs: nothing that
    // holds records may run then (a listing still queued, the browser's
    // delayed selection, a thumbnail), so the views and the preview go first.
    DocumentManager::instance()->disconnect(this);
    NomoThumbCache::ThumbnailCacheEngine::instance()->disconnect(this);
    d->folderEvents->withdraw();
    delete d->preview.data();
    delete d->browser.data();
    delete d->navigator.data();
    QPointer<DataReleaseWaitDialog> wait = new DataReleaseWaitDialog(resultsMainWindow(this));
    wait->setModal(true);
    wait->setAttribute(Qt::WA_DeleteOnClose);
    wait->show();
    FileFilterManager::instance()->resetFilters(false);
    FileTreeNodeObserverRegistry::instance().reset();
    manager->clearPendingTasks();
    StorageDataRecoverMgr::instance()->releaseScanData();
    QTimer::singleShot(200, ModuleManager::instance(), [wait] {
        if (wait)
            wait->close();
        ModuleManager::instance()->setCurrentModule(ModuleManager::StorageDevice);
    });
    sendGaEvent(QStringLiteral("ScanInformation"), QStringLiteral("ScanBackHome"));
}

// The export belongs to ResultsExportFlow; these slots keep the page's names.
void FileSystemPathDisplayData::onRecoverButtonClicked() { d->exportFlow->exportCheckedDocuments(); }

void FileSystemPathDisplayData::onMediaPreviewRecoverFile(const QVariant& item)
{
    d->exportFlow->exportSingleDocument(documentFromVariant(item));
}

void FileSystemPathDisplayData::onDataRecoveryTryClosed() { d->exportFlow->onDataRecoveryTryClosed(); }

void FileSystemPathDisplayData::onFileRecoveryProgress(const QString& filePath, qulonglong recoveredCount,
                                                       qulonglong totalCount)
{
    d->exportFlow->onFileRecoveryProgress(filePath, recoveredCount, totalCount);
}

void FileSystemPathDisplayData::onOverallRecoveryProgress(int progressPercent)
{
    d->exportFlow->onOverallRecoveryProgress(progressPercent);
}

void FileSystemPathDisplayData::onRecoveryCompleted(int errorType, const QString& description, int totalErrorCount,
                                                    int incompleteCount)
{
    d->exportFlow->onRecoveryCompleted(errorType, description, totalErrorCount, incompleteCount);
}

FileSystemPathNavigato* FileSystemPathDisplayData::navigator() const { return d->navigator; }
FileBrowserView* FileSystemPathDisplayData::browser() const { return d->browser; }
MemoryMonitor* FileSystemPathDisplayData::memoryMonitor() const { return d->monitor; }
ResultsExportFlow* FileSystemPathDisplayData::exportFlow() const { return d->exportFlow; }
QSplitter* FileSystemPathDisplayData::splitter() const { return d->splitter; }
QWidget* FileSystemPathDisplayData::memoryWarningDialog() const { return d->memoryWarning; }
QWidget* FileSystemPathDisplayData::previewDialog() const { return d->preview; }
