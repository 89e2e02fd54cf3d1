#include "WholeDiskDelegate.h"

#include "DevicePageParts.h"
#include "DeviceScale.h"
#include "DeviceText.h"
#include "HardDiskAndFolderSelectDelegate.h"
#include "StorageDeviceManager.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

QRect iconRect(const QRect& tile)
{
    return {tile.left() + sx(14), tile.top() + (tile.height() - sy(46)) / 2, sx(46), sy(46)};
}

QRect nameRect(const QRect& tile)
{
    return {iconRect(tile).right() + sx(16), tile.top() + sy(8), sx(190), sy(30)};
}

void drawLine(QPainter* painter, const QRect& rect, const QString& text, const QColor& color)
{
    painter->save();
    painter->setFont(tileFont(painter->font(), 50, 9.0));
    painter->setPen(color);
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, rect.width()));
    painter->restore();
}

}  // namespace

QRect WholeDiskDelegate::tileRect(const QRect& optionRect)
{
    return optionRect.adjusted(sx(20), sy(2), sx(-2), sy(-14));
}

QRect WholeDiskDelegate::barRect(const QRect& tile)
{
    const QRect name = nameRect(tile);
    return {name.left(), name.bottom() + sy(10), sx(190), sy(6)};
}

QSize WholeDiskDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return {sx(300), sy(126)};
}

void WholeDiskDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QRect tile = tileRect(option.rect);
    painter->save();
    painter->setBrush(DeviceColors::tile);
    painter->setPen(Qt::NoPen);
    painter->drawRoundedRect(tile, 12, 12);
    paintPartition(painter, option, tile, index.data(RecordRole).value<QDiskAndVolumeInfo>());
    painter->restore();
}

void WholeDiskDelegate::paintPartition(QPainter* painter, const QStyleOptionViewItem& option, const QRect& tile,
                                       const QDiskAndVolumeInfo& record) const
{
    paintDriveIcon(painter, iconRect(tile), record);

    const QRect name = nameRect(tile);
    painter->save();
    painter->setFont(tileFont(painter->font(), 75, 12.0));
    painter->setPen(DeviceColors::primaryText);
    const QFontMetrics optionMetrics(tileFont(option.font, 75, 12.0));
    const QString text = driveTileName(record, optionMetrics, name.width());
    const QString elided = optionMetrics.elidedText(text, Qt::ElideRight, name.width());
    painter->drawText(name, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(elided, Qt::ElideRight, name.width()));
    painter->restore();

    paintUsageBar(painter, QRectF(barRect(tile)), record);
    paintNumberedName(painter, QRect(name.left(), name.bottom() + 1, name.width(), sy(20)), record, text);

    const QRect sizes(name.left(), barRect(tile).bottom() + 1, name.width() + sx(30), sy(30));
    drawLine(painter, sizes, driveSizeText(record), DeviceColors::primaryText);
    paintDriveStateLine(painter, QRect(name.left(), sizes.bottom() + 1 - sy(5), name.width(), sy(30)), record);
}

bool WholeDiskDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                  const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QRect tile = option.rect.adjusted(sx(20), sy(2), sx(-2), sy(-2));
    const auto record = index.data(RecordRole).value<QDiskAndVolumeInfo>();
    const QString tip = HardDiskAndFolderSelectDelegate::driveToolTip(record);
    if (!tip.isEmpty() && tile.contains(event->pos())) {
        QToolTip::showText(event->globalPos(), plainToolTip(tip), view);
        return true;
    }
    const QRect area(tile.left() + sx(14) + sx(46) - sx(1) + sx(14), tile.top() + sy(8), sx(190), sy(30));
    const QFontMetrics metrics(tileFont(option.font, 75, 12.0));
    const QString name = driveTileName(record, metrics, sx(190));
    if (area.contains(event->pos()) && metrics.elidedText(name, Qt::ElideRight, sx(190)) != name) {
        QToolTip::showText(event->globalPos(), plainToolTip(name), view);
        return true;
    }
    QToolTip::hideText();
    return true;
}
