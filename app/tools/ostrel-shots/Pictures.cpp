#include "Pictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage canvas(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QString save(const QImage& image, const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name);
    return image.save(path) ? path : QString();
}

QImage spinner()
{
    QImage image = canvas(64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor("#DBEAFE"), 8));
    painter.drawEllipse(QRectF(8, 8, 48, 48));
    painter.setPen(QPen(QColor("#2563EB"), 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(8, 8, 48, 48), 90 * 16, 100 * 16);
    return image;
}

QImage disc(const QColor& fill, bool tick)
{
    QImage image = canvas(92);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(4, 4, 84, 84));
    painter.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (tick) {
        QPainterPath path;
        path.moveTo(26, 48);
        path.lineTo(40, 62);
        path.lineTo(66, 32);
        painter.drawPath(path);
    } else {
        painter.drawLine(30, 30, 62, 62);
        painter.drawLine(62, 30, 30, 62);
    }
    return image;
}

QImage ringBackground()
{
    QImage image = canvas(92);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor("#DBEAFE"), 4));
    painter.drawEllipse(QRectF(4, 4, 84, 84));
    return image;
}

QImage folderIcon(const QColor& colour)
{
    QImage image = canvas(40);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.darker(115));
    painter.drawRoundedRect(QRectF(4, 8, 16, 8), 2, 2);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(4, 12, 32, 22), 3, 3);
    return image;
}

} // namespace

ShotPictures writeShotPictures(const QString& folder)
{
    ShotPictures pictures;
    pictures.spinner = save(spinner(), folder, "spinner.png");
    pictures.ringBackground = save(ringBackground(), folder, "ring-background.png");
    pictures.ringFinished = save(disc(QColor("#16A34A"), true), folder, "ring-finished.png");
    pictures.ringFailed = save(disc(QColor("#DC2626"), false), folder, "ring-failed.png");
    pictures.icon = save(folderIcon(QColor("#2563EB")), folder, "icon.png");
    pictures.iconHover = save(folderIcon(QColor("#F59E0B")), folder, "icon-hover.png");
    return pictures;
}
