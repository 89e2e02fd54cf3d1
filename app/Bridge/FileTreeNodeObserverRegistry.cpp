#include "FileTreeNodeObserverRegistry.h"

FileTreeNodeObserverRegistry& FileTreeNodeObserverRegistry::instance()
{
    static FileTreeNodeObserverRegistry registry;
    return registry;
}

int FileTreeNodeObserverRegistry::addObserver(Callback callback, const FileTreeNode* watched, bool enabled)
{
    std::lock_guard lock(mutex_);
    const int id = nextId_++;
    entries_.append({id, std::make_shared<Callback>(std::move(callback)), watched, enabled});
    size_.store(entries_.size());
    return id;
}

void FileTreeNodeObserverRegistry::removeObserver(int id)
{
    std::lock_guard lock(mutex_);
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; }),
                   entries_.end());
    size_.store(entries_.size());
}

void FileTreeNodeObserverRegistry::setWatchedNode(int id, const FileTreeNode* watched)
{
    std::lock_guard lock(mutex_);
    for (Entry& entry : entries_) {
        if (entry.id == id)
            entry.watched = watched;
    }
}

void FileTreeNodeObserverRegistry::setEnabled(int id, bool enabled)
{
    std::lock_guard lock(mutex_);
    for (Entry& entry : entries_) {
        if (entry.id == id)
            entry.enabled = enabled;
    }
}

// Callbacks run outside the registry's mutex, so one may add or remove entries.
template<typename Pick>
QVector<std::shared_ptr<FileTreeNodeObserverRegistry::Callback>> FileTreeNodeObserverRegistry::collect(Pick pick)
{
    QVector<std::shared_ptr<Callback>> picked;
    if (size_.load(std::memory_order_acquire) == 0)
        return picked;
    std::lock_guard lock(mutex_);
    for (const Entry& entry : entries_) {
        if (pick(entry))
            picked.append(entry.callback);
    }
    return picked;
}

void FileTreeNodeObserverRegistry::notifyNode(const FileTreeNode* node, FileTreeNode* changed,
                                              DocumentInfo* record, FileTreeNodeEventType type)
{
    if (!node)
        return;
    for (const auto& callback : collect([node](const Entry& e) { return e.watched == node; }))
        (*callback)(changed, record, type);
}

void FileTreeNodeObserverRegistry::notifyAll(FileTreeNode* changed, DocumentInfo* record, FileTreeNodeEventType type)
{
    for (const auto& callback : collect([](const Entry& e) { return e.enabled; }))
        (*callback)(changed, record, type);
}
