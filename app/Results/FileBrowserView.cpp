#include "FileBrowserView.h"

#include "Application/XApplication.h"
#include "CheckableHeaderView.h"
#include "DocumentManager.h"
#include "FileBrowserDelegate.h"
#include "FileBrowserModel.h"
#include "FileBrowserProxyModel.h"
#include "FileFilterManager.h"
#include "FileTreeNode.h"
#include "FileTypeName.h"
#include "GaService.h"
#include "LostTipWidget.h"
#include "RecoverFileInfoPanel.h"
#include "RecoveryStateIndicator.h"
#include "SearchGuideDialog.h"
#include "ThumbnailCacheEngine.h"
#include "XListView.h"

#include "spdlog_qt.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

int sx(double value) { return XApplication::scaledX(value); }
int sy(double value) { return XApplication::scaledY(value); }

bool isFileCode(int code) { return code >= 29 && code <= 38; }

} // namespace

struct FileBrowserView::Private {
    DocumentManager* manager = nullptr;
    RecoverFileInfoPanel* infoPanel = nullptr;
    XListView* listView = nullptr;
    FileBrowserModel* model = nullptr;
    FileBrowserProxyModel* proxy = nullptr;
    FileBrowserDelegate* delegate = nullptr;
    CheckableHeaderView* header = nullptr;
    LostTipWidget* lostTip = nullptr;
    RecoveryStateIndicator* stateIndicator = nullptr;
    QPointer<SearchGuideDialog> searchGuide;
    QString currentPath;
    QTimer* thumbnailTimer = nullptr;
};

FileBrowserView::FileBrowserView(DocumentManager* manager, QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
    d->manager = manager;
    setupUi();
    connectParts();
    showEmptyState(false);
}

FileBrowserView::~FileBrowserView() = default;

void FileBrowserView::setupUi()
{
    QPalette palette = this->palette();
    palette.setBrush(QPalette::All, QPalette::Window, QColor(QStringLiteral("#F8FAFC")));
    setPalette(palette);
    setAutoFillBackground(true);

    d->infoPanel = new RecoverFileInfoPanel(this);
    d->infoPanel->setFixedWidth(sx(230));
    d->listView = new XListView(this);
    d->model = new FileBrowserModel(d->listView);
    d->proxy = new FileBrowserProxyModel(d->listView);
    d->delegate = new FileBrowserDelegate(d->listView);
    d->header = new CheckableHeaderView(Qt::Horizontal, d->listView);
    d->lostTip = new LostTipWidget(this);
    d->stateIndicator = new RecoveryStateIndicator(this);
    d->thumbnailTimer = new QTimer(this);

    auto* card = new QWidget(this);
    card->setStyleSheet(QStringLiteral("background: #FFFFFF;\nborder-radius: 0px;\nborder-top-left-radius: 10px;\n"
                                       "border-top-right-radius: 10px;"));
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(sx(14), 0, sx(14), 0);
    cardLayout->setSpacing(0);
    cardLayout->addWidget(d->header);
    cardLayout->addWidget(d->listView);
    cardLayout->addWidget(d->stateIndicator);

    auto* cardRow = new QHBoxLayout;
    cardRow->setContentsMargins(0, sy(14), 0, 0);
    cardRow->setSpacing(0);
    cardRow->addWidget(card);

    auto* column = new QVBoxLayout;
    column->setContentsMargins(sx(10), 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(cardRow);
    column->addWidget(d->lostTip, 0, Qt::AlignBottom);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(column);
    layout->addSpacing(sx(14));
    layout->addWidget(d->infoPanel);

    XListView* list = d->listView;
    list->setMinimumWidth(sx(500));
    d->proxy->setSourceModel(d->model);
    d->proxy->sort(-1);
    list->setModel(d->proxy);
    d->header->setModel(d->model);
    list->setItemDelegate(d->delegate);
    list->setUniformItemSizes(true);
    list->setViewMode(QListView::ListMode);
    list->setResizeMode(QListView::Adjust);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setDragEnabled(false);
    list->setSpacing(0);
    list->verticalScrollBar()->setSingleStep(100);
    list->setProperty("style", QStringLiteral("transparent"));
    list->setMouseTracking(true);
    list->viewport()->setMouseTracking(true);
    list->keysEnabled = false;
    list->rightButtonEnabled = false;
    list->relayoutOnResize = false;
    list->setMidLineWidth(0);
    list->setFrameShape(QFrame::NoFrame);

    d->header->setSectionResizeMode(0, QHeaderView::Stretch);
    const int widths[] = {143, 113, 91, 91};
    for (int section = 1; section <= 4; ++section) {
        d->header->setSectionResizeMode(section, QHeaderView::Fixed);
        d->header->resizeSection(section, sx(widths[section - 1]));
    }
    d->header->setSectionHidden(4, true);
    fitDateColumn();
}

void FileBrowserView::fitDateColumn()
{
    d->header->resizeSection(1, FileBrowserDelegate::dateColumnWidth(d->listView->font()));
}

void FileBrowserView::changeEvent(QEvent* event)
{
    // Each language has its font (the Japanese and Chinese ones have wider digits).
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange)
        fitDateColumn();
    QWidget::changeEvent(event);
}

