#include "DocumentManager.h"

#include "DocumentManagerPrivate.h"
#include "EngineEventItem.h"

#include "DisplayLocale.h"
#include "SizeText.h"
#include "spdlog_qt.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cmath>
#include <pthread.h>
#include <exception>

namespace {

constexpr int batchSize = 10;

void registerMetaTypes()
{
    qRegisterMetaType<Qt::CheckState>("Qt::CheckState");
    qRegisterMetaType<DocumentInfo*>("DocumentInfo*");
    qRegisterMetaType<const DocumentInfo*>("const DocumentInfo*");
    qRegisterMetaType<QVector<DocumentInfo*>>("QVector<DocumentInfo*>");
    qRegisterMetaType<FileTreeNode*>("FileTreeNode*");
    qRegisterMetaType<QDiskAndVolumeInfo>("QDiskAndVolumeInfo");
}

// The last recovery percent emitted, process-wide.
std::atomic<int> lastRecoveryPercent{-1};

// QThread::wait returns before the thread has ended: Qt frees the thread's own
// data in a key destructor as the thread exits. A key made after Qt's has its
// destructor run after Qt's, so shutdown waits for this one, and nothing of
// the thread outlives the manager (a process exiting right after a manager's
// end used to leak that data).
pthread_key_t threadGoneKey;
pthread_once_t threadGoneKeyOnce = PTHREAD_ONCE_INIT;

void markThreadGone(void* data)
{
    auto* d = static_cast<DocumentManagerPrivate*>(data);
    std::lock_guard lock(d->queueMutex);
    d->threadGone = true;
    d->idleCondition.notify_all();
}

} // namespace

DocumentManager* DocumentManager::instance()
{
    static DocumentManager manager;
    return &manager;
}

DocumentManager::DocumentManager(QObject* parent) : QThread(parent), d(std::make_unique<DocumentManagerPrivate>(this))
{
    registerMetaTypes();
    setStackSize(20971520);
    start(QThread::InheritPriority);
}

DocumentManager::~DocumentManager()
{
    shutdown();
    std::unique_lock lock(d->treeLock);
    d->releaseTrees();
}

QString DocumentManager::eventKindName(quint32 kind)
{
    static const char* const names[] = {"FastProcess", "AdvanceProcess", "DeepScanProcess", "ScanFinished",
                                        "ScanFail",    "RecoverSuccess", "RecoverFail",     "Finished",
                                        "NTFS",        "FAT32",          "ExFAT",           "DeepScan"};
    return kind < std::size(names) ? QString::fromLatin1(names[kind]) : QStringLiteral("Unknown");
}

void DocumentManager::onEngineEvent(const QDiskAndVolumeInfo& volume, const DataRecoveryInfo& info)
{
    if (info.kind == RecoverProgress) {
        const quint64 total = d->recoverDataBytes.load();
        if (total == 0) {
            logDebug("recoverDataBytes_ is zero, progress calculation skipped");
            return;
        }
        const int percent = int(double(d->recoveredBytes.load() + info.value) * 100.0 / double(total));
        if (percent > 100)
            logError("recover data to disk progress error >100.");
        if (lastRecoveryPercent.exchange(percent) != percent)
            emit overallRecoveryProgress(percent);
        return;
    }
    if (info.kind == RecoverFailed || info.kind == RecoverDone) {
        d->recoveredBytes.fetch_add(info.value);
        return;
    }
    enqueueEvent(EngineEventItem::fromEvent(volume, info));
}

void DocumentManager::enqueueEvent(EngineEventItem item)
{
    item.measure();
    const quint64 bytes = item.queuedBytes;
    {
        std::lock_guard lock(d->queueMutex);
        d->events.push_back(std::move(item));
        d->queuedBytes += bytes;
        if (d->queuedBytes > d->peakQueuedBytes.load(std::memory_order_relaxed))
            d->peakQueuedBytes.store(d->queuedBytes, std::memory_order_relaxed);
    }
    d->workCondition.notify_one();
}

void DocumentManager::postTask(TaskType type, std::function<void()> body, const QString& description,
                               bool replaceSameType)
{
    {
        std::lock_guard lock(d->queueMutex);
        if (replaceSameType) {
            d->tasks.erase(std::remove_if(d->tasks.begin(), d->tasks.end(),
                                          [type](const DocumentTask& t) { return t.type == type; }),
                           d->tasks.end());
        }
        d->tasks.push_back({std::move(body), type, description});
        d->taskPosted.store(true, std::memory_order_release);
    }
    d->workCondition.notify_one();
}

