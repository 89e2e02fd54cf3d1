#pragma once
#include "DocumentInfo.h"

#include <QMetaType>
#include <QString>
#include <QVector>

// A folder of the folder view or of the type view; files have no node, only a record.
struct FileTreeNode {
    FileTreeNode* parent = nullptr;
    DocumentInfo* record = nullptr;
    // Set by the folder-tree model to its own item for this node; null until then.
    void* viewSlot = nullptr;
    quint32 fileCount = 0;
    quint32 passingCount = 0;
    QVector<DocumentInfo*> entries;

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
