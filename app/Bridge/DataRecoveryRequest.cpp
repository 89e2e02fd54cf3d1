#include "DataRecoveryRequest.h"

#include <algorithm>

DataRecoveryRequest::DataRecoveryRequest(const DocumentInfo* record, const QString& exportPath)
    : path(exportPath.toUtf8())
{
    for (const auto& [offset, length] : DocumentInfo::dataRuns(record))
        runs.push_back({offset, length});
    const quint32 flags = record->loadFlags();
    info.kind = flags & DocumentInfo::KindMask;
    info.diskIndex = record->diskIndex;
    info.volIndex = record->volumeIndex;
    info.fileSize = quint64(record->size);
    info.modifyTime = record->time;
    info.runs = runs.empty() ? nullptr : runs.data();
    info.path = path.constData();
    info.nodeId = 0;
    // The engine reads pathLength bytes of UTF-8: a count of UTF-16 units would cut
    // every name holding a character beyond ASCII.
    info.pathLength = quint16(std::min<qsizetype>(path.size(), 0xFFFF));
    info.runCount = quint8(std::min<size_t>(runs.size(), DocumentInfo::maxRuns));
    info.lostPartitionNumber = 0;
    info.lostPartitionFlag = 0;
    info.deletedState = quint8((flags >> DocumentInfo::DeletedStateShift) & 7);
    info.pathState = quint8((flags >> DocumentInfo::PathStateShift) & 7);
    info.dataState = quint8((flags >> DocumentInfo::DataStateShift) & 3);
}

quint64 recordVolumeKey(const DocumentInfo* record)
{
    return (quint64(record->diskIndex) << 32) | quint64(record->volumeIndex);
}
