#include "XImageBox.h"

#include "PixelPictures.h"

#include <QImageReader>
#include <QPainter>
#include <QTimer>

struct XImageBox::Private {
    QImageReader reader;
    QPixmap pixmap;  // device pixel ratio 1: sizes are the program's UI-scaled pixels
    bool scaleToWidget = false;
    QSize imageSize;
    std::unique_ptr<QTimer> frameTimer;
    bool pausedByHide = false;

    void rewind() { reader.setFileName(reader.fileName()); }
};

XImageBox::XImageBox(QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
}

XImageBox::~XImageBox() = default;

void XImageBox::stopAnimation()
{
    d->frameTimer.reset();
}

void XImageBox::setImageFile(const QString& path, bool scaleToWidget)
{
    if (path.isEmpty())
        return;
    d->reader.setFileName(path);
    d->scaleToWidget = scaleToWidget;
    if (!d->reader.canRead()) {
        stopAnimation();
        d->pixmap = QPixmap();
        update();
        return;
    }
    if (d->reader.supportsAnimation()) {
        if (!d->frameTimer) {
            d->frameTimer = std::make_unique<QTimer>();
            d->frameTimer->setSingleShot(true);
            connect(d->frameTimer.get(), &QTimer::timeout, this, &XImageBox::showNextFrame);
        }
        d->frameTimer->start(std::max(0, d->reader.nextImageDelay()));
        return;
    }
    stopAnimation();
    QImage image = readPicture(d->reader);
    if (scaleToWidget && image.size() != size())
        image = image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    d->pixmap = QPixmap::fromImage(image);
    update();
}

void XImageBox::showNextFrame()
{
    QImage image = readPicture(d->reader);
    if (image.isNull()) {
        // A damaged or truncated animation: keep the last good frame rather
        // than re-arming the timer on a frame that never reads.
        stopAnimation();
        return;
    }
    if (d->imageSize.isValid() && d->imageSize != image.size())
        image = image.scaled(d->imageSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    else if (d->scaleToWidget && image.size() != size())
        image = image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    d->pixmap = QPixmap::fromImage(image);
    update();

    d->reader.jumpToNextImage();
    const int count = d->reader.imageCount();
    if (count > 0 && d->reader.currentImageNumber() >= count - 1)
        d->rewind();
    d->frameTimer->start(std::max(0, d->reader.nextImageDelay()));
}

void XImageBox::setPixmap(const QPixmap& pixmap, bool scaleToWidget)
{
    d->pixmap = atPixelSize(pixmap);
    d->scaleToWidget = scaleToWidget;
    update();
}

void XImageBox::setImageSize(const QSize& size)
{
    d->imageSize = size;
    if (size.isValid() && !d->pixmap.isNull() && d->pixmap.size() != size)
        d->pixmap = d->pixmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
}

QPixmap XImageBox::pixmap() const { return d->pixmap; }
bool XImageBox::isAnimating() const { return d->frameTimer && d->frameTimer->isActive(); }

void XImageBox::enterEvent(QEvent* event)
{
    emit sigMouseHover(true);
    QWidget::enterEvent(event);
}

void XImageBox::leaveEvent(QEvent* event)
{
    emit sigMouseHover(false);
    QWidget::leaveEvent(event);
}

void XImageBox::showEvent(QShowEvent* event)
{
    if (d->frameTimer && d->pausedByHide) {
        d->pausedByHide = false;
        d->rewind();
        d->frameTimer->start(std::max(0, d->reader.nextImageDelay()));
    }
    QWidget::showEvent(event);
}

void XImageBox::hideEvent(QHideEvent* event)
{
    if (d->frameTimer && d->frameTimer->isActive()) {
        d->frameTimer->stop();
        d->pausedByHide = true;
    }
    QWidget::hideEvent(event);
}

void XImageBox::resizeEvent(QResizeEvent* event)
{
    if (!d->pixmap.isNull()) {
        if (d->imageSize.isValid() && d->imageSize != d->pixmap.size())
            d->pixmap = d->pixmap.scaled(d->imageSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        else if (d->scaleToWidget && d->pixmap.size() != size())
            d->pixmap = d->pixmap.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QWidget::resizeEvent(event);
}

void XImageBox::paintEvent(QPaintEvent*)
{
    if (d->pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (!d->scaleToWidget)
        painter.drawPixmap((width() - d->pixmap.width()) >> 1, (height() - d->pixmap.height()) >> 1,
                           d->pixmap);
    else  // into the rectangle: an "@2x" picture carries ratio 2 and would fill a quarter at its point
        painter.drawPixmap(rect(), d->pixmap);
}
