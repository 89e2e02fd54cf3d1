// The search task (names containing a text, for the search-result view) and the
// find task (what a view shows at one place, filtered and sorted).
#include "DocumentComparator.h"
#include "DocumentManagerPrivate.h"
#include "FileFilterManager.h"
#include "NodeTypeCode.h"
#include "SearchDataPanelMgr.h"

#include <QSet>

#include <cctype>

#include <vector>

namespace {

bool cancelled(const QSharedPointer<QAtomicInteger<bool>>& state)
{
    return state && state->loadAcquire();
}

// Case-insensitive substring test of a record's name. An ASCII text is matched on
// the UTF-8 bytes: bytes of other characters never equal an ASCII letter.
class NameMatcher {
public:
    explicit NameMatcher(const QString& text) : text_(text)
    {
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            lowered_ = text.toLower().toLatin1();
        ascii_ = ascii;
    }
    bool operator()(const DocumentInfo* record) const
    {
        if (!ascii_)
            return DocumentInfo::fileName(record).contains(text_, Qt::CaseInsensitive);
        const char* path = record->pathData();
        const int size = record->pathBytes();
        int begin = size;
        while (begin > 0 && path[begin - 1] != '/')
            --begin;
        const int length = lowered_.size();
        for (int i = begin; i + length <= size; ++i) {
            int k = 0;
            while (k < length && std::tolower(uchar(path[i + k])) == lowered_[k])
                ++k;
            if (k == length)
                return true;
        }
        return false;
    }

private:
    QString text_;
    QByteArray lowered_;
    bool ascii_ = false;
};

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
        QSet<QByteArray> matchedFolders;
        std::vector<FileTreeNode*> stack;
        if (folderRoot)
            stack.push_back(folderRoot);
        while (!stack.empty()) {
            if (cancelled(state))
                return;
            FileTreeNode* node = stack.back();
            stack.pop_back();
            for (DocumentInfo* entry : node->entries) {
                const quint16 code = entry->typeCode;
                const bool neverMatched = code == RecycleBinFolder || code == FileNameLostFolder
                                          || code == FilePathLostFolder;
                const bool match = !neverMatched && matches(entry);
                if (match) {
                    results.append(entry);
                    if (entry->isFile())
                        bytes += quint64(entry->size);
                }
                // A matching folder stands for its inside, which is not searched.
                if (entry->isFile() || match)
                    continue;
                if (FileTreeNode* child = lookup(folderIndex, entry->pathData(), entry->pathBytes()))
                    stack.push_back(child);
            }
        }
    }
    if (cancelled(state))
        return;
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
        emit findDocumentsCompleted(targetPath, viewDisplayMode, result, parameter);
    }, QString(), true);
}

QVector<DocumentInfo*> DocumentManager::findResults() const
{
    std::shared_lock lock(d->treeLock);
    return d->searchResults;
}
