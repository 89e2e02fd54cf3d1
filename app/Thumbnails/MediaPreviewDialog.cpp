#include "MediaPreviewDialog.h"

#include "Application/XApplication.h"
#include "DocumentInfo.h"
#include "FileTypeName.h"
#include "GaService.h"
#include "MultiMediaViewer.h"
#include "NodeTypeCode.h"
#include "ThumbView.h"
#include "ThumbnailCacheEngine.h"
#include "XLabel.h"
#include "XLine.h"
#include "XPushButton.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace NomoThumbCache;

namespace {

MediaPreviewDialog::AnalyticsSender& analyticsSender()
{
    static MediaPreviewDialog::AnalyticsSender sender;
    return sender;
}

void sendEvent(const QString& action, const QString& label, const QString& value)
{
    const QString category = QStringLiteral("OtherInformation");
    if (analyticsSender())
        analyticsSender()(category, action, label, value);
    else
        sendGaEvent(category, action, label, value, QVariantMap());
}

void sendTriple(const QString& action, const QString& type, const QString& suffix, const QString& outcome)
{
    sendEvent(action, QStringLiteral("Label1"), type);
    sendEvent(action, QStringLiteral("Label2"), suffix);
    sendEvent(action, QStringLiteral("Label3"), outcome);
}

void sendPhotoEvents(DocumentInfo* doc, const char* outcome)
{
    sendTriple(QStringLiteral("Preview"), QStringLiteral("Photo"), DocumentInfo::suffix(doc),
               QString::fromLatin1(outcome));
}

XLine* separator(QWidget* parent)
{
    return new XLine(Qt::Horizontal, 1, QColor(0xF1, 0xF5, 0xF9), parent);
}

}

struct MediaPreviewDialog::Private {
    MediaPreviewDialog* dialog = nullptr;
    XPushButton* recover = nullptr;
    MultiMediaViewer* viewer = nullptr;
    ThumbView* strip = nullptr;
};

void MediaPreviewDialog::setAnalyticsSender(AnalyticsSender sender)
{
    analyticsSender() = std::move(sender);
}

MediaPreviewDialog::MediaPreviewDialog(QWidget* parent) : XDialog(parent), d(std::make_unique<Private>())
{
    d->dialog = this;
    const QSize size(XApplication::scaledX(994), XApplication::scaledY(636));
    setMinimumSize(size);
    setMaximumSize(size);
    setTitleIcon(QString());
    setTitleFont(12, false);
    // Found names are shown as they are, never as markup.
    titleLabel()->setTextFormat(Qt::PlainText);

    auto* container = new QWidget(contentWidget());
    container->setObjectName(QStringLiteral("multiMediaViewer"));
    container->setAttribute(Qt::WA_StyledBackground, true);
    container->setStyleSheet(QStringLiteral(
        "QWidget#multiMediaViewer{background: #F8FAFC;border-radius: 10px;border: 1px solid #F1F5F9;}"));
    d->viewer = new MultiMediaViewer(container);
    d->viewer->setMinimumHeight(XApplication::scaledY(342));
    d->strip = new ThumbView(container);
    d->strip->setFixedHeight(XApplication::scaledY(136));
    auto* inner = new QVBoxLayout(container);
    inner->setContentsMargins(XApplication::scaledX(16), XApplication::scaledY(16), XApplication::scaledX(16), 0);
    inner->setSpacing(0);
    inner->addWidget(d->viewer);
    inner->addWidget(d->strip);

    d->recover = new XPushButton(contentWidget());
    d->recover->setFixedSize(XApplication::scaledX(143), XApplication::scaledY(38));
    d->recover->setBackgroundColors({QColor("#2563EB"), QColor("#0349E3"), QColor("#2563EB"), QColor("#D7D7D7")});
    d->recover->setTextColors({Qt::white, Qt::white, Qt::white, QColor("#B6B6B6")});
    d->recover->setBorderColors({Qt::transparent, Qt::transparent, Qt::transparent, Qt::transparent});
    d->recover->setBorderWidth(2);
    d->recover->setRadius(0.14 * d->recover->height());
    d->recover->setText(tr("Recover"));

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(d->recover);
    buttons->addSpacing(XApplication::scaledX(12));
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(0, XApplication::scaledY(15), 0, XApplication::scaledY(10));
    layout->setSpacing(0);
    layout->addWidget(separator(contentWidget()));
    layout->addWidget(container);
    layout->addSpacing(XApplication::scaledY(1));
    layout->addWidget(separator(contentWidget()));
    layout->addSpacing(XApplication::scaledY(10));
    layout->addLayout(buttons);

    connect(d->strip, &ThumbView::currentIndexChanged, this, &MediaPreviewDialog::onCurrentChanged);
    connect(d->recover, &XPushButton::clicked, this, [this] { recover(false); });
    connect(d->viewer, &MultiMediaViewer::recoverSignal, this, [this] { recover(true); });
}

