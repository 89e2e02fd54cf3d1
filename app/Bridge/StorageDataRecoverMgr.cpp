#include "StorageDataRecoverMgr.h"

#include "DocumentManager.h"
#include "ScanTarget.h"
#include "StorageDeviceManager.h"
#include "ThreadHandOver.h"

#include "GaService.h"
#include "KeepAwake.h"
#include "SizeText.h"
#include "SystemHelpers.h"
#include "spdlog_qt.h"

#include "DataRecovery/VelmoraExports.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QStandardPaths>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <shared_mutex>
#include <thread>
#include <utility>

namespace {

constexpr int retryLimit = 2;

bool hasRecycleBin(const QDiskAndVolumeInfo& record)
{
    const QString fs = record.fileSystem.toUpper();
    return fs == QLatin1String("NTFS") || fs == QLatin1String("FAT32") || fs == QLatin1String("EXFAT");
}

quint64 volumeKey(quint64 disk, quint64 volume)
{
    return (disk << 32) | volume;
}

} // namespace

class StorageDataRecoverMgr::StorageDataRecoverMgrImpl {
public:
    explicit StorageDataRecoverMgrImpl(StorageDataRecoverMgr* owner) : owner(owner) {}

    StorageDataRecoverMgr* owner;

    // Shared while the engine object is called, exclusive to create or destroy it.
    mutable std::shared_mutex engineLock;
    DataRecoveryMulti* engine = nullptr;
    // Readable without the lock; cleared before a destroy takes the lock, so
    // callers looping on recoveries cannot hold the destroy off.
    std::atomic<bool> engineAlive{false};
    // A scan stop asked while no engine object could take it (one was being
    // built under the exclusive lock): handed over before the scan starts.
    std::atomic<bool> scanStopWanted{false};
    // The engine's run begins by clearing every stop, so a stop asked after
    // the run was let through but before that reset would be lost: it is handed
    // to the engine again at the run's first event, which comes after the reset.
    // runStartMutex orders the stop-wanted check against the stops.
    std::mutex runStartMutex;
    std::atomic<bool> runStarting{false};
    bool stopWhileStarting = false;
    DataRecoveryMulti* startingEngine = nullptr;
    std::atomic<std::shared_ptr<const StorageDataRecoverMgr::TestHooks>> testHooks{
        std::make_shared<const StorageDataRecoverMgr::TestHooks>()};
    // A scan pause asked before the run began: the engine's own start would
    // clear a pause handed to it, so the run is held back until the resume.
    std::mutex pauseMutex;
    std::condition_variable pauseChanged;
    bool scanPauseWanted = false;
    std::vector<DiskAndVolumeInfo> records;
    // The engine's callback reads this immutable snapshot without a lock: the
    // engine calls back even from inside ReleaseDataRecovery.
    std::atomic<std::shared_ptr<const DiskVolumeHash>> diskMap{std::make_shared<const DiskVolumeHash>()};

    // The scan target's own key, for the events that name no volume.
    std::atomic<quint64> scanKey{0};

    mutable std::mutex stateMutex;
    ScanTargetInfo target;
    std::function<void(int)> moduleSwitcher;
    std::function<void()> thumbnailClearer;
    AnalyticsSender analytics;
    int startDelayMs = 500;

    // One start sets up at a time; its scan then runs without this lock.
    std::mutex setupMutex;
    std::mutex startersMutex;
    std::condition_variable startersIdle;
    int runningStarters = 0;

    void send(const QString& category, const QString& action, const QString& label, const QString& value)
    {
        AnalyticsSender sender;
        {
            std::lock_guard lock(stateMutex);
            sender = analytics;
        }
        if (sender)
            sender(category, action, label, value);
        else
            sendGaEvent(category, action, label, value);
    }

    // A scan stop from any thread: marked for the run's check, and for a run
    // let through but not yet begun, kept to be handed over at its first event.
    void noteScanStop()
    {
        std::lock_guard lock(runStartMutex);
        scanStopWanted.store(true);
        if (runStarting.load())
            stopWhileStarting = true;
    }

    void beginRunOrStop(DataRecoveryMulti* running, bool* stopped)
    {
        std::lock_guard lock(runStartMutex);
        *stopped = scanStopWanted.load();
        stopWhileStarting = false;
        startingEngine = running;
        runStarting.store(!*stopped);
    }

