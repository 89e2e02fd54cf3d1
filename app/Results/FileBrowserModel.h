#pragma once
#include "DocumentInfo.h"
#include "FileTreeNode.h"

#include <QAbstractTableModel>
#include <QVector>

#include <atomic>
#include <vector>

// The file list of the results page: one row per record of the folder, category
// or search result on show. Whole lists arrive at once; records delivered while
// a scan runs are exposed 257 at first, then 256 per fetchMore.
class FileBrowserModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum FileBrowserRole {
        CheckStateRole = Qt::UserRole + 1,
        FilePathRole = 258,
        TypeCodeRole = 259,
        SizeTextRole = 260,
        DateTextRole = 261,
        ThumbnailRole = 262,
        DocumentRole = 263,
        TypeNameRole = 265,
        ViewDisplayModeRole = 266,
        FilterPassRole = 270,
    };
    static constexpr int firstExposed = 257;
    static constexpr int fetchBatch = 256;

    explicit FileBrowserModel(QObject* parent = nullptr);
    ~FileBrowserModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void fetchMore(const QModelIndex& parent) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setDocuments(const QVector<DocumentInfo*>& docs);
    void appendDocument(DocumentInfo* doc);
    // One insert for the whole batch, keeping the 257-then-256 exposure.
    void appendDocuments(const QVector<DocumentInfo*>& docs);
    const QVector<DocumentInfo*>& documents() const { return documents_; }
    DocumentInfo* documentAt(int row) const { return documents_.at(row); }
    // The record's row; 0 when absent (callers then select the first row).
    int rowOfDocument(DocumentInfo* doc) const;
    void refreshNodeRow(FileTreeNode* node, bool* found);
    void setSearchKeyword(const QString& keyword);
    QString searchKeyword() const { return searchKeyword_; }
    void setViewDisplayMode(int mode);
    int viewDisplayMode() const;
    void updateDocumentThumbnail(DocumentInfo* doc);
    // The header's tri-state over the records passing the filter: 0 none
    // checked, 1 mixed or partly checked, 2 all checked (0 for an empty list).
    int aggregateCheckState() const;

    // The display name of a record as the list shows it, before highlighting.
    static QString displayName(const DocumentInfo* doc);
    static QString typeName(const DocumentInfo* doc);

private:
    // Position of a record, -1 when absent (a list holds each record once).
    // Rows next to the last one found are tried first; then a row index built on first use, with appended rows added
    // once a short tail has grown, so thumbnail updates never scan a long list.
    int positionOf(DocumentInfo* doc) const;
    void indexRows() const;
    void dropIndex();

    QVector<DocumentInfo*> documents_;
    int loadedCount_ = 0;
    QString searchKeyword_;
    std::atomic<int> viewDisplayMode_{1};
    // Open addressing over row numbers (-1 empty, at most half full): the records
    // themselves stay in documents_, and a million rows index in one linear pass.
    mutable std::vector<int> rowSlots_;
    mutable int indexedRows_ = 0;
    mutable int lastFound_ = 0;
};
