#include "DocumentManagerPrivate.h"

#include "RecoveryFailureTable.h"
#include "RemainingTime.h"

#include "spdlog_qt.h"

#include <QStringList>

#include <cmath>

void DocumentManagerPrivate::processEvent(const EngineEventItem& item)
{
    switch (item.kind()) {
    case 0:
    case 1:
    case 2:
        processProgress(item);
        break;
    case 3:
        processFinished();
        break;
    case 4:
        processFailure(item);
        break;
    case 8:
    case 9:
    case 10:
    case 11:
        addFoundFile(item);
        if (double(item.fileSize()) > 107374182400.0) {
            logError(QStringLiteral("Abnormal file size detected (Path: %1, Size: %2 GB)")
                         .arg(item.path)
                         .arg(double(item.fileSize()) / 1073741824.0, 0, 'f', 2));
        }
        break;
    default:
        break;
    }
}

void DocumentManagerPrivate::processProgress(const EngineEventItem& item)
{
    const double percent = item.progress() * 100.0;
    qint64 queued;
    {
        std::lock_guard lock(queueMutex);
        queued = qint64(events.size());
    }
    quint64 found = 0;
    {
        std::shared_lock lock(treeLock);
        if (folderRoot)
            found = folderRoot->fileCount;
    }
    QString text = estimateRemainingTime(percent, elapsedMs(), queued, found);
    // At 99 % with events queued and no file yet there is no estimate: repeat the last text.
    if (text.isEmpty())
        text = lastRemainingText.isEmpty() ? QStringLiteral("00:00:01") : lastRemainingText;
    lastRemainingText = text;
    scanPercent.store(std::isfinite(percent) && percent > 0 ? quint64(qMin(percent, 1e18)) : 0);
    const int shown = std::isfinite(percent) ? int(qBound(-1e9, std::round(percent), 99.0)) : 0;
    emit owner->progressUpdated(int(item.kind()), shown, text);
}

QString DocumentManagerPrivate::failedVolumeDescription(int* count)
{
    DocumentManager::VolumeNameResolver resolver;
    {
        std::lock_guard lock(hooksMutex);
        resolver = volumeNameResolver;
    }
    std::map<quint64, QString> names;
    {
        std::lock_guard lock(queueMutex);
        *count = int(failedVolumes.size());
        names = failedVolumeNames;
        failedVolumes.clear();
        failedVolumeNames.clear();
    }
    QStringList parts;
    for (const auto& [key, fallback] : names) {
        const QString name = resolver ? resolver(key, fallback) : fallback;
        if (!name.isEmpty())
            parts.append(name);
    }
    return parts.join(DocumentManager::tr(", "));
}

void DocumentManagerPrivate::finishScan(bool completed)
{
    int count = 0;
    const QString description = failedVolumeDescription(&count);
    if (completed) {
        std::lock_guard lock(queueMutex);
        queuedBytes = 0;
        events.clear();
    }
    owner->postTask(DocumentManager::SqueezeAlltree, [this] { owner->compactTrees(); });
    DocumentManager::ScanStatisticsSender sender;
    {
        std::lock_guard lock(hooksMutex);
        sender = statisticsSender;
    }
    if (sender) {
        quint64 bytes = 0, files = 0;
        {
            std::shared_lock lock(treeLock);
            if (folderRoot) {
                bytes = quint64(folderRoot->record->size);
                files = folderRoot->fileCount;
            }
        }
        sender(completed && count == 0, double(elapsedMs()) / 60000.0, scanPercent.load(), bytes, files);
    }
    emit owner->scanFinished(completed ? (count != 0 ? 1 : 0) : 1, description, count);
}

void DocumentManagerPrivate::processFinished()
{
    int expected = state.load();
    do {
        if (expected >= DocumentManager::ScanStopped)
            return;
    } while (!state.compare_exchange_weak(expected, DocumentManager::ScanDone));
    finishScan(true);
}

void DocumentManagerPrivate::processFailure(const EngineEventItem& item)
{
    const quint32 code = item.resultCode();
    {
        // Every failure counts, not only disk errors: a volume the engine could not scan
        // must not end in a scan reported as a success.
        std::lock_guard lock(queueMutex);
        failedVolumes[item.volumeKey()] = int(code);
        failedVolumeNames[item.volumeKey()] = item.volumeName;
    }
    int flags = 0;
    if (code == 8)
        flags = DocumentManager::DISK_ERROR;
    else if (RecoveryFailureTable::isTargetDiskError(int(code)))
        flags = DocumentManager::DISK_ERROR | DocumentManager::STOP_RECOVERY;
    logError(QStringLiteral("[EVENT=SCAN_FAILED] [DISK=%1] [VOL=%2] [CODE=%3] [FLAGS=%4]")
                 .arg(item.diskIndex())
                 .arg(item.volumeIndex())
                 .arg(code)
                 .arg(flags));
}