void FileBrowserView::connectParts()
{
    connect(d->thumbnailTimer, &QTimer::timeout, this, [this] {
        d->thumbnailTimer->stop();
        loadVisibleThumbnails();
    });
    connect(d->listView->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (isIconMode())
            d->thumbnailTimer->start(200);
    });
    connect(d->header, &CheckableHeaderView::checkBoxClicked, this, &FileBrowserView::checkWholeList,
            Qt::DirectConnection);
    connect(d->header, &CheckableHeaderView::sortButtonClicked, this, &FileBrowserView::sortList);
    connect(d->delegate, &FileBrowserDelegate::itemCheckStateToggled, this, &FileBrowserView::toggleRow);
    connect(d->delegate, &FileBrowserDelegate::itemClicked, this, [this](const QModelIndex& index) {
        d->infoPanel->setDocument(QVariant::fromValue(recordAt(index)));
    });
    connect(d->delegate, &FileBrowserDelegate::itemDoubleClicked, this, [this](const QModelIndex& index) {
        emit itemDoubleClicked(QVariant::fromValue(recordAt(index)));
    });
    connect(d->delegate, &FileBrowserDelegate::viewActionTriggered, this, [this](const QModelIndex& index) {
        emit viewActionTriggered(QVariant::fromValue(recordAt(index)));
    });
    connect(d->infoPanel, &RecoverFileInfoPanel::openClicked, this, &FileBrowserView::itemDoubleClicked);
    connect(d->stateIndicator, &RecoveryStateIndicator::clickToSearchGuidence, this, &FileBrowserView::showSearchGuide);
}

DocumentInfo* FileBrowserView::recordAt(const QModelIndex& proxyIndex) const
{
    const QModelIndex source = d->proxy->mapToSource(proxyIndex);
    return source.data(FileBrowserModel::DocumentRole).value<DocumentInfo*>();
}

void FileBrowserView::setDocuments(const QVector<DocumentInfo*>& docs, const QVariant& selection)
{
    const QSignalBlocker listBlocker(d->listView);
    const QSignalBlocker barBlocker(d->listView->verticalScrollBar());
    d->header->setCheckState(0);
    d->model->setDocuments(docs);
    if (d->proxy->rowCount() > 0) {
        showList();
        if (d->infoPanel->isHidden() && !isIconMode())
            d->infoPanel->show();
        updateLostTip();
        updateHeaderCheckState();
        DocumentInfo* selected = selection.value<DocumentInfo*>();
        QTimer::singleShot(60, this, [this, selected] {
            selectDocument(selected);
            if (isIconMode())
                loadVisibleThumbnails();
        });
        return;
    }
    if (FileFilterManager::instance()->isFilterActive())
        showFilterState(true);
    else if (!(d->model->viewDisplayMode() & 4))
        showEmptyState(d->manager && d->manager->state() >= 3);
    else
        showSearchState(true);
}

