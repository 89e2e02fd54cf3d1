#include "DocumentManagerPrivate.h"

#include "ParallelWalk.h"

#include <QSet>

#include <mutex>
#include <vector>

namespace {

// File records sit in one folder of each tree; walks reach them through the type
// tree only, so each body runs once per record.
template<typename Body>
void walkIndexes(const PathIndex& folderIndex, const PathIndex& typeIndex, Body body)
{
    const std::vector<FileTreeNode*>* const lists[] = {&folderIndex.nodes(), &typeIndex.nodes()};
    qint64 total = 0;
    std::vector<EntryUnit> units = entryUnits(lists, &total);
    auto run = [&](EntryUnit& unit) {
        const bool foldersOnly = unit.list == 0;
        forEachEntryOfUnit(lists, unit, [&](FileTreeNode*, DocumentInfo* record) {
            if (foldersOnly && record->isFile())
                return;
            body(record);
        });
    };
    if (total < parallelWalkThreshold) {
        for (EntryUnit& unit : units)
            run(unit);
        return;
    }
    runParallelUnits(units, run);
}

constexpr quint32 searchStateBits = 3u << DocumentInfo::SearchCheckStateShift;

} // namespace

void DocumentManager::clearSearchResults()
{
    std::unique_lock lock(d->treeLock);
    for (FileTreeNode* root : {d->folderRoot, d->typeRoot}) {
        if (root)
            root->record->clearFlagBits(searchStateBits | DocumentInfo::SearchModeBit);
    }
    walkIndexes(d->folderIndex, d->typeIndex, [](DocumentInfo* record) {
        record->clearFlagBits(searchStateBits | DocumentInfo::SearchModeBit);
    });
    d->searchResultCount = 0;
    d->searchResultBytes = 0;
    d->searchSelectedCount = 0;
    d->searchSelectedBytes = 0;
    d->searchResults.clear();
}

void DocumentManager::markSearchResult()
{
    std::unique_lock lock(d->treeLock);
    for (FileTreeNode* root : {d->folderRoot, d->typeRoot}) {
        if (root) {
            root->record->clearFlagBits(searchStateBits);
            root->record->setFlagBits(DocumentInfo::SearchModeBit);
        }
    }
    walkIndexes(d->folderIndex, d->typeIndex, [](DocumentInfo* record) {
        record->replaceFlagBits(searchStateBits, DocumentInfo::SearchModeBit);
    });
}

void DocumentManager::resetViewFlags(bool filterActive, bool searchView)
{
    std::unique_lock lock(d->treeLock);
    const quint32 set = (filterActive ? DocumentInfo::FilterEvaluatedBit : 0u)
                        | (searchView ? DocumentInfo::SearchModeBit : 0u) | DocumentInfo::PassesFilterBit;
    const quint32 clear = searchStateBits | DocumentInfo::SearchModeBit | DocumentInfo::FilterEvaluatedBit;
    walkIndexes(d->folderIndex, d->typeIndex, [&](DocumentInfo* record) { record->replaceFlagBits(clear, set); });
}

quint64 DocumentManager::reevaluateFilter()
{
    const FilterFunction filter = d->currentFilter();
    std::atomic<quint64> passing{0};
    std::unique_lock lock(d->treeLock);
    walkIndexes(d->folderIndex, d->typeIndex, [&](DocumentInfo* record) {
        if (!record->isFile())
            return;
        const bool pass = !filter || filter(record);
        record->setFlagBit(DocumentInfo::PassesFilterBit, pass);
        record->setFlagBit(DocumentInfo::FilterEvaluatedBit, static_cast<bool>(filter));
        if (pass)
            passing.fetch_add(1, std::memory_order_relaxed);
    });
    return passing.load();
}

