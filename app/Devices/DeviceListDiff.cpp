#include "DeviceListDiff.h"

#include <QHash>
#include <QPair>

bool deviceListChanged(const QVector<QDiskAndVolumeInfo>& previous, const QVector<QDiskAndVolumeInfo>& current)
{
    if (previous.size() != current.size())
        return true;
    using Key = QPair<QString, quint64>;
    QHash<Key, const QDiskAndVolumeInfo*> known;
    for (const QDiskAndVolumeInfo& record : previous)
        known.insert({record.volumePath, record.partitionStart}, &record);
    if (known.size() != previous.size())
        return true;  // a key twice: compare no further, rebuild
    for (const QDiskAndVolumeInfo& record : current) {
        const auto* before = known.value({record.volumePath, record.partitionStart});
        if (!before || before->volumeLetter != record.volumeLetter || before->diskIndex != record.diskIndex)
            return true;
    }
    return false;
}