// Swaps a state page for the list.
void FileBrowserView::showList()
{
    if (!d->infoPanel->isEnabled())
        d->infoPanel->setEnabled(true);
    if (d->listView->isHidden()) {
        d->listView->show();
        d->header->show();
    }
    if (!d->stateIndicator->isHidden())
        d->stateIndicator->hide();
}

void FileBrowserView::appendDocument(DocumentInfo* doc)
{
    appendDocuments({doc});
}

void FileBrowserView::appendDocuments(const QVector<DocumentInfo*>& docs)
{
    const int before = d->model->rowCount();
    d->model->appendDocuments(docs);
    if (before != 0 || d->model->rowCount() == 0)
        return;
    d->stateIndicator->hide();
    d->listView->show();
    d->header->show();
    d->infoPanel->setVisible(!isIconMode());
    d->infoPanel->setEnabled(true);
    d->listView->doItemsLayout();
    updateLostTip();
    setHeaderEnabled(true);
    selectDocument(nullptr);
}

QVector<DocumentInfo*> FileBrowserView::documents(bool onlyFiltered, int checkFilter, int kindFilter) const
{
    QVector<DocumentInfo*> source;
    if (d->model->canFetchMore(QModelIndex())) {
        logInfo("Loading documents from source model (fileItems)");
        source = d->model->documents();
    } else {
        logInfo("Loading documents from proxy model (sorted/filtered view)");
        source = listedRecords();
    }
    QVector<DocumentInfo*> result;
    for (DocumentInfo* doc : source) {
        if (!doc)
            continue;
        const quint32 state = doc->checkState(doc->inSearchMode());
        if ((checkFilter == 0 && state == 0) || (checkFilter == 1 && state == 2))
            continue;
        if (onlyFiltered && !doc->passesFilter())
            continue;
        if ((kindFilter == 0 && !isFileCode(doc->typeCode)) || (kindFilter == 1 && isFileCode(doc->typeCode)))
            continue;
        result << doc;
    }
    return result;
}

QVector<DocumentInfo*> FileBrowserView::listedRecords() const
{
    if (d->model->canFetchMore(QModelIndex()))
        return d->model->documents();
    QVector<DocumentInfo*> records;
    const int rows = d->proxy->rowCount();
    records.reserve(rows);
    for (int row = 0; row < rows; ++row)
        records << recordAt(d->proxy->index(row, 0));
    return records;
}

void FileBrowserView::setCurrentPath(const QString& path) { d->currentPath = path; }
QString FileBrowserView::currentPath() const { return d->currentPath; }

void FileBrowserView::setViewDisplayMode(int mode)
{
    d->model->setViewDisplayMode(mode);
    d->header->setSectionHidden(4, mode != 4);
}

int FileBrowserView::viewDisplayMode() const { return d->model->viewDisplayMode(); }

void FileBrowserView::setSearchKeyword(const QString& keyword) { d->model->setSearchKeyword(keyword); }

bool FileBrowserView::isIconMode() const { return d->listView->viewMode() == QListView::IconMode; }

void FileBrowserView::setIconMode(bool icon)
{
    XListView* list = d->listView;
    const QSignalBlocker listBlocker(list);
    const QSignalBlocker barBlocker(list->verticalScrollBar());
    DocumentInfo* current = list->currentIndex().isValid() ? recordAt(list->currentIndex()) : nullptr;
    const int rows = d->proxy->rowCount();
    if (icon) {
        list->setViewMode(QListView::IconMode);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSpacing(sx(10));
        list->verticalScrollBar()->setSingleStep(120);
        d->header->setSortButtonVisible(false);
        d->infoPanel->hide();
    } else {
        list->setViewMode(QListView::ListMode);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSpacing(0);
        list->verticalScrollBar()->setSingleStep(100);
        d->header->setSortButtonVisible(true);
        d->infoPanel->setVisible(rows > 0);
    }
    // Column 0's title reads "Select All" in icon mode.
    d->header->viewport()->update();
    list->doItemsLayout();
    QTimer::singleShot(60, this, [this, current] {
        selectDocument(current);
        if (isIconMode())
            d->thumbnailTimer->start(200);
        const QModelIndex index = d->listView->currentIndex();
        if (index.isValid())
            d->listView->scrollTo(index, QAbstractItemView::PositionAtTop);
    });
}

