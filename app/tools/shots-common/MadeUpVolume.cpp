#include "MadeUpVolume.h"

QDiskAndVolumeInfo madeUpVolume(const QString& name, const QString& letter, const QString& fileSystem,
                                double totalGiB, double freeGiB, quint64 disk, quint64 index)
{
    QDiskAndVolumeInfo record;
    record.displayName = name;
    record.volumeLetter = letter;
    record.fileSystem = fileSystem;
    record.volumePath = QStringLiteral("/dev/disk%1").arg(disk);
    record.partitionStart = index << 20;
    record.totalBytes = quint64(totalGiB * (1ull << 30));
    record.freeBytes = quint64(freeGiB * (1ull << 30));
    record.totalSizeText = QStringLiteral("%1 GB").arg(totalGiB, 0, 'f', 2);
    record.freeSizeText = QStringLiteral("%1 GB").arg(freeGiB, 0, 'f', 2);
    record.diskIndex = disk;
    record.volIndex = index;
    return record;
}
