// The results page's browsing: what the file browser lists (a navigator
// pick, a crumb, a search and its results, a filter, a double click, "View").
#include "FileSystemPathDisplayData.h"
#include "FileSystemPathDisplayDataPrivate.h"

#include "AppManager.h"
#include "Application/XApplication.h"
#include "DocumentManager.h"
#include "FileBrowserView.h"
#include "FileSystemPathNavigato.h"
#include "FileTypeIconProvider.h"
#include "GaService.h"
#include "ThreadHandOver.h"
#include "MediaPreviewDialog.h"
#include "ResultsMainWindow.h"
#include "FolderCrumbs.h"
#include "SearchConfig.h"
#include "SearchDataPanelMgr.h"
#include "StorageDataRecoverMgr.h"
#include "ThumbnailCacheEngine.h"
#include "spdlog_qt.h"

#include <QSplitter>

namespace {
bool isFileType(quint8 code) { return code >= 29 && code <= 38; }

void clearThumbnailTasks() { NomoThumbCache::ThumbnailCacheEngine::instance()->clearTasks(); }

void emitSelectedSummary()
{
    DocumentManager* manager = DocumentManager::instance();
    const QPair<QString, QString> summary = manager->selectedSummaryText();
    emit manager->selectedDocumentChanged(summary.first, summary.second);
}
}  // namespace

DocumentInfo* documentFromVariant(const QVariant& item)
{
    if (!item.isValid())
        return nullptr;
    QVariant copy = item;
    const int type = qMetaTypeId<DocumentInfo*>();
    if (copy.userType() != type && !copy.convert(type))
        return nullptr;
    return copy.value<DocumentInfo*>();
}

SearchConfig FileSystemPathDisplayData::currentConfig() const
{
    return SearchDataPanelMgr::instance()->currentPath().value<SearchConfig>();
}

void FileSystemPathDisplayData::storeConfig(const SearchConfig& config)
{
    SearchDataPanelMgr::instance()->setBreadcrumbPath(QVariant::fromValue(config));
}

SearchConfig FileSystemPathDisplayData::folderConfig(const QString& path, int viewMode) const
{
    const ScanTargetInfo target = StorageDataRecoverMgr::instance()->currentScanTarget();
    SearchConfig config;
    config.kind = quint16(viewMode);
    static const FileTypeIconProvider icons;
    config.icon = icons.scaledIcon(
        target.nodeTypeCode, QSize(XApplication::scaledX(24), XApplication::scaledY(24)));
    config.text = path;
    config.pathParts = folderCrumbs(path, target.name);
    return config;
}

void FileSystemPathDisplayData::watchFolder(const QString& path)
{
    d->folderEvents->withdraw();
    if (FileTreeNode* node = DocumentManager::instance()->findFolderNode(path))
        d->folderEvents->watchNode(node);
}

void FileSystemPathDisplayData::applyFolderEvents(const QVector<TreeEvent>& events)
{
    FileBrowserView* browser = d->browser;
    if (!browser)
        return;
    // Consecutive additions go in as one batch; the order of events is kept.
    QVector<DocumentInfo*> added;
    const auto flushAdded = [&] {
        if (!added.isEmpty())
            browser->appendDocuments(added);
        added.clear();
    };
    for (const TreeEvent& event : events) {
        switch (event.type) {
        case FileTreeNodeEventType::NodeCreated:
        case FileTreeNodeEventType::DocumentAdded:
            if (event.record)
                added.append(event.record);
            break;
        case FileTreeNodeEventType::NodeVisible:
            flushAdded();
            browser->refreshNodeRow(event.node);
            break;
        case FileTreeNodeEventType::StateChanged:
            flushAdded();
            browser->updateHeaderCheckState();
            break;
        default:
            break;
        }
    }
    flushAdded();
}

void FileSystemPathDisplayData::selectFolderInNavigator(const QString& path, bool notify)
{
    if (!d->navigator)
        return;
    // The tree items of nodes made since the last flush may still be on their way.
    d->navigator->flushTreeEvents();
    FileTreeNode* node = DocumentManager::instance()->findFolderNode(path);
    d->navigator->selectItem(node ? node->viewSlot : nullptr, notify);
}

void FileSystemPathDisplayData::cancelSearch()
{
    if (d->searchCancel)
        d->searchCancel->storeRelease(true);
}

void FileSystemPathDisplayData::onTreeViewItemSelectedChanged(int viewMode, const QString& nodePath)
{
    if (!d->browser || (d->browser->viewDisplayMode() & 4) != 0)
        return;
    watchFolder(nodePath);
    d->browser->resetSort();
    d->browser->setHeaderEnabled(false);
    d->browser->setViewDisplayMode(viewMode);
    d->browser->setCurrentPath(nodePath);
    storeConfig(folderConfig(nodePath, viewMode));
    clearThumbnailTasks();
    DocumentManager::instance()->findDocuments(nodePath, viewMode, 0, Qt::AscendingOrder, QVariant(), {});
}

