// Check states: requests from the views, folder aggregates, the cross-tree
// refresh and the checked totals, which always equal a recount of the files.
#include "DocumentManagerPrivate.h"

#include "DisplayLocale.h"
#include "SizeText.h"

#include <QHash>

#include <vector>

namespace {

// Which states the files beneath a folder are in.
struct StateMix {
    bool unchecked = false;
    bool partial = false;
    bool checked = false;

    void add(quint32 state)
    {
        unchecked |= state == Qt::Unchecked;
        partial |= state == Qt::PartiallyChecked;
        checked |= state == Qt::Checked;
    }
    void add(const StateMix& other)
    {
        unchecked |= other.unchecked;
        partial |= other.partial;
        checked |= other.checked;
    }
    quint32 aggregate() const
    {
        if (partial || (checked && unchecked))
            return Qt::PartiallyChecked;
        return checked ? Qt::Checked : Qt::Unchecked;
    }
};

bool isConsidered(const DocumentInfo* record, bool searchView, bool onlyPassing)
{
    return (!onlyPassing || record->passesFilter()) && record->inSearchMode() == searchView;
}

void addDelta(std::atomic<quint64>& total, qint64 delta)
{
    // A negative total would mean a lost update; the totals are exact, so clamp only as a guard.
    const qint64 value = qint64(total.load()) + delta;
    total.store(value < 0 ? 0 : quint64(value));
}

} // namespace

FileTreeNode* DocumentManagerPrivate::nodeOfPath(const QString& path) const
{
    const QByteArray key = path.toUtf8();
    for (FileTreeNode* root : {folderRoot, typeRoot}) {
        if (root && PathKey::of(root->record) == PathKey{key.constData(), int(key.size())})
            return root;
    }
    if (FileTreeNode* node = lookup(folderIndex, key.constData(), key.size()))
        return node;
    return lookup(typeIndex, key.constData(), key.size());
}

const PathIndex& DocumentManagerPrivate::indexOf(const FileTreeNode* node) const
{
    const FileTreeNode* top = node;
    while (top->parent)
        top = top->parent;
    return top == typeRoot ? typeIndex : folderIndex;
}

quint32 DocumentManagerPrivate::directAggregate(const FileTreeNode* node, bool searchView, bool onlyPassing) const
{
    StateMix mix;
    for (const DocumentInfo* entry : node->entries) {
        if (isConsidered(entry, searchView, onlyPassing))
            mix.add(entry->checkState(searchView));
    }
    return mix.aggregate();
}

// Children before parents: each considered folder record gets the aggregate of
// the files beneath it.
void DocumentManagerPrivate::refreshTopDown(FileTreeNode* node, bool searchView, bool onlyPassing)
{
    const std::vector<FileTreeNode*> order = nodesPreorder(
        node, [&](const DocumentInfo* entry) { return isConsidered(entry, searchView, onlyPassing); });
    const PathIndex& index = indexOf(node);
    QHash<const FileTreeNode*, StateMix> mixes;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        StateMix mix;
        for (const DocumentInfo* entry : (*it)->entries) {
            if (!isConsidered(entry, searchView, onlyPassing))
                continue;
            if (entry->isFile())
                mix.add(entry->checkState(searchView));
            else if (const FileTreeNode* child = lookup(index, entry->pathData(), entry->pathBytes()))
                mix.add(mixes.value(child));
        }
        (*it)->record->exchangeCheckState(searchView, mix.aggregate());
        mixes.insert(*it, mix);
    }
}

void DocumentManagerPrivate::setAncestorAggregates(FileTreeNode* node, bool searchView, bool onlyPassing)
{
    for (FileTreeNode* n = node; n; n = n->parent)
        n->record->exchangeCheckState(searchView, directAggregate(n, searchView, onlyPassing));
}

void DocumentManagerPrivate::crossTreeRefresh(bool fromFolderView, bool onlyPassing)
{
    FileTreeNode* reference = fromFolderView ? folderRoot : typeRoot;
    FileTreeNode* other = fromFolderView ? typeRoot : folderRoot;
    if (!reference || !other)
        return;
    const PathIndex& otherIndex = fromFolderView ? typeIndex : folderIndex;
    const quint32 state = reference->record->checkState(false);
    if (state == Qt::PartiallyChecked) {
        for (FileTreeNode* node : otherIndex)
            node->record->exchangeCheckState(false, Qt::Unchecked);
        refreshTopDown(other, false, onlyPassing);
        other->record->exchangeCheckState(false, directAggregate(other, false, onlyPassing));
    } else {
        for (FileTreeNode* node : otherIndex)
            node->record->exchangeCheckState(false, state);
        other->record->exchangeCheckState(false, state);
    }
}

void DocumentManagerPrivate::emitSelectedTotals(bool searchView)
{
    const quint64 count = searchView ? searchSelectedCount.load() : selectedCount.load();
    const quint64 bytes = searchView ? searchSelectedBytes.load() : selectedBytes.load();
    if (count == 0)
        emit owner->selectedDocumentChanged(QString(), QString());
    else
        emit owner->selectedDocumentChanged(formatCount(count), formatFileSize(bytes, 2, false));
}

