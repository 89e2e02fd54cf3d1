#include "DevicePageParts.h"

#include "AppManager.h"
#include "DeviceAccessNotice.h"
#include "DeviceScale.h"
#include "HardDiskAndFolderSelectDelegate.h"
#include "ScanTarget.h"
#include "SizeText.h"
#include "StorageDeviceManager.h"

#include <QHBoxLayout>
#include <QListView>
#include <QPainter>
#include <QPixmapCache>
#include <QScrollBar>

QPixmap tileImage(const QString& name, const QSize& size)
{
    const QString path = AppManager::imagePath(name);
    const QString key = QStringLiteral("tileImage/%1/%2x%3").arg(path).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap.load(path);
    if (pixmap.isNull())
        return pixmap;
    pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QFont tileFont(const QFont& base, int weight, double pointSize)
{
    QFont font = base;
    font.setWeight(weight);
    font.setPointSizeF(pointSize);
    return font;
}

void setTileBrushAndPen(QPainter* painter, QStyle::State state, double hoverPenWidth)
{
    if (state & QStyle::State_Selected) {
        painter->setBrush(DeviceColors::paleAccent);
        painter->setPen(Qt::NoPen);
    } else if (state & QStyle::State_MouseOver) {
        painter->setBrush(DeviceColors::tile);
        painter->setPen(QPen(DeviceColors::accent, hoverPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    } else {
        painter->setBrush(DeviceColors::tile);
        painter->setPen(Qt::NoPen);
    }
}

void setupTileList(QListView* list, QAbstractItemView::ScrollMode scrollMode, const char* style)
{
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollMode(scrollMode);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->verticalScrollBar()->setSingleStep(40);
    list->setDragEnabled(false);
    list->setAttribute(Qt::WA_MouseTracking);
    list->viewport()->setAttribute(Qt::WA_MouseTracking);
    list->setProperty("style", style);
    list->setSpacing(0);
}

QWidget* makeActionBar(QWidget* parent, std::initializer_list<QWidget*> leading, QWidget* trailing)
{
    auto* bar = new QWidget(parent);
    bar->setObjectName("Widget");
    bar->setFixedHeight(sy(58));
    bar->setStyleSheet(QStringLiteral("QWidget#Widget{background: #FFFFFF; border-top: 1px solid %1; "
                                      "border-left: none; border-right: none; border-bottom: none;}")
                           .arg(DeviceColors::line.name()));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addSpacing(sx(20));
    for (QWidget* widget : leading)
        row->addWidget(widget);
    row->addStretch();
    row->addWidget(trailing);
    row->addSpacing(sx(20));
    return bar;
}

QString driveTileName(const QDiskAndVolumeInfo& record, const QFontMetrics& metrics, int width)
{
    const QString name = translateDisplayName(record.displayName);
    if (!isNumberedVolume(record))
        return name;
    const QString distinct = volumeDistinctName(record);
    if (distinct.isEmpty())
        return name;
    const QString both = QStringLiteral("%1 (%2)").arg(name, distinct);
    return metrics.horizontalAdvance(both) <= width ? both : distinct;
}

void paintNumberedName(QPainter* painter, const QRect& band, const QDiskAndVolumeInfo& record,
                       const QString& shownName)
{
    const QString name = translateDisplayName(record.displayName);
    if (!isNumberedVolume(record) || !record.freeBytesUnknown || shownName.startsWith(name))
        return;
    painter->save();
    painter->setFont(tileFont(painter->font(), 50, 9.0));
    painter->setPen(DeviceColors::secondaryText);
    // Cut short, the name keeps its number, the part that differs ("Nicht eingeb… - 2").
    const int dash = name.lastIndexOf(QLatin1String(" - "));
    const QString number = dash > 0 ? name.mid(dash) : QString();
    const QFontMetrics metrics = painter->fontMetrics();
    const QString shown = metrics.horizontalAdvance(name) <= band.width() || number.isEmpty()
                              ? metrics.elidedText(name, Qt::ElideRight, band.width())
                              : metrics.elidedText(name.left(dash), Qt::ElideRight,
                                                   band.width() - metrics.horizontalAdvance(number)) + number;
    painter->drawText(band, Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter->restore();
}

QString driveSizeText(const QDiskAndVolumeInfo& record)
{
    // Formatted at painting, so a language chosen after the list was loaded shows at once.
    const QString total = formatFileSize(record.totalBytes, 2, false);
    if (record.freeBytesUnknown)
        return total;
    return QStringLiteral("%1 / %2").arg(formatFileSize(record.freeBytes, 2, false), total);
}

void paintDriveStateLine(QPainter* painter, const QRect& rect, const QDiskAndVolumeInfo& record)
{
    painter->save();
    painter->setFont(tileFont(painter->font(), record.isUnreadable ? 75 : 50, 9.0));
    painter->setPen(record.isUnreadable ? DeviceColors::warning : DeviceColors::secondaryText);
    const QString text = record.isUnreadable ? DeviceAccessNotice::noAccessText() : record.fileSystem;
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, rect.width()));
    painter->restore();
}

void paintUsageBar(QPainter* painter, const QRectF& track, const QDiskAndVolumeInfo& record)
{
    if (record.freeBytesUnknown)
        return;
    const qreal radius = sy(3);
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(230, 230, 230));
    painter->drawRoundedRect(track, radius, radius);
    if (record.totalBytes > 0) {
        const double used = HardDiskAndFolderSelectDelegate::usedShare(record.freeBytes, record.totalBytes);
        if (track.width() * used >= 1.0) {
            painter->setBrush(QColor(0, 120, 215));
            painter->drawRoundedRect(QRectF(track.left(), track.top(), track.width() * used, track.height()), radius,
                                     radius);
        }
    }
    painter->restore();
}

void paintDriveIcon(QPainter* painter, const QRect& rect, const QDiskAndVolumeInfo& record)
{
    const char* name = record.isExternal ? "external_disk@2x.png"
                       : record.isSystem ? "win_disk@2x.png"
                                         : "local_disk@2x.png";
    const QPixmap pixmap = tileImage(QString::fromLatin1(name), rect.size());
    if (pixmap.isNull())
        return;
    painter->save();
    if (record.isUnreadable)
        painter->setOpacity(0.45);
    painter->drawPixmap(rect, pixmap);
    painter->restore();
}