void FileBrowserView::setHeaderEnabled(bool enabled)
{
    d->header->setEnabled(enabled);
    d->header->setSortButtonEnabled(enabled);
}

void FileBrowserView::resetSort() { d->header->resetSort(); }

void FileBrowserView::updateHeaderCheckState()
{
    setHeaderEnabled(d->proxy->rowCount() > 0);
    d->header->setCheckState(d->model->aggregateCheckState());
}

void FileBrowserView::refreshCheckStates(bool repaint)
{
    updateHeaderCheckState();
    if (repaint)
        d->listView->viewport()->update();
}

void FileBrowserView::refreshNodeRow(FileTreeNode* node)
{
    bool found = false;
    d->model->refreshNodeRow(node, &found);
    if (!found || !d->listView->isHidden())
        return;
    d->stateIndicator->hide();
    d->header->show();
    d->listView->show();
    d->infoPanel->setVisible(!isIconMode());
    d->infoPanel->setEnabled(true);
    selectDocument(node->record);
}

void FileBrowserView::updateThumbnail(DocumentInfo* doc, const QPixmap& thumbnail, bool isLast)
{
    if (isIconMode())
        d->model->updateDocumentThumbnail(doc);
    d->infoPanel->onThumbnailLoaded(qulonglong(quintptr(doc)), thumbnail, isLast);
}

void FileBrowserView::showStatePage(int state, bool hidePanel)
{
    d->header->hide();
    d->listView->hide();
    d->infoPanel->setEnabled(false);
    if (hidePanel)
        d->infoPanel->hide();
    d->stateIndicator->setState(state);
    d->stateIndicator->show();
}

void FileBrowserView::showEmptyState(bool scanDone)
{
    showStatePage(scanDone ? 1 : 0, true);
}

void FileBrowserView::showSearchState(bool noResult)
{
    showStatePage(noResult ? 3 : 2, false);
    if (!noResult)
        d->lostTip->setKind(16);
}

void FileBrowserView::showFilterState(bool noResult)
{
    d->proxy->setFilterEnabled(FileFilterManager::instance()->isFilterActive());
    showStatePage(noResult ? 5 : 4, true);
    if (!noResult)
        d->lostTip->setKind(16);
}

void FileBrowserView::freeze()
{
    d->listView->setUpdatesEnabled(false);
    d->model->blockSignals(true);
}

void FileBrowserView::updateLostTip()
{
    const FileTreeNode* node =
        d->manager && !d->currentPath.isEmpty() ? d->manager->findFolderNode(d->currentPath) : nullptr;
    quint8 code = 16;
    if (node)
        code = node->record ? quint8(node->record->typeCode) : 36;
    d->lostTip->setKind(code);
}

void FileBrowserView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isIconMode())
        d->thumbnailTimer->start(200);
}

void FileBrowserView::loadVisibleThumbnails()
{
    const int total = d->proxy->rowCount();
    if (!isIconMode() || total == 0)
        return;
    auto* engine = NomoThumbCache::ThumbnailCacheEngine::instance();
    engine->clearTasks();
    XListView* list = d->listView;
    const int spacing = list->spacing();
    const int viewportWidth = list->viewport()->width();
    const int viewportHeight = list->viewport()->height();
    const int columns = viewportWidth / (sx(136) + spacing);
    const int rows = int(std::ceil(double(viewportHeight) / (sy(133) + spacing)));
    if (columns < 1 || rows < 1)
        return;
    QModelIndex first;
    for (int y = spacing + 1; y <= viewportHeight && !first.isValid(); ++y)
        first = list->indexAt(QPoint(spacing + 1, y));
    if (!first.isValid())
        return;
    const auto queue = [&](int from, int to) {
        for (int row = from; row <= to; ++row) {
            DocumentInfo* doc = d->proxy->index(row, 0).data(FileBrowserModel::DocumentRole).value<DocumentInfo*>();
            if (doc && engine->getThumbnail(doc).state == NomoThumbCache::NotLoaded)
                engine->addTask(doc);
        }
    };
    const int last = qMin(total - 1, first.row() + rows * columns);
    queue(first.row(), last);
    if (last < total - 1)
        queue(last + 1, qMin(total - 1, last + rows));
}

