#pragma once
#include "FileTreeNode.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QVector>

#include <memory>

class DocumentManager;

// The model's own node: one per shown FileTreeNode. Rows are only ever
// appended, so each item keeps its row.
struct FileSystemPathTreeItem {
    FileSystemPathTreeItem* parent = nullptr;
    FileTreeNode* node = nullptr;
    QVector<FileSystemPathTreeItem*> children;
    int row = 0;
};

// Both found-file trees (folder view and type view) in one model; the proxy
// shows one of them. Items appear as the model thread reports nodes, in one
// insert per parent per batch.
class FileSystemPathTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role {
        CheckStateRole = Qt::UserRole + 1,
        PathRole = Qt::UserRole + 2,
        TypeCodeRole = Qt::UserRole + 3,
        CountRole = Qt::UserRole + 8,
        ViewModeRole = Qt::UserRole + 10,
        NameRole = Qt::UserRole + 11,
        TopLevelRole = Qt::UserRole + 12,
        FilteredCountRole = Qt::UserRole + 13,
        FilterPassRole = Qt::UserRole + 14,
    };

    explicit FileSystemPathTreeModel(DocumentManager* manager, QObject* parent = nullptr);
    ~FileSystemPathTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    QModelIndex indexForPath(const QString& path) const;
    QModelIndex indexForNode(const FileTreeNode* node) const;
    FileSystemPathTreeItem* itemForNode(const FileTreeNode* node) const;
    bool isEmpty() const { return !pathRoot_; }

    // Caller holds the tree lock shared and the nodes are of the live generation.
    void onNodeCreated(FileTreeNode* node) { onNodesCreated({node}); }
    void onNodesCreated(const QVector<FileTreeNode*>& nodes);
    void onNodeChanged(FileTreeNode* node);
    // Adds the roots when they were missing and every node not shown yet, depth
    // first: the catch-up after the observer is registered.
    void addExistingNodes();

private:
    FileSystemPathTreeItem* stage(FileTreeNode* node, QVector<FileSystemPathTreeItem*>& order,
                                  QHash<FileSystemPathTreeItem*, QVector<FileSystemPathTreeItem*>>& staged);
    void announce(const QVector<FileSystemPathTreeItem*>& order,
                  QHash<FileSystemPathTreeItem*, QVector<FileSystemPathTreeItem*>>& staged);
    void addRoots();
    FileSystemPathTreeItem* itemOf(const QModelIndex& index) const;
    void freeItems(FileSystemPathTreeItem* item);

    DocumentManager* manager_;
    std::unique_ptr<FileSystemPathTreeItem> root_;
    FileSystemPathTreeItem* pathRoot_ = nullptr;
    FileSystemPathTreeItem* typeRoot_ = nullptr;
    // Authoritative node-to-item map; the node's view slot is written for callers only.
    QHash<const FileTreeNode*, FileSystemPathTreeItem*> items_;
};
