#include "FileSystemPathTreeProxyModel.h"

#include "FileSystemPathTreeModel.h"
#include "NaturalOrder.h"

FileSystemPathTreeProxyModel::FileSystemPathTreeProxyModel(QObject* parent) : QSortFilterProxyModel(parent) {}

int FileSystemPathTreeProxyModel::nodeKindRank(quint8 kind)
{
    return ::nodeKindRank(kind);
}

bool FileSystemPathTreeProxyModel::naturalLessThan(const QString& a, const QString& b)
{
    return ::naturalLessThan(a, b);
}

bool FileSystemPathTreeProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return index.data(FileSystemPathTreeModel::ViewModeRole).toInt() == viewMode_
           && index.data(FileSystemPathTreeModel::FilterPassRole).toBool();
}

bool FileSystemPathTreeProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    auto isPathRoot = [](const QModelIndex& i) { return i.row() == 0 && !i.parent().isValid(); };
    const bool leftRoot = isPathRoot(left);
    const bool rightRoot = isPathRoot(right);
    if (leftRoot != rightRoot)
        return leftRoot;
    const quint8 a = quint8(left.data(FileSystemPathTreeModel::TypeCodeRole).toInt());
    const quint8 b = quint8(right.data(FileSystemPathTreeModel::TypeCodeRole).toInt());
    auto typeFolder = [](quint8 code) { return code >= 19 && code <= 27; };
    if (typeFolder(a) && typeFolder(b))
        return a < b;
    if ((a <= 15) != (b <= 15))
        return a <= 15;
    auto names = [&](int role) {
        return ::naturalLessThan(left.data(role).toString(), right.data(role).toString());
    };
    if (a > 15)
        return names(FileSystemPathTreeModel::NameRole);
    const int oa = ::nodeKindRank(a);
    const int ob = ::nodeKindRank(b);
    if (oa != ob)
        return oa < ob;
    return names(oa == 6 ? FileSystemPathTreeModel::NameRole : FileSystemPathTreeModel::PathRole);
}
