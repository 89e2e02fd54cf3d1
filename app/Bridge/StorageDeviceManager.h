#pragma once
#include "QDiskAndVolumeInfo.h"

#include <QString>
#include <QVector>

#include <functional>
#include <mutex>
#include <vector>

struct DiskAndVolumeInfo;

// The program's door to the engine's device listing: starts the engine's log,
// loads, converts, names and caches the disks and volumes.
class StorageDeviceManager {
public:
    static StorageDeviceManager& instance();

    // Reloads the list on Qt's global pool while a local event loop runs on the
    // calling thread; the result also becomes the cache.
    QVector<QDiskAndVolumeInfo> refreshDiskList();
    QVector<QDiskAndVolumeInfo> diskList() const;
    // One load from the engine, unsorted, uncached.
    QVector<QDiskAndVolumeInfo> loadDiskList();
    static void sortDiskList(QVector<QDiskAndVolumeInfo>& list);
    static void fillStorageFigures(QDiskAndVolumeInfo& record);
    // Display text of the listed volume that holds path ("Label (sdb1)").
    QString driveDisplayName(const QString& path) const;

    // Tests replace the engine's listing.
    using Lister = std::function<std::vector<DiskAndVolumeInfo>()>;
    void setLister(Lister lister);
    // Sets the cache without the engine (tests).
    void setCachedList(const QVector<QDiskAndVolumeInfo>& list);

private:
    StorageDeviceManager();
    QVector<QDiskAndVolumeInfo> refreshTask();

    mutable std::mutex mutex_;
    QVector<QDiskAndVolumeInfo> cache_;
    Lister lister_;
};

QDiskAndVolumeInfo toQDiskAndVolumeInfo(const DiskAndVolumeInfo& record);
// The display name for the device list, in English ("Data (sdb1)").
QString volumeDisplayName(const QDiskAndVolumeInfo& record);
// A display name in the current language, number and bracketed part kept.
QString translateDisplayName(const QString& name);
