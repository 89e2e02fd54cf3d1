#include "FileSystemPathTreeModel.h"

#include "DocumentManager.h"
#include "NodeTypeCode.h"
#include "StorageDeviceManager.h"

#include <shared_mutex>

FileSystemPathTreeModel::FileSystemPathTreeModel(DocumentManager* manager, QObject* parent)
    : QAbstractItemModel(parent), manager_(manager), root_(std::make_unique<FileSystemPathTreeItem>())
{
    qRegisterMetaType<FileTreeNode*>("FileTreeNode*");
    addExistingNodes();
}

FileSystemPathTreeModel::~FileSystemPathTreeModel()
{
    freeItems(root_.get());
}

void FileSystemPathTreeModel::freeItems(FileSystemPathTreeItem* item)
{
    // Iterative: a deep found path must not overflow the stack.
    QVector<FileSystemPathTreeItem*> stack(item->children.cbegin(), item->children.cend());
    item->children.clear();
    while (!stack.isEmpty()) {
        FileSystemPathTreeItem* next = stack.takeLast();
        stack.append(next->children);
        delete next;
    }
}

FileSystemPathTreeItem* FileSystemPathTreeModel::itemOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<FileSystemPathTreeItem*>(index.internalPointer()) : root_.get();
}

QModelIndex FileSystemPathTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    FileSystemPathTreeItem* parentItem = itemOf(parent);
    if (row >= parentItem->children.size() || !parentItem->children[row])
        return {};
    return createIndex(row, column, parentItem->children[row]);
}

QModelIndex FileSystemPathTreeModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    FileSystemPathTreeItem* parentItem = itemOf(index)->parent;
    if (!parentItem || parentItem == root_.get())
        return {};
    return createIndex(parentItem->row, 0, parentItem);
}

int FileSystemPathTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return itemOf(parent)->children.size();
}

int FileSystemPathTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant FileSystemPathTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const FileSystemPathTreeItem* item = itemOf(index);
    const FileTreeNode* node = item->node;
    const DocumentInfo* doc = node ? node->record : nullptr;
    // Flags and counts change in place on the model thread: atomic loads only.
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: {
        if (!doc)
            return QString();
        const QString name = DocumentInfo::fileName(doc);
        return doc->typeCode == PlainFolder || role == NameRole ? name : translateDisplayName(name);
    }
    case CheckStateRole:
        return doc ? int(doc->checkState(doc->inSearchMode())) : 0;
    case PathRole:
        return FileTreeNode::documentPath(node);
    case TypeCodeRole:
        return !node ? 0 : doc ? int(doc->typeCode) : int(OtherFile);
    case CountRole:
        if (!node)
            return 0;
        return doc && (doc->loadFlags() & DocumentInfo::FilterEvaluatedBit) ? node->loadPassingCount()
                                                                           : node->loadFileCount();
    case ViewModeRole:
        return doc ? int(doc->level()) : 0;
    case TopLevelRole:
        return item->parent == root_.get();
    case FilteredCountRole:
        return node ? node->loadPassingCount() : 0;
    case FilterPassRole:
        if (item == pathRoot_ || item == typeRoot_)
            return true;
        return doc ? doc->passesFilter() : false;
    default:
        return {};
    }
}

Qt::ItemFlags FileSystemPathTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

QVariant FileSystemPathTreeModel::headerData(int, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return QString();
    return {};
}

QModelIndex FileSystemPathTreeModel::indexForPath(const QString& path) const
{
    if (!pathRoot_)
        return {};
    QVector<FileSystemPathTreeItem*> stack{root_.get()};
    while (!stack.isEmpty()) {
        FileSystemPathTreeItem* item = stack.takeLast();
        if (!item)
            continue;
        const QString itemPath = item == root_.get() ? QString() : FileTreeNode::documentPath(item->node);
        if (itemPath == path)
            return item == root_.get() ? QModelIndex() : createIndex(item->row, 0, item);
        stack.append(item->children);
    }
    return {};
}

FileSystemPathTreeItem* FileSystemPathTreeModel::itemForNode(const FileTreeNode* node) const
{
    return items_.value(node, nullptr);
}

QModelIndex FileSystemPathTreeModel::indexForNode(const FileTreeNode* node) const
{
    FileSystemPathTreeItem* item = itemForNode(node);
    return item ? createIndex(item->row, 0, item) : QModelIndex();
}