MediaPreviewDialog::~MediaPreviewDialog() = default;

void MediaPreviewDialog::setDocuments(const QVector<DocumentInfo*>& documents, DocumentInfo* current)
{
    d->viewer->showLoading();
    d->strip->setDocuments(documents, current);
}

void MediaPreviewDialog::showTitle(DocumentInfo* doc)
{
    const QString name = DocumentInfo::fileName(doc);
    setTitle(name);
    // A tool tip decides on its own whether text is markup: force it to show the name as written.
    if (!titleLabel()->toolTip().isEmpty())
        titleLabel()->setToolTip(QStringLiteral("<p style='white-space:pre'>%1</p>").arg(name.toHtmlEscaped()));
}

void MediaPreviewDialog::onCurrentChanged(const QVariant& document)
{
    auto* doc = document.value<DocumentInfo*>();
    showTitle(doc);
    if (!doc) {
        d->viewer->showNotSupported(OtherFile);
        return;
    }
    if (doc->typeCode != PhotoFile) {
        d->viewer->showNotSupported(doc->typeCode);
        sendTriple(QStringLiteral("Preview"), fileTypeName(doc->typeCode, false),
                   QFileInfo(DocumentInfo::filePath(doc)).suffix(), QStringLiteral("NotSupport"));
        return;
    }
    ThumbnailCacheEngine* engine = ThumbnailCacheEngine::instance();
    const ThumbnailResult result = engine->getThumbnail(doc);
    if (result.state == NotLoaded || result.state == Pending) {
        d->viewer->showLoading();
        if (result.state == NotLoaded)
            engine->addTaskFirst(doc);
    } else if (result.thumbnail.isNull()) {
        d->viewer->showNotSupported(doc->typeCode);
        sendPhotoEvents(doc, "NotSupport");
    } else {
        d->viewer->showPicture(result.thumbnail);
    }
}

void MediaPreviewDialog::onThumbnailLoaded(DocumentInfo* doc, const QPixmap& thumbnail, bool)
{
    d->strip->updateDocumentThumbnail(doc);
    if (!d->strip->isCurrent(doc))
        return;
    if (thumbnail.isNull()) {
        d->viewer->showNotSupported(doc->typeCode);
        sendPhotoEvents(doc, "NotSupport");
    } else {
        d->viewer->showPicture(thumbnail);
        sendPhotoEvents(doc, "Show");
    }
}

void MediaPreviewDialog::recover(bool fromNotSupportedPage)
{
    auto* doc = d->strip->currentData().value<DocumentInfo*>();
    if (!doc)
        return;
    emit recoverFileSiganl(QVariant::fromValue(doc));
    const bool photo = doc->typeCode == PhotoFile;
    sendTriple(QStringLiteral("PreviewRecover"), fileTypeName(doc->typeCode, false), DocumentInfo::suffix(doc),
               QLatin1String(photo && !fromNotSupportedPage ? "Show" : "NotSupport"));
}

void MediaPreviewDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        d->recover->setText(tr("Recover"));
    XDialog::changeEvent(event);
}

MultiMediaViewer* MediaPreviewDialog::viewer() const
{
    return d->viewer;
}

ThumbView* MediaPreviewDialog::thumbView() const
{
    return d->strip;
}

XPushButton* MediaPreviewDialog::recoverButton() const
{
    return d->recover;
}