    void endRun()
    {
        std::lock_guard lock(runStartMutex);
        runStarting.store(false);
        stopWhileStarting = false;
        startingEngine = nullptr;
    }

    // The run's first event: the engine has cleared its stops, so a stop asked
    // since the check is given again before the engine goes on. The engine is
    // alive: its run holds the engine lock shared. Another thread calls it, as
    // this one may be inside the engine's own lock.
    void handOverStopAtFirstEvent()
    {
        if (!runStarting.load())
            return;
        DataRecoveryMulti* running = nullptr;
        {
            std::lock_guard lock(runStartMutex);
            if (!runStarting.load())
                return;
            runStarting.store(false);
            if (std::exchange(stopWhileStarting, false))
                running = startingEngine;
        }
        if (!running)
            return;
        logInfo("The scan was stopped as its run began: the stop is handed to the engine again");
        std::thread([running] { running->SetStop(0); }).join();
    }

    void onDataRecoveryInfo(const DataRecoveryInfo& info)
    {
        // Nothing may escape into the engine's thread.
        try {
            handOverStopAtFirstEvent();
            if (const auto& observe = testHooks.load()->onEngineEvent)
                observe(info);
            deliver(info);
        } catch (const std::exception& error) {
            logError(QStringLiteral("Engine event of kind %1 dropped: %2").arg(info.kind).arg(QString::fromUtf8(error.what())));
        }
    }

    void deliver(const DataRecoveryInfo& info)
    {
        if (!engineAlive.load(std::memory_order_acquire)) {
            logError("Data recovery multi is not initialized, cannot process data recovery info");
            return;
        }
        const std::shared_ptr<const DiskVolumeHash> map = diskMap.load(std::memory_order_acquire);
        if (map->isEmpty()) {
            logError("Disk volume info hash is empty, cannot process data recovery info");
            return;
        }
        // The end of a scan names no volume (the engine sends disk 0, volume 0):
        // it belongs to the scan's own target.
        const bool scanWide = info.kind == ScanFinished;
        const quint64 key = scanWide ? scanKey.load(std::memory_order_acquire) : volumeKey(info.diskIndex, info.volIndex);
        const auto found = map->constFind(key);
        if (found != map->constEnd()) {
            DocumentManager::instance()->onEngineEvent(found.value(), info);
            return;
        }
        if (scanWide) {
            DocumentManager::instance()->onEngineEvent(QDiskAndVolumeInfo(), info);
            return;
        }
        logInfo(QStringLiteral("Using empty disk info for disk %1, volume %2 (key: %3). Available hash entries: %4")
                    .arg(info.diskIndex)
                    .arg(info.volIndex)
                    .arg(key, 0, 16)
                    .arg(map->size()));
        DocumentManager::instance()->onEngineEvent(QDiskAndVolumeInfo(), info);
    }

    void stopScanningAndRecovering()
    {
        std::shared_lock shared(engineLock);
        if (engine) {
            engine->SetStop(0);
            engine->SetStop(1);
        }
    }

    // Stops and releases the engine object, if any. Callers hold no engine lock.
    void destroyDataRecovery()
    {
        logInfo("========== Destroy Data Recovery Multi Start ==========");
        QElapsedTimer timer;
        timer.start();
        // Stop scanning and recovering first, so callers inside the engine come out.
        stopScanningAndRecovering();
        engineAlive.store(false, std::memory_order_release);
        wakeHeldRun();
        {
            std::unique_lock exclusive(engineLock);
            if (engine) {
                ReleaseDataRecovery(engine);
                engine = nullptr;
            }
            records.clear();
            diskMap.store(std::make_shared<const DiskVolumeHash>(), std::memory_order_release);
        }
        logInfo(QStringLiteral("Destroy operation completed in %1 ms").arg(timer.elapsed()));
        logInfo("========== Destroy Data Recovery Multi End ==========");
    }

    bool createDataRecovery(const std::vector<DiskAndVolumeInfo>& list, const DiskVolumeHash& map)
    {
        std::unique_lock exclusive(engineLock);
        if (const auto& hook = testHooks.load()->whileCreating)
            hook();
        for (const DiskAndVolumeInfo& record : list)
            logInfo(QString::fromStdString(diskAndVolumeInfoToString(record)));
        records = list;
        diskMap.store(std::make_shared<const DiskVolumeHash>(map), std::memory_order_release);
        engine = CreateDataRecovery(records, [this](const DataRecoveryInfo& info) { onDataRecoveryInfo(info); });
        engineAlive.store(engine != nullptr, std::memory_order_release);
        return engine != nullptr;
    }

