#include "PreviewPages.h"

#include "AppManager.h"
#include "Application/XApplication.h"
#include "FileTypeIconProvider.h"
#include "NodeTypeCode.h"
#include "ThemeColors.h"
#include "XImageBox.h"
#include "XLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

namespace {

// Qt gives an "@2x" file a device pixel ratio of 2 and would draw it at half
// the size asked for; the sizes here are already in device pixels.
QPixmap pixelSized(const QString& path)
{
    QPixmap pixmap(path);
    pixmap.setDevicePixelRatio(1.0);
    return pixmap;
}

}

PictureViewer::PictureViewer(QWidget* parent) : QWidget(parent)
{
    setFixedSize(XApplication::scaledX(566), XApplication::scaledY(344));
    pictureLabel = new QLabel(this);
    pictureLabel->setAlignment(Qt::AlignCenter);
    pictureLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    pictureLabel->setScaledContents(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pictureLabel);
}

void PictureViewer::setPixmap(const QPixmap& pixmap)
{
    if (pixmap.isNull()) {
        pictureLabel->setPixmap(pixelSized(AppManager::imagePath(QStringLiteral("icon_photo@2x.png"))));
        return;
    }
    if (pixmap.width() <= width() && pixmap.height() <= height()) {
        pictureLabel->setPixmap(pixmap);
        return;
    }
    pictureLabel->setPixmap(pixmap.scaled(QSize(qMin(pixmap.width(), width()), qMin(pixmap.height(), height())),
                                          Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

NotSupportPreview::NotSupportPreview(QWidget* parent) : QWidget(parent)
{
    image = new XImageBox(this);
    image->setFixedSize(XApplication::scaledX(109), XApplication::scaledY(109));
    setTypeCode(OtherFile);

    title = new XLabel(this);
    title->setTextColor(ThumbTheme::primaryText());
    title->setAlignment(Qt::AlignCenter);
    title->setFontPointSize(13.5);

    hint = new XLabel(this);
    hint->setTextColor(ThumbTheme::secondaryText());
    hint->setAlignment(Qt::AlignCenter);
    hint->setContextMenuPolicy(Qt::NoContextMenu);
    hint->setFontPointSizeAndBold(10.5, true);
    hint->setTextFormat(Qt::RichText);
    connect(hint, &QLabel::linkActivated, this, &NotSupportPreview::recoverSignal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(image, 0, Qt::AlignCenter);
    layout->addSpacing(XApplication::scaledY(16));
    layout->addWidget(title);
    layout->addSpacing(XApplication::scaledY(8));
    layout->addWidget(hint);
    layout->addStretch();
    retranslate();
}

void NotSupportPreview::setTypeCode(int typeCode)
{
    if (typeCode == shownType)
        return;
    shownType = typeCode;
    // Codes beyond the table's range draw the fallback icon, as the table does.
    const quint8 code = typeCode >= 0 && typeCode <= 0xFF ? quint8(typeCode) : quint8(0xFF);
    image->setPixmap(pixelSized(FileTypeIconProvider::iconPath(code)), true);
}

void NotSupportPreview::retranslate()
{
    title->setText(tr("The file does not support preview."));
    hint->setText(tr("Please open it after <a style='color: %1;' href=\"#\">recovery</a>.")
                      .arg(ThumbTheme::linkAccent().name()));
}

void NotSupportPreview::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

LoadingAnimationView::LoadingAnimationView(QWidget* parent) : QWidget(parent)
{
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignCenter);
    animation = new QMovie(AppManager::imagePath(QStringLiteral("loading@2x.gif")), QByteArray(), this);
    animation->setScaledSize(QSize(XApplication::scaledX(80), XApplication::scaledY(80)));
    // Frames shown one by one at their pixel size (see pixelSized).
    connect(animation, &QMovie::frameChanged, label, [label, this] {
        QPixmap frame = animation->currentPixmap();
        frame.setDevicePixelRatio(1.0);
        label->setPixmap(frame);
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(label, 0, Qt::AlignCenter);
    layout->addStretch();
    animation->start();
}

#define OSTREL_EMPTY_PREVIEW_PAGE_BODY(Name)                                        \
    struct Name::Private {                                                          \
        Name* page;                                                                 \
    };                                                                              \
    Name::Name(QWidget* parent) : QWidget(parent), d(new Private{this}) {}          \
    Name::~Name() = default;

OSTREL_EMPTY_PREVIEW_PAGE_BODY(AudioViewer)
OSTREL_EMPTY_PREVIEW_PAGE_BODY(DocumentViewer)
OSTREL_EMPTY_PREVIEW_PAGE_BODY(VideoViewer)