void FileBrowserView::checkWholeList(Qt::CheckState state)
{
    if (!d->manager)
        return;
    d->manager->updateDocumentNodeState(d->currentPath, listedRecords(), int(state), 0, d->model->viewDisplayMode());
}

void FileBrowserView::sortList(int column, Qt::SortOrder order, bool first)
{
    if (!d->manager)
        return;
    d->manager->findDocuments(d->currentPath, d->model->viewDisplayMode(), column, order, QVariant(),
                              first ? QVector<DocumentInfo*>() : d->model->documents());
}

void FileBrowserView::toggleRow(const QModelIndex& proxyIndex)
{
    DocumentInfo* doc = recordAt(proxyIndex);
    if (!doc || !d->manager)
        return;
    const int state = d->proxy->mapToSource(proxyIndex).data(FileBrowserModel::CheckStateRole).toInt() == 2 ? 0 : 2;
    const int code = doc->typeCode;
    const bool file = code == 15 || code >= 28;
    d->manager->updateDocumentNodeState(d->currentPath, {doc}, state, file ? 1 : 2, d->model->viewDisplayMode());
    if (state != 2)
        return;
    if (file)
        sendGaEvent(QStringLiteral("ScanInformation"), QStringLiteral("CheckFile"), fileTypeName(quint16(code), false));
    else
        sendGaEvent(QStringLiteral("ScanInformation"), QStringLiteral("CheckFolder"), DocumentInfo::filePath(doc));
}

void FileBrowserView::showSearchGuide()
{
    if (!d->searchGuide) {
        d->searchGuide = new SearchGuideDialog(this);
        d->searchGuide->setAttribute(Qt::WA_DeleteOnClose);
        d->searchGuide->setModal(true);
    }
    d->searchGuide->show();
}

void FileBrowserView::selectDocument(DocumentInfo* doc)
{
    XListView* list = d->listView;
    const QSignalBlocker listBlocker(list);
    const QSignalBlocker barBlocker(list->verticalScrollBar());
    const int row = d->model->rowOfDocument(doc);
    const QModelIndex source = d->model->index(row, 0);
    const QModelIndex index = d->proxy->mapFromSource(source);
    logInfo(QStringLiteral("sourceIndex row=%1, newIndex row=%2").arg(source.row()).arg(index.row()));
    if (!index.isValid())
        return;
    list->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    d->infoPanel->setDocument(QVariant::fromValue(recordAt(index)));
}

XListView* FileBrowserView::listView() const { return d->listView; }
FileBrowserModel* FileBrowserView::model() const { return d->model; }
FileBrowserProxyModel* FileBrowserView::proxy() const { return d->proxy; }
FileBrowserDelegate* FileBrowserView::delegate() const { return d->delegate; }
CheckableHeaderView* FileBrowserView::header() const { return d->header; }
RecoverFileInfoPanel* FileBrowserView::infoPanel() const { return d->infoPanel; }
RecoveryStateIndicator* FileBrowserView::stateIndicator() const { return d->stateIndicator; }
LostTipWidget* FileBrowserView::lostTip() const { return d->lostTip; }
SearchGuideDialog* FileBrowserView::searchGuide() const { return d->searchGuide; }
QTimer* FileBrowserView::thumbnailTimer() const { return d->thumbnailTimer; }