    void setPauseWanted(bool wanted)
    {
        {
            std::lock_guard lock(pauseMutex);
            scanPauseWanted = wanted;
        }
        pauseChanged.notify_all();
    }

    // A stop, a resume or a release ends the hold of a run paused before it began.
    void wakeHeldRun()
    {
        { std::lock_guard lock(pauseMutex); }
        pauseChanged.notify_all();
    }

    void waitWhilePausedBeforeRun()
    {
        std::unique_lock lock(pauseMutex);
        if (!scanPauseWanted)
            return;
        logInfo("The scan was paused before its run: the run waits for the resume");
        pauseChanged.wait(lock, [this] {
            return !scanPauseWanted || scanStopWanted.load() || !engineAlive.load(std::memory_order_acquire);
        });
    }

    // A control call from the GUI thread: skipped while a destroy or create holds the lock.
    template<typename Call>
    void control(Call call)
    {
        std::shared_lock shared(engineLock, std::try_to_lock);
        if (shared.owns_lock() && engine)
            call(engine);
    }

    struct Resolution {
        std::vector<DiskAndVolumeInfo> records;
        DiskVolumeHash map;
        std::vector<ScanPathInfo> rows;
        QVector<QDiskAndVolumeInfo> kept;
    };

    void add(Resolution& r, const QDiskAndVolumeInfo& record)
    {
        r.records.push_back(toDiskAndVolumeInfo(record));
        r.map.insert(volumeKey(record.diskIndex, record.volIndex), record);
        r.kept.append(record);
    }

    // Up to three passes over the cached list, reloading it between passes.
    template<typename Resolve>
    bool resolveWithRetries(Resolve resolve, Resolution& result, const std::function<QString(int)>& retryLine,
                            const std::function<QString(int, int)>& failureLine)
    {
        {
            std::lock_guard lock(stateMutex);
            target = ScanTargetInfo();
        }
        for (int pass = 1;; ++pass) {
            result = Resolution();
            const QVector<QDiskAndVolumeInfo> cached = StorageDeviceManager::instance().diskList();
            if (resolve(cached, result))
                return true;
            if (pass == retryLimit + 1) {
                logError(failureLine(pass, cached.size()));
                emit owner->initCfgFinished(false);
                return false;
            }
            logInfo(retryLine(pass));
            StorageDeviceManager::instance().refreshDiskList();
        }
    }

    void runScan(const ScanTargetInfo& scanTarget, const Resolution& resolution, int slot)
    {
        {
            std::lock_guard lock(stateMutex);
            target = scanTarget;
            scanKey.store(volumeKey(scanTarget.diskIndex, scanTarget.volIndex), std::memory_order_release);
        }
        DocumentManager* model = DocumentManager::instance();
        {
            std::unique_lock setup(setupMutex);
            scanStopWanted.store(false);
            setPauseWanted(false);
            // An engine object of an earlier scan may still be scanning: its threads
            // would feed the new scan. It is stopped and released before the model is reset.
            bool leftOver;
            {
                std::shared_lock shared(engineLock);
                leftOver = engine != nullptr;
            }
            if (leftOver) {
                logInfo("An engine object of an earlier scan still exists: stopping and releasing it");
                destroyDataRecovery();
            }
            model->resetForScan(scanTarget);
            if (!createDataRecovery(resolution.records, resolution.map)) {
                switchModule();
                waitMilliseconds(delay(), true);
                logError("[EVENT=RECOVERY_ERROR] [REASON=dataRecoveryMulti_is_null]");
                emit owner->initCfgFinished(false);
                return;
            }
        }
        switchModule();
        waitMilliseconds(delay(), true);
        emit owner->initCfgFinished(true);
        keepSystemAwake(true);
        int result = 17;
        bool stoppedBeforeRun = false;
        {
            std::shared_lock shared(engineLock);
            if (engine) {
                DataRecoveryMulti* running = engine;
                waitWhilePausedBeforeRun();
                // The engine's run begins by clearing every stop, so a stop asked
                // before it must keep the run from beginning at all.
                beginRunOrStop(running, &stoppedBeforeRun);
                if (stoppedBeforeRun) {
                    logInfo("The scan was stopped before its run began: not started");
                    result = 14;
                } else {
                    if (const auto& hook = testHooks.load()->beforeRun)
                        hook();
                    // The scan holds the shared side for its whole run; a destroy
                    // stops it first, then waits for it here.
                    try {
                        result = slot == 1 ? running->Start(resolution.rows)
                                           : slot == 2 ? running->Start() : running->ScanRecycleBin();
                    } catch (...) {
                        endRun();
                        throw;
                    }
                    endRun();
                }
            }
        }
        // The page waits for the end a stopped run would have sent.
        if (stoppedBeforeRun) {
            DataRecoveryInfo finished = MakeDataRecoveryInfo(ScanFinished);
            finished.progress = 1.0;
            DocumentManager::instance()->onEngineEvent(QDiskAndVolumeInfo(), finished);
        }
        logInfo(QStringLiteral("[EVENT=RECOVERY_RESULT] [RESULT=%1]").arg(result));
    }

