#pragma once
#include "FileTreeNode.h"

#include <QVector>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

// Process-wide list of tree watchers. Callbacks run on the model thread with the
// tree lock held: they must not block or take that lock, and re-post to their own
// thread (with the model's data generation, so stale posts can be dropped).
class FileTreeNodeObserverRegistry {
public:
    using Callback = std::function<void(FileTreeNode*, DocumentInfo*, FileTreeNodeEventType)>;

    static FileTreeNodeObserverRegistry& instance();

    // Returns an id for removal.
    int addObserver(Callback callback, const FileTreeNode* watched, bool enabled);
    void removeObserver(int id);
    void setWatchedNode(int id, const FileTreeNode* watched);
    void setEnabled(int id, bool enabled);

    // Every entry watching node, in list order.
    void notifyNode(const FileTreeNode* node, FileTreeNode* changed, DocumentInfo* record,
                    FileTreeNodeEventType type);
    void notifyWatchers(const FileTreeNode* node, FileTreeNode* changed, DocumentInfo* record,
                        FileTreeNodeEventType type)
    {
        notifyNode(node, changed, record, type);
    }
    // Every enabled entry, in list order.
    void notifyAll(FileTreeNode* changed, DocumentInfo* record, FileTreeNodeEventType type);

private:
    struct Entry {
        int id;
        std::shared_ptr<Callback> callback;
        const FileTreeNode* watched;
        bool enabled;
    };
    template<typename Pick>
    QVector<std::shared_ptr<Callback>> collect(Pick pick);

    std::mutex mutex_;
    // Lets notifications skip the mutex while nobody watches.
    std::atomic<int> size_{0};
    QVector<Entry> entries_;
    int nextId_ = 1;
};
