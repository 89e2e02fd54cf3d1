#pragma once
#include "DocumentInfo.h"

#include <QMetaType>
#include <QString>
#include <QVector>

#include <atomic>

// A folder of the folder view or of the type view; files have no node, only a record.
struct FileTreeNode {
    FileTreeNode* parent = nullptr;
    DocumentInfo* record = nullptr;
    // Set by the folder-tree model to its own item for this node; null until then.
    void* viewSlot = nullptr;
    quint32 fileCount = 0;
    quint32 passingCount = 0;
    QVector<DocumentInfo*> entries;

    // Views read the counts without the tree lock while the model thread writes them.
    quint32 loadFileCount() const { return std::atomic_ref<quint32>(const_cast<quint32&>(fileCount)).load(std::memory_order_relaxed); }
    quint32 loadPassingCount() const { return std::atomic_ref<quint32>(const_cast<quint32&>(passingCount)).load(std::memory_order_relaxed); }
    void storeFileCount(quint32 n) { std::atomic_ref<quint32>(fileCount).store(n, std::memory_order_relaxed); }
    void storePassingCount(quint32 n) { std::atomic_ref<quint32>(passingCount).store(n, std::memory_order_relaxed); }

    static QString documentPath(const FileTreeNode* node);
};

enum class FileTreeNodeEventType : int {
    NodeCreated = 0,
    DocumentAdded = 1,
    NodeVisible = 10,
    StateChanged = 14,
};

Q_DECLARE_METATYPE(FileTreeNode*)
Q_DECLARE_METATYPE(FileTreeNodeEventType)