void DocumentManager::clearPendingTasks()
{
    std::deque<DocumentTask> dropped;
    std::lock_guard lock(d->queueMutex);
    dropped.swap(d->tasks);
}

bool DocumentManager::waitForIdle(int timeoutMs)
{
    std::unique_lock lock(d->queueMutex);
    return d->idleCondition.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] {
        return !d->busy && d->tasks.empty() && (d->events.empty() || d->state.load() == ScanPaused);
    });
}

void DocumentManager::setPaused()
{
    int expected = d->state.load();
    do {
        if (expected != Scanning && expected != ScanResumed)
            return;
    } while (!d->state.compare_exchange_weak(expected, ScanPaused));
    emit scanPaused();
}

void DocumentManager::setResumed()
{
    {
        // Under the lock: the thread tests the state and waits under it, so the wake cannot fall in between.
        std::lock_guard lock(d->queueMutex);
        int expected = ScanPaused;
        if (!d->state.compare_exchange_strong(expected, ScanResumed))
            return;
    }
    d->workCondition.notify_one();
    emit scanResume();
}

void DocumentManager::setState(int state)
{
    {
        std::lock_guard lock(d->queueMutex);
        d->state.store(state);
    }
    d->workCondition.notify_one();
}

int DocumentManager::state() const
{
    return d->state.load();
}

std::shared_mutex& DocumentManager::treeLock() const
{
    return d->treeLock;
}

quint64 DocumentManager::dataGeneration() const
{
    return d->generation.load(std::memory_order_acquire);
}

FileTreeNode* DocumentManager::pathTreeRoot() const
{
    std::shared_lock lock(d->treeLock);
    return d->folderRoot;
}

FileTreeNode* DocumentManager::typeTreeRoot() const
{
    std::shared_lock lock(d->treeLock);
    return d->typeRoot;
}

FileTreeNode* DocumentManager::findFolderNode(const QString& path) const
{
    if (path.isEmpty())
        return nullptr;
    const QByteArray bytes = path.toUtf8();
    std::shared_lock lock(d->treeLock);
    if (FileTreeNode* node = d->lookup(d->folderIndex, bytes.constData(), bytes.size()))
        return node;
    if (FileTreeNode* node = d->lookup(d->typeIndex, bytes.constData(), bytes.size()))
        return node;
    logError(QStringLiteral("Folder node not found - path: '%1'").arg(path));
    return nullptr;
}

FileTreeNode* DocumentManager::findFolderNode(const DocumentInfo* folderRecord) const
{
    if (!folderRecord || folderRecord->isFile())
        return nullptr;
    std::shared_lock lock(d->treeLock);
    const PathIndex& index = folderRecord->level() == DocumentInfo::TypeTreeLevel ? d->typeIndex : d->folderIndex;
    return d->lookup(index, folderRecord->pathData(), folderRecord->pathBytes());
}

QPair<quint64, quint64> DocumentManager::totalFoundSizeAndCount() const
{
    if (d->state.load() == Released)
        return {0, 0};
    std::shared_lock lock(d->treeLock);
    if (!d->folderRoot || !d->typeRoot)
        return {0, 0};
    return {quint64(d->folderRoot->record->size), d->folderRoot->fileCount};
}

QPair<QString, QString> DocumentManager::totalFoundSummaryText() const
{
    const auto [bytes, count] = totalFoundSizeAndCount();
    return {formatCount(count), formatFileSize(bytes, 2, false)};
}

QPair<quint64, quint64> DocumentManager::selectedSizeAndCount() const
{
    return {d->selectedBytes.load(), d->selectedCount.load()};
}

QPair<quint64, quint64> DocumentManager::searchResultSizeAndCount() const
{
    return {d->searchResultBytes.load(), d->searchResultCount.load()};
}

QPair<quint64, quint64> DocumentManager::searchSelectedSizeAndCount() const
{
    return {d->searchSelectedBytes.load(), d->searchSelectedCount.load()};
}

QPair<QString, QString> DocumentManager::selectedSummaryText() const
{
    const auto [bytes, count] = selectedSizeAndCount();
    if (count == 0 || d->state.load() == Released)
        return {QString(), QString()};
    return {formatCount(count), formatFileSize(bytes, 2, false)};
}

void DocumentManager::setFilter(FilterFunction filter)
{
    std::lock_guard lock(d->hooksMutex);
    d->filterSet.store(static_cast<bool>(filter));
    d->filter = std::move(filter);
}

void DocumentManager::setVolumeNameResolver(VolumeNameResolver resolver)
{
    std::lock_guard lock(d->hooksMutex);
    d->volumeNameResolver = std::move(resolver);
}

