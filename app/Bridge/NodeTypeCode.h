#pragma once
#include <QtGlobal>

// One code space for devices, tree folders and found-file types.
enum NodeTypeCode : quint8 {
    LocalDisk = 0,
    ExternalDisk = 1,
    SystemVolume = 2,
    LocalVolume = 3,
    ExternalVolume = 4,
    LostPartition = 5,
    ExternalLostPartition = 6,
    LostPartitionFolder = 7,
    ExternalLostPartitionFolder = 8,
    UnmountedPartition = 9,
    ExternalUnmountedPartition = 10,
    UnallocatedPartition = 11,
    ExternalUnallocatedPartition = 12,
    DesktopFolder = 13,
    RecycleBinFolder = 14,
    PlainFolder = 16,
    FileNameLostFolder = 17,
    FilePathLostFolder = 18,
    PhotoFolder = 19,
    VideoFolder = 20,
    DocumentFolder = 21,
    AudioFolder = 22,
    ArchiveFolder = 23,
    EmailFolder = 24,
    OthersFolder = 25,
    UnsavedFileFolder = 26,
    ExtensionlessFileFolder = 27,
    PhotoFile = 29,
    VideoFile = 30,
    DocumentFile = 31,
    AudioFile = 32,
    ArchiveFile = 33,
    EmailFile = 34,
    OtherFile = 36,
    UnsavedFile = 37,
    ExtensionlessFile = 38,
    AllFilesRoot = 40,
};

inline constexpr bool isFileTypeCode(quint16 code) { return code >= PhotoFile && code <= ExtensionlessFile; }

// The type-view folder of a file type code (19-27), 0 for a code that is not a file type.
constexpr quint8 typeFolderCode(quint16 fileCode)
{
    switch (fileCode) {
    case PhotoFile: return PhotoFolder;
    case VideoFile: return VideoFolder;
    case DocumentFile: return DocumentFolder;
    case AudioFile: return AudioFolder;
    case ArchiveFile: return ArchiveFolder;
    case EmailFile: return EmailFolder;
    case OtherFile: return OthersFolder;
    case UnsavedFile: return UnsavedFileFolder;
    case ExtensionlessFile: return ExtensionlessFileFolder;
    default: return 0;
    }
}