    int delay()
    {
        std::lock_guard lock(stateMutex);
        return startDelayMs;
    }

    void switchModule()
    {
        std::function<void(int)> switcher;
        {
            std::lock_guard lock(stateMutex);
            switcher = moduleSwitcher;
        }
        if (switcher)
            switcher(2);
    }

    void launch(std::function<void()> task)
    {
        {
            std::lock_guard lock(startersMutex);
            ++runningStarters;
        }
        ThreadHandOver::Run([this, task = std::move(task)] {
            task();
            std::lock_guard lock(startersMutex);
            --runningStarters;
            startersIdle.notify_all();
        });
    }

    void sendScanStatistics(bool completed, double minutes, quint64 percent, quint64 bytes, quint64 count)
    {
        const QString category = QStringLiteral("ScanInformation");
        const QString action = completed ? QStringLiteral("ScanComplete") : QStringLiteral("ScanStopInfo");
        const std::optional<QDiskAndVolumeInfo> disk = owner->currentDiskInfo();
        int label = 1;
        auto row = [&](const QString& value) { send(category, action, QStringLiteral("Label%1").arg(label++), value); };
        row(QString::number(minutes, 'g', 6));
        if (!completed)
            row(QString::number(percent));
        if (disk) {
            row(disk->fileSystem);
            row(diskKindText(disk->category));
            row(QString::number(disk->totalBytes));
        } else if (!completed) {
            label = 6;
        }
        if (!completed) {
            row(formatFileSize(bytes, 2, false));
            row(QString::number(count));
        }
    }

    void sendDeviceStatistics(bool external, const QString& all, const QString& count)
    {
        int kept = 0;
        for (const QDiskAndVolumeInfo& record : StorageDeviceManager::instance().diskList()) {
            if (record.isExternal != external)
                continue;
            ++kept;
            const QString category = QStringLiteral("DiskInformation");
            send(category, all, QStringLiteral("Label1"), record.fileSystem);
            send(category, all, QStringLiteral("Label2"), diskKindText(record.category));
            send(category, all, QStringLiteral("Label3"), QString::number(record.totalBytes));
        }
        send(QStringLiteral("DiskInformation"), count, QString::number(kept), QString());
    }
};

StorageDataRecoverMgr* StorageDataRecoverMgr::instance()
{
    static StorageDataRecoverMgr manager;
    return &manager;
}

StorageDataRecoverMgr::StorageDataRecoverMgr(QObject* parent)
    : QObject(parent), d(std::make_unique<StorageDataRecoverMgrImpl>(this))
{
    DocumentManager* model = DocumentManager::instance();
    StorageDataRecoverMgrImpl* impl = d.get();
    model->setScanStatisticsSender([impl](bool completed, double minutes, quint64 percent, quint64 bytes,
                                          quint64 count) { impl->sendScanStatistics(completed, minutes, percent, bytes, count); });
    model->setVolumeNameResolver([impl](quint64 key, const QString&) {
        const std::shared_ptr<const DiskVolumeHash> map = impl->diskMap.load();
        const auto found = map->constFind(key);
        // A volume the bridge no longer knows is left out of the description.
        return found == map->constEnd() ? QString() : translateDisplayName(found->displayName);
    });
}

