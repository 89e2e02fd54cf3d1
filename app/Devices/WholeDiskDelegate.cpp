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

QRectF WholeDiskDelegate::usedRect(const QRect& tile, const QDiskAndVolumeInfo& record)
{
    const QRect bar = barRect(tile);
    // Kept within the track: a file system spread over several devices may
    // report more free space than this partition holds.
    const double used = HardDiskAndFolderSelectDelegate::usedShare(record.freeBytes, record.totalBytes);
    return {double(bar.left()), double(bar.top()), bar.width() * used, double(bar.height())};
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
    const QRect icon = iconRect(tile);
    const QString picture = record.isExternal ? QStringLiteral("external_disk@2x.png")
                            : record.isSystem ? QStringLiteral("win_disk@2x.png")
                                              : QStringLiteral("local_disk@2x.png");
    const QPixmap pixmap = tileImage(picture, icon.size());
    if (!pixmap.isNull())
        painter->drawPixmap(icon, pixmap);

    const QRect name = nameRect(tile);
    const QString text = translateDisplayName(record.displayName);
    painter->save();
    painter->setFont(tileFont(painter->font(), 75, 12.0));
    painter->setPen(DeviceColors::primaryText);
    const QString elided = QFontMetrics(tileFont(option.font, 75, 12.0)).elidedText(text, Qt::ElideRight, name.width());
    painter->drawText(name, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(elided, Qt::ElideRight, name.width()));
    painter->restore();

    const QRect bar = barRect(tile);
    const qreal radius = sy(3);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(230, 230, 230));
    painter->drawRoundedRect(QRectF(bar), radius, radius);
    if (record.totalBytes > 0) {
        painter->setBrush(QColor(0, 120, 215));
        painter->drawRoundedRect(usedRect(tile, record), radius, radius);
    }

    const QRect sizes(name.left(), bar.bottom() + 1, name.width() + sx(30), sy(30));
    drawLine(painter, sizes, QStringLiteral("%1 / %2").arg(record.freeSizeText, record.totalSizeText),
             DeviceColors::primaryText);
    drawLine(painter, QRect(name.left(), sizes.bottom() + 1 - sy(5), name.width(), sy(30)), record.fileSystem,
             DeviceColors::secondaryText);
}

bool WholeDiskDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                  const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QRect tile = option.rect.adjusted(sx(20), sy(2), sx(-2), sy(-2));
    const QRect area(tile.left() + sx(14) + sx(46) - sx(1) + sx(14), tile.top() + sy(8), sx(190), sy(30));
    const QString name = translateDisplayName(index.data(RecordRole).value<QDiskAndVolumeInfo>().displayName);
    if (area.contains(event->pos())
        && QFontMetrics(tileFont(option.font, 75, 12.0)).elidedText(name, Qt::ElideRight, sx(190)) != name) {
        QToolTip::showText(event->globalPos(), plainToolTip(name), view);
        return true;
    }
    QToolTip::hideText();
    return true;
}
