#pragma once
#include <QVariant>
#include <QVector>
#include <QWidget>

#include <memory>

struct DocumentInfo;
class ThumbModel;
class XListView;
class XPushButton;

// The strip of sibling thumbnails under the preview: arrows on both sides,
// the cells in view queued with the thumbnail engine as they come into view.
class ThumbView : public QWidget {
    Q_OBJECT
public:
    explicit ThumbView(QWidget* parent = nullptr);
    ~ThumbView() override;

    void setDocuments(const QVector<DocumentInfo*>& documents, DocumentInfo* current);
    QVariant currentData() const;
    bool isCurrent(DocumentInfo* doc) const;
    void updateDocumentThumbnail(DocumentInfo* doc);
    void selectRow(int row);

    // Rows whose cells intersect the viewport, from the scroll position ({-1, -1} when none).
    QPair<int, int> visibleRows() const;

    // For tests and screenshots.
    XListView* listView() const;
    ThumbModel* model() const;
    XPushButton* leftButton() const;
    XPushButton* rightButton() const;

signals:
    void currentIndexChanged(QVariant document);

public slots:
    void onUpdateNavButtons();

private:
    void loadVisibleThumbnails();
    void scheduleLoad();

    struct Private;
    std::unique_ptr<Private> d;
};
