// The search task (names containing a text, for the search-result view) and the
// find task (what a view shows at one place, filtered and sorted).
#include "DocumentComparator.h"
#include "DocumentManagerPrivate.h"
#include "FileFilterManager.h"
#include "NameMatcher.h"
#include "NodeTypeCode.h"
#include "ParallelWalk.h"
#include "SearchDataPanelMgr.h"
#include "ThreadHandOver.h"

#include <vector>

namespace {

bool cancelled(const QSharedPointer<QAtomicInteger<bool>>& state)
{
    return state && state->loadAcquire();
}

bool neverMatched(const DocumentInfo* record)
{
    const quint16 code = record->typeCode;
    return code == RecycleBinFolder || code == FileNameLostFolder || code == FilePathLostFolder;
}

constexpr quint32 searchAndPassBits = DocumentInfo::SearchModeBit | DocumentInfo::PassesFilterBit;

} // namespace

void DocumentManagerPrivate::runSearch(const QString& text, const QSharedPointer<QAtomicInteger<bool>>& state)
{
    // Clearing the search-view states clears their totals too.
    {
        std::unique_lock lock(treeLock);
        searchResults.clear();
        searchResultCount = 0;
        searchResultBytes = 0;
        searchSelectedCount = 0;
        searchSelectedBytes = 0;
    }
    owner->markSearchResult();
    if (cancelled(state))
        return;
    QVector<DocumentInfo*> results;
    quint64 bytes = 0;
    const NameMatcher matches(text);
    {
        std::shared_lock lock(treeLock);
        // A matching folder stands for its inside, which is not searched: a folder's
        // entries are searched when no folder from it up to the root matched.
        auto isSearched = [&](const FileTreeNode* node) {
            for (; node != folderRoot; node = node->parent) {
                if (!node || (!neverMatched(node->record) && matches(node->record)))
                    return false;
            }
            return true;
        };
        const std::vector<FileTreeNode*>* const lists[] = {&folderIndex.nodes()};
        qint64 total = 0;
        std::vector<EntryUnit> units = entryUnits(lists, &total);
        // Matches per unit, joined in unit order: the same input order for the sort every time.
        struct Found {
            std::vector<DocumentInfo*> records;
            quint64 bytes = 0;
        };
        std::vector<Found> found(units.size());
        auto searchUnit = [&](EntryUnit& unit) {
            if (cancelled(state))
                return;
            Found& out = found[size_t(&unit - units.data())];
            const FileTreeNode* current = nullptr;
            bool searchedNode = false;
            forEachEntryOfUnit(lists, unit, [&](const FileTreeNode* node, DocumentInfo* entry) {
                if (node != current) {
                    current = node;
                    searchedNode = isSearched(node);
                }
                if (searchedNode && !neverMatched(entry) && matches(entry)) {
                    out.records.push_back(entry);
                    if (entry->isFile())
                        out.bytes += quint64(entry->size);
                }
            });
        };
        if (total < parallelWalkThreshold) {
            for (EntryUnit& unit : units)
                searchUnit(unit);
        } else {
            runParallelUnits(units, searchUnit);
        }
        if (cancelled(state))
            return;
        size_t matched = 0;
        for (const Found& part : found)
            matched += part.records.size();
        results.reserve(int(matched));
        for (const Found& part : found) {
            for (DocumentInfo* entry : part.records)
                results.append(entry);
            bytes += part.bytes;
        }
    }
    sortDocuments(results, 0, Qt::AscendingOrder);
    if (cancelled(state))
        return;
    {
        std::unique_lock lock(treeLock);
        searchResultCount = quint64(results.size());
        searchResultBytes = bytes;
        searchResults.swap(results);
    }
    emit owner->searchDocumentsCompleted();
}

QVector<DocumentInfo*> DocumentManagerPrivate::findRecords(const QString& targetPath, int viewMode,
                                                           bool filterActive, const QString& searchText) const
{
    QVector<DocumentInfo*> result;
    std::shared_lock lock(treeLock);
    const bool searchView = viewMode & 4;
    if (!searchView || (!filterActive && !targetPath.isEmpty())) {
        const FileTreeNode* node = nodeOfPath(targetPath);
        if (!node)
            return result;
        for (DocumentInfo* entry : node->entries) {
            if (searchView ? entry->inSearchMode() : (!filterActive || entry->passesFilter()))
                result.append(entry);
        }
        return result;
    }
    if (!filterActive)
        return searchResults;
    std::vector<const DocumentInfo*> folders;
    for (DocumentInfo* entry : searchResults) {
        if ((entry->loadFlags() & searchAndPassBits) != searchAndPassBits)
            continue;
        if (entry->isFile())
            result.append(entry);
        else
            folders.push_back(entry);
    }
    const NameMatcher matches(searchText);
    for (const DocumentInfo* folder : folders) {
        const FileTreeNode* start = lookup(folderIndex, folder->pathData(), folder->pathBytes());
        std::vector<const FileTreeNode*> stack;
        if (start)
            stack.push_back(start);
        while (!stack.empty()) {
            const FileTreeNode* node = stack.back();
            stack.pop_back();
            for (DocumentInfo* entry : node->entries) {
                if ((entry->loadFlags() & searchAndPassBits) != searchAndPassBits)
                    continue;
                if (!entry->isFile()) {
                    if (const FileTreeNode* child = lookup(folderIndex, entry->pathData(), entry->pathBytes()))
                        stack.push_back(child);
                } else if (matches(entry)) {
                    result.append(entry);
                }
            }
        }
    }
    return result;
}

void DocumentManager::startDocumentSearch(const QString& searchText, QSharedPointer<QAtomicInteger<bool>> state)
{
    postTask(SearchOperation, [this, searchText, state] { d->runSearch(searchText, state); }, QString(), true);
}

void DocumentManager::findDocuments(const QString& targetPath, int viewDisplayMode, int column,
                                    Qt::SortOrder sortOrder, const QVariant& parameter,
                                    const QVector<DocumentInfo*>& items)
{
    postTask(DataFindOrSort, [=] {
        const quint64 startGeneration = dataGeneration();
        QVector<DocumentInfo*> result;
        if (!items.isEmpty()) {
            result.reserve(items.size());
            std::reverse_copy(items.begin(), items.end(), std::back_inserter(result));
        } else {
            // One copy of the panel's text for the whole task.
            const QString searchText = SearchDataPanelMgr::instance()->searchData();
            result = d->findRecords(targetPath, viewDisplayMode, FileFilterManager::instance()->isFilterActive(),
                                    searchText);
            if (column != -1) {
                std::shared_lock lock(d->treeLock);
                sortDocuments(result, column, sortOrder);
            }
        }
        {
            std::lock_guard lock(d->queueMutex);
            for (const DocumentTask& task : d->tasks) {
                if (task.type == FilterOperation || task.type == DataFindOrSort || task.type == SearchOperation)
                    return;  // a newer request answers instead
            }
        }
        // Pointers read before a release are gone.
        if (state() == Released || dataGeneration() != startGeneration)
            return;
        ThreadHandOver::Give(&findResultsHandOver);
        emit findDocumentsCompleted(targetPath, viewDisplayMode, result, parameter);
    }, QString(), true);
}

QVector<DocumentInfo*> DocumentManager::findResults() const
{
    std::shared_lock lock(d->treeLock);
    return d->searchResults;
}