void FileSystemPathDisplayData::onFindDocumentsCompleted(const QString& targetPath, int viewDisplayMode,
                                                         const QVector<DocumentInfo*>& documents,
                                                         const QVariant& parameter)
{
    ThreadHandOver::Take(&DocumentManager::findResultsHandOver);
    if (!d->browser)
        return;
    // A listing overtaken by a later choice (it was queued before the model
    // dropped its task) must not replace what the user now looks at.
    const int shown = d->browser->viewDisplayMode();
    if (viewDisplayMode != shown || (!(shown & 4) && targetPath != d->browser->currentPath()))
        return;
    d->browser->setDocuments(documents, parameter);
}

void FileSystemPathDisplayData::onSearchDataChanged(const QString& text)
{
    clearThumbnailTasks();
    if (d->browser) {
        d->browser->resetSort();
        d->browser->setViewDisplayMode(4);
        d->browser->setCurrentPath(QString());
        d->browser->setSearchKeyword(text);
    }
    cancelSearch();
    if (text.isEmpty()) {
        leaveSearch();
        return;
    }
    watchFolder(QString());
    startSearch(text);
}

void FileSystemPathDisplayData::startSearch(const QString& text)
{
    SearchConfig config;
    config.kind = 4;
    config.icon = QPixmap(AppManager::imagePath(QStringLiteral("search@2x.png")));
    storeConfig(config);
    d->searchCancel = QSharedPointer<QAtomicInteger<bool>>::create(false);
    d->splitter->setCollapsible(0, true);
    if (d->navigator)
        d->navigator->hide();
    if (d->browser)
        d->browser->showSearchState(false);
    DocumentManager* manager = DocumentManager::instance();
    manager->startDocumentSearch(text, d->searchCancel);
    emit manager->selectedDocumentChanged(QString(), QString());
}

void FileSystemPathDisplayData::leaveSearch()
{
    DocumentManager::instance()->clearSearchResults();
    const QString path = d->navigator ? d->navigator->currentPath() : QString();
    d->splitter->setCollapsible(0, false);
    if (d->browser && d->navigator)
        d->browser->setViewDisplayMode(d->navigator->viewMode());
    selectFolderInNavigator(path, true);
    if (d->navigator)
        d->navigator->show();
    emitSelectedSummary();
}

void FileSystemPathDisplayData::onSearchDocumentsCompleted()
{
    // The end of a search the user has already left (queued before the box was emptied).
    if (!d->browser || !(d->browser->viewDisplayMode() & 4) || currentConfig().kind != 4)
        return;
    DocumentManager* manager = DocumentManager::instance();
    manager->findDocuments(QString(), 4, -1, Qt::AscendingOrder, QVariant(), {});
    const QPair<quint64, quint64> result = manager->searchResultSizeAndCount();
    SearchConfig config = currentConfig();
    config.totalBytes = result.first;
    config.matchCount = quint32(result.second);
    storeConfig(config);
    sendGaEvent(QStringLiteral("SearchFilter"), QStringLiteral("SearchNum"));
    if (result.second == 0)
        sendGaEvent(QStringLiteral("SearchFilter"), QStringLiteral("SearchResults"));
}

void FileSystemPathDisplayData::onFileSystemTreePathChanged(const QVariant& var)
{
    const SearchConfig config = var.value<SearchConfig>();
    if (config.kind & 4) {
        if (!config.pathParts.isEmpty())
            DocumentManager::instance()->findDocuments(config.text, 4, 0, Qt::AscendingOrder, QVariant(), {});
        else
            DocumentManager::instance()->findDocuments(QString(), 4, -1, Qt::AscendingOrder, QVariant(), {});
        storeConfig(config);
        return;
    }
    const QString path = config.pathParts.size() == 1 ? config.pathParts.first() : config.text;
    selectFolderInNavigator(path, true);
}

void FileSystemPathDisplayData::onItemDoubleClicked(const QVariant& item)
{
    DocumentInfo* document = documentFromVariant(item);
    if (!document)
        return;
    if (isFileType(quint8(document->typeCode))) {
        clearThumbnailTasks();
        const QVector<DocumentInfo*> docs = d->browser ? d->browser->documents(true, 2, 0) : QVector<DocumentInfo*>();
        if (!docs.isEmpty())
            openPreview(docs, document);
        return;
    }
    const QString path = DocumentInfo::filePath(document);
    if (d->browser && (d->browser->viewDisplayMode() & 4) != 0) {
        SearchConfig config = currentConfig();
        config.text = path;
        config.pathParts.append(DocumentInfo::fileName(document));
        storeConfig(config);
        DocumentManager::instance()->findDocuments(path, 4, 0, Qt::AscendingOrder, QVariant(), {});
        return;
    }
    selectFolderInNavigator(path, true);
}

