#pragma once
#include "DocumentInfo.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>

// One immutable set of filter criteria. The setters build a new one and swap it
// in; a task or a new record reads one snapshot, never a half-written one.
struct FilterCriteria {
    quint32 typeMask = 0;
    QStringList extensions;
    qint32 datePreset = 0;
    qint64 dateFrom = -1;
    qint64 dateTo = -1;
    qint32 sizePreset = 0;
    qint64 sizeMin = -1;
    qint64 sizeMax = -1;
    quint32 exclusionFlags = 0;
    bool deletedOnly = false;
    bool active = false;

    // wholeDiskScan: the display path's second component is the volume display folder.
    bool passes(const DocumentInfo* record, bool wholeDiskScan) const;
};

class FileFilterManager : public QObject {
    Q_OBJECT
public:
    static FileFilterManager* instance();
    explicit FileFilterManager(QObject* parent = nullptr);

    bool isFilterActive() const;
    void setFileTypeFilter(quint32 mask, const QStringList& extensions);
    void setFileStateFilter(bool deletedOnly);
    void setModifiedDateFilter(int preset, qint64 from, qint64 to);
    void setFileSizeFilter(int preset, qint64 minimum, qint64 maximum);
    void setExclusionFlags(quint32 flags);
    void resetFilters(bool notify);
    bool passesFilter(const DocumentInfo* record) const;

    std::shared_ptr<const FilterCriteria> criteria() const;
    // The date presets' "now" (tests inject one).
    void setClock(std::function<QDateTime()> clock);

signals:
    void filterOptionsChanged();

private:
    template<typename Change>
    void update(Change change);

    mutable std::mutex mutex_;
    std::shared_ptr<const FilterCriteria> criteria_;
    std::function<QDateTime()> clock_;
};