void DocumentManagerPrivate::updateNormalView(const QString& path, const QVector<DocumentInfo*>& docs, int state,
                                              int stateType, int viewMode)
{
    const bool onlyPassing = filterSet.load();
    QStringList folders;
    auto [count, bytes] = owner->setAllCheckStates(docs, state, false, onlyPassing, &folders);
    {
        std::unique_lock lock(treeLock);
        if (FileTreeNode* node = nodeOfPath(path)) {
            if (node != folderRoot && node != typeRoot)
                setAncestorAggregates(node, false, onlyPassing);
            else
                node->record->exchangeCheckState(false, stateType ? directAggregate(node, false, onlyPassing)
                                                                  : quint32(state));
        }
    }
    emit owner->nodeStateChanged(path, Qt::CheckState(state), 1, false);
    for (const QString& folder : folders) {
        const auto [c, b] = owner->setSubtreeCheckState(folder, state, false, onlyPassing);
        count += c;
        bytes += b;
    }
    addDelta(selectedCount, count);
    addDelta(selectedBytes, bytes);
    emit owner->nodeStateChanged(path, Qt::CheckState(state), 2, false);
    emitSelectedTotals(false);
    {
        std::unique_lock lock(treeLock);
        crossTreeRefresh(viewMode & 1, onlyPassing);
    }
    emit owner->nodeStateChanged(path, Qt::CheckState(state), 3, true);
}

void DocumentManagerPrivate::updateSearchView(const QString& path, const QVector<DocumentInfo*>& docs, int state)
{
    const bool onlyPassing = filterSet.load();
    QStringList folders;
    auto [count, bytes] = owner->setAllCheckStates(docs, state, true, onlyPassing, &folders);
    emit owner->nodeStateChanged(path, Qt::CheckState(state), 1, false);
    for (const QString& folder : folders) {
        const auto [c, b] = owner->setSubtreeCheckState(folder, state, true, onlyPassing);
        count += c;
        bytes += b;
    }
    addDelta(searchSelectedCount, count);
    addDelta(searchSelectedBytes, bytes);
    emit owner->nodeStateChanged(path, Qt::CheckState(state), 2, true);
    emitSelectedTotals(true);
    if (!path.isEmpty()) {
        std::unique_lock lock(treeLock);
        if (FileTreeNode* node = nodeOfPath(path))
            setAncestorAggregates(node, true, onlyPassing);
    }
}

void DocumentManagerPrivate::routeNodeStateUpdate(const QString& path, QVector<DocumentInfo*> docs, int state,
                                                  int stateType, int viewMode)
{
    if (viewMode & 4) {
        updateSearchView(path, docs, state);
        return;
    }
    if (docs.isEmpty()) {
        std::shared_lock lock(treeLock);
        FileTreeNode* node = nodeOfPath(path);
        if (!node)
            return;
        docs = node->entries;
    }
    updateNormalView(path, docs, state, stateType, viewMode);
}

void DocumentManager::updateDocumentNodeState(const QString& currentNodePath, const QVector<DocumentInfo*>& docs,
                                              int checkState, int checkStateType, int viewDisplayMode)
{
    const quint64 posted = dataGeneration();
    postTask(UpdateNodeState, [=] {
        // Pointers read before a release are gone: the request no longer means anything.
        if (dataGeneration() != posted)
            return;
        d->routeNodeStateUpdate(currentNodePath, docs, checkState, checkStateType, viewDisplayMode);
    }, QString(), true);
}

void DocumentManager::selectionDocumentNodeState(int checkState, int viewDisplayMode)
{
    postTask(UpdateNodeState, [=] {
        if (viewDisplayMode & 4) {
            QVector<DocumentInfo*> results;
            {
                std::shared_lock lock(d->treeLock);
                results = d->searchResults;
            }
            d->updateSearchView(QString(), results, checkState);
            return;
        }
        const bool folderView = viewDisplayMode & 1;
        QString path;
        QVector<DocumentInfo*> docs;
        {
            std::shared_lock lock(d->treeLock);
            FileTreeNode* root = folderView ? d->folderRoot : d->typeRoot;
            if (!root)
                return;
            path = DocumentInfo::filePath(root->record);
            docs = root->entries;
        }
        d->updateNormalView(path, docs, checkState, 0, folderView ? 1 : 2);
    }, QString(), true);
}

QPair<quint64, quint64> DocumentManager::recountCheckedFiles(bool searchView) const
{
    const bool filterActive = d->filterSet.load();
    quint64 count = 0, bytes = 0;
    std::shared_lock lock(d->treeLock);
    for (const FileTreeNode* node : d->typeIndex) {
        for (const DocumentInfo* record : node->entries) {
            if (DocumentManagerPrivate::countsAsChecked(record, searchView, filterActive)) {
                ++count;
                bytes += quint64(record->size);
            }
        }
    }
    return {count, bytes};
}
