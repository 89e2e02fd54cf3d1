#pragma once
#include <QModelIndex>
#include <QWidget>

#include <memory>

class DocumentManager;
class FileSystemPathTreeModel;
class FileSystemPathTreeProxyModel;
class FileSystemPathTreeDelegate;
class XTreeView;
struct FileTreeNode;

// The folder tree of the results page: one model for both found-file trees, a
// proxy showing one of them, and the row delegate, inside a toolkit tree view.
class FileSystemPathTreeView : public QWidget {
    Q_OBJECT
public:
    explicit FileSystemPathTreeView(DocumentManager* manager, QWidget* parent = nullptr);
    ~FileSystemPathTreeView() override;

    void activateIndex(const QModelIndex& proxyIndex, bool emitSignal);
    void selectPath(const QString& path, bool emitSignal);
    // item: the model item of a found node (FileSystemPathTreeModel::itemForNode), or null.
    void selectItem(void* item, bool emitSignal);
    void setViewMode(int mode);
    int viewMode() const;
    void refilter();
    void collapseAllAndClear();
    QString currentPath() const;
    void freeze();
    void repaintTree();

    FileSystemPathTreeModel* model() const;
    FileSystemPathTreeProxyModel* proxy() const;
    XTreeView* treeView() const;
    FileSystemPathTreeDelegate* delegate() const;

signals:
    void itemSelectedChanged(int category, QString nodePath);
    // A row's check box was clicked: the new state for the node at path in the given view.
    void nodeCheckStateRequested(QString path, int state, int viewMode);

private:
    void onItemCheckStateToggled(const QModelIndex& proxyIndex);

    struct Private;
    std::unique_ptr<Private> d;
};
