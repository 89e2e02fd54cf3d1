// The filter task: re-tests every found file against one snapshot of the
// criteria, counts the passing files under every folder, refreshes the folder
// check states, and recounts the checked totals of what is still considered.
#include "DocumentManagerPrivate.h"
#include "FileFilterManager.h"
#include "NodeTypeCode.h"
#include "ParallelWalk.h"

#include <QHash>

#include <vector>

// Every node below root (root included), parents before children; descend decides
// which folder records are entered. Iterative: a found path may be thousands deep.
std::vector<FileTreeNode*> DocumentManagerPrivate::nodesPreorder(FileTreeNode* root,
                                                                 const std::function<bool(const DocumentInfo*)>& descend) const
{
    std::vector<FileTreeNode*> order;
    if (!root)
        return order;
    const PathIndex& index = indexOf(root);
    std::vector<FileTreeNode*> stack{root};
    while (!stack.empty()) {
        FileTreeNode* node = stack.back();
        stack.pop_back();
        order.push_back(node);
        for (const DocumentInfo* entry : node->entries) {
            if (entry->isFile() || !descend(entry))
                continue;
            if (FileTreeNode* child = lookup(index, entry->pathData(), entry->pathBytes()))
                stack.push_back(child);
        }
    }
    return order;
}

bool DocumentManagerPrivate::countsAsChecked(const DocumentInfo* record, bool searchView, bool filterActive)
{
    if (!record->isFile() || record->checkState(searchView) != Qt::Checked)
        return false;
    if (searchView && !record->inSearchMode())
        return false;
    return !filterActive || record->passesFilter();
}

// Callers hold treeLock.
void DocumentManagerPrivate::storeRecount(bool searchView)
{
    const bool filterActive = filterSet.load();
    quint64 count = 0, bytes = 0;
    for (const FileTreeNode* node : typeIndex) {
        for (const DocumentInfo* record : node->entries) {
            if (countsAsChecked(record, searchView, filterActive)) {
                ++count;
                bytes += quint64(record->size);
            }
        }
    }
    (searchView ? searchSelectedCount : selectedCount).store(count);
    (searchView ? searchSelectedBytes : selectedBytes).store(bytes);
}

void DocumentManagerPrivate::countPassing(FileTreeNode* root, const DocumentManager::FilterFunction& filter)
{
    std::vector<FileTreeNode*> order = nodesPreorder(root, [](const DocumentInfo*) { return true; });
    for (FileTreeNode* node : order)
        node->passingCount = 0;
    // Children before parents: each node adds its own passing files, then hands its sum up.
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        FileTreeNode* node = *it;
        std::atomic<quint32> passing{0};
        forEachParallel(node->entries, [&](DocumentInfo* entry) {
            if (!entry->isFile())
                return;
            const bool pass = !filter || filter(entry);
            entry->setFlagBit(DocumentInfo::PassesFilterBit, pass);
            if (pass)
                passing.fetch_add(1, std::memory_order_relaxed);
        });
        node->passingCount += passing.load();
        node->record->setFlagBit(DocumentInfo::PassesFilterBit, node->passingCount != 0);
        if (node->parent && node != root)
            node->parent->passingCount += node->passingCount;
    }
}

void DocumentManagerPrivate::runFilterTask(int viewMode)
{
    const bool searchView = viewMode & 4;
    const std::shared_ptr<const FilterCriteria> criteria = FileFilterManager::instance()->criteria();
    const bool filterActive = criteria->active;
    quint8 targetCode;
    {
        std::shared_lock lock(treeLock);
        targetCode = scanTargetCode;
    }
    const bool wholeDisk = targetCode == LocalDisk || targetCode == ExternalDisk;
    DocumentManager::FilterFunction filter;
    if (filterActive)
        filter = [criteria, wholeDisk](const DocumentInfo* record) { return criteria->passes(record, wholeDisk); };
    // New records are tested against this same snapshot from now on.
    owner->setFilter(filter);

    owner->resetViewFlags(filterActive, searchView);
    {
        std::unique_lock lock(treeLock);
        // The reset cleared every search-view state: those totals go with them.
        searchSelectedCount = 0;
        searchSelectedBytes = 0;
        for (FileTreeNode* root : {folderRoot, typeRoot}) {
            if (!root)
                continue;
            root->record->clearFlagBits((3u << DocumentInfo::SearchCheckStateShift) | DocumentInfo::SearchModeBit
                                        | DocumentInfo::FilterEvaluatedBit);
            root->record->setFlagBits((filterActive ? DocumentInfo::FilterEvaluatedBit : 0u)
                                      | (searchView ? DocumentInfo::SearchModeBit : 0u)
                                      | DocumentInfo::PassesFilterBit);
            countPassing(root, filter);
        }
        if (!searchView) {
            for (FileTreeNode* root : {folderRoot, typeRoot}) {
                if (!root)
                    continue;
                refreshTopDown(root, false, filterActive);
                root->record->exchangeCheckState(false, directAggregate(root, false, filterActive));
            }
        }
        storeRecount(false);
    }
    emitSelectedTotals(searchView);
}

void DocumentManager::setFilterCriteriaUpdated(int viewDisplayMode)
{
    {
        std::lock_guard lock(d->queueMutex);
        d->tasks.erase(std::remove_if(d->tasks.begin(), d->tasks.end(),
                                      [](const DocumentTask& t) {
                                          return t.type == DataFindOrSort || t.type == FilterOperation;
                                      }),
                       d->tasks.end());
    }
    postTask(FilterOperation, [this, viewDisplayMode] {
        d->runFilterTask(viewDisplayMode);
        bool pending;
        {
            std::lock_guard lock(d->queueMutex);
            pending = std::any_of(d->tasks.begin(), d->tasks.end(),
                                  [](const DocumentTask& t) { return t.type == FilterOperation; });
        }
        if (!pending)
            emit filterCompleted();
    }, QStringLiteral("Filter criteria update"));
}