void DocumentManager::compactTrees()
{
    // In slices, releasing the write lock between them, so readers on the GUI
    // thread wait for one slice, not for the whole compaction. Nodes cannot go
    // away in between: only a release frees them, and it waits for this task.
    QVector<FileTreeNode*> nodes;
    {
        std::shared_lock lock(d->treeLock);
        for (const PathIndex* index : {&d->folderIndex, &d->typeIndex}) {
            for (FileTreeNode* node : *index)
                nodes.append(node);
        }
    }
    constexpr int slice = 512;
    for (int begin = 0; begin < nodes.size(); begin += slice) {
        std::unique_lock lock(d->treeLock);
        for (int i = begin; i < qMin(begin + slice, nodes.size()); ++i)
            nodes[i]->entries.squeeze();
    }
    std::unique_lock lock(d->treeLock);
    d->folderIndex.squeeze();
    d->typeIndex.squeeze();
}

QVector<DocumentInfo*> DocumentManager::allFileRecords() const
{
    QVector<DocumentInfo*> records;
    std::shared_lock lock(d->treeLock);
    for (FileTreeNode* node : d->typeIndex) {
        for (DocumentInfo* record : node->entries) {
            if (record->isFile())
                records.append(record);
        }
    }
    return records;
}

namespace {

// One record's share of a check-state change: (record delta, byte delta).
void countCheckChange(DocumentInfo* record, quint32 old, int target, std::atomic<qint64>& count,
                      std::atomic<qint64>& bytes)
{
    if (!record->isFile())
        return;
    if (old == Qt::Checked && target == Qt::Unchecked) {
        count.fetch_sub(1, std::memory_order_relaxed);
        bytes.fetch_sub(record->size, std::memory_order_relaxed);
    } else if (old == Qt::Unchecked && target == Qt::Checked) {
        count.fetch_add(1, std::memory_order_relaxed);
        bytes.fetch_add(record->size, std::memory_order_relaxed);
    }
}

bool considered(const DocumentInfo* record, bool searchView, bool onlyPassing)
{
    if (onlyPassing && !record->passesFilter())
        return false;
    return record->inSearchMode() == searchView;
}

} // namespace

QPair<qint64, qint64> DocumentManager::setAllCheckStates(const QVector<DocumentInfo*>& records, int state,
                                                         bool searchView, bool onlyPassing, QStringList* folderPaths)
{
    std::atomic<qint64> count{0};
    std::atomic<qint64> bytes{0};
    std::mutex pathsMutex;
    std::unique_lock lock(d->treeLock);
    forEachParallel(records, [&](DocumentInfo* record) {
        if (!considered(record, searchView, onlyPassing))
            return;
        if (!record->isFile() && folderPaths) {
            const QString path = DocumentInfo::filePath(record);
            std::lock_guard guard(pathsMutex);
            folderPaths->append(path);
        }
        // The exchange returns the state it replaced to one caller only, so a
        // record reached twice is counted once.
        const quint32 old = record->exchangeCheckState(searchView, quint32(state));
        countCheckChange(record, old, state, count, bytes);
    });
    return {count.load(), bytes.load()};
}

QPair<qint64, qint64> DocumentManager::setSubtreeCheckState(const QString& folderPath, int state, bool searchView,
                                                            bool onlyPassing)
{
    std::atomic<qint64> count{0};
    std::atomic<qint64> bytes{0};
    const QByteArray key = folderPath.toUtf8();
    std::unique_lock lock(d->treeLock);
    const PathIndex* index = &d->folderIndex;
    FileTreeNode* start = d->lookup(d->folderIndex, key.constData(), key.size());
    if (!start) {
        index = &d->typeIndex;
        start = d->lookup(d->typeIndex, key.constData(), key.size());
    }
    if (!start)
        return {0, 0};
    std::vector<FileTreeNode*> stack{start};
    while (!stack.empty()) {
        FileTreeNode* node = stack.back();
        stack.pop_back();
        for (DocumentInfo* entry : node->entries) {
            if (!considered(entry, searchView, onlyPassing))
                continue;
            if (!entry->isFile()) {
                if (FileTreeNode* child = d->lookup(*index, entry->pathData(), entry->pathBytes()))
                    stack.push_back(child);
            }
            const quint32 old = entry->exchangeCheckState(searchView, quint32(state));
            countCheckChange(entry, old, state, count, bytes);
        }
    }
    return {count.load(), bytes.load()};
}
