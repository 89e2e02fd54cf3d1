#include "FileTreeNodeObserverRegistry.h"

#include <algorithm>

FileTreeNodeObserverRegistry& FileTreeNodeObserverRegistry::instance()
{
    static FileTreeNodeObserverRegistry registry;
    return registry;
}

qint64 FileTreeNodeObserverRegistry::addObserver(const FileTreeNode* watched, Callback callback, quint64 wantsAll)
{
    std::lock_guard lock(mutex_);
    const qint64 id = nextId_.fetch_add(1);
    entries_.append({id, std::move(callback), watched, wantsAll});
    size_.store(entries_.size());
    return id;
}

qint64 FileTreeNodeObserverRegistry::addOwnerObserver(const void* owner, Callback callback)
{
    return addObserver(nullptr, std::move(callback), quint64(reinterpret_cast<quintptr>(owner)) | 1);
}

void FileTreeNodeObserverRegistry::removeObserver(qint64 id)
{
    std::lock_guard lock(mutex_);
    for (Entry& entry : entries_) {
        if (entry.id == id)
            entry.callback = nullptr;
    }
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [](const Entry& e) { return !e.callback; }),
                   entries_.end());
    size_.store(entries_.size());
}

void FileTreeNodeObserverRegistry::setWatchedNode(qint64 id, const FileTreeNode* watched)
{
    std::lock_guard lock(mutex_);
    for (Entry& entry : entries_) {
        if (entry.id == id)
            entry.watched = watched;
    }
}

void FileTreeNodeObserverRegistry::setEnabled(qint64 id, bool enabled)
{
    std::lock_guard lock(mutex_);
    for (Entry& entry : entries_) {
        if (entry.id == id)
            entry.wantsAll = enabled ? 1 : 0;
    }
}

void FileTreeNodeObserverRegistry::reset()
{
    std::lock_guard lock(mutex_);
    entries_.clear();
    size_.store(0);
    nextId_.store(0);
}

int FileTreeNodeObserverRegistry::size() const
{
    return size_.load(std::memory_order_acquire);
}

void FileTreeNodeObserverRegistry::notifyWatchers(const FileTreeNode* node, FileTreeNode* changed,
                                                  DocumentInfo* record, FileTreeNodeEventType type)
{
    if (!node || size_.load(std::memory_order_acquire) == 0)
        return;
    std::lock_guard lock(mutex_);
    for (const Entry& entry : entries_) {
        if (entry.callback && entry.watched == node)
            entry.callback(changed, record, type);
    }
}

void FileTreeNodeObserverRegistry::notifyAll(FileTreeNode* changed, DocumentInfo* record, FileTreeNodeEventType type)
{
    if (size_.load(std::memory_order_acquire) == 0)
        return;
    std::lock_guard lock(mutex_);
    for (const Entry& entry : entries_) {
        if (entry.callback && entry.wantsAll != 0)
            entry.callback(changed, record, type);
    }
}
