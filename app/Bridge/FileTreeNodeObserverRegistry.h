#pragma once
#include "FileTreeNode.h"

#include <QVector>

#include <atomic>
#include <functional>
#include <mutex>

// Process-wide list of tree watchers. Callbacks run on the model thread with the
// tree lock and the registry's mutex held: they must only post to their own
// thread (with the model's data generation, so stale posts can be dropped), and
// must not add, withdraw or take the tree lock. Because notification holds the
// mutex, once a withdrawal or reset returns no callback of it runs any more.
class FileTreeNodeObserverRegistry {
public:
    using Callback = std::function<void(FileTreeNode*, DocumentInfo*, FileTreeNodeEventType)>;

    static FileTreeNodeObserverRegistry& instance();

    // Returns the entry's identifier: 0 for the first after start or reset.
    qint64 addObserver(const FileTreeNode* watched, Callback callback, quint64 wantsAll);
    // Hears every event through notifyAll.
    qint64 addOwnerObserver(const void* owner, Callback callback);
    qint64 addObserver(Callback callback, const FileTreeNode* watched, bool enabled)
    {
        return addObserver(watched, std::move(callback), enabled ? 1 : 0);
    }
    void removeObserver(qint64 id);
    void setWatchedNode(qint64 id, const FileTreeNode* watched);
    void setEnabled(qint64 id, bool enabled);
    // Drops every entry and restarts the identifiers at 0.
    void reset();
    int size() const;

    // Every entry watching node, in list order.
    void notifyWatchers(const FileTreeNode* node, FileTreeNode* changed, DocumentInfo* record,
                        FileTreeNodeEventType type);
    void notifyNode(const FileTreeNode* node, FileTreeNode* changed, DocumentInfo* record,
                    FileTreeNodeEventType type)
    {
        notifyWatchers(node, changed, record, type);
    }
    // Every entry with a non-zero wants-every-event value, in list order.
    void notifyAll(FileTreeNode* changed, DocumentInfo* record, FileTreeNodeEventType type);

private:
    struct Entry {
        qint64 id;
        Callback callback;
        const FileTreeNode* watched;
        quint64 wantsAll;
    };

    mutable std::mutex mutex_;
    // Lets notifications skip the mutex while nobody watches.
    std::atomic<int> size_{0};
    QVector<Entry> entries_;
    std::atomic<qint64> nextId_{0};
};