StorageDataRecoverMgr::~StorageDataRecoverMgr()
{
    waitForStarters(-1);
    DocumentManager* model = DocumentManager::instance();
    model->setScanStatisticsSender({});
    model->setVolumeNameResolver({});
}

void StorageDataRecoverMgr::startVolumeScan(const QDiskAndVolumeInfo& volume, quint8 deviceType)
{
    d->launch([this, volume, deviceType] {
        StorageDataRecoverMgrImpl::Resolution resolution;
        const QString type = deviceTypeLogWord(deviceType);
        const QString label = volume.volumeLetter.isEmpty() ? QStringLiteral("N/A") : volume.volumeLetter;
        auto fields = [&](int count) {
            return QStringLiteral("DeviceType: %1, DiskIndex: %2, VolumeIndex: %3, VolumeLabel: %4, DisplayName: %5, "
                                  "Retries: %6/%7")
                .arg(type)
                .arg(volume.diskIndex)
                .arg(volume.volIndex)
                .arg(label, volume.displayName)
                .arg(count)
                .arg(retryLimit);
        };
        const bool found = d->resolveWithRetries(
            [&](const QVector<QDiskAndVolumeInfo>& cached, StorageDataRecoverMgrImpl::Resolution& r) {
                for (const QDiskAndVolumeInfo& record : cached) {
                    if (record.diskIndex == volume.diskIndex && record.volIndex == volume.volIndex) {
                        d->add(r, record);
                        break;
                    }
                }
                return !r.records.empty();
            },
            resolution, [&](int retry) { return QStringLiteral("[SCAN_RETRY] ") + fields(retry) + QStringLiteral(", Refreshing storage cache"); },
            [&](int passes, int) { return QStringLiteral("[SCAN_FAILED] ") + fields(passes); });
        if (found)
            d->runScan(fillScanTarget(deviceType, volume, {}), resolution, 2);
    });
}

void StorageDataRecoverMgr::startWholeDiskScan(const QVector<QDiskAndVolumeInfo>& volumes, quint8 deviceType)
{
    d->launch([this, volumes, deviceType] {
        StorageDataRecoverMgrImpl::Resolution resolution;
        const QString type = deviceTypeLogWord(deviceType);
        QStringList indexes;
        for (const QDiskAndVolumeInfo& volume : volumes)
            indexes.append(QString::number(volume.diskIndex));
        const QString joined = indexes.join(QStringLiteral(", "));
        const bool found = d->resolveWithRetries(
            [&](const QVector<QDiskAndVolumeInfo>& cached, StorageDataRecoverMgrImpl::Resolution& r) {
                bool matched = false;
                for (const QDiskAndVolumeInfo& record : cached) {
                    for (const QDiskAndVolumeInfo& volume : volumes)
                        matched = matched || record.diskIndex == volume.diskIndex;
                }
                if (!matched)
                    return false;
                for (const QDiskAndVolumeInfo& volume : volumes)
                    d->add(r, volume);
                return true;
            },
            resolution,
            [&](int retry) {
                return QStringLiteral("[SCAN_RETRY] DeviceType: %1, DiskIndexes: [%2], No matches found in cache, "
                                      "Retries: %3/%4, Refreshing storage cache")
                    .arg(type, joined)
                    .arg(retry)
                    .arg(retryLimit);
            },
            [&](int passes, int) {
                return QStringLiteral("[SCAN_FAILED] DeviceType: %1, DiskIndexes: [%2], No matches found after "
                                      "retries: %3/%4")
                    .arg(type, joined)
                    .arg(passes)
                    .arg(retryLimit);
            });
        if (found)
            d->runScan(fillScanTarget(deviceType, volumes.value(0), {}), resolution, 2);
    });
}

