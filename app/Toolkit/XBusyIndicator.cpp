#include "XBusyIndicator.h"

#include "PixelPictures.h"

#include <QPainter>
#include <QTimer>

namespace {

// An odd target width would leave the turning picture half a pixel off centre.
QSize evenSize(const QSize& size)
{
    return size.width() % 2 != 0 ? QSize(size.width() - 1, size.height() - 1) : size;
}

} // namespace

struct XBusyIndicator::Private {
    QPixmap pixmap;
    int angle = 0;
    int interval = 20;
    QSize pixmapSize;
    QTimer* timer = nullptr;
};

XBusyIndicator::XBusyIndicator(QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
    d->timer = new QTimer(this);
    connect(d->timer, &QTimer::timeout, this, [this] {
        d->angle += 20;
        if (d->angle > 360)
            d->angle = 20;
        update();
    });
}

XBusyIndicator::~XBusyIndicator() = default;

void XBusyIndicator::setPixmap(const QString& path, const QSize& size)
{
    if (d->timer->isActive())
        d->timer->stop();
    d->pixmap = loadPicture(path);
    if (!d->pixmap.isNull() && size.isValid()) {
        d->pixmapSize = evenSize(size);
        d->pixmap = d->pixmap.scaled(d->pixmapSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    d->angle = 0;
    update();
}

void XBusyIndicator::setPixmapSize(const QSize& size)
{
    d->pixmapSize = evenSize(size);
    if (!d->pixmap.isNull())
        d->pixmap = d->pixmap.scaled(d->pixmapSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    update();
}

void XBusyIndicator::start(int intervalMs)
{
    d->interval = intervalMs == -1 ? 20 : intervalMs;
    d->timer->start(d->interval);
    if (isHidden())
        show();
    raise();
    activateWindow();
}

void XBusyIndicator::stop()
{
    hide();
    if (d->timer->isActive())
        d->timer->stop();
}

int XBusyIndicator::angle() const { return d->angle; }
int XBusyIndicator::interval() const { return d->interval; }
QSize XBusyIndicator::pixmapSize() const { return d->pixmapSize; }
bool XBusyIndicator::isSpinning() const { return d->timer->isActive(); }

void XBusyIndicator::paintEvent(QPaintEvent*)
{
    if (d->pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(width() / 2, height() / 2);
    painter.rotate(d->angle);
    painter.translate(-width() / 2, -height() / 2);
    painter.drawPixmap((width() - d->pixmap.width()) >> 1, (height() - d->pixmap.height()) >> 1,
                       d->pixmap);
}