void DocumentManager::setScanStatisticsSender(ScanStatisticsSender sender)
{
    std::lock_guard lock(d->hooksMutex);
    d->statisticsSender = std::move(sender);
}

quint64 DocumentManager::queuedEventBytes() const
{
    std::lock_guard lock(d->queueMutex);
    return d->queuedBytes;
}

int DocumentManager::queuedEventCount() const
{
    std::lock_guard lock(d->queueMutex);
    return int(d->events.size());
}

quint64 DocumentManager::peakQueuedEventBytes() const
{
    return d->peakQueuedBytes.load();
}

void DocumentManager::setStopRecovery(bool stop)
{
    d->stopRecovery.store(stop);
}

bool DocumentManager::stopRecoveryRequested() const
{
    return d->stopRecovery.load();
}

void DocumentManager::run()
{
    ::pthread_once(&threadGoneKeyOnce, [] { ::pthread_key_create(&threadGoneKey, markThreadGone); });
    {
        std::lock_guard lock(d->queueMutex);
        d->threadStarted = ::pthread_setspecific(threadGoneKey, d.get()) == 0;
    }
    for (;;) {
        std::unique_lock lock(d->queueMutex);
        d->workCondition.wait(lock, [this] {
            return d->interruption.load() || (!d->releasing && !d->tasks.empty())
                   || (!d->releasing && !d->events.empty() && d->state.load() != ScanPaused);
        });
        if (d->interruption.load())
            break;
        if (!d->tasks.empty()) {
            DocumentTask task = std::move(d->tasks.front());
            d->tasks.pop_front();
            d->busy = true;
            lock.unlock();
            try {
                task.body();
            } catch (const std::exception& error) {
                logError(QStringLiteral("Task failed (%1): %2").arg(task.description, QString::fromUtf8(error.what())));
            }
            task = {};
        } else {
            std::vector<EngineEventItem> batch;
            while (!d->events.empty() && batch.size() < batchSize) {
                d->queuedBytes -= qMin<quint64>(d->queuedBytes, d->events.front().queuedBytes);
                batch.push_back(std::move(d->events.front()));
                d->events.pop_front();
            }
            d->busy = true;
            lock.unlock();
            for (size_t i = 0; i < batch.size(); ++i) {
                const int state = d->state.load();
                // After a finish or a release nothing more is processed; after the
                // user's stop, files the engine already reported still become records.
                if (state >= ScanDone)
                    break;
                if (state == ScanStopped && !batch[i].isFoundFile())
                    continue;
                // The lock is taken only after a post: not once per event against the engine's pushes.
                if (d->taskPosted.load(std::memory_order_acquire)) {
                    std::lock_guard relock(d->queueMutex);
                    d->taskPosted.store(!d->tasks.empty(), std::memory_order_relaxed);
                    if (!d->tasks.empty()) {
                        // Back to the head, in order: a finish queued meanwhile must not pass them.
                        for (size_t j = batch.size(); j-- > i;) {
                            d->queuedBytes += batch[j].queuedBytes;
                            d->events.push_front(std::move(batch[j]));
                        }
                        break;
                    }
                }
                try {
                    d->processEvent(batch[i]);
                } catch (const std::exception& error) {
                    // One event that cannot be placed is logged and skipped; the scan goes on.
                    logError(QStringLiteral("Engine event of kind %1 skipped: %2")
                                 .arg(batch[i].kind())
                                 .arg(QString::fromUtf8(error.what())));
                }
            }
            batch.clear();
            const auto [count, size] = totalFoundSummaryText();
            emit fileProgressUpdated(count, size);
        }
        lock.lock();
        d->busy = false;
        lock.unlock();
        d->idleCondition.notify_all();
    }
    std::lock_guard lock(d->queueMutex);
    d->busy = false;
    d->threadLeft = true;
    d->idleCondition.notify_all();
}

void DocumentManager::shutdown()
{
    d->stopRecovery.store(true);
    {
        std::lock_guard lock(d->queueMutex);
        d->interruption.store(true);
        d->tasks.clear();
        d->events.clear();
        d->queuedBytes = 0;
    }
    requestInterruption();
    d->workCondition.notify_all();
    if (QThread::currentThread() == this)
        return;
    wait();
    // QThread::wait is invisible to ThreadSanitizer; the thread's last step under
    // the queue mutex is the hand-off it can see.
    std::unique_lock lock(d->queueMutex);
    d->idleCondition.wait(lock, [this] { return !d->threadStarted || d->threadGone; });
}

