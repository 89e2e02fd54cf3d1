#pragma once
#include "DocumentInfo.h"

#include <QHash>

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

// The folders of one tree by full path.
using PathIndex = QHash<PathKey, FileTreeNode*>;
