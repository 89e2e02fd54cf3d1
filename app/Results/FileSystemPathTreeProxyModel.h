#pragma once
#include <QSortFilterProxyModel>

// Shows one of the two trees (1 folder view, 2 type view), hides rows that fail
// the filter (with their subtrees) and keeps rows in kind, then natural order.
class FileSystemPathTreeProxyModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit FileSystemPathTreeProxyModel(QObject* parent = nullptr);
    void setViewMode(int mode) { viewMode_ = mode; }
    int viewMode() const { return viewMode_; }

    static int nodeKindRank(quint8 kind);
    static bool naturalLessThan(const QString& a, const QString& b);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    int viewMode_ = 1;
};
