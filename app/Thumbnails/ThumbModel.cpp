#include "ThumbModel.h"

#include "DocumentInfo.h"
#include "ThreadHandOver.h"
#include "ThumbnailCacheEngine.h"

ThumbModel::ThumbModel(QObject* parent) : QAbstractListModel(parent)
{
}

ThumbModel::~ThumbModel()
{
    // A load the model never took delivery of: its copy was made on the pool,
    // and the watcher going with this model frees it here.
    for (auto* watcher : findChildren<QFutureWatcher<QVector<DocumentInfo*>>*>(QString(), Qt::FindDirectChildrenOnly)) {
        watcher->waitForFinished();
        ThreadHandOver::Finished(watcher->future());
    }
}

int ThumbModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : exposed;
}

DocumentInfo* ThumbModel::document(int row) const
{
    return row >= 0 && row < documents.size() ? documents[row] : nullptr;
}

QVariant ThumbModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= documents.size())
        return QVariant();
    DocumentInfo* doc = documents[index.row()];
    switch (role) {
    case Qt::DisplayRole: return QVariant::fromValue(doc);
    case Qt::DecorationRole:
        return NomoThumbCache::ThumbnailCacheEngine::instance()->getThumbnail(doc).thumbnail;
    case PathRole: return DocumentInfo::filePath(doc);
    default: return QVariant();
    }
}

bool ThumbModel::setData(const QModelIndex&, const QVariant&, int)
{
    return false;
}

bool ThumbModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && exposed < documents.size();
}

void ThumbModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const int more = qMin(documents.size() - exposed, 1000);
    beginInsertRows(QModelIndex(), exposed, exposed + more - 1);
    exposed += more;
    endInsertRows();
}

void ThumbModel::clear()
{
    loader = nullptr;  // a load still running is dropped when it ends
    beginResetModel();
    documents.clear();
    exposed = 0;
    endResetModel();
}

void ThumbModel::setDocumentsAsync(const QVector<DocumentInfo*>& source, const QVariant& parameter)
{
    // One watcher per load: an earlier load still running is forgotten, never delivered.
    auto* watcher = new QFutureWatcher<QVector<DocumentInfo*>>(this);
    loader = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, parameter] {
        ThreadHandOver::Finished(watcher->future());
        watcher->deleteLater();
        if (loader != watcher)
            return;
        loader = nullptr;
        beginResetModel();
        documents = ThreadHandOver::Result(watcher->future());
        exposed = documents.size();
        endResetModel();
        emit syncLoadFinish(parameter);
    });
    watcher->setFuture(
        ThreadHandOver::Run([source] { return QVector<DocumentInfo*>(source.cbegin(), source.cend()); }));
}

int ThumbModel::exposeDocument(DocumentInfo* doc)
{
    if (!doc)
        return 0;
    const int row = documents.indexOf(doc);
    if (row < 0)
        return 0;
    if (row < exposed)
        return row;
    // Rotate the record to just after the exposed rows, then expose one more.
    std::rotate(documents.begin() + exposed, documents.begin() + row, documents.begin() + row + 1);
    beginInsertRows(QModelIndex(), exposed, exposed);
    ++exposed;
    endInsertRows();
    return exposed - 1;
}

void ThumbModel::updateDocumentThumbnail(DocumentInfo* doc)
{
    const int row = documents.indexOf(doc);
    if (row < 0 || row >= exposed)
        return;
    const QModelIndex at = index(row);
    emit dataChanged(at, at, {ThumbnailRole});
}
