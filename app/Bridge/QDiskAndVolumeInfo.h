#pragma once
#include <QMetaType>
#include <QString>

// The program's record of one volume of the device list.
struct QDiskAndVolumeInfo {
    QString displayName;
    QString diskName;
    QString diskModel;
    // Mount path without its trailing separator, or the engine's generated number.
    QString volumeLetter;
    QString label;
    QString volumePath;
    QString fileSystem;
    QString freeSizeText;
    QString totalSizeText;
    QString availableSizeText;
    quint64 partitionStart = 0;
    quint64 partitionEnd = 0;
    quint64 diskIndex = 0;
    quint64 volIndex = 0;
    quint64 deviceSize = 0;
    quint64 freeBytes = 0;
    quint64 totalBytes = 0;
    quint64 availableBytes = 0;
    quint32 category = 0;
    qint32 bitLockerStatus = 0;
    bool isExternal = false;
    bool isSystem = false;
    bool isRemovable = false;
    // This user may not read the device: listed, but not scannable.
    bool isUnreadable = false;
    // Nothing tells how much of the volume is free (it is not mounted): freeBytes is no figure.
    bool freeBytesUnknown = false;
};

enum VolumeCategory : quint32 {
    HardDiskCategory = 1,
    SolidStateCategory = 2,
    UsbDiskCategory = 3,
    LostPartitionCategory = 4,
    UnmountedPartitionCategory = 5,
    UnallocatedCategory = 6,
};

Q_DECLARE_METATYPE(QDiskAndVolumeInfo)
