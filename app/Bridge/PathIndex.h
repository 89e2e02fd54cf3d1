#pragma once
#include "DocumentInfo.h"

#include <QHash>

#include <algorithm>
#include <vector>

struct FileTreeNode;

// A key viewing path bytes stored in a folder record (no copy).
struct PathKey {
    const char* data;
    int size;

    static PathKey of(const DocumentInfo* record) { return {record->pathData(), record->pathBytes()}; }
    friend bool operator==(const PathKey& a, const PathKey& b)
    {
        return a.size == b.size && std::equal(a.data, a.data + a.size, b.data);
    }
};

inline uint qHash(const PathKey& key, uint seed = 0)
{
    return qHashBits(key.data, size_t(key.size), seed);
}

// The folders of one tree by full path, and in the order they were made: walks
// go through that flat list rather than through scattered hash nodes. The table
// is open addressing over (hash, key view, node) slots, so a probe touches one
// slot and the key's bytes; Qt's per-process seed keeps crafted names from
// piling onto one slot.
class PathIndex {
public:
    FileTreeNode* value(const PathKey& key, FileTreeNode* fallback = nullptr) const
    {
        if (slots_.empty())
            return fallback;
        FileTreeNode* node = slots_[slotOf(key, hashOf(key))].node;
        return node ? node : fallback;
    }
    void insert(const PathKey& key, FileTreeNode* node)
    {
        if (size_t(nodes_.size() + 1) * 2 > slots_.size())
            rehash(std::max<size_t>(16, slots_.size() * 2));
        const quint32 hash = hashOf(key);
        Slot& slot = slots_[slotOf(key, hash)];
        if (slot.node) {
            // The key now views the new node's bytes: the old record may go first.
            std::replace(nodes_.begin(), nodes_.end(), slot.node, node);
            slot.data = key.data;
            slot.node = node;
            return;
        }
        slot = {hash, key.size, key.data, node};
        nodes_.push_back(node);
    }
    int size() const { return int(nodes_.size()); }
    void clear()
    {
        std::vector<Slot>().swap(slots_);
        std::vector<FileTreeNode*>().swap(nodes_);
    }
    void squeeze()
    {
        size_t capacity = 16;
        while (nodes_.size() * 2 > capacity)
            capacity *= 2;
        if (capacity < slots_.size())
            rehash(capacity);
        nodes_.shrink_to_fit();
    }
    const std::vector<FileTreeNode*>& nodes() const { return nodes_; }
    std::vector<FileTreeNode*>::const_iterator begin() const { return nodes_.begin(); }
    std::vector<FileTreeNode*>::const_iterator end() const { return nodes_.end(); }

private:
    struct Slot {
        quint32 hash = 0;
        int size = 0;
        const char* data = nullptr;
        FileTreeNode* node = nullptr;  // null: a free slot
    };

    static quint32 hashOf(const PathKey& key) { return quint32(qHash(key, uint(qGlobalQHashSeed()))); }
    // The slot holding the key, or the free slot where it would go (the table is never full).
    size_t slotOf(const PathKey& key, quint32 hash) const
    {
        const size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (!slot.node
                || (slot.hash == hash && slot.size == key.size && std::equal(key.data, key.data + key.size, slot.data)))
                return i;
        }
    }
    void rehash(size_t capacity)
    {
        std::vector<Slot> old(capacity);
        old.swap(slots_);
        const size_t mask = capacity - 1;
        for (const Slot& slot : old) {
            if (!slot.node)
                continue;
            size_t i = slot.hash & mask;
            while (slots_[i].node)
                i = (i + 1) & mask;
            slots_[i] = slot;
        }
    }

    std::vector<Slot> slots_;
    std::vector<FileTreeNode*> nodes_;
};