void StorageDataRecoverMgr::startPathScan(const QStringList& paths, int deviceType)
{
    d->launch([this, paths, deviceType] {
        const QString type = deviceTypeLogWord(quint32(deviceType));
        if (paths.isEmpty()) {
            logError(QStringLiteral("[SCAN_FAILED] Type: %1, Error: Empty path list").arg(type));
            emit initCfgFinished(false);
            return;
        }
        StorageDataRecoverMgrImpl::Resolution resolution;
        const bool found = d->resolveWithRetries(
            [&](const QVector<QDiskAndVolumeInfo>& cached, StorageDataRecoverMgrImpl::Resolution& r) {
                QVector<QDiskAndVolumeInfo> kept;
                resolvePathRows(paths, cached, &kept, &r.rows);
                for (const QDiskAndVolumeInfo& record : kept)
                    d->add(r, record);
                return !r.records.empty();
            },
            resolution,
            [&](int retry) {
                return QStringLiteral("[SCAN_RETRY] Type: %1, Paths: %2, Attempt: %3/%4, Refreshing storage cache")
                    .arg(type, paths.join(QLatin1Char(';')))
                    .arg(retry)
                    .arg(retryLimit);
            },
            [&](int passes, int diskCount) {
                return QStringLiteral("[SCAN_FAILED] Type: %1, Path: %2, Retries: %3/%4, DiskCount: %5")
                    .arg(type, paths.join(QLatin1Char(';')))
                    .arg(passes)
                    .arg(retryLimit)
                    .arg(diskCount);
            });
        if (!found)
            return;
        const ScanPathInfo& first = resolution.rows.front();
        const QDiskAndVolumeInfo record = resolution.map.value(volumeKey(first.diskIndex, first.volIndex));
        d->runScan(fillScanTarget(quint32(deviceType), record, paths), resolution, 1);
    });
}

void StorageDataRecoverMgr::startRecycleBinScan()
{
    d->launch([this] {
        StorageDataRecoverMgrImpl::Resolution resolution;
        const bool found = d->resolveWithRetries(
            [&](const QVector<QDiskAndVolumeInfo>& cached, StorageDataRecoverMgrImpl::Resolution& r) {
                // Only file systems that keep a Recycle Bin: on any other the
                // engine would end the volume in a failure.
                for (const QDiskAndVolumeInfo& record : cached) {
                    if (hasRecycleBin(record))
                        d->add(r, record);
                }
                return !r.records.empty();
            },
            resolution,
            [&](int retry) {
                return QStringLiteral("[SCAN_RETRY] DeviceType: RecycleBin, Retries: %1/%2, Refreshing storage cache")
                    .arg(retry)
                    .arg(retryLimit);
            },
            [&](int passes, int) {
                return QStringLiteral("[SCAN_FAILED] DeviceType: RecycleBin, Retries: %1/%2").arg(passes).arg(retryLimit);
            });
        if (found)
            d->runScan(fillScanTarget(RecycleBin, resolution.kept.value(0), {}), resolution, 3);
    });
}

void StorageDataRecoverMgr::pauseScan()
{
    d->setPauseWanted(true);
    d->control([](DataRecoveryMulti* engine) { engine->Pause(0); });
    DocumentManager::instance()->setPaused();
}

void StorageDataRecoverMgr::resumeScan()
{
    DocumentManager::instance()->setResumed();
    d->setPauseWanted(false);
    d->control([](DataRecoveryMulti* engine) { engine->SetRun(0); });
}

void StorageDataRecoverMgr::stopScan()
{
    DocumentManager::instance()->stopScanSession();
    d->noteScanStop();
    d->wakeHeldRun();
    d->control([](DataRecoveryMulti* engine) { engine->SetStop(0); });
}

void StorageDataRecoverMgr::stopRecovery()
{
    DocumentManager::instance()->setStopRecovery(true);
    d->control([](DataRecoveryMulti* engine) { engine->SetStop(1); });
}

void StorageDataRecoverMgr::resumeRecovery()
{
    d->control([](DataRecoveryMulti* engine) { engine->SetRun(1); });
}

void StorageDataRecoverMgr::stopEngineWork()
{
    DocumentManager::instance()->setStopRecovery(true);
    d->noteScanStop();
    d->wakeHeldRun();
    d->stopScanningAndRecovering();
}

bool StorageDataRecoverMgr::isScanStopWanted() const
{
    return d->scanStopWanted.load();
}

int StorageDataRecoverMgr::recoverData(const QString& folder, const DataRecoveryInfo& item)
{
    if (!d->engineAlive.load(std::memory_order_acquire))
        return 17;
    std::shared_lock shared(d->engineLock);
    return d->engine ? d->engine->RecoverData(folder.toStdString(), item) : 17;
}

