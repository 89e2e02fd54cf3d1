#pragma once
#include <QString>

// What a scan targets.
enum ScanDeviceType : quint32 {
    Volume = 0,
    Folder = 10,
    Desktop = 11,
    RecycleBin = 12,
    WholeDisk = 20,
};

// The current scan target as the results browser shows it.
struct ScanTargetInfo {
    quint64 diskIndex = 0;
    quint64 volIndex = 0;
    quint8 nodeTypeCode = 0;
    quint32 deviceType = Volume;
    QString name;
    QString volumeLetter;
    QString diskKind;
};
