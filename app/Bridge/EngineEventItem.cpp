#include "EngineEventItem.h"

#include "EngineTime.h"
#include "FileTypeClassifier.h"
#include "FoundPath.h"
#include "QDiskAndVolumeInfo.h"

#include "SizeText.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include <cstring>

namespace {

quint64 field(quint64 value, int shift, quint64 mask)
{
    return (value & mask) << shift;
}

} // namespace

double EngineEventItem::progress() const
{
    double value;
    std::memcpy(&value, &valueC, sizeof value);
    return value;
}

quint64 EngineEventItem::footprint() const
{
    return sizeof(EngineEventItem) + quint64(runs.capacity()) * sizeof(runs[0]) + quint64(path.capacity()) * 2
           + quint64(texts.capacity()) + 24 + 16 + 24 /* shared headers of the strings, the vector and the texts */;
}

void EngineEventItem::setPacked(quint32 kind, quint8 disk, quint8 volume)
{
    packed = (packed & ~quint64(0x1F00FFFF)) | volume | (quint64(disk) << 8) | field(kind, 24, 0x1F);
}

EngineEventItem EngineEventItem::fromEvent(const QDiskAndVolumeInfo& volume, const DataRecoveryInfo& info)
{
    EngineEventItem item;
    const quint32 category = volume.category <= 7 ? volume.category : 0;
    item.packed = quint64(info.volIndex) | (quint64(info.diskIndex) << 8) | field(info.kind, 24, 0x1F)
                  | field(category, 29, 7) | field(info.deletedState, 32, 7) | field(info.pathState, 35, 7)
                  | field(info.kind == 4 ? quint32(info.errorCode) : 0, 38, 0x1F)
                  | field(info.lostPartitionNumber, 43, 0x1F) | field(info.lostPartitionFlag, 48, 7)
                  | field(quint64(volume.bitLockerStatus), 51, 7) | field(volume.isExternal, 54, 1)
                  | field(volume.isSystem, 55, 1) | field(volume.isRemovable, 56, 1)
                  | field(qMin<quint64>(info.dataState, DataCut), 57, 3);
    // Kinds above 31 must not alias a real kind in the 5-bit field.
    if (info.kind > 0x1F)
        item.packed |= field(0x1F, 24, 0x1F);
    std::memcpy(&item.valueA, &info.progress, sizeof item.valueA);
    item.valueB = info.value;
    item.valueC = item.valueA;
    const bool foundFile = info.kind >= 8 && info.kind <= 11;
    if (foundFile && info.runs && info.runCount) {
        item.runs.reserve(info.runCount);
        for (int i = 0; i < info.runCount; ++i)
            item.runs.append({info.runs[i].offset, info.runs[i].length});
    }
    if (foundFile && info.path) {
        const QString enginePath = QString::fromUtf8(info.path, info.pathLength);
        item.path = foundDisplayPath(volumeComponent(volume, info.diskIndex, info.volIndex), enginePath);
        item.prepareFoundFile();
    }
    item.volumeName = volume.displayName;
    return item;
}

void EngineEventItem::prepareFoundFile()
{
    const QString displayPath = cleanDisplayPath(path);
    const int firstSlash = displayPath.indexOf(QLatin1Char('/'));
    if (firstSlash < 0)
        return;
    // The whole path as it stands inside its volume, before any top folder is inserted.
    typeCode = classifyFileType(driveAnchoredPath(displayPath.mid(firstSlash + 1)));
    const QByteArray size = formatFileSize(fileSize(), 2, false).toUtf8();
    if (size.size() > 0xFF)
        return;
    texts = size + engineTimeTextUtf8(engineTimeToMs(engineTime()));
    sizeTextBytes = quint8(size.size());
    prepared = true;
}