int StorageDataRecoverMgr::recoverToMemory(char* buffer, size_t* inOutLength, const DataRecoveryInfo& item)
{
    if (!d->engineAlive.load(std::memory_order_acquire))
        return 17;
    std::shared_lock shared(d->engineLock);
    return d->engine ? d->engine->RecoverToMemory(buffer, inOutLength, item) : 17;
}

void StorageDataRecoverMgr::releaseDataRecovery()
{
    DocumentManager::instance()->setState(DocumentManager::Released);
    d->destroyDataRecovery();
}

void StorageDataRecoverMgr::releaseScanData()
{
    DocumentManager::instance()->setState(DocumentManager::Released);
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    StorageDataRecoverMgrImpl* impl = d.get();
    watcher.setFuture(ThreadHandOver::Run([impl] {
        std::function<void()> clearer;
        {
            std::lock_guard lock(impl->stateMutex);
            clearer = impl->thumbnailClearer;
        }
        if (clearer)
            clearer();
        impl->destroyDataRecovery();
        DocumentManager::instance()->clearDocumentCache();
    }));
    if (!watcher.isFinished())
        loop.exec();
    watcher.waitForFinished();
    StorageDeviceManager::instance().refreshDiskList();
}

DiskVolumeHash StorageDataRecoverMgr::diskVolumeHash() const
{
    return *d->diskMap.load();
}

ScanTargetInfo StorageDataRecoverMgr::currentScanTarget() const
{
    std::lock_guard lock(d->stateMutex);
    return d->target;
}

quint8 StorageDataRecoverMgr::currentDeviceType() const
{
    std::lock_guard lock(d->stateMutex);
    return quint8(d->target.deviceType);
}

std::optional<QDiskAndVolumeInfo> StorageDataRecoverMgr::diskInfo(quint64 key) const
{
    const std::shared_ptr<const DiskVolumeHash> map = d->diskMap.load();
    const auto found = map->constFind(key);
    if (found == map->constEnd())
        return std::nullopt;
    return found.value();
}

std::optional<QDiskAndVolumeInfo> StorageDataRecoverMgr::currentDiskInfo() const
{
    const ScanTargetInfo target = currentScanTarget();
    return diskInfo(volumeKey(target.diskIndex, target.volIndex));
}

bool StorageDataRecoverMgr::hasEngine() const
{
    return d->engineAlive.load();
}

void StorageDataRecoverMgr::sendDiskStatistics()
{
    d->sendDeviceStatistics(false, QStringLiteral("DiskAll"), QStringLiteral("DiskNum"));
}

void StorageDataRecoverMgr::sendExternalDiskStatistics()
{
    d->sendDeviceStatistics(true, QStringLiteral("ExternalAll"), QStringLiteral("ExternalNum"));
}

void StorageDataRecoverMgr::sendSDCardStatistics()
{
    d->sendDeviceStatistics(true, QStringLiteral("SDAll"), QStringLiteral("SDNum"));
}

void StorageDataRecoverMgr::setModuleSwitcher(std::function<void(int)> switcher)
{
    std::lock_guard lock(d->stateMutex);
    d->moduleSwitcher = std::move(switcher);
}

void StorageDataRecoverMgr::setThumbnailClearer(std::function<void()> clearer)
{
    std::lock_guard lock(d->stateMutex);
    d->thumbnailClearer = std::move(clearer);
}

void StorageDataRecoverMgr::setAnalyticsSender(AnalyticsSender sender)
{
    std::lock_guard lock(d->stateMutex);
    d->analytics = std::move(sender);
}

void StorageDataRecoverMgr::setStartDelayMs(int ms)
{
    std::lock_guard lock(d->stateMutex);
    d->startDelayMs = ms;
}

bool StorageDataRecoverMgr::waitForStarters(int timeoutMs)
{
    std::unique_lock lock(d->startersMutex);
    auto idle = [this] { return d->runningStarters == 0; };
    if (timeoutMs < 0) {
        d->startersIdle.wait(lock, idle);
        return true;
    }
    return d->startersIdle.wait_for(lock, std::chrono::milliseconds(timeoutMs), idle);
}

void StorageDataRecoverMgr::setTestHooks(TestHooks hooks)
{
    d->testHooks.store(std::make_shared<const TestHooks>(std::move(hooks)));
}
