#pragma once
#include <QString>

// What the category of a new folder of the folder tree depends on.
struct FolderCategoryContext {
    bool lostPartitionEvent = false;
    quint32 pathState = 0;
    quint8 scanTargetCode = 0;
    quint32 volumeCategory = 0;
    bool isExternal = false;
    bool isSystem = false;
};

// NodeTypeCode of a folder named name at position depth of a found path (the
// first inserted top folder is depth 1).
quint8 folderCategoryCode(const QString& name, int depth, const FolderCategoryContext& context);

// The fixed English names of the file types and of their type-view folders.
QString englishTypeName(quint16 code);
