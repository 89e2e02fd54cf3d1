#include "NoFindSDCardWidget.h"

#include "AppManager.h"
#include "DeviceScale.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextOption>
#include <climits>

void NoFindSDCardWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const int w = width(), h = height();
    const int radius = sx(12);
    // Only the top corners are round: the bottom bar continues the white below.
    QPainterPath path;
    path.moveTo(0, h);
    path.lineTo(0, radius);
    path.quadTo(0, 0, radius, 0);
    path.lineTo(w - radius, 0);
    path.quadTo(w, 0, w, radius);
    path.lineTo(w, h);
    path.closeSubpath();
    painter.fillPath(path, Qt::white);

    QPixmap picture(AppManager::imagePath("no_sd_card@2x.png"));
    if (!picture.isNull())
        picture = picture.scaled(QSize(sx(331), sy(252)), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const int top = h / 5;
    painter.drawPixmap((w - picture.width()) / 2, top, picture);

    QTextOption option(Qt::AlignHCenter | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAnywhere);
    painter.setPen(DeviceColors::primaryText);
    QFont font;
    font.setPointSizeF(13.5);
    font.setWeight(75);
    painter.setFont(font);
    const QString first = tr("Please connect the SD card to the computer.");
    const QRectF firstRect = painter.boundingRect(QRectF(0, top + picture.height() + sy(18), w, INT_MAX), first, option);
    painter.drawText(firstRect, first, option);
    font.setWeight(50);
    font.setPointSizeF(12.0);
    painter.setFont(font);
    const QString second = tr("Connect the SD card to the computer via a card reader.");
    const QRectF secondRect = painter.boundingRect(QRectF(0, firstRect.bottom() + sy(18), w, INT_MAX), second, option);
    painter.drawText(secondRect, second, option);
}
