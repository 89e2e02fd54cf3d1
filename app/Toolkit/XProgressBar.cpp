#include "XProgressBar.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QBrush gradientBrush(const QRect& rect, const QColor& first, const QColor& last)
{
    if (!last.isValid())
        return QBrush(first);
    QLinearGradient gradient(rect.topLeft(), rect.topRight());
    gradient.setColorAt(0, first);
    gradient.setColorAt(1, last);
    return QBrush(gradient);
}

} // namespace

struct XProgressBar::Private {
    int minimum = 0;
    int maximum = 100;
    QColor backgroundFirst = QColor(255, 255, 255, 0);
    QColor backgroundLast;
    QColor progressFirst = QColor(213, 100, 253);
    QColor progressLast;
    int radius = 0;
    int borderWidth = 0;
    QColor borderColor = QColor(255, 255, 255, 0);
    int value = 0;
};

XProgressBar::XProgressBar(QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
}

XProgressBar::~XProgressBar() = default;

void XProgressBar::setRange(int minimum, int maximum)
{
    d->minimum = minimum;
    d->maximum = maximum;
    update();
}

void XProgressBar::setValue(int value)
{
    if (value == d->value)
        return;
    d->value = value;
    update();
    emit valueChanged(value);
}

void XProgressBar::setBackgroundColors(const QColor& first, const QColor& last)
{
    d->backgroundFirst = first;
    d->backgroundLast = last;
    update();
}

void XProgressBar::setProgressColors(const QColor& first, const QColor& last)
{
    d->progressFirst = first;
    d->progressLast = last;
    update();
}

void XProgressBar::setRadius(int radius)
{
    d->radius = radius;
    update();
}

void XProgressBar::setBorderWidth(int width)
{
    d->borderWidth = width;
    update();
}

void XProgressBar::setBorderColor(const QColor& color)
{
    d->borderColor = color;
    update();
}

int XProgressBar::value() const { return d->value; }
int XProgressBar::minimum() const { return d->minimum; }
int XProgressBar::maximum() const { return d->maximum; }

int XProgressBar::fillWidth(int value, int maximum, int barWidth)
{
    if (value <= 0 || maximum <= 0 || barWidth <= 0)
        return 0;
    if (value >= maximum)
        return barWidth;
    const float share = static_cast<float>(value) / static_cast<float>(maximum);
    return std::clamp(static_cast<int>(share * static_cast<float>(barWidth)), 0, barWidth);
}

void XProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.setPen(Qt::NoPen);

    painter.setBrush(gradientBrush(rect(), d->backgroundFirst, d->backgroundLast));
    painter.drawRoundedRect(rect(), d->radius, d->radius);

    const int fill = fillWidth(d->value, d->maximum, width());
    if (fill > 0) {
        QRect fillRect = rect();
        fillRect.setWidth(fill);
        painter.setBrush(gradientBrush(rect(), d->progressFirst, d->progressLast));
        QPainterPath clip;
        clip.addRoundedRect(fillRect, d->radius, d->radius);
        painter.setClipPath(clip);
        painter.drawRoundedRect(fillRect, d->radius, d->radius);
        painter.setClipping(false);
    }

    if (d->borderWidth > 0) {
        painter.setPen(QPen(d->borderColor, d->borderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(rect(), d->radius, d->radius);
    }
    painter.restore();
}
