#pragma once
#include "DocumentInfo.h"

#include <QString>

struct DataRecoveryInfo;
struct QDiskAndVolumeInfo;

// The queued copy of one engine event.
struct EngineEventItem {
    quint64 packed = 0;
    quint64 valueA = 0;
    quint64 valueB = 0;
    quint64 valueC = 0;
    DataRunList runs;
    QString path;
    QString volumeName;
    // Heap bytes held while queued, fixed when the item is built.
    quint32 queuedBytes = 0;
    // A found file's type code and size and time texts (UTF-8, one block), worked
    // out on the engine's thread so the model thread only places the record.
    QByteArray texts;
    quint8 sizeTextBytes = 0;
    quint8 typeCode = 0;
    bool prepared = false;

    static EngineEventItem fromEvent(const QDiskAndVolumeInfo& volume, const DataRecoveryInfo& info);

    quint8 volumeIndex() const { return packed & 0xFF; }
    quint8 diskIndex() const { return (packed >> 8) & 0xFF; }
    quint32 kind() const { return (packed >> 24) & 0x1F; }
    quint32 volumeCategory() const { return (packed >> 29) & 7; }
    quint32 deletedState() const { return (packed >> 32) & 7; }
    quint32 pathState() const { return (packed >> 35) & 7; }
    quint32 resultCode() const { return (packed >> 38) & 0x1F; }
    quint32 lostPartitionNumber() const { return (packed >> 43) & 0x1F; }
    quint32 lostPartitionFlag() const { return (packed >> 48) & 7; }
    qint32 bitLockerStatus() const { return (packed >> 51) & 7; }
    bool isExternal() const { return (packed >> 54) & 1; }
    bool isSystem() const { return (packed >> 55) & 1; }
    bool isRemovable() const { return (packed >> 56) & 1; }
    // A found file's FileDataState: whole, guessed or cut.
    quint32 dataState() const { return (packed >> 57) & 3; }
    quint64 volumeKey() const { return (quint64(diskIndex()) << 32) | volumeIndex(); }
    double progress() const;
    quint64 fileSize() const { return valueA; }
    qint64 engineTime() const { return qint64(valueB); }
    bool isFoundFile() const { return kind() >= 8 && kind() <= 11; }

    // Approximate heap bytes the item holds while queued.
    quint64 footprint() const;
    void measure() { queuedBytes = quint32(qMin<quint64>(footprint(), 0xFFFFFFFF)); }

    void setPacked(quint32 kind, quint8 disk, quint8 volume);
    // Fills typeCode and texts from the path, size and time; a path without a
    // volume and a name is left to the model thread, which refuses it.
    void prepareFoundFile();
    QByteArray sizeText() const { return QByteArray::fromRawData(texts.constData(), sizeTextBytes); }
    QByteArray timeText() const
    {
        return QByteArray::fromRawData(texts.constData() + sizeTextBytes, texts.size() - sizeTextBytes);
    }
};
