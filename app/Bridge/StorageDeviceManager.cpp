#include "StorageDeviceManager.h"

#include "CuteSettings.h"
#include "GaService.h"
#include "NameTable.h"
#include "ScanTarget.h"
#include "SizeText.h"
#include "ThreadHandOver.h"
#include "spdlog_qt.h"

#include "DataRecovery/VelmoraExports.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QRegularExpression>
#include <QStorageInfo>

#include <algorithm>

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), int(text.size()));
}

bool isMountPath(const QString& letter)
{
    return letter.startsWith(QLatin1Char('/'));
}

} // namespace

StorageDeviceManager& StorageDeviceManager::instance()
{
    static StorageDeviceManager manager;
    return manager;
}

StorageDeviceManager::StorageDeviceManager()
{
    const std::wstring folder = CuteSettings::logDirectory().toStdWString();
    InitVelmoraW(folder.c_str(), L"ostrel_windows_data.log");
}

void StorageDeviceManager::setLister(Lister lister)
{
    std::lock_guard lock(mutex_);
    lister_ = std::move(lister);
}

void StorageDeviceManager::setCachedList(const QVector<QDiskAndVolumeInfo>& list)
{
    std::lock_guard lock(mutex_);
    cache_ = list;
}

QDiskAndVolumeInfo toQDiskAndVolumeInfo(const DiskAndVolumeInfo& record)
{
    QDiskAndVolumeInfo info;
    info.diskName = fromUtf8(record.diskName).trimmed();
    info.diskModel = fromUtf8(record.diskModel).trimmed();
    info.volumeLetter = fromUtf8(record.volumeLetter);
    info.volumeLetter.remove(QLatin1Char('\\'));
    // A mount path ends in "/" as a drive root ends in "\"; the record drops that
    // one separator ("/" itself stays) and the conversion back restores it.
    if (info.volumeLetter.size() > 1 && info.volumeLetter.endsWith(QLatin1Char('/')))
        info.volumeLetter.chop(1);
    info.label = fromUtf8(record.label);
    info.volumePath = fromUtf8(record.volumePath);
    info.fileSystem = fromUtf8(record.fileSystem);
    info.partitionStart = record.startOffset;
    info.partitionEnd = record.endOffset;
    info.deviceSize = record.deviceSize;
    info.category = record.volumeKind;
    info.bitLockerStatus = record.bitLockerStatus;
    info.diskIndex = record.diskIndex;
    info.volIndex = record.volIndex;
    info.isExternal = record.isExternal;
    info.isSystem = record.isSystem;
    info.isRemovable = record.isRemovable;
    info.isUnreadable = record.isUnreadable;
    return info;
}

QString volumeDisplayName(const QDiskAndVolumeInfo& record)
{
    switch (record.category) {
    case LostPartitionCategory: return QStringLiteral("Lost Partition - ") + record.volumeLetter;
    case UnmountedPartitionCategory: return QStringLiteral("Unmounted Partition - ") + record.volumeLetter;
    case UnallocatedCategory: return QStringLiteral("Unallocated Partition - ") + record.volumeLetter;
    default: break;
    }
    QString name = record.label;
    if (name.isEmpty())
        name = record.isExternal ? QStringLiteral("USB Drive")
                                 : record.isSystem ? QStringLiteral("System Disk") : QStringLiteral("Local Drives");
    // The kernel name, never the mount path: no display component may hold "/".
    return QStringLiteral("%1 (%2)").arg(name, volumeKernelName(record));
}

void StorageDeviceManager::fillStorageFigures(QDiskAndVolumeInfo& record)
{
    record.freeBytesUnknown = true;
    if (isMountPath(record.volumeLetter)) {
        QStorageInfo storage(record.volumeLetter);
        if (storage.isValid() && storage.isReady()) {
            record.freeBytes = quint64(qMax<qint64>(0, storage.bytesFree()));
            record.availableBytes = quint64(qMax<qint64>(0, storage.bytesAvailable()));
            record.freeBytesUnknown = false;
        }
    }
    record.totalBytes = record.partitionEnd >= record.partitionStart ? record.partitionEnd - record.partitionStart : 0;
    record.freeSizeText = formatFileSize(record.freeBytes, 2, false);
    record.totalSizeText = formatFileSize(record.totalBytes, 2, false);
    record.availableSizeText = formatFileSize(record.availableBytes, 2, false);
}

