#include "FileBrowserProxyModel.h"

#include "FileBrowserModel.h"

FileBrowserProxyModel::FileBrowserProxyModel(QObject* parent) : QSortFilterProxyModel(parent) {}

bool FileBrowserProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!filterEnabled_)
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return sourceModel()->data(index, FileBrowserModel::FilterPassRole).toInt() != 0;
}
