#include "XCircularProgress.h"

#include "Application/XApplication.h"

#include <QPainter>
#include <QTimer>

namespace {

void loadInto(std::unique_ptr<QPixmap>& slot, const QString& path)
{
    if (slot)
        slot->load(path);
    else
        slot = std::make_unique<QPixmap>(path);
}

} // namespace

struct XCircularProgress::Private {
    std::unique_ptr<QTimer> spinTimer;
    int value = 0;
    int ringRadius = XApplication::scaledX(21);
    int penWidth = XApplication::scaledX(2);
    int angle = 0;
    int state = Failed;
    std::unique_ptr<QPixmap> backgroundPixmap;
    std::unique_ptr<QPixmap> finishedPixmap;
    std::unique_ptr<QPixmap> failedPixmap;
    QFont textFont;
    QColor textColor = QColor("#2563EB");
};

XCircularProgress::XCircularProgress(QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
    const int side = 2 * (d->ringRadius + d->penWidth);
    setFixedSize(side, side);
}

XCircularProgress::~XCircularProgress() = default;

void XCircularProgress::setPixmaps(const QString& background, const QString& finished,
                                   const QString& failed)
{
    loadInto(d->backgroundPixmap, background);
    loadInto(d->finishedPixmap, finished);
    loadInto(d->failedPixmap, failed);
    update();
}

void XCircularProgress::setTextFont(double pointSize, bool bold)
{
    QFont f = font();
    f.setPointSizeF(pointSize);
    f.setWeight(bold ? 75 : 50);
    d->textFont = f;
    update();
}

void XCircularProgress::setTextFont(const QColor& color, double pointSize, bool bold)
{
    d->textColor = color;
    setTextFont(pointSize, bold);
}

void XCircularProgress::setValue(int value)
{
    d->value = std::clamp(value, 0, 100);
    update();
}

void XCircularProgress::start()
{
    if (!d->spinTimer) {
        d->spinTimer = std::make_unique<QTimer>();
        connect(d->spinTimer.get(), &QTimer::timeout, this, [this] {
            d->angle = (d->angle + 6) % 360;
            update();
            if (d->value >= 100)
                d->spinTimer->stop();
        });
    }
    d->spinTimer->start(50);
    d->state = Running;
    update();
}

void XCircularProgress::stopTimer()
{
    if (d->spinTimer)
        d->spinTimer->stop();
}

void XCircularProgress::pause()
{
    stopTimer();
    d->state = Paused;
    update();
}

void XCircularProgress::showFinished()
{
    stopTimer();
    d->state = Finished;
    update();
}

void XCircularProgress::showFailed()
{
    stopTimer();
    d->state = Failed;
    update();
}

int XCircularProgress::value() const { return d->value; }
int XCircularProgress::state() const { return d->state; }
int XCircularProgress::angle() const { return d->angle; }

void XCircularProgress::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        if (d->state == Running || d->state == Paused) {
            if (d->backgroundPixmap && !d->backgroundPixmap->isNull())
                painter.drawPixmap(rect(), *d->backgroundPixmap);
            painter.setPen(QPen(QColor("#2563EB"), d->penWidth, Qt::SolidLine, Qt::SquareCap,
                                Qt::BevelJoin));
            const QPoint centre = rect().center();
            const QRect ring(centre.x() - d->ringRadius, centre.y() - d->ringRadius,
                             2 * d->ringRadius, 2 * d->ringRadius);
            painter.drawArc(ring, -16 * d->angle, 640);
            painter.setPen(d->textColor);
            painter.setFont(d->textFont);
            painter.drawText(rect(), Qt::AlignCenter, QString::number(d->value) + "%");
        } else {
            const auto& picture = d->state == Finished ? d->finishedPixmap : d->failedPixmap;
            if (picture && !picture->isNull())
                painter.drawPixmap(rect(), *picture);
        }
    }
    QWidget::paintEvent(event);
}
