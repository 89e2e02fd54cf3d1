#pragma once
#include <QMetaType>
#include <QPair>
#include <QString>
#include <QVector>

#include <atomic>
#include <cstdint>
#include <memory>

// One found file or tree folder: a 32-byte header followed, in the same heap
// block, by the varint-encoded runs, the UTF-8 path, the size text and the time text.
struct DocumentInfo {
    quint8 volumeIndex;
    quint8 diskIndex;
    quint16 typeCode;
    quint32 flags;
    qint64 size;
    qint64 time;
    quint64 lengths;

    // Flag fields.
    enum : quint32 {
        KindMask = 0x1F,
        LevelShift = 5,
        PathStateShift = 8,
        DeletedStateShift = 11,
        CheckStateShift = 14,
        SearchCheckStateShift = 16,
        SearchModeBit = 1u << 18,
        FilterEvaluatedBit = 1u << 19,
        PassesFilterBit = 1u << 20,
        DataStateShift = 21,
    };
    enum Level : quint32 { FolderTreeLevel = 1, TypeTreeLevel = 2, FileLevel = 3 };

    static constexpr int headerSize = 32;
    static constexpr int maxPathBytes = 0xFFFF;
    static constexpr int maxTextBytes = 0xFF;
    static constexpr int maxRuns = 255;

    const uint8_t* tail() const { return reinterpret_cast<const uint8_t*>(this) + headerSize; }
    quint32 runBytes() const { return quint32(lengths >> 32); }
    int pathBytes() const { return int((lengths >> 16) & 0xFFFF); }
    int sizeTextBytes() const { return int((lengths >> 8) & 0xFF); }
    int timeTextBytes() const { return int(lengths & 0xFF); }
    const char* pathData() const { return reinterpret_cast<const char*>(tail() + runBytes()); }

    quint32 loadFlags() const
    {
        return std::atomic_ref<quint32>(const_cast<quint32&>(flags)).load(std::memory_order_relaxed);
    }
    quint32 eventKind() const { return loadFlags() & KindMask; }
    quint32 level() const { return (loadFlags() >> LevelShift) & 7; }
    quint32 pathState() const { return (loadFlags() >> PathStateShift) & 7; }
    quint32 deletedState() const { return (loadFlags() >> DeletedStateShift) & 7; }
    // The engine's FileDataState of a found file: 0 whole, 1 guessed, 2 cut.
    quint32 dataState() const { return (loadFlags() >> DataStateShift) & 3; }
    quint32 checkState(bool searchView) const
    {
        return (loadFlags() >> (searchView ? SearchCheckStateShift : CheckStateShift)) & 3;
    }
    bool passesFilter() const { return loadFlags() & PassesFilterBit; }
    bool inSearchMode() const { return loadFlags() & SearchModeBit; }
    bool isFile() const;

    // Flag writes: records sit in one folder of each tree, so walks may reach one
    // record from two workers; every write is one atomic read-modify-write.
    void setFlagBits(quint32 bits) { std::atomic_ref<quint32>(flags).fetch_or(bits, std::memory_order_relaxed); }
    void clearFlagBits(quint32 bits) { std::atomic_ref<quint32>(flags).fetch_and(~bits, std::memory_order_relaxed); }
    void setFlagBit(quint32 bit, bool on) { on ? setFlagBits(bit) : clearFlagBits(bit); }
    // Clears and sets bits in one read-modify-write (set wins where both name a bit).
    void replaceFlagBits(quint32 clear, quint32 set)
    {
        std::atomic_ref<quint32> ref(flags);
        quint32 old = ref.load(std::memory_order_relaxed);
        while (!ref.compare_exchange_weak(old, (old & ~clear) | set, std::memory_order_relaxed))
            ;
    }
    // Sets the check state; returns the state it replaced (exactly one caller sees each change).
    quint32 exchangeCheckState(bool searchView, quint32 state);

    static QString filePath(const DocumentInfo* info);
    static QString fileName(const DocumentInfo* info);
    static QString suffix(const DocumentInfo* info);
    static QString sizeText(const DocumentInfo* info);
    static QString timeText(const DocumentInfo* info);
    // The runs in order: stops after 255 pairs, at the end of the encoded bytes, or at a
    // malformed or cut value (the pairs before it are kept).
    static QVector<QPair<quint64, quint64>> dataRuns(const DocumentInfo* info);
};
static_assert(sizeof(DocumentInfo) == DocumentInfo::headerSize);

using DataRunList = QVector<QPair<quint64, quint64>>;

// What a file record is built from.
struct FileRecordFields {
    quint8 volumeIndex = 0;
    quint8 diskIndex = 0;
    quint16 typeCode = 0;
    quint32 eventKind = 0;
    quint32 pathState = 0;
    quint32 deletedState = 0;
    quint32 dataState = 0;
    qint64 size = 0;
    qint64 timeMs = 0;
    const DataRunList* runs = nullptr;
    QByteArray path;
    QByteArray sizeText;
    QByteArray timeText;
};

// Null when the block cannot be allocated or a length does not fit its field;
// *error (when given) then says which, with the size asked for.
DocumentInfo* createFileRecord(const FileRecordFields& fields, QString* error = nullptr);
// Folder record: copies indexes, kind, states, size and time from the source fields.
DocumentInfo* createFolderRecord(const QByteArray& path, quint16 typeCode, quint32 level,
                                 const FileRecordFields& source, qint64 rawTime);
void freeRecord(DocumentInfo* info);

struct RecordRelease {
    void operator()(DocumentInfo* info) const { freeRecord(info); }
};
using OwnedRecord = std::unique_ptr<DocumentInfo, RecordRelease>;
// A record's own copy, for a reader that must not depend on the original's life:
// the tree frees its records on a release or a new scan. Null when out of memory.
OwnedRecord copyRecord(const DocumentInfo* info);

Q_DECLARE_METATYPE(DocumentInfo*)
Q_DECLARE_METATYPE(const DocumentInfo*)
Q_DECLARE_METATYPE(QVector<DocumentInfo*>)
