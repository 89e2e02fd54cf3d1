#include "ThumbnailCacheEngine.h"

#include "DocumentInfo.h"
#include "ImageDecoder.h"
#include "NodeTypeCode.h"
#include "RecoveryRequest.h"
#include "StorageDataRecoverMgr.h"
#include "ThreadHandOver.h"
#include "ThumbnailFit.h"
#include "spdlog_qt.h"

#include <QScopeGuard>

#include <cstdlib>
#include <cstring>

namespace NomoThumbCache {

namespace {

bool isPhoto(const DocumentInfo* doc)
{
    return doc && doc->typeCode == PhotoFile;
}

quint64 keyOf(const DocumentInfo* doc)
{
    return quint64(reinterpret_cast<quintptr>(doc));
}

}

ThumbnailCacheEngine* ThumbnailCacheEngine::instance()
{
    static ThumbnailCacheEngine engine;
    return &engine;
}

ThumbnailCacheEngine::ThumbnailCacheEngine(QObject* parent, Reader readerFunction)
    : QThread(parent), cache(initialMaxCost), reader(std::move(readerFunction))
{
    if (!reader) {
        // Made before this engine, the bridge's manager outlives it at exit:
        // static objects go in reverse order, so the worker has stopped before
        // the manager it reads through is destroyed.
        StorageDataRecoverMgr* manager = StorageDataRecoverMgr::instance();
        reader = [manager](char* buffer, size_t* length, const DataRecoveryInfo& item) {
            return manager->recoverToMemory(buffer, length, item);
        };
    }
    cache.setMaxCost(maxCacheCost);
    cache.setTrackAccess(true);
    setStackSize(0xA00000);
    start(QThread::InheritPriority);
}

ThumbnailCacheEngine::~ThumbnailCacheEngine()
{
    stopWorker();
    std::lock_guard lock(bufferMutex);
    std::free(spareBuffer);
    spareBuffer = nullptr;
    spareCapacity = 0;
}

void ThumbnailCacheEngine::requestStop()
{
    // Under the task mutex, so a worker about to wait sees the flag or the wake-up.
    std::unique_lock lock(taskMutex);
    stopping = true;
    requestInterruption();
    taskCondition.notify_all();
}

void ThumbnailCacheEngine::stopWorker()
{
    requestStop();
    waitForWorker();
}

void ThumbnailCacheEngine::waitForWorker()
{
    // QThread::wait orders the worker's end inside Qt, unseen by TSan: the
    // worker's last step hands over to this one.
    wait();
    ThreadHandOver::Take(this);
}

ThumbnailResult ThumbnailCacheEngine::getThumbnail(const DocumentInfo* doc)
{
    if (!isPhoto(doc))
        return {QPixmap(), NotImage};
    {
        // Exclusive: a hit may move the entry to the young end of the cache's list.
        std::unique_lock lock(cacheLock);
        QPixmap pixmap;
        if (cache.find(keyOf(doc), &pixmap))
            return {pixmap, Ready};
    }
    // The worker takes a record and makes it current under the task mutex, so
    // one look under it sees the record either queued or in flight.
    const quint64 key = keyOf(doc);
    std::unique_lock lock(taskMutex);
    if (currentKey.load() == key)
        return {QPixmap(), Pending};
    for (const Task& queued : tasks)
        if (queued.key == key)
            return {QPixmap(), Pending};
    return {QPixmap(), NotLoaded};
}

void ThumbnailCacheEngine::addTask(const DocumentInfo* doc) { queue(doc, false); }

void ThumbnailCacheEngine::addTaskFirst(const DocumentInfo* doc) { queue(doc, true); }

void ThumbnailCacheEngine::queue(const DocumentInfo* doc, bool first)
{
    if (!isPhoto(doc))
        return;
    Task task{keyOf(doc), copyRecord(doc)};
    if (!task.record) {
        logError(QStringLiteral("[MediaThumb] No memory to queue the thumbnail of: %1")
                     .arg(DocumentInfo::filePath(doc)));
        return;
    }
    std::unique_lock lock(taskMutex);
    if (first)
        tasks.push_front(std::move(task));
    else
        tasks.push_back(std::move(task));
    taskCondition.notify_one();
}

void ThumbnailCacheEngine::clearTasks()
{
    logInfo("========== Thumbnail Task Clear Start ==========");
    std::deque<Task> dropped;
    {
        std::unique_lock lock(taskMutex);
        dropped.swap(tasks);
    }
    logInfo("========== Thumbnail Task Clear End ==========");
}

void ThumbnailCacheEngine::clearCache()
{
    logInfo("========== Thumbnail Cache Clear Start ==========");
    generation.fetch_add(1);
    std::deque<Task> dropped;
    {
        // Records queued now belong to the data being released.
        std::unique_lock lock(taskMutex);
        dropped.swap(tasks);
    }
    std::unique_lock inFlight(inFlightMutex);
    std::unique_lock lock(cacheLock);
    cache.clear();
    logInfo("========== Thumbnail Cache Clear End ==========");
}

void ThumbnailCacheEngine::shutdown()
{
    requestStop();
    clearTasks();
    clearCache();
    waitForWorker();
}

void ThumbnailCacheEngine::setScale(double x, double y)
{
    scaleX.store(x);
    scaleY.store(y);
}

void ThumbnailCacheEngine::setReader(Reader readerFunction)
{
    std::lock_guard lock(readerMutex);
    reader = std::move(readerFunction);
}

void ThumbnailCacheEngine::run()
{
    const auto ended = qScopeGuard([this] { ThreadHandOver::Give(this); });
    for (;;) {
        {
            std::unique_lock lock(taskMutex);
            while (tasks.empty() && !stopping) {
                releaseIdleMemory();
                taskCondition.wait(lock);
            }
            if (stopping)
                return;
        }
        std::unique_lock inFlight(inFlightMutex);
        Task task;
        quint64 generationAtStart = 0;
        {
            std::unique_lock lock(taskMutex);
            if (stopping)
                return;
            if (tasks.empty())
                continue;
            task = std::move(tasks.front());
            tasks.pop_front();
            generationAtStart = generation.load();
            currentKey.store(task.key);
        }
        process(task, generationAtStart);
        currentKey.store(0);
    }
}

void ThumbnailCacheEngine::releaseIdleMemory()
{
    {
        std::lock_guard lock(bufferMutex);
        std::free(spareBuffer);
        spareBuffer = nullptr;
        spareCapacity = 0;
    }
    runArray.reset();
}

char* ThumbnailCacheEngine::acquireBuffer(qint64 size, qint64* capacity)
{
    {
        std::lock_guard lock(bufferMutex);
        if (spareBuffer && spareCapacity >= size) {
            char* buffer = spareBuffer;
            *capacity = spareCapacity;
            spareBuffer = nullptr;
            spareCapacity = 0;
            return buffer;
        }
    }
    *capacity = size;
    return static_cast<char*>(std::calloc(size_t(size), 1));
}

void ThumbnailCacheEngine::giveBackBuffer(char* buffer, qint64 size)
{
    std::lock_guard lock(bufferMutex);
    if (!spareBuffer) {
        spareBuffer = buffer;
        spareCapacity = size;
    } else {
        std::free(buffer);
    }
}

void ThumbnailCacheEngine::process(const Task& task, quint64 generationAtStart)
{
    const DocumentInfo* doc = task.record.get();
    const QString path = DocumentInfo::filePath(doc);
    const QString suffix = DocumentInfo::suffix(doc);
    const qint64 size = doc->size;
    QPixmap pixmap;
    // The size is signed: a negative one must not pass as a huge allocation.
    if (size <= 0 || size > maxFileBytes) {
        logError(QStringLiteral("[MediaThumb] Memory file failed for size: %1, %2").arg(path).arg(size));
        store(task.key, pixmap, generationAtStart);
        return;
    }
    qint64 capacity = size;
    char* buffer = acquireBuffer(size, &capacity);
    if (!buffer) {
        logError(QStringLiteral("[MediaThumb] Memory file failed for size: %1, %2").arg(path).arg(size));
        store(task.key, pixmap, generationAtStart);
        return;
    }
    const qint64 used = fetch(doc, path, buffer, size);
    QImage image;
    if (used > 0)
        image = decodeImage(QByteArray::fromRawData(buffer, int(used)), suffix, path);
    giveBackBuffer(buffer, capacity);
    if (!image.isNull())
        pixmap = QPixmap::fromImage(thumbnailImage(image, scaleX.load(), scaleY.load()));
    store(task.key, pixmap, generationAtStart);
}

qint64 ThumbnailCacheEngine::fetch(const DocumentInfo* doc, const QString& path, char* buffer, qint64 size)
{
    int runCount = 0;
    if (doc->runBytes() >= 1) {
        if (!runArray)
            runArray = std::make_unique<DataRun[]>(maxRuns);
        runCount = decodeRunList(doc, runArray.get(), maxRuns);
        if (runCount < 0) {
            logError(QStringLiteral("[MediaThumb] Damaged run list, file not read: %1").arg(path));
            return 0;
        }
    }
    const QByteArray utf8Path = path.toUtf8();
    const DataRecoveryInfo request = makeRecoveryRequest(doc, utf8Path, runArray.get(), runCount);
    Reader read;
    {
        std::lock_guard lock(readerMutex);
        read = reader;
    }
    size_t length = size_t(size);
    if (!read || read(buffer, &length, request) != 0)
        return 0;
    const qint64 used = qint64(qMin<quint64>(length, quint64(size)));
    if (length != size_t(size))
        logError(QStringLiteral("[MediaThumb] Recovery length adjusted: requested=%1, actual=%2, using=%3 for file: %4")
                     .arg(size)
                     .arg(quint64(length))
                     .arg(used)
                     .arg(path));
    return used;
}

void ThumbnailCacheEngine::store(quint64 key, const QPixmap& pixmap, quint64 generationAtStart)
{
    {
        std::unique_lock lock(cacheLock);
        // Cleared meanwhile: the record is going away, and its address may be
        // the next scan's record; its picture is neither kept nor announced.
        if (generation.load() != generationAtStart)
            return;
        cache.insert(key, pixmap);
    }
    bool isLast = false;
    {
        std::unique_lock lock(taskMutex);
        isLast = tasks.empty();
    }
    emit thumbnailLoaded(key, pixmap, isLast);
}

int ThumbnailCacheEngine::taskCount() const
{
    std::unique_lock lock(taskMutex);
    return int(tasks.size());
}

qint64 ThumbnailCacheEngine::cacheCost() const
{
    std::shared_lock lock(cacheLock);
    return cache.totalCost();
}

qint64 ThumbnailCacheEngine::cacheMaxCost() const
{
    std::shared_lock lock(cacheLock);
    return cache.maxCost();
}

void ThumbnailCacheEngine::setCacheMaxCost(qint64 cost)
{
    std::unique_lock lock(cacheLock);
    cache.setMaxCost(cost);
}

QList<quint64> ThumbnailCacheEngine::cacheOrder() const
{
    std::shared_lock lock(cacheLock);
    return cache.orderedKeys();
}

bool ThumbnailCacheEngine::hasSpareBuffer() const
{
    std::lock_guard lock(bufferMutex);
    return spareBuffer != nullptr;
}

}
