#pragma once
#include <QAbstractListModel>
#include <QFutureWatcher>
#include <QVariant>
#include <QVector>

struct DocumentInfo;

// The records of the thumbnail strip (not owned: they belong to the found-file
// model), exposed 1000 rows at a time, all at once after an asynchronous load.
class ThumbModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int PathRole = Qt::UserRole + 2;       // 258
    static constexpr int ThumbnailRole = Qt::UserRole + 6;  // 262: what a refresh announces

    explicit ThumbModel(QObject* parent = nullptr);
    ~ThumbModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    void clear();
    // Copies the records on Qt's pool, then on this thread resets the model,
    // exposes every row and emits syncLoadFinish(parameter). A later call wins.
    void setDocumentsAsync(const QVector<DocumentInfo*>& documents, const QVariant& parameter);
    // The record's row, exposing it first when it lies beyond the exposed rows; 0 when absent.
    int exposeDocument(DocumentInfo* doc);
    void updateDocumentThumbnail(DocumentInfo* doc);
    DocumentInfo* document(int row) const;

signals:
    void syncLoadFinish(QVariant parameter);

private:
    QVector<DocumentInfo*> documents;
    int exposed = 0;
    QFutureWatcher<QVector<DocumentInfo*>>* loader = nullptr;
};
