#include "ScanTarget.h"

#include "NodeTypeCode.h"

#include "DataRecovery/DataRecoveryInfo.h"
#include "DataRecovery/DiskAndVolumeInfo.h"

#include <QDir>
#include <QFileInfo>

QString volumeKernelName(const QDiskAndVolumeInfo& record)
{
    if (record.volumeLetter.startsWith(QLatin1Char('/'))) {
        const QString node = record.volumePath.mid(record.volumePath.lastIndexOf(QLatin1Char('/')) + 1);
        if (!node.isEmpty())
            return node;
    }
    return record.volumeLetter;
}

bool isNumberedVolume(const QDiskAndVolumeInfo& record)
{
    return record.category == LostPartitionCategory || record.category == UnmountedPartitionCategory
           || record.category == UnallocatedCategory;
}

QString volumeDistinctName(const QDiskAndVolumeInfo& record)
{
    // The engine's placeholder for a partition whose file system it could not name is no label.
    QString name = record.label == QLatin1String("UnknowPartition") ? QString() : record.label.trimmed();
    if (name.isEmpty())
        name = QFileInfo(record.volumePath.isEmpty() ? record.diskName : record.volumePath).fileName();
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return name;
}

QString diskKindText(quint32 category)
{
    switch (category) {
    case HardDiskCategory: return QStringLiteral("HDD");
    case SolidStateCategory: return QStringLiteral("SSD");
    case UsbDiskCategory: return QStringLiteral("USB");
    case LostPartitionCategory: return QStringLiteral("Lost");
    default: return QStringLiteral("Unknown");
    }
}

QString deviceTypeLogWord(quint32 deviceType)
{
    switch (deviceType) {
    case Volume: return QStringLiteral("Disk");
    case Folder: return QStringLiteral("Path");
    case Desktop: return QStringLiteral("Desktop");
    case RecycleBin: return QStringLiteral("RecycleBin");
    case WholeDisk: return QStringLiteral("WholeDisk");
    default: return QStringLiteral("Disk");
    }
}

ScanTargetInfo fillScanTarget(quint32 deviceType, const QDiskAndVolumeInfo& record, const QStringList& paths)
{
    ScanTargetInfo target;
    target.volumeLetter = record.volumeLetter;
    target.diskIndex = record.diskIndex;
    target.volIndex = record.volIndex;
    target.diskKind = diskKindText(record.category);
    target.deviceType = deviceType;
    switch (deviceType) {
    case Folder: {
        target.nodeTypeCode = PlainFolder;
        const QString first = paths.value(0);
        target.name = first.isEmpty() ? QString() : QFileInfo(QDir::cleanPath(first)).fileName();
        if (target.name.isEmpty())
            target.name = volumeKernelName(record);
        break;
    }
    case Desktop:
        target.nodeTypeCode = DesktopFolder;
        target.name = QStringLiteral("Desktop");
        target.volumeLetter = volumeKernelName(record);
        break;
    case RecycleBin:
        target.nodeTypeCode = RecycleBinFolder;
        target.name = QStringLiteral("Recycle Bin");
        break;
    case WholeDisk:
        target.nodeTypeCode = record.isExternal ? ExternalDisk : LocalDisk;
        target.name = record.diskModel;
        break;
    case Volume:
        target.name = record.displayName;
        switch (record.category) {
        case LostPartitionCategory: target.nodeTypeCode = record.isExternal ? ExternalLostPartition : LostPartition; break;
        case UnmountedPartitionCategory:
            target.nodeTypeCode = record.isExternal ? ExternalUnmountedPartition : UnmountedPartition;
            break;
        case UnallocatedCategory:
            target.nodeTypeCode = record.isExternal ? ExternalUnallocatedPartition : UnallocatedPartition;
            break;
        default:
            target.nodeTypeCode = record.isExternal ? ExternalVolume : record.isSystem ? SystemVolume : LocalVolume;
        }
        break;
    default:
        target.nodeTypeCode = LocalVolume;
        target.name = QStringLiteral("Local Drives");
    }
    return target;
}

DiskAndVolumeInfo toDiskAndVolumeInfo(const QDiskAndVolumeInfo& record)
{
    DiskAndVolumeInfo info;
    info.diskName = record.diskName.toStdString();
    info.diskModel = record.diskModel.toStdString();
    QString letter = record.volumeLetter;
    if (letter.startsWith(QLatin1Char('/')) && !letter.endsWith(QLatin1Char('/')))
        letter += QLatin1Char('/');
    info.volumeLetter = letter.toStdString();
    info.label = record.label.toStdString();
    info.volumePath = record.volumePath.toStdString();
    info.fileSystem = record.fileSystem.toStdString();
    info.startOffset = record.partitionStart;
    info.endOffset = record.partitionEnd;
    info.deviceSize = record.deviceSize;
    info.volumeKind = record.category;
    info.bitLockerStatus = record.bitLockerStatus;
    info.diskIndex = quint8(record.diskIndex);
    info.volIndex = quint8(record.volIndex);
    info.isExternal = record.isExternal;
    info.isSystem = record.isSystem;
    info.isRemovable = record.isRemovable;
    info.isUnreadable = record.isUnreadable;
    return info;
}

std::string diskAndVolumeInfoToString(const DiskAndVolumeInfo& record)
{
    auto flag = [](bool on) { return on ? "true" : "false"; };
    return "DiskAndVolumeInfo{diskName=" + record.diskName + ", volumeLetter=" + record.volumeLetter
           + ", label=" + record.label + ", deviceSize=" + std::to_string(record.deviceSize)
           + ", diskIndex=" + std::to_string(record.diskIndex) + ", volIndex=" + std::to_string(record.volIndex)
           + ", isExternal=" + flag(record.isExternal) + ", isSystem=" + flag(record.isSystem)
           + ", isRemovable=" + flag(record.isRemovable) + ", fileSystem=" + record.fileSystem + "}";
}

int owningVolumeIndex(const QString& cleanPath, const QVector<QDiskAndVolumeInfo>& listed)
{
    int best = -1;
    for (int i = 0; i < listed.size(); ++i) {
        const QString& mount = listed[i].volumeLetter;
        if (!mount.startsWith(QLatin1Char('/')))
            continue;
        const bool holds =
            mount == QLatin1String("/") || cleanPath == mount || cleanPath.startsWith(mount + QLatin1Char('/'));
        if (holds && (best < 0 || mount.size() > listed[best].volumeLetter.size()))
            best = i;
    }
    return best;
}

void resolvePathRows(const QStringList& paths, const QVector<QDiskAndVolumeInfo>& listed,
                     QVector<QDiskAndVolumeInfo>* kept, std::vector<ScanPathInfo>* rows)
{
    // "/" also prefixes "/media/usb", but the engine would fail on the volume
    // that does not hold the path: only the longest match keeps it.
    QVector<int> owners;
    for (const QString& path : paths)
        owners.append(owningVolumeIndex(QDir::cleanPath(path), listed));
    for (int i = 0; i < listed.size(); ++i) {
        if (!owners.contains(i))
            continue;
        kept->append(listed[i]);
        for (int p = 0; p < paths.size(); ++p) {
            if (owners[p] == i)
                rows->push_back({quint8(listed[i].diskIndex), quint8(listed[i].volIndex), paths[p].toStdString()});
        }
    }
}
