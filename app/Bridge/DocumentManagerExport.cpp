// Export: every checked file of a view, or one picked file, handed to the engine
// one by one below the chosen folder, with one honest outcome at the end.
#include "DataRecoveryRequest.h"
#include "DocumentManagerPrivate.h"
#include "NodeTypeCode.h"
#include "RecoveryFailureTable.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"

#include "spdlog_qt.h"

#include <algorithm>
#include <vector>

namespace {

bool isVolumeFolderCode(quint16 code)
{
    return (code >= SystemVolume && code <= ExternalLostPartition)
           || (code >= UnmountedPartition && code <= ExternalUnallocatedPartition);
}

// The engine drops "." and ".." components; a found file or folder so named
// would lose its place (a file "..": written as its own parent). They keep a
// visible, harmless name instead.
QString keepDotNames(const QString& path)
{
    if (!path.contains(QLatin1String("/.")) && !path.startsWith(QLatin1Char('.')))
        return path;
    QStringList parts = path.split(QLatin1Char('/'));
    for (QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            part.prepend(QLatin1Char('_'));
    }
    return parts.join(QLatin1Char('/'));
}

} // namespace

// The path below the export folder: the record's display path without the
// volume display folder a whole-disk scan inserts at position 1. That folder is
// known by its node, never by a name pattern: a real folder "Trip (E:)" stays.
// Callers hold treeLock.
QString DocumentManagerPrivate::exportPathOf(const DocumentInfo* record) const
{
    return keepDotNames(exportDisplayPathOf(record));
}

QString DocumentManagerPrivate::exportDisplayPathOf(const DocumentInfo* record) const
{
    const QString display = DocumentInfo::filePath(record);
    if (scanTargetCode != LocalDisk && scanTargetCode != ExternalDisk)
        return display;
    const QByteArray bytes(record->pathData(), record->pathBytes());
    const int first = bytes.indexOf('/');
    const int second = first < 0 ? -1 : bytes.indexOf('/', first + 1);
    if (second < 0)
        return display;
    const FileTreeNode* node = lookup(folderIndex, bytes.constData(), second);
    if (!node || !isVolumeFolderCode(node->record->typeCode))
        return display;
    return QString::fromUtf8(bytes.left(first + 1) + bytes.mid(second + 1));
}

// Pointer comparisons only: a freed record must not be read. Callers hold treeLock.
bool DocumentManagerPrivate::holdsFileRecord(const DocumentInfo* record) const
{
    if (!record)
        return false;
    for (const FileTreeNode* node : typeIndex) {
        if (std::find(node->entries.cbegin(), node->entries.cend(), record) != node->entries.cend())
            return true;
    }
    return false;
}

int DocumentManagerPrivate::recoverOne(const QString& folder, const DocumentInfo* record)
{
    DocumentManager::RecoverFunction recover;
    {
        std::lock_guard lock(hooksMutex);
        recover = recoverFunction;
    }
    const DataRecoveryRequest request(record, exportPathOf(record));
    if (recover)
        return recover(folder, request.info);
    return StorageDataRecoverMgr::instance()->recoverData(folder, request.info);
}

QString DocumentManagerPrivate::failedVolumeNamesOf(const RecoveryFailureTable& table)
{
    DocumentManager::VolumeNameResolver resolver;
    {
        std::lock_guard lock(hooksMutex);
        resolver = volumeNameResolver;
    }
    QStringList names;
    for (const auto& entry : table.codes()) {
        QString name;
        if (resolver) {
            name = resolver(entry.first, QString());
        } else if (const auto volume = StorageDataRecoverMgr::instance()->diskInfo(entry.first)) {
            name = translateDisplayName(volume->displayName);
        }
        if (!name.isEmpty())
            names.append(name);
    }
    return names.join(DocumentManager::tr(", "));
}

void DocumentManagerPrivate::beginExport(quint64 totalBytes)
{
    stopRecovery.store(false);
    recoveredBytes.store(0);
    recoverDataBytes.store(totalBytes);
    // An export is a new recovery run: a stop asked after the last one's final
    // file must not end this one's first.
    bool engineHooked;
    {
        std::lock_guard lock(hooksMutex);
        engineHooked = static_cast<bool>(recoverFunction);
    }
    if (!engineHooked)
        StorageDataRecoverMgr::instance()->resumeRecovery();
}

