#include "DocumentInfo.h"

#include "NodeTypeCode.h"
#include "VarUInt.h"

#include <cstdlib>
#include <cstring>

bool DocumentInfo::isFile() const
{
    return isFileTypeCode(typeCode);
}

quint32 DocumentInfo::exchangeCheckState(bool searchView, quint32 state)
{
    const int shift = searchView ? SearchCheckStateShift : CheckStateShift;
    std::atomic_ref<quint32> ref(flags);
    quint32 old = ref.load(std::memory_order_relaxed);
    while (!ref.compare_exchange_weak(old, (old & ~(3u << shift)) | ((state & 3) << shift),
                                      std::memory_order_relaxed)) {
    }
    return (old >> shift) & 3;
}

QString DocumentInfo::filePath(const DocumentInfo* info)
{
    if (!info || !info->pathBytes())
        return QString();
    return QString::fromUtf8(info->pathData(), info->pathBytes());
}

QString DocumentInfo::fileName(const DocumentInfo* info)
{
    const QString path = filePath(info);
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString DocumentInfo::suffix(const DocumentInfo* info)
{
    const QString name = fileName(info);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot == name.size() - 1)
        return QString();
    return name.mid(dot + 1).toLower();
}

QString DocumentInfo::sizeText(const DocumentInfo* info)
{
    if (!info)
        return QString();
    return QString::fromUtf8(info->pathData() + info->pathBytes(), info->sizeTextBytes());
}

QString DocumentInfo::timeText(const DocumentInfo* info)
{
    if (!info)
        return QString();
    return QString::fromUtf8(info->pathData() + info->pathBytes() + info->sizeTextBytes(), info->timeTextBytes());
}

DataRunList DocumentInfo::dataRuns(const DocumentInfo* info)
{
    DataRunList runs;
    if (!info)
        return runs;
    const uint8_t* data = info->tail();
    // Lengths in the record stay far below 2^31; the cap keeps the int arithmetic safe anyway.
    const int total = int(qMin<quint32>(info->runBytes(), 0x7FFFFFFF));
    int position = 0;
    while (position < total && runs.size() < maxRuns) {
        quint64 offset = 0;
        quint64 length = 0;
        const int offsetBytes = decodeWholeVarUInt(data + position, total - position, &offset);
        if (offsetBytes < 0)
            break;
        position += offsetBytes;
        const int lengthBytes = decodeWholeVarUInt(data + position, total - position, &length);
        if (lengthBytes < 0)
            break;
        position += lengthBytes;
        runs.append({offset, length});
    }
    return runs;
}

DocumentInfo* createFileRecord(const FileRecordFields& fields, QString* error)
{
    quint64 runBytes = 0;
    const int runCount = fields.runs ? qMin(fields.runs->size(), int(DocumentInfo::maxRuns)) : 0;
    for (int i = 0; i < runCount; ++i)
        runBytes += varUIntLength(fields.runs->at(i).first) + varUIntLength(fields.runs->at(i).second);
    const quint64 total = DocumentInfo::headerSize + runBytes + fields.path.size() + fields.sizeText.size()
                          + fields.timeText.size();
    if (fields.path.size() > DocumentInfo::maxPathBytes || fields.sizeText.size() > DocumentInfo::maxTextBytes
        || fields.timeText.size() > DocumentInfo::maxTextBytes) {
        if (error)
            *error = QStringLiteral("Record lengths do not fit, path: %1 bytes").arg(fields.path.size());
        return nullptr;
    }
    auto* info = static_cast<DocumentInfo*>(std::calloc(1, total));
    if (!info) {
        if (error)
            *error = QStringLiteral("Failed to allocate memory for DocumentInfo, size: %1 bytes").arg(total);
        return nullptr;
    }
    info->volumeIndex = fields.volumeIndex;
    info->diskIndex = fields.diskIndex;
    info->typeCode = fields.typeCode;
    info->flags = (fields.eventKind & DocumentInfo::KindMask) | (DocumentInfo::FileLevel << DocumentInfo::LevelShift)
                  | ((fields.pathState & 7) << DocumentInfo::PathStateShift)
                  | ((fields.deletedState & 7) << DocumentInfo::DeletedStateShift)
                  | ((fields.dataState & 3) << DocumentInfo::DataStateShift);
    info->size = fields.size;
    info->time = fields.timeMs;
    info->lengths = (runBytes << 32) | (quint64(fields.path.size()) << 16) | (quint64(fields.sizeText.size()) << 8)
                    | quint64(fields.timeText.size());
    auto* out = reinterpret_cast<uint8_t*>(info) + DocumentInfo::headerSize;
    uint8_t* const runsEnd = out + runBytes;
    for (int i = 0; i < runCount; ++i) {
        out += encodeVarUInt(fields.runs->at(i).first, out, int(runsEnd - out));
        out += encodeVarUInt(fields.runs->at(i).second, out, int(runsEnd - out));
    }
    std::memcpy(runsEnd, fields.path.constData(), fields.path.size());
    std::memcpy(runsEnd + fields.path.size(), fields.sizeText.constData(), fields.sizeText.size());
    std::memcpy(runsEnd + fields.path.size() + fields.sizeText.size(), fields.timeText.constData(),
                fields.timeText.size());
    return info;
}

DocumentInfo* createFolderRecord(const QByteArray& path, quint16 typeCode, quint32 level,
                                 const FileRecordFields& source, qint64 rawTime)
{
    if (path.size() > DocumentInfo::maxPathBytes)
        return nullptr;
    auto* info = static_cast<DocumentInfo*>(std::calloc(1, DocumentInfo::headerSize + path.size()));
    if (!info)
        return nullptr;
    info->volumeIndex = source.volumeIndex;
    info->diskIndex = source.diskIndex;
    info->typeCode = typeCode & 0xFF;
    info->flags = (source.eventKind & DocumentInfo::KindMask) | ((level & 7) << DocumentInfo::LevelShift)
                  | ((source.pathState & 7) << DocumentInfo::PathStateShift)
                  | ((source.deletedState & 7) << DocumentInfo::DeletedStateShift);
    info->size = source.size;
    info->time = rawTime;
    info->lengths = quint64(path.size()) << 16;
    std::memcpy(reinterpret_cast<uint8_t*>(info) + DocumentInfo::headerSize, path.constData(), path.size());
    return info;
}

void freeRecord(DocumentInfo* info)
{
    std::free(info);
}

OwnedRecord copyRecord(const DocumentInfo* info)
{
    if (!info)
        return nullptr;
    const size_t tailBytes = size_t(info->runBytes()) + size_t(info->pathBytes()) + size_t(info->sizeTextBytes())
                             + size_t(info->timeTextBytes());
    OwnedRecord copy(static_cast<DocumentInfo*>(std::malloc(DocumentInfo::headerSize + tailBytes)));
    if (!copy)
        return copy;
    copy->volumeIndex = info->volumeIndex;
    copy->diskIndex = info->diskIndex;
    copy->typeCode = info->typeCode;
    // Walks on other threads change check and filter bits while this reads.
    copy->flags = info->loadFlags();
    copy->size = info->size;
    copy->time = info->time;
    copy->lengths = info->lengths;
    std::memcpy(reinterpret_cast<uint8_t*>(copy.get()) + DocumentInfo::headerSize, info->tail(), tailBytes);
    return copy;
}
