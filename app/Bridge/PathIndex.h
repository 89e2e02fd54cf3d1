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
// go through that flat list rather than through the hash's scattered nodes.
class PathIndex {
public:
    FileTreeNode* value(const PathKey& key, FileTreeNode* fallback = nullptr) const
    {
        return hash_.value(key, fallback);
    }
    void insert(const PathKey& key, FileTreeNode* node)
    {
        const auto found = hash_.find(key);
        if (found != hash_.end()) {
            std::replace(nodes_.begin(), nodes_.end(), found.value(), node);
            found.value() = node;
            return;
        }
        hash_.insert(key, node);
        nodes_.push_back(node);
    }
    int size() const { return int(nodes_.size()); }
    void clear()
    {
        hash_.clear();
        nodes_.clear();
        nodes_.shrink_to_fit();
    }
    void squeeze()
    {
        hash_.squeeze();
        nodes_.shrink_to_fit();
    }
    const std::vector<FileTreeNode*>& nodes() const { return nodes_; }
    std::vector<FileTreeNode*>::const_iterator begin() const { return nodes_.begin(); }
    std::vector<FileTreeNode*>::const_iterator end() const { return nodes_.end(); }

private:
    QHash<PathKey, FileTreeNode*> hash_;
    std::vector<FileTreeNode*> nodes_;
};