void DocumentManagerPrivate::finishExport(const RecoveryFailureTable& table)
{
    emit owner->recoveryCompleted(table.errorType(), failedVolumeNamesOf(table), table.volumeCount(),
                                  table.incompleteCount());
}

void DocumentManagerPrivate::exportRecord(const QString& folder, const DocumentInfo* record,
                                          RecoveryFailureTable& table, bool* stopped)
{
    const int code = recoverOne(folder, record);
    if (code == 0 && record->dataState() != 0)
        table.noteIncomplete();
    if (!table.note(recordVolumeKey(record), code))
        *stopped = true;
}

void DocumentManagerPrivate::exportAll(const QString& folder, bool onlySearchResults)
{
    logInfo(QStringLiteral("begin recovery select data to disk=%1").arg(folder));
    const quint64 total = onlySearchResults ? searchSelectedCount.load() : selectedCount.load();
    beginExport(onlySearchResults ? searchSelectedBytes.load() : selectedBytes.load());
    const bool filterActive = filterSet.load();
    RecoveryFailureTable table;
    quint64 count = 0;
    bool stopped = false;
    std::vector<FileTreeNode*> stack;
    {
        std::shared_lock lock(treeLock);
        if (typeRoot)
            stack.push_back(typeRoot);
    }
    // The read lock is held per folder: check clicks wait for one folder, not the
    // whole run. Nodes stay valid in between: only a release frees them, and it
    // waits for this task.
    while (!stack.empty() && !stopped) {
        std::shared_lock lock(treeLock);
        FileTreeNode* node = stack.back();
        stack.pop_back();
        for (DocumentInfo* entry : node->entries) {
            if (stopped || (stopped = stopRecovery.load()))
                break;
            if (!entry->isFile()) {
                if (FileTreeNode* child = lookup(typeIndex, entry->pathData(), entry->pathBytes()))
                    stack.push_back(child);
                continue;
            }
            // What the totals count is what is written: a file the filter hides is not.
            if (!countsAsChecked(entry, onlySearchResults, filterActive))
                continue;
            emit owner->fileRecoveryProgress(DocumentInfo::filePath(entry), ++count, total);
            exportRecord(folder, entry, table, &stopped);
        }
    }
    logInfo(QStringLiteral("end recovery select data to disk=%1").arg(folder));
    logInfo(QStringLiteral("export: %1 of %2 files handled, %3 failed volumes, %4 incomplete%5")
                .arg(count)
                .arg(total)
                .arg(table.volumeCount())
                .arg(table.incompleteCount())
                .arg(stopped ? QStringLiteral(", stopped") : QString()));
    finishExport(table);
}

void DocumentManagerPrivate::exportOne(const QString& folder, const DocumentInfo* record, quint64 postedGeneration)
{
    logInfo(QStringLiteral("begin recovery select data to disk=%1").arg(folder));
    RecoveryFailureTable table;
    std::shared_lock lock(treeLock);
    if (generation.load(std::memory_order_acquire) != postedGeneration || !holdsFileRecord(record)) {
        // The record was freed by a release before or after the request was posted:
        // it is never read, and nothing was written.
        lock.unlock();
        logError(QStringLiteral("export of one file dropped: its scan data was released"));
        beginExport(0);
        table.note(0, 17);
        emit owner->recoveryCompleted(table.errorType(), QString(), 0, 0);
        return;
    }
    beginExport(quint64(record->size));
    emit owner->fileRecoveryProgress(DocumentInfo::filePath(record), 1, 1);
    bool stopped = false;
    exportRecord(folder, record, table, &stopped);
    lock.unlock();
    finishExport(table);
}

void DocumentManager::exportAllDocumentsToDisk(const QString& destinationDirectoryPath, bool onlySearchResults)
{
    postTask(DataExport, [this, destinationDirectoryPath, onlySearchResults] {
        d->exportAll(destinationDirectoryPath, onlySearchResults);
    }, QStringLiteral("data export"));
}

void DocumentManager::exportSingleDocumentToDisk(const QString& destinationDirectoryPath, const DocumentInfo* doc)
{
    const quint64 posted = dataGeneration();
    postTask(DataExport, [this, destinationDirectoryPath, doc, posted] {
        d->exportOne(destinationDirectoryPath, doc, posted);
    }, QStringLiteral("data export"));
}

void DocumentManager::setRecoverFunction(RecoverFunction recover)
{
    std::lock_guard lock(d->hooksMutex);
    d->recoverFunction = std::move(recover);
}
