#include "FileSystemPathTreeView.h"

#include "DocumentManager.h"

#include "FileSystemPathTreeDelegate.h"
#include "FileSystemPathTreeModel.h"
#include "FileSystemPathTreeProxyModel.h"
#include "FileTypeName.h"
#include "GaService.h"
#include "XTreeView.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>

struct FileSystemPathTreeView::Private {
    DocumentManager* manager = nullptr;
    XTreeView* tree = nullptr;
    FileSystemPathTreeModel* model = nullptr;
    FileSystemPathTreeProxyModel* proxy = nullptr;
    FileSystemPathTreeDelegate* delegate = nullptr;
};

FileSystemPathTreeView::FileSystemPathTreeView(DocumentManager* manager, QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
    d->manager = manager;
    d->tree = new XTreeView(this);
    d->model = new FileSystemPathTreeModel(manager, this);
    d->proxy = new FileSystemPathTreeProxyModel(d->tree);
    d->delegate = new FileSystemPathTreeDelegate(d->tree);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->tree);
    d->proxy->setSourceModel(d->model);
    d->proxy->setDynamicSortFilter(true);
    d->proxy->sort(0, Qt::AscendingOrder);
    d->tree->setModel(d->proxy);
    d->tree->setItemDelegate(d->delegate);
    d->tree->header()->hide();
    d->tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->tree->setSelectionMode(QAbstractItemView::SingleSelection);
    d->tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    d->tree->setDragEnabled(false);
    d->tree->setItemsExpandable(true);
    d->tree->setMouseTracking(true);
    d->tree->viewport()->setMouseTracking(true);
    d->tree->setUniformRowHeights(true);
    // The delegate paints the selection and the arrows; the style's branch area stays plain.
    d->tree->setFrameShape(QFrame::NoFrame);
    d->tree->setStyleSheet(QStringLiteral("QTreeView { show-decoration-selected: 0; } "
                                          "QTreeView::branch { background: transparent; border-image: none; image: none; }"));
    QPalette palette = d->tree->palette();
    palette.setColor(QPalette::Highlight, QColor(QStringLiteral("#EFF6FF")));
    d->tree->setPalette(palette);
    connect(d->delegate, &FileSystemPathTreeDelegate::itemCheckStateToggled, this,
            &FileSystemPathTreeView::onItemCheckStateToggled);
    connect(d->delegate, &FileSystemPathTreeDelegate::itemClicked, this,
            [this](const QModelIndex& index) { activateIndex(index, true); });
}

FileSystemPathTreeView::~FileSystemPathTreeView()
{
    d->tree->deleteLater();
}

FileSystemPathTreeModel* FileSystemPathTreeView::model() const { return d->model; }
FileSystemPathTreeProxyModel* FileSystemPathTreeView::proxy() const { return d->proxy; }
XTreeView* FileSystemPathTreeView::treeView() const { return d->tree; }
FileSystemPathTreeDelegate* FileSystemPathTreeView::delegate() const { return d->delegate; }

void FileSystemPathTreeView::activateIndex(const QModelIndex& proxyIndex, bool emitSignal)
{
    if (!proxyIndex.isValid())
        return;
    const QString path = proxyIndex.data(FileSystemPathTreeModel::PathRole).toString();
    if (path.isEmpty())
        return;
    d->tree->setCurrentIndex(proxyIndex);
    d->tree->selectionModel()->select(proxyIndex, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (emitSignal)
        emit itemSelectedChanged(proxyIndex.data(FileSystemPathTreeModel::ViewModeRole).toInt(), path);
}

void FileSystemPathTreeView::selectPath(const QString& path, bool emitSignal)
{
    QModelIndex candidate = d->proxy->index(0, 0);
    if (!path.isEmpty()) {
        const QModelIndex source = d->model->indexForPath(path);
        if (source.isValid())
            candidate = d->proxy->mapFromSource(source);
    }
    activateIndex(candidate.isValid() ? candidate : d->proxy->index(0, 0), emitSignal);
}

void FileSystemPathTreeView::selectItem(void* item, bool emitSignal)
{
    auto* treeItem = static_cast<FileSystemPathTreeItem*>(item);
    // Only an item this model holds is used: a stale slot must not be followed.
    if (treeItem && treeItem->node && d->model->itemForNode(treeItem->node) == treeItem) {
        const QModelIndex proxyIndex = d->proxy->mapFromSource(d->model->indexForNode(treeItem->node));
        if (proxyIndex.isValid()) {
            activateIndex(proxyIndex, emitSignal);
            return;
        }
    }
    if (d->tree->currentIndex().isValid())
        activateIndex(d->tree->currentIndex(), emitSignal);
    else
        activateIndex(d->proxy->index(0, 0), emitSignal);
}

void FileSystemPathTreeView::setViewMode(int mode)
{
    d->proxy->setViewMode(mode);
    refilter();
}

int FileSystemPathTreeView::viewMode() const
{
    return d->proxy->viewMode();
}

void FileSystemPathTreeView::refilter()
{
    d->proxy->invalidate();
}

void FileSystemPathTreeView::collapseAllAndClear()
{
    d->tree->collapseAll();
    d->tree->setCurrentIndex(QModelIndex());
}

QString FileSystemPathTreeView::currentPath() const
{
    return d->tree->currentIndex().data(FileSystemPathTreeModel::PathRole).toString();
}

void FileSystemPathTreeView::freeze()
{
    d->tree->setUpdatesEnabled(false);
    d->model->blockSignals(true);
}

void FileSystemPathTreeView::repaintTree()
{
    d->tree->viewport()->update();
}

void FileSystemPathTreeView::onItemCheckStateToggled(const QModelIndex& proxyIndex)
{
    const QModelIndex source = d->proxy->mapToSource(proxyIndex);
    if (!source.isValid())
        return;
    // Checked becomes unchecked; unchecked and partly checked become checked.
    const int state = source.data(FileSystemPathTreeModel::CheckStateRole).toInt() > 1 ? 0 : 2;
    const QString path = source.data(FileSystemPathTreeModel::PathRole).toString();
    const int mode = source.data(FileSystemPathTreeModel::ViewModeRole).toInt();
    emit nodeCheckStateRequested(path, state, mode);
    // The document manager sets the node, its descendants and ancestors, and
    // refreshes the other tree; its nodeStateChanged repaints this one.
    if (d->manager)
        d->manager->updateDocumentNodeState(path, {}, state, 0, mode);
    if (state != 2)
        return;
    if (mode == 1) {
        sendGaEvent(QStringLiteral("ScanInformation"), QStringLiteral("CheckFolder"), path);
    } else if (mode == 2 && source.parent().isValid()) {
        const int code = source.parent().data(FileSystemPathTreeModel::TypeCodeRole).toInt();
        sendGaEvent(QStringLiteral("ScanInformation"), QStringLiteral("CheckType"), fileTypeName(quint16(code), false));
    }
}
