#include "XLine.h"

#include <QPainter>

XLine::XLine(Qt::Orientation orientation, int thickness, const QColor& color, QWidget* parent)
    : QWidget(parent), thickness_(thickness), color_(color), orientation_(orientation)
{
    if (orientation == Qt::Horizontal)
        setFixedHeight(thickness);
    else
        setFixedWidth(thickness);
}

void XLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(color_, thickness_, Qt::SolidLine));
    if (orientation_ == Qt::Horizontal)
        painter.drawLine(0, height() / 2, width(), height() / 2);
    else
        painter.drawLine(width() / 2, 0, width() / 2, height());
}
