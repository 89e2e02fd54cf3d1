#include "RecoverFileInfoPanel.h"

#include "Application/XApplication.h"
#include "DocumentInfo.h"
#include "FileTypeIconProvider.h"
#include "FileTypeName.h"
#include "RecoverFileInfoPanelProviderDelegate.h"
#include "StorageDeviceManager.h"
#include "ThumbnailCacheEngine.h"
#include "XImageBox.h"
#include "XListView.h"
#include "XPushButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

struct RecoverFileInfoPanel::Private {
    XPushButton* button = nullptr;
    XImageBox* imageBox = nullptr;
    XListView* list = nullptr;
    QStandardItemModel* model = nullptr;
    QString name;
    QString dateText;
    quint8 typeCode = 0;
    QString sizeText;
    QString path;
    QVariant document;
    DocumentInfo* current = nullptr;
    bool previewable = false;
    bool hasDocument = false;
};

RecoverFileInfoPanel::RecoverFileInfoPanel(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>())
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedWidth(XApplication::scaledX(230));

    auto* frame = new QWidget(this);
    frame->setStyleSheet(QStringLiteral(
        "QWidget{background: #F8FAFC;border-radius: 8px 8px 8px 8px;border: 1px solid #F1F5F9;}"));
    d->imageBox = new XImageBox(frame);
    d->imageBox->setFixedSize(XApplication::scaledX(198), XApplication::scaledY(131));
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->setSpacing(0);
    frameLayout->addWidget(d->imageBox, 0, Qt::AlignCenter);

    d->button = new XPushButton(this);
    d->button->setFixedSize(XApplication::scaledX(198), XApplication::scaledY(38));
    d->button->setBackgroundColors({QColor("#FFFFFF"), QColor("#EFF6FF"), QColor("#DBEBFF"), QColor("#FFFFFF")});
    d->button->setTextColors({QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#B6B6B6")});
    d->button->setBorderColors({QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#D7D7D7")});
    d->button->setBorderWidth(2.0);
    d->button->setRadius(0.14 * XApplication::scaledY(38));

    d->list = new XListView(this);
    d->list->setSelectionMode(QAbstractItemView::NoSelection);
    d->list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    d->list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->list->verticalScrollBar()->setSingleStep(40);
    d->list->setDragEnabled(false);
    d->list->viewport()->setMouseTracking(true);
    d->list->setProperty("style", "white");
    d->list->setSpacing(0);
    d->list->setFrameShape(QFrame::NoFrame);
    d->model = new QStandardItemModel(d->list);
    d->list->setModel(d->model);
    d->list->setItemDelegate(new RecoverFileInfoPanelProviderDelegate(d->list));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(XApplication::scaledX(16), XApplication::scaledY(20), XApplication::scaledX(16), 0);
    layout->setSpacing(0);
    layout->addWidget(frame, 0, Qt::AlignHCenter);
    layout->addSpacing(XApplication::scaledY(16));
    layout->addWidget(d->button, 0, Qt::AlignHCenter);
    layout->addSpacing(XApplication::scaledY(16));
    layout->addWidget(d->list);

    connect(d->button, &XPushButton::clicked, this, [this] {
        if (d->hasDocument)
            emit openClicked(d->document);
    });
    setDocument(QVariant());
}

RecoverFileInfoPanel::~RecoverFileInfoPanel() = default;

XPushButton* RecoverFileInfoPanel::button() const { return d->button; }
XImageBox* RecoverFileInfoPanel::imageBox() const { return d->imageBox; }
QStandardItemModel* RecoverFileInfoPanel::rows() const { return d->model; }
XListView* RecoverFileInfoPanel::rowView() const { return d->list; }

QString RecoverFileInfoPanel::displayPath(const QString& path)
{
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString shown;
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            shown += QLatin1Char('/');
        shown += i < 3 ? translateDisplayName(parts[i]) : parts[i];
    }
    return shown;
}

void RecoverFileInfoPanel::setDocument(const QVariant& value)
{
    QVariant converted = value;
    DocumentInfo* doc = nullptr;
    if (converted.isValid() && converted.convert(qMetaTypeId<DocumentInfo*>()))
        doc = converted.value<DocumentInfo*>();
    if (doc) {
        d->name = DocumentInfo::fileName(doc);
        d->dateText = DocumentInfo::timeText(doc);
        d->sizeText = DocumentInfo::sizeText(doc);
        d->typeCode = quint8(doc->typeCode);
        d->path = DocumentInfo::filePath(doc);
        d->previewable = d->typeCode >= 29 && d->typeCode <= 38;
        d->hasDocument = true;
        d->current = doc;
    } else {
        d->name.clear();
        d->dateText.clear();
        d->sizeText.clear();
        d->typeCode = 0;
        d->path.clear();
        d->previewable = false;
        d->hasDocument = false;
        d->current = nullptr;
    }
    d->document = value;
    fillRows();
    if (!doc) {
        d->imageBox->setPixmap(QPixmap());
        return;
    }
    auto* engine = NomoThumbCache::ThumbnailCacheEngine::instance();
    const NomoThumbCache::ThumbnailResult result = engine->getThumbnail(doc);
    showPicture(result.thumbnail);
    if (result.state == NomoThumbCache::NotLoaded)
        engine->addTask(doc);
}

// The rows hold translated texts (type name, volume names): rebuilt in a new language too.
void RecoverFileInfoPanel::fillRows()
{
    d->model->clear();
    const QString values[] = {d->hasDocument ? translateDisplayName(d->name) : QString(), d->dateText,
                              d->hasDocument ? QString::number(d->typeCode) : QString(), d->sizeText,
                              displayPath(d->path)};
    for (int kind = 0; kind < 5; ++kind) {
        QString shown = values[kind];
        if (kind == 2 && d->hasDocument)
            shown = fileTypeName(d->typeCode, true);
        auto* item = new QStandardItem(shown);
        item->setData(kind, Qt::UserRole + 1);
        d->model->appendRow(item);
    }
    retranslateUi();
}

void RecoverFileInfoPanel::onThumbnailLoaded(qulonglong docAddress, const QPixmap& thumbnail, bool)
{
    if (!d->hasDocument || docAddress != qulonglong(reinterpret_cast<quintptr>(d->current)))
        return;
    showPicture(thumbnail);
}

void RecoverFileInfoPanel::showPicture(const QPixmap& thumbnail)
{
    static const FileTypeIconProvider icons;
    const QSize box = d->imageBox->size();
    QPixmap picture;
    if (thumbnail.isNull())
        picture = icons.scaledIcon(d->typeCode, QSize(XApplication::scaledX(150), XApplication::scaledY(91)));
    else if (thumbnail.width() <= box.width() && thumbnail.height() <= box.height())
        picture = thumbnail;
    else
        picture = fitted(thumbnail, box);
    d->imageBox->setPixmap(picture, false);
}

QPixmap RecoverFileInfoPanel::fitted(const QPixmap& thumbnail, const QSize& box)
{
    const QSize target(qMin(thumbnail.width(), box.width()), qMin(thumbnail.height(), box.height()));
    const QPixmap scaled = thumbnail.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const int radius = XApplication::scaledX(8);
    if (scaled.width() < target.width() - 2 * radius || scaled.height() < target.height() - 2 * radius)
        return scaled;
    QPixmap rounded(scaled.size());
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rounded.rect()), radius, radius);
    painter.setClipPath(clip);
    painter.drawPixmap(0, 0, scaled);
    return rounded;
}

void RecoverFileInfoPanel::retranslateUi()
{
    d->button->setText(d->previewable ? tr("Preview") : tr("Open"));
}

void RecoverFileInfoPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        fillRows();
    QWidget::changeEvent(event);
}
