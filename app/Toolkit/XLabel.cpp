#include "XLabel.h"

XLabel::XLabel(QWidget* parent)
    : QLabel(parent)
{
}

void XLabel::setFontPointSizeAndBold(double pointSize, bool bold)
{
    QFont f = font();
    f.setPointSizeF(pointSize);
    f.setWeight(bold ? 75 : 50);
    setFont(f);
}

void XLabel::setFontBold(bool bold)
{
    QFont f = font();
    f.setWeight(bold ? 75 : 50);
    setFont(f);
}

void XLabel::setFontPointSize(double pointSize)
{
    QFont f = font();
    f.setPointSizeF(pointSize);
    setFont(f);
}

void XLabel::setTextColor(const QColor& color)
{
    QPalette p = palette();
    p.setBrush(QPalette::All, QPalette::WindowText, QBrush(color, Qt::SolidPattern));
    setPalette(p);
}