void FileSystemPathTreeModel::addRoots()
{
    if (pathRoot_)
        return;
    FileTreeNode* pathNode = manager_->pathTreeRootLocked();
    FileTreeNode* typeNode = manager_->typeTreeRootLocked();
    if (!pathNode || !typeNode)
        return;
    beginInsertRows(QModelIndex(), 0, 1);
    for (FileTreeNode* node : {pathNode, typeNode}) {
        auto* item = new FileSystemPathTreeItem{root_.get(), node, {}, int(root_->children.size())};
        root_->children.append(item);
        items_.insert(node, item);
        node->viewSlot = item;
    }
    pathRoot_ = root_->children[0];
    typeRoot_ = root_->children[1];
    endInsertRows();
}

FileSystemPathTreeItem* FileSystemPathTreeModel::stage(
    FileTreeNode* node, QVector<FileSystemPathTreeItem*>& order,
    QHash<FileSystemPathTreeItem*, QVector<FileSystemPathTreeItem*>>& staged)
{
    if (FileSystemPathTreeItem* known = items_.value(node, nullptr))
        return known;
    // The chain of missing ancestors, nearest first; a node whose ancestors never
    // reach a shown root is not ours.
    QVector<FileTreeNode*> chain{node};
    FileSystemPathTreeItem* anchor = nullptr;
    for (FileTreeNode* up = node->parent; up; up = up->parent) {
        if ((anchor = items_.value(up, nullptr)))
            break;
        chain.append(up);
    }
    if (!anchor)
        return nullptr;
    for (int i = chain.size() - 1; i >= 0; --i) {
        auto* item = new FileSystemPathTreeItem{anchor, chain[i], {}, 0};
        items_.insert(chain[i], item);
        chain[i]->viewSlot = item;
        auto it = staged.find(anchor);
        if (it == staged.end()) {
            order.append(anchor);
            it = staged.insert(anchor, {});
        }
        it->append(item);
        anchor = item;
    }
    return anchor;
}

void FileSystemPathTreeModel::announce(const QVector<FileSystemPathTreeItem*>& order,
                                       QHash<FileSystemPathTreeItem*, QVector<FileSystemPathTreeItem*>>& staged)
{
    // A parent staged in this batch is always announced before its own children.
    for (FileSystemPathTreeItem* parentItem : order) {
        const QVector<FileSystemPathTreeItem*>& kids = staged[parentItem];
        const int first = parentItem->children.size();
        const QModelIndex parentIndex =
            parentItem == root_.get() ? QModelIndex() : createIndex(parentItem->row, 0, parentItem);
        beginInsertRows(parentIndex, first, first + kids.size() - 1);
        for (FileSystemPathTreeItem* kid : kids) {
            kid->row = parentItem->children.size();
            parentItem->children.append(kid);
        }
        endInsertRows();
    }
}

void FileSystemPathTreeModel::onNodesCreated(const QVector<FileTreeNode*>& nodes)
{
    addRoots();
    if (!pathRoot_)
        return;
    QVector<FileSystemPathTreeItem*> order;
    QHash<FileSystemPathTreeItem*, QVector<FileSystemPathTreeItem*>> staged;
    for (FileTreeNode* node : nodes) {
        if (node)
            stage(node, order, staged);
    }
    announce(order, staged);
}

void FileSystemPathTreeModel::onNodeChanged(FileTreeNode* node)
{
    const QModelIndex index = indexForNode(node);
    if (index.isValid())
        emit dataChanged(index, index, {FilterPassRole});
}

void FileSystemPathTreeModel::addExistingNodes()
{
    std::shared_lock lock(manager_->treeLock());
    addRoots();
    if (!pathRoot_)
        return;
    // Depth first, parents before children, so each batch insert has its parent shown.
    QVector<FileTreeNode*> found;
    QVector<FileTreeNode*> stack{pathRoot_->node, typeRoot_->node};
    while (!stack.isEmpty()) {
        FileTreeNode* node = stack.takeLast();
        found.append(node);
        const QVector<FileTreeNode*> children = manager_->childFolderNodesLocked(node);
        for (int i = children.size() - 1; i >= 0; --i)
            stack.append(children[i]);
    }
    onNodesCreated(found);
}