void DocumentManagerPrivate::takeQueuesAndWaitIdle()
{
    std::deque<DocumentTask> droppedTasks;
    std::deque<EngineEventItem> droppedEvents;
    std::unique_lock lock(queueMutex);
    releasing = true;
    droppedTasks.swap(tasks);
    droppedEvents.swap(events);
    queuedBytes = 0;
    failedVolumes.clear();
    failedVolumeNames.clear();
    // The thread may hold a batch or a task that uses the trees: wait for it to put them down.
    const bool onGuiThread = QCoreApplication::instance()
                             && QThread::currentThread() == QCoreApplication::instance()->thread();
    while (busy && QThread::currentThread() != owner) {
        idleCondition.wait_for(lock, std::chrono::milliseconds(1));
        if (onGuiThread && busy) {
            lock.unlock();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            lock.lock();
        }
    }
}

void DocumentManagerPrivate::endRelease()
{
    {
        std::lock_guard lock(queueMutex);
        releasing = false;
    }
    workCondition.notify_one();
}

void DocumentManagerPrivate::releaseAll()
{
    lostPartitionCounter = 0xFFFFFFFF;
    releaseTrees();
    resetTotals();
    // A filter belongs to the scan it was set on: the next scan starts unfiltered,
    // as the filter bar does.
    {
        std::lock_guard lock(hooksMutex);
        filterSet.store(false);
        filter = {};
    }
    clearFileSizeTextCache();
}

void DocumentManagerPrivate::resetTotals()
{
    selectedCount = 0;
    selectedBytes = 0;
    searchSelectedCount = 0;
    searchSelectedBytes = 0;
    searchResultCount = 0;
    searchResultBytes = 0;
    scanPercent = 0;
    recoverDataBytes = 0;
    recoveredBytes = 0;
}

void DocumentManager::clearDocumentCache()
{
    logInfo("========== Document Cache Clear Start ==========");
    QElapsedTimer timer;
    timer.start();
    setState(Released);
    d->takeQueuesAndWaitIdle();
    {
        std::unique_lock lock(d->treeLock);
        d->releaseAll();
    }
    d->endRelease();
    logInfo(QStringLiteral("Clear operation completed in %1 ms").arg(timer.elapsed()));
    logInfo("========== Document Cache Clear End ==========");
    emit releaseData();
}

void DocumentManager::resetForScan(const ScanTargetInfo& target)
{
    setState(Released);
    d->takeQueuesAndWaitIdle();
    {
        std::unique_lock lock(d->treeLock);
        d->releaseAll();
        d->stopRecovery.store(false);
        d->state.store(Scanning);
        d->buildTrees(target);
        d->scanStartNs.store(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    d->endRelease();
    emit scanStarted();
}

qint64 DocumentManagerPrivate::elapsedMs() const
{
    const qint64 start = scanStartNs.load();
    const qint64 now = std::chrono::steady_clock::now().time_since_epoch().count();
    return start ? (now - start) / 1000000 : 0;
}

DocumentManager::FilterFunction DocumentManagerPrivate::currentFilter()
{
    if (!filterSet.load())
        return {};
    std::lock_guard lock(hooksMutex);
    return filter;
}

void DocumentManager::stopScanSession()
{
    int expected = d->state.load();
    do {
        if (expected >= ScanStopped)
            return;
    } while (!d->state.compare_exchange_weak(expected, ScanStopped));
    {
        // Progress, finish and failure events are dropped; found files already
        // reported stay queued and still become records.
        std::lock_guard lock(d->queueMutex);
        auto kept = std::remove_if(d->events.begin(), d->events.end(),
                                   [](const EngineEventItem& item) { return !item.isFoundFile(); });
        d->events.erase(kept, d->events.end());
    }
    d->finishScan(false);
}

FileTreeNode* DocumentManager::pathTreeRootLocked() const
{
    return d->folderRoot;
}

FileTreeNode* DocumentManager::typeTreeRootLocked() const
{
    return d->typeRoot;
}

QVector<FileTreeNode*> DocumentManager::childFolderNodesLocked(const FileTreeNode* node) const
{
    QVector<FileTreeNode*> children;
    if (!node)
        return children;
    for (const DocumentInfo* entry : node->entries) {
        if (entry->isFile())
            continue;
        const PathIndex& index = entry->level() == DocumentInfo::TypeTreeLevel ? d->typeIndex : d->folderIndex;
        if (FileTreeNode* child = d->lookup(index, entry->pathData(), entry->pathBytes()))
            children.append(child);
    }
    return children;
}