void FileSystemPathDisplayData::openPreview(const QVector<DocumentInfo*>& documents, DocumentInfo* current)
{
    QWidget* parent = resultsMainWindow(this);
    auto* dialog = new MediaPreviewDialog(parent);
    d->preview = dialog;
    dialog->setModal(true);
    dialog->setCloseIntercepted(true);
    connect(dialog, &XDialog::tryClosed, this, &FileSystemPathDisplayData::onMediaPreviewTryClosed);
    connect(dialog, &MediaPreviewDialog::recoverFileSiganl, this, &FileSystemPathDisplayData::onMediaPreviewRecoverFile);
    if (parent && !dialog->frameGeometry().isEmpty()) {
        QRect frame = dialog->frameGeometry();
        frame.moveCenter(parent->frameGeometry().center());
        dialog->move(frame.topLeft());
    }
    dialog->setDocuments(documents, current);
    dialog->show();
}

void FileSystemPathDisplayData::onMediaPreviewTryClosed()
{
    MediaPreviewDialog* dialog = d->preview;
    if (!dialog)
        return;
    dialog->closeLater(1);
    dialog->setDocuments({}, nullptr);
    dialog->deleteLater();
    d->preview = nullptr;
}

void FileSystemPathDisplayData::onViewActionTriggered(const QVariant& item)
{
    DocumentInfo* document = documentFromVariant(item);
    if (!document) {
        logError("onViewActionTriggered data.value<DocumentInfo*>() null");
        emit clearSearchTextSignal(true);
        return;
    }
    const bool file = isFileType(quint8(document->typeCode));
    const int mode = file ? 1 : int(document->level());
    const QString path = DocumentInfo::filePath(document);
    QString folder = path.left(path.lastIndexOf('/'));
    if (!file && !folder.contains('/')) {
        const QString fallback = StorageDataRecoverMgr::instance()->currentScanTarget().name;
        logError(QStringLiteral("onViewActionTriggered: Path has no '/' separator. Using default.Category: %1, "
                                "Path : %2  Default value used: %3")
                     .arg(document->level())
                     .arg(path, fallback));
        folder = fallback;
    }
    watchFolder(folder);
    d->splitter->setCollapsible(0, false);
    if (d->navigator)
        d->navigator->setViewMode(mode);
    if (d->browser) {
        d->browser->resetSort();
        d->browser->setViewDisplayMode(mode);
        d->browser->setSearchKeyword(QString());
        d->browser->setCurrentPath(folder);
    }
    cancelSearch();
    selectFolderInNavigator(folder, false);
    if (d->navigator)
        d->navigator->show();
    storeConfig(folderConfig(folder, mode));
    DocumentManager* manager = DocumentManager::instance();
    manager->clearSearchResults();
    manager->findDocuments(folder, mode, 0, Qt::AscendingOrder, QVariant::fromValue(document), {});
    emitSelectedSummary();
    emit clearSearchTextSignal(true);
}

void FileSystemPathDisplayData::onFilterOptionsChanged()
{
    if (d->browser)
        d->browser->showFilterState(false);
    if (d->navigator)
        d->navigator->collapseAllAndClear();
    DocumentManager::instance()->setFilterCriteriaUpdated(d->browser ? d->browser->viewDisplayMode() : 1);
}

void FileSystemPathDisplayData::onFilterCompleted()
{
    if (d->navigator)
        d->navigator->refilter();
    const int mode = d->browser ? d->browser->viewDisplayMode() : 1;
    DocumentManager* manager = DocumentManager::instance();
    if (mode & 1) {
        selectRootInNavigator(manager->pathTreeRoot());
        return;
    }
    if (mode & 2) {
        selectRootInNavigator(manager->typeTreeRoot());
        return;
    }
    const QPair<quint64, quint64> result = manager->searchResultSizeAndCount();
    SearchConfig config = currentConfig();
    config.totalBytes = result.first;
    config.matchCount = quint32(result.second);
    config.pathParts.clear();
    config.text.clear();
    storeConfig(config);
    manager->findDocuments(QString(), 4, 0, Qt::AscendingOrder, QVariant(), {});
}

void FileSystemPathDisplayData::selectRootInNavigator(FileTreeNode* root)
{
    if (!d->navigator)
        return;
    d->navigator->flushTreeEvents();
    d->navigator->selectItem(root ? root->viewSlot : nullptr, true);
}

void FileSystemPathDisplayData::onCurrentPreviewTypeChanged(int type)
{
    if (d->browser)
        d->browser->setIconMode(type != 0);
}

void FileSystemPathDisplayData::onNodeStateChanged(const QString& /*folderPath*/, Qt::CheckState /*state*/,
                                                   int index, bool isLast)
{
    if (index != 2 && !isLast)
        return;
    if (d->navigator)
        d->navigator->repaintTree();
    if (d->browser)
        d->browser->refreshCheckStates(true);
}

void FileSystemPathDisplayData::onUpdateDocumentThumbnail(qulonglong docAddress, const QPixmap& thumbnail,
                                                          bool isLast)
{
    auto* document = reinterpret_cast<DocumentInfo*>(quintptr(docAddress));
    if (d->browser)
        d->browser->updateThumbnail(document, thumbnail, isLast);
    if (d->preview && !d->preview->isHidden())
        d->preview->onThumbnailLoaded(document, thumbnail, isLast);
}
