#include "RecoveryRequest.h"

#include "DocumentInfo.h"
#include "VarUInt.h"

namespace NomoThumbCache {

int decodeRunList(const DocumentInfo* doc, DataRun* runs, int capacity)
{
    if (!doc)
        return -1;
    const uint8_t* data = doc->tail();
    const qint64 total = doc->runBytes();
    qint64 position = 0;
    int count = 0;
    while (position < total) {
        if (count == capacity)
            return -1;
        quint64 offset = 0, length = 0;
        const int offsetBytes = decodeWholeVarUInt(data + position, int(qMin<qint64>(total - position, 16)), &offset);
        if (offsetBytes < 0)
            return -1;
        position += offsetBytes;
        const int lengthBytes = decodeWholeVarUInt(data + position, int(qMin<qint64>(total - position, 16)), &length);
        if (lengthBytes < 0)
            return -1;
        position += lengthBytes;
        runs[count++] = DataRun{offset, length};
    }
    return count;
}

DataRecoveryInfo makeRecoveryRequest(const DocumentInfo* doc, const QByteArray& path, const DataRun* runs,
                                     int runCount)
{
    DataRecoveryInfo info = MakeDataRecoveryInfo(DataRecoveryInfoKind(doc->eventKind()));
    info.diskIndex = doc->diskIndex;
    info.volIndex = doc->volumeIndex;
    info.fileSize = quint64(doc->size);
    info.value = quint64(doc->time);
    info.runs = runCount > 0 ? runs : nullptr;
    info.runCount = quint8(qBound(0, runCount, 255));
    info.path = path.constData();
    info.pathLength = quint16(qMin(path.size(), 0xFFFF));
    info.deletedState = quint8(doc->deletedState());
    info.pathState = quint8(doc->pathState());
    return info;
}

}
