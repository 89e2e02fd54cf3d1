#include "FileBrowserModel.h"

#include "FileTypeName.h"
#include "NodeTypeCode.h"
#include "StorageDeviceManager.h"
#include "SystemHelpers.h"
#include "ThumbnailCacheEngine.h"

#include "spdlog_qt.h"

#include <QColor>
#include <QListView>
#include <QPixmap>

#include <bit>

FileBrowserModel::FileBrowserModel(QObject* parent) : QAbstractTableModel(parent)
{
    qRegisterMetaType<DocumentInfo*>("DocumentInfo*");
    qRegisterMetaType<QVector<DocumentInfo*>>("QVector<DocumentInfo*>");
}

FileBrowserModel::~FileBrowserModel() = default;

int FileBrowserModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : loadedCount_;
}

int FileBrowserModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 5;
}

QString FileBrowserModel::displayName(const DocumentInfo* doc)
{
    const quint16 code = doc->typeCode;
    const QString name = DocumentInfo::fileName(doc);
    if (code == RecycleBinFolder || (code >= FileNameLostFolder && code <= ExtensionlessFileFolder))
        return fileTypeName(code, true);
    if (code <= DesktopFolder)
        return translateDisplayName(name);
    return name;
}

QString FileBrowserModel::typeName(const DocumentInfo* doc)
{
    const quint16 code = doc->typeCode;
    if (code <= 14 || (code >= 16 && code <= 27))
        return tr("Folder");
    const QString suffix = DocumentInfo::suffix(doc);
    return suffix.isEmpty() ? fileTypeName(code, true) : suffix;
}

QVariant FileBrowserModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= documents_.size())
        return {};
    DocumentInfo* doc = documents_.at(index.row());
    if (!doc)
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const QString name = displayName(doc);
        return searchKeyword_.isEmpty() ? name : highlightKeyword(searchKeyword_, name, QStringLiteral("#FF8C00"));
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return QColor(QStringLiteral("#0F172A"));
    case CheckStateRole:
        return int(doc->checkState(doc->inSearchMode()));
    case FilePathRole:
        return DocumentInfo::filePath(doc);
    case TypeCodeRole:
        return int(doc->typeCode);
    case SizeTextRole:
        return DocumentInfo::sizeText(doc);
    case DateTextRole:
        return DocumentInfo::timeText(doc);
    case ThumbnailRole:
        return NomoThumbCache::ThumbnailCacheEngine::instance()->getThumbnail(doc).thumbnail;
    case DocumentRole:
        return QVariant::fromValue(doc);
    case TypeNameRole:
        return typeName(doc);
    case ViewDisplayModeRole:
        return viewDisplayMode();
    case FilterPassRole:
        return doc->passesFilter();
    default:
        return {};
    }
}

bool FileBrowserModel::setData(const QModelIndex&, const QVariant&, int)
{
    return false;
}

QVariant FileBrowserModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole)
        return QColor(QStringLiteral("#64748B"));
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case 0: {
        const auto* view = qobject_cast<const QListView*>(QObject::parent());
        return view && view->viewMode() == QListView::IconMode ? tr("Select All") : tr("Name");
    }
    case 1: return tr("Date Modified");
    case 2: return tr("Type");
    case 3: return tr("Size");
    case 4: return tr("Path");
    default: return {};
    }
}

void FileBrowserModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid())
        return;
    const int n = qMin(fetchBatch, int(documents_.size()) - loadedCount_);
    if (n <= 0)
        return;
    beginInsertRows(QModelIndex(), loadedCount_, loadedCount_ + n - 1);
    loadedCount_ += n;
    endInsertRows();
}

bool FileBrowserModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && loadedCount_ < documents_.size();
}

Qt::ItemFlags FileBrowserModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return QAbstractTableModel::flags(index);
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

void FileBrowserModel::setDocuments(const QVector<DocumentInfo*>& docs)
{
    beginResetModel();
    dropIndex();
    if (!docs.isEmpty()) {
        documents_ = docs;
        loadedCount_ = documents_.size();
    } else {
        documents_.resize(0);
        loadedCount_ = 0;
    }
    endResetModel();
}

void FileBrowserModel::appendDocument(DocumentInfo* doc)
{
    appendDocuments({doc});
}

