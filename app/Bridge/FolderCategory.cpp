#include "FolderCategory.h"

#include "NodeTypeCode.h"

quint8 folderCategoryCode(const QString& name, int depth, const FolderCategoryContext& context)
{
    if (depth < 1 || depth > 5)
        return PlainFolder;
    if (context.lostPartitionEvent && depth == 1 && name.startsWith(QLatin1String("Lost Partition"), Qt::CaseInsensitive))
        return context.isExternal ? ExternalLostPartitionFolder : LostPartitionFolder;
    if (depth == 1 && (context.scanTargetCode == LocalDisk || context.scanTargetCode == ExternalDisk)) {
        switch (context.volumeCategory) {
        case 4: return context.isExternal ? ExternalLostPartition : LostPartition;
        case 5: return context.isExternal ? ExternalUnmountedPartition : UnmountedPartition;
        case 6: return context.isExternal ? ExternalUnallocatedPartition : UnallocatedPartition;
        default: return context.isExternal ? ExternalVolume : context.isSystem ? SystemVolume : LocalVolume;
        }
    }
    if (context.lostPartitionEvent)
        return PlainFolder;
    if (name.compare(QLatin1String("$RECYCLE.BIN"), Qt::CaseInsensitive) == 0)
        return RecycleBinFolder;
    if (context.pathState == 1 && name == QLatin1String("File Path Lost"))
        return FilePathLostFolder;
    if (context.pathState == 2) {
        static const struct {
            const char* name;
            quint8 code;
        } table[] = {{"File Name Lost", FileNameLostFolder}, {"Photo", PhotoFolder},     {"Video", VideoFolder},
                     {"Audio", AudioFolder},                 {"Document", DocumentFolder}, {"Email", EmailFolder},
                     {"Archive", ArchiveFolder}};
        for (const auto& row : table) {
            if (name == QLatin1String(row.name))
                return row.code;
        }
    }
    return PlainFolder;
}

QString englishTypeName(quint16 code)
{
    switch (code) {
    case PhotoFile: case PhotoFolder: return QStringLiteral("Photo");
    case VideoFile: case VideoFolder: return QStringLiteral("Video");
    case DocumentFile: case DocumentFolder: return QStringLiteral("Document");
    case AudioFile: case AudioFolder: return QStringLiteral("Audio");
    case ArchiveFile: case ArchiveFolder: return QStringLiteral("Archive");
    case EmailFile: case EmailFolder: return QStringLiteral("Email");
    case OtherFile: case OthersFolder: return QStringLiteral("Others");
    case UnsavedFile: case UnsavedFileFolder: return QStringLiteral("Unsaved File");
    case ExtensionlessFile: case ExtensionlessFileFolder: return QStringLiteral("Extensionless File");
    case AllFilesRoot: return QStringLiteral("All Files");
    default: return QStringLiteral("Unknown");
    }
}
