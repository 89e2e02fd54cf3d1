#pragma once
#include "XDialog.h"

#include <QPixmap>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>

struct DocumentInfo;
class MultiMediaViewer;
class ThumbView;
class XPushButton;

// The window a double-click on a found file opens: the file large, its
// siblings in a strip below, and Recover. Pictures come from the thumbnail
// engine; anything else, or a picture that cannot be decoded, cannot be previewed.
class MediaPreviewDialog : public XDialog {
    Q_OBJECT
public:
    explicit MediaPreviewDialog(QWidget* parent = nullptr);
    ~MediaPreviewDialog() override;

    void setDocuments(const QVector<DocumentInfo*>& documents, DocumentInfo* current);
    void onThumbnailLoaded(DocumentInfo* doc, const QPixmap& thumbnail, bool isLast);

    // Where the preview's analytics events go (the analytics service by default).
    using AnalyticsSender = std::function<void(const QString& category, const QString& action,
                                               const QString& label, const QVariant& value)>;
    static void setAnalyticsSender(AnalyticsSender sender);

    MultiMediaViewer* viewer() const;
    ThumbView* thumbView() const;
    XPushButton* recoverButton() const;

signals:
    void recoverFileSiganl(QVariant document);

protected:
    void changeEvent(QEvent* event) override;

private:
    void onCurrentChanged(const QVariant& document);
    void recover(bool fromNotSupportedPage);
    void showTitle(DocumentInfo* doc);

    struct Private;
    std::unique_ptr<Private> d;
};
