#pragma once
#include <QSortFilterProxyModel>

// Hides the rows whose record fails the active filter; never reorders.
class FileBrowserProxyModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit FileBrowserProxyModel(QObject* parent = nullptr);
    // Written before a filtered list is shown; the write alone re-filters nothing.
    void setFilterEnabled(bool enabled) { filterEnabled_ = enabled; }
    bool filterEnabled() const { return filterEnabled_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    bool filterEnabled_ = false;
};
