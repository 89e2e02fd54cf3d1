#pragma once
#include "DocumentInfo.h"
#include "PixmapCache.h"
#include "ThumbnailState.h"

#include <QList>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <shared_mutex>

struct DataRecoveryInfo;
struct DataRun;

namespace NomoThumbCache {

// The one worker that turns found pictures into thumbnails: queued records are
// read through the engine bridge, decoded, scaled, cached and announced. The
// cache and the announcement name a record by its address; the worker reads a
// copy taken at request time, never the record, which may be freed meanwhile.
class ThumbnailCacheEngine : public QThread {
    Q_OBJECT
public:
    // Reads one found file into buffer (the bridge's recoverToMemory by default).
    using Reader = std::function<int(char* buffer, size_t* inOutLength, const DataRecoveryInfo& item)>;

    static constexpr qint64 maxFileBytes = 524288000;
    static constexpr qint64 initialMaxCost = 524288000;
    static constexpr qint64 maxCacheCost = 1073741824;
    static constexpr int maxRuns = 255;

    static ThumbnailCacheEngine* instance();

    explicit ThumbnailCacheEngine(QObject* parent = nullptr, Reader reader = {});
    ~ThumbnailCacheEngine() override;

    ThumbnailResult getThumbnail(const DocumentInfo* doc);
    void addTask(const DocumentInfo* doc);
    // Puts the record at the front of the queue: the picture the user looks at
    // loads before the cells around it.
    void addTaskFirst(const DocumentInfo* doc);
    // Empties the queue; never waits for the task in flight.
    void clearTasks();
    // Empties the cache and the queue, waits for the task in flight and drops
    // its result: called before the found-file records are freed.
    void clearCache();
    // The quit: stops the worker and waits for its end.
    void shutdown();

    void setScale(double scaleX, double scaleY);
    // Replaces the read seam (tests and the probe tool; the process-wide engine reads through the bridge).
    void setReader(Reader reader);

    // Observation for tests, the probe tool and the benchmark.
    int taskCount() const;
    qint64 cacheCost() const;
    qint64 cacheMaxCost() const;
    void setCacheMaxCost(qint64 cost);
    QList<quint64> cacheOrder() const;
    bool hasSpareBuffer() const;

signals:
    void thumbnailLoaded(qulonglong docAddress, const QPixmap& thumbnail, bool isLast);

protected:
    void run() override;

private:
    struct Task {
        quint64 key = 0;
        OwnedRecord record;
    };

    void queue(const DocumentInfo* doc, bool first);
    void process(const Task& task, quint64 generationAtStart);
    qint64 fetch(const DocumentInfo* doc, const QString& path, char* buffer, qint64 size);
    // The spare buffer when it is large enough (capacity says how large), else a new one.
    char* acquireBuffer(qint64 size, qint64* capacity);
    void giveBackBuffer(char* buffer, qint64 size);
    void releaseIdleMemory();
    void store(quint64 key, const QPixmap& pixmap, quint64 generationAtStart);
    void requestStop();
    void stopWorker();
    void waitForWorker();

    PixmapCache cache;
    std::deque<Task> tasks;
    std::atomic<quint64> currentKey{0};
    // Standard locks rather than Qt's: ThreadSanitizer sees through them.
    mutable std::mutex taskMutex;
    std::condition_variable taskCondition;
    mutable std::shared_mutex cacheLock;
    mutable std::mutex bufferMutex;
    char* spareBuffer = nullptr;
    qint64 spareCapacity = 0;
    std::unique_ptr<DataRun[]> runArray;

    // Held by the worker for each task from taking it to announcing it, so
    // clearCache can wait for the task in flight.
    std::mutex inFlightMutex;
    // Raised by clearCache: a task that started before sees it and drops its result.
    std::atomic<quint64> generation{0};
    bool stopping = false;  // under taskMutex
    std::mutex readerMutex;
    Reader reader;
    std::atomic<double> scaleX{1.0};
    std::atomic<double> scaleY{1.0};
};

}