QVector<QDiskAndVolumeInfo> StorageDeviceManager::loadDiskList()
{
    QElapsedTimer timer;
    timer.start();
    QVector<QDiskAndVolumeInfo> list;
    try {
        Lister lister;
        {
            std::lock_guard lock(mutex_);
            lister = lister_;
        }
        const std::vector<DiskAndVolumeInfo> records = lister ? lister() : GetLocalDiskAndVolumeInfo();
        list.reserve(int(records.size()));
        for (const DiskAndVolumeInfo& record : records) {
            QDiskAndVolumeInfo info = toQDiskAndVolumeInfo(record);
            if (info.volumeLetter.isEmpty())
                continue;
            info.displayName = volumeDisplayName(info);
            fillStorageFigures(info);
            list.append(info);
        }
    } catch (...) {
        logError("call GetLocalDiskAndVolumeInfo try catch");
        return {};
    }
    sendGaEvent(QStringLiteral("OtherInformation"), QStringLiteral("DiskListLoad"),
                QString::number(double(timer.elapsed()) / 1000.0, 'f', 3), QString());
    return list;
}

void StorageDeviceManager::sortDiskList(QVector<QDiskAndVolumeInfo>& list)
{
    auto externals = std::partition(list.begin(), list.end(), [](const QDiskAndVolumeInfo& r) { return !r.isExternal; });
    auto byLetter = [](const QDiskAndVolumeInfo& a, const QDiskAndVolumeInfo& b) { return a.volumeLetter < b.volumeLetter; };
    std::sort(list.begin(), externals, byLetter);
    std::sort(externals, list.end(), byLetter);
}

QVector<QDiskAndVolumeInfo> StorageDeviceManager::refreshTask()
{
    logInfo("========== Refresh Disk info Start ==========");
    QVector<QDiskAndVolumeInfo> list = loadDiskList();
    sortDiskList(list);
    for (const QDiskAndVolumeInfo& record : list) {
        logInfo(QStringLiteral("Volume: %1, disk %2, volume %3, %4, %5")
                    .arg(record.displayName)
                    .arg(record.diskIndex)
                    .arg(record.volIndex)
                    .arg(record.fileSystem, record.totalSizeText));
    }
    {
        // Two refreshes at once: each caller gets its own list; the one that
        // finished last stays in the cache.
        std::lock_guard lock(mutex_);
        cache_ = list;
    }
    logInfo("========== Refresh Disk info End ==========");
    return list;
}

QVector<QDiskAndVolumeInfo> StorageDeviceManager::refreshDiskList()
{
    QFutureWatcher<QVector<QDiskAndVolumeInfo>> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(ThreadHandOver::Run([this] { return refreshTask(); }));
    if (!watcher.isFinished())
        loop.exec();
    return ThreadHandOver::Result(watcher.future());
}

QVector<QDiskAndVolumeInfo> StorageDeviceManager::diskList() const
{
    std::lock_guard lock(mutex_);
    return cache_;
}

QString StorageDeviceManager::driveDisplayName(const QString& path) const
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QVector<QDiskAndVolumeInfo> list = diskList();
    const int owner = owningVolumeIndex(clean, list);
    if (owner >= 0)
        return list[owner].displayName;
    QStorageInfo storage(clean);
    const QString name = storage.isValid() && !storage.name().isEmpty() ? storage.name() : QStringLiteral("Local Drives");
    QString device = QString::fromLocal8Bit(storage.device());
    device = device.mid(device.lastIndexOf(QLatin1Char('/')) + 1);
    return QStringLiteral("%1 (%2)").arg(name, device.isEmpty() ? QStringLiteral("?") : device);
}

QString translateDisplayName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*([^()]+?)(?:\\s*-\\s*(\\d+))?\\s*(?:\\((.*?)\\))?\\s*$"));
    const auto table = nameTableSnapshot();
    if (!table || !table->filled) {
        qDebug() << "Translation table not initialized!";
        return name;
    }
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) {
        const QString whole = table->translatedByName.value(name);
        return whole.isEmpty() ? name : whole;
    }
    const QString base = match.captured(1).trimmed();
    const QString number = match.captured(2).trimmed();
    const QString extra = match.captured(3).trimmed();
    QString result = table->translatedByName.value(base);
    if (result.isEmpty())
        result = base;
    if (!number.isEmpty())
        result = QStringLiteral("%1 - %2").arg(result, number);
    if (!extra.isEmpty())
        result += QStringLiteral(" (%1)").arg(extra);
    return result;
}