void FileBrowserModel::appendDocuments(const QVector<DocumentInfo*>& docs)
{
    if (docs.isEmpty())
        return;
    documents_.append(docs);
    // One by one, rows were exposed while at most 256 were loaded: the first
    // 257 arrivals show at once, later ones wait for fetchMore.
    if (loadedCount_ > fetchBatch)
        return;
    const int shown = qMin(firstExposed, int(documents_.size())) - loadedCount_;
    if (shown <= 0)
        return;
    beginInsertRows(QModelIndex(), loadedCount_, loadedCount_ + shown - 1);
    loadedCount_ += shown;
    endInsertRows();
}

namespace {

// Fibonacci hashing of the record's address into a table of 2^bits slots.
size_t slotOf(const DocumentInfo* doc, int bits)
{
    return size_t((quint64(quintptr(doc)) * 0x9E3779B97F4A7C15ull) >> (64 - bits));
}

} // namespace

int FileBrowserModel::positionOf(DocumentInfo* doc) const
{
    constexpr int tailLimit = 4096;
    constexpr int nearby = 256;
    const int size = documents_.size();
    // Thumbnails arrive for the cells on screen, one after another: look next to
    // the last row found before building or searching the index.
    for (int row = qMax(0, lastFound_ - nearby); row < qMin(size, lastFound_ + nearby); ++row) {
        if (documents_[row] == doc)
            return lastFound_ = row;
    }
    if (size - indexedRows_ > tailLimit)
        indexRows();
    if (!rowSlots_.empty()) {
        const size_t mask = rowSlots_.size() - 1;
        // Rows went in ascending, so a record listed twice is found at its first row.
        for (size_t slot = slotOf(doc, std::countr_zero(rowSlots_.size())); rowSlots_[slot] >= 0; slot = (slot + 1) & mask) {
            if (documents_[rowSlots_[slot]] == doc)
                return lastFound_ = rowSlots_[slot];
        }
    }
    for (int row = indexedRows_; row < size; ++row) {
        if (documents_[row] == doc)
            return lastFound_ = row;
    }
    return -1;
}

void FileBrowserModel::indexRows() const
{
    const size_t size = size_t(documents_.size());
    if (size * 2 > rowSlots_.size()) {
        rowSlots_.assign(std::bit_ceil(size * 2), -1);
        indexedRows_ = 0;
    }
    const int bits = std::countr_zero(rowSlots_.size());
    const size_t mask = rowSlots_.size() - 1;
    for (int row = indexedRows_; row < int(size); ++row) {
        size_t slot = slotOf(documents_[row], bits);
        while (rowSlots_[slot] >= 0)
            slot = (slot + 1) & mask;
        rowSlots_[slot] = row;
    }
    indexedRows_ = int(size);
}

void FileBrowserModel::dropIndex()
{
    rowSlots_.clear();
    rowSlots_.shrink_to_fit();
    indexedRows_ = 0;
    lastFound_ = 0;
}

int FileBrowserModel::rowOfDocument(DocumentInfo* doc) const
{
    if (!doc)
        return 0;
    const int p = positionOf(doc);
    logInfo(QStringLiteral("[FileBrowser] The object is not empty, select the %1 row.").arg(p));
    return p < 0 ? 0 : p;
}

void FileBrowserModel::refreshNodeRow(FileTreeNode* node, bool* found)
{
    DocumentInfo* d = node ? node->record : nullptr;
    const int mode = d ? int(d->level()) : 0;
    if (mode != viewDisplayMode())
        return;
    const int row = positionOf(d);
    if (row < 0)
        return;
    if (found)
        *found = true;
    if (row < loadedCount_)
        emit dataChanged(index(row, 0), index(row, 0), {FilterPassRole});
}

void FileBrowserModel::setSearchKeyword(const QString& keyword)
{
    searchKeyword_ = keyword;
}

void FileBrowserModel::setViewDisplayMode(int mode)
{
    viewDisplayMode_.exchange(mode);
}

int FileBrowserModel::viewDisplayMode() const
{
    return viewDisplayMode_.load(std::memory_order_relaxed);
}

void FileBrowserModel::updateDocumentThumbnail(DocumentInfo* doc)
{
    if (!doc)
        return;
    const int row = positionOf(doc);
    if (row < 0 || row >= loadedCount_)
        return;
    emit dataChanged(index(row, 0), index(row, 0), {ThumbnailRole});
}

int FileBrowserModel::aggregateCheckState() const
{
    bool checked = false;
    bool unchecked = false;
    for (const DocumentInfo* doc : documents_) {
        if (!doc || !doc->passesFilter())
            continue;
        const quint32 state = doc->checkState(doc->inSearchMode());
        if (state == 1)
            return 1;
        (state == 2 ? checked : unchecked) = true;
        if (checked && unchecked)
            return 1;
    }
    return checked ? 2 : 0;
}
