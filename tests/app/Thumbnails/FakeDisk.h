#pragma once
// A fake read seam for the thumbnail engine, and photo records to queue.
#include "DocumentInfo.h"
#include "NodeTypeCode.h"
#include "ThumbnailCacheEngine.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include <QByteArray>
#include <QVector>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace ThumbTest {

// File bytes by path, handed out like the engine's RecoverToMemory.
class FakeDisk {
public:
    void put(const QByteArray& path, const QByteArray& bytes)
    {
        std::lock_guard lock(mutex);
        files[path] = bytes;
    }
    int read(char* buffer, size_t* length, const DataRecoveryInfo& item)
    {
        calls.fetch_add(1);
        {
            std::unique_lock lock(gateMutex);
            inRead = true;
            gateChanged.notify_all();
            gateChanged.wait(lock, [this] { return !closed; });
        }
        if (delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        if (released.load())
            readsAfterRelease.fetch_add(1);
        std::lock_guard lock(mutex);
        const QByteArray path(item.path, item.pathLength);
        requests.append({item, path, QVector<DataRun>(item.runs ? QVector<DataRun>(item.runs, item.runs + item.runCount)
                                                                : QVector<DataRun>())});
        auto it = files.find(path);
        if (it == files.end())
            return 5;
        const QByteArray& bytes = it->second;
        memcpy(buffer, bytes.constData(), std::min<size_t>(*length, size_t(bytes.size())));
        *length = size_t(bytes.size());
        return 0;
    }
    NomoThumbCache::ThumbnailCacheEngine::Reader reader()
    {
        return [this](char* buffer, size_t* length, const DataRecoveryInfo& item) { return read(buffer, length, item); };
    }
    struct Request {
        DataRecoveryInfo info;
        QByteArray path;
        QVector<DataRun> runs;
    };
    QVector<Request> takeRequests()
    {
        std::lock_guard lock(mutex);
        return std::exchange(requests, {});
    }

    // Closed, the gate holds every read: the worker stays in flight while a test acts.
    void closeGate()
    {
        std::lock_guard lock(gateMutex);
        closed = true;
        inRead = false;
    }
    bool waitUntilHeld()
    {
        std::unique_lock lock(gateMutex);
        return gateChanged.wait_for(lock, std::chrono::seconds(20), [this] { return inRead; });
    }
    void openGate()
    {
        std::lock_guard lock(gateMutex);
        closed = false;
        gateChanged.notify_all();
    }

    std::atomic<int> calls{0};
    std::atomic<int> delayMs{0};
    std::atomic<bool> released{false};
    std::atomic<int> readsAfterRelease{0};

private:
    std::mutex gateMutex;
    std::condition_variable gateChanged;
    bool closed = false;
    bool inRead = false;
    std::mutex mutex;
    std::map<QByteArray, QByteArray> files;
    QVector<Request> requests;
};

DocumentInfo* photo(const QByteArray& path, qint64 size, const DataRunList& runs = {}, quint16 type = PhotoFile);

struct RecordOwner {
    QVector<DocumentInfo*> records;
    DocumentInfo* add(DocumentInfo* doc)
    {
        records.append(doc);
        return doc;
    }
    void freeAll()
    {
        for (DocumentInfo* doc : qAsConst(records))
            freeRecord(doc);
        records.clear();
    }
    ~RecordOwner() { freeAll(); }
};

}
