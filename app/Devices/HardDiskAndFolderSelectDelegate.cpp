#include "HardDiskAndFolderSelectDelegate.h"

#include "DeviceAccessNotice.h"
#include "DevicePageParts.h"
#include "DeviceScale.h"
#include "DeviceText.h"
#include "DriveTileRoles.h"
#include "StorageDeviceManager.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

using namespace DriveTileRoles;

namespace {

QRect tileRect(const QRect& option)
{
    return option.adjusted(sx(20), sy(5), -sx(2), -sy(5));
}

QRect iconRect(const QRect& r)
{
    return {r.left() + sx(14), r.top() + (r.height() - sy(46)) / 2, sx(46), sy(46)};
}

int columnLeft(const QRect& r)
{
    return iconRect(r).right() + 1 + sx(14);
}

const char* locationText(int itemId)
{
    switch (itemId) {
    case DesktopId: return QT_TRANSLATE_NOOP("HardDiskAndFolderSelectDelegate", "Desktop");
    case RecycleBinId: return QT_TRANSLATE_NOOP("HardDiskAndFolderSelectDelegate", "Recycle Bin");
    case FolderId: return QT_TRANSLATE_NOOP("HardDiskAndFolderSelectDelegate", "Select a Folder");
    default: return QT_TRANSLATE_NOOP("HardDiskAndFolderSelectDelegate", "Local Drives");
    }
}

// A location's name wraps onto more lines of its tile rather than being cut
// ("Papelera de reciclaje"); true when it fits so.
constexpr int wrappedText = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
bool fitsWrapped(const QFontMetrics& metrics, const QRect& rect, const QString& text)
{
    const QRect needed = metrics.boundingRect(rect, wrappedText, text);
    return needed.width() <= rect.width() && needed.height() <= rect.height();
}

const char* locationIcon(int itemId)
{
    switch (itemId) {
    case DesktopId: return "computer@2x.png";
    case RecycleBinId: return "recycle_bin@2x.png";
    case FolderId: return "folder@2x.png";
    default: return "local_disk@2x.png";
    }
}

}  // namespace

bool HardDiskAndFolderSelectDelegate::isHeader(const QModelIndex& index)
{
    return index.data(SectionRole).toInt() != 0 && index.data(ItemIdRole).toInt() == HeaderId;
}

double HardDiskAndFolderSelectDelegate::usedShare(quint64 freeBytes, quint64 totalBytes)
{
    if (totalBytes == 0)
        return 0.0;
    return std::clamp(1.0 - double(freeBytes) / double(totalBytes), 0.0, 1.0);
}

QString HardDiskAndFolderSelectDelegate::tileName(const QModelIndex& index)
{
    const int section = index.data(SectionRole).toInt();
    if (section == LocalDrives || section == ExternalDrives) {
        const QFontMetrics metrics(tileFont(QFont(), 75, 12.0));
        return driveTileName(index.data(RecordRole).value<QDiskAndVolumeInfo>(), metrics,
                             tileNameRect(QRect(), section).width());
    }
    return QCoreApplication::translate("HardDiskAndFolderSelectDelegate", locationText(index.data(ItemIdRole).toInt()));
}

QString HardDiskAndFolderSelectDelegate::unmountedToolTip(const QDiskAndVolumeInfo& record)
{
    if (record.category != UnmountedPartitionCategory && record.category != LostPartitionCategory)
        return QString();
    QStringList lines{translateDisplayName(record.displayName)};
    if (!record.label.isEmpty())
        lines << tr("Label: %1").arg(record.label);
    const QString disk = record.diskModel.isEmpty() ? QFileInfo(record.diskName).fileName() : record.diskModel;
    if (!disk.isEmpty())
        lines << tr("Disk: %1").arg(disk);
    const QString kernel = QFileInfo(record.volumePath.isEmpty() ? record.diskName : record.volumePath).fileName();
    if (!kernel.isEmpty() && kernel != disk)
        lines << tr("Device: %1").arg(kernel);
    if (!record.fileSystem.isEmpty())
        lines << tr("File system: %1").arg(record.fileSystem);
    return lines.join(QLatin1Char('\n'));
}

QString HardDiskAndFolderSelectDelegate::driveToolTip(const QDiskAndVolumeInfo& record)
{
    QString tip = unmountedToolTip(record);
    if (record.isUnreadable) {
        if (tip.isEmpty())
            tip = translateDisplayName(record.displayName);
        tip += QStringLiteral("\n\n") + DeviceAccessNotice::howToGetAccessText();
    }
    return tip;
}

QRect HardDiskAndFolderSelectDelegate::tileNameRect(const QRect& optionRect, int section)
{
    const QRect r = tileRect(optionRect);
    if (section == LocalDrives || section == ExternalDrives)
        return {columnLeft(r), r.top() + sy(8), sx(190) - sx(20), sy(30)};
    return {columnLeft(r), r.top() + sy(48), sx(125), sy(30)};
}

QSize HardDiskAndFolderSelectDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (isHeader(index)) {
        const int width = option.widget ? option.widget->width() : sx(300);
        return {width, index.data(SectionRole).toInt() == LocalDrives ? sy(56) : sy(64)};
    }
    return {sx(300), sy(126)};
}

bool HardDiskAndFolderSelectDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                                  const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (isHeader(index))
        return true;
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

void HardDiskAndFolderSelectDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRect r = tileRect(option.rect);
    const int section = index.data(SectionRole).toInt();
    if (isHeader(index)) {
        if (section < LocalDrives || section > Locations)
            return;
        painter->save();
        painter->setFont(tileFont(option.font, 75, 12.0));
        painter->setBrush(Qt::NoBrush);
        const int count = index.data(CountRole).toInt();
        QRect textRect;
        QString text;
        if (section == LocalDrives) {
            textRect = QRect(QPoint(r.left(), r.top() + sy(10)), QPoint(r.right(), r.bottom()));
            text = tr("Local Drives (%1)").arg(count);
        } else {
            const int y = r.top() + sy(10);
            painter->setPen(QPen(DeviceColors::line, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
            painter->drawLine(r.left(), y, r.right() - sx(16), y);
            textRect = QRect(r.left(), y + sy(16), r.width(), r.bottom() - y - sy(24));
            text = section == ExternalDrives ? tr("External Drives (%1)").arg(count) : tr("Specify a location");
        }
        painter->setPen(DeviceColors::primaryText);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
        painter->restore();
        return;
    }
    painter->save();
    setTileBrushAndPen(painter, option.state, 1.4);
    painter->drawRoundedRect(r, sx(12), sy(12));
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    if (section == LocalDrives || section == ExternalDrives)
        paintDriveTile(painter, option, r, index.data(RecordRole).value<QDiskAndVolumeInfo>());
    else if (section == Locations)
        paintLocationTile(painter, option, r, index.data(ItemIdRole).toInt());
    painter->restore();
}

void HardDiskAndFolderSelectDelegate::paintDriveTile(QPainter* painter, const QStyleOptionViewItem& option,
                                                     const QRect& r, const QDiskAndVolumeInfo& record) const
{
    paintDriveIcon(painter, iconRect(r), record);

    const int left = columnLeft(r);
    const int w = sx(190);
    const QRect nameRect(left, r.top() + sy(8), w - sx(20), sy(30));
    painter->setFont(tileFont(option.font, 75, 12.0));
    painter->setPen(DeviceColors::primaryText);
    const QString name = driveTileName(record, painter->fontMetrics(), nameRect.width());
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(name, Qt::ElideRight, nameRect.width()));

    const QRect barRect(left, nameRect.bottom() + 1 + sy(10), w, sy(6));
    paintUsageBar(painter, QRectF(barRect), record);
    paintNumberedName(painter, QRect(left, nameRect.bottom() + 1, w, sy(20)), record, name);

    const QRect sizeRect(left, barRect.bottom() + 1, w + sx(30), sy(30));
    painter->setFont(tileFont(option.font, 50, 9.0));
    painter->setPen(DeviceColors::primaryText);
    painter->drawText(sizeRect, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(driveSizeText(record), Qt::ElideRight, sizeRect.width()));

    // Always shown: volumes of the same size are told apart by it.
    paintDriveStateLine(painter, QRect(left, sizeRect.bottom() + 1 - sy(5), w, sy(30)), record);
    paintSelectionMark(painter, option, QRect(r.right() + 1 - sx(30), r.top() + sy(16), sx(16), sy(16)));
}

void HardDiskAndFolderSelectDelegate::paintLocationTile(QPainter* painter, const QStyleOptionViewItem& option,
                                                        const QRect& r, int itemId) const
{
    const QRect icon = iconRect(r);
    painter->drawPixmap(icon, tileImage(QString::fromLatin1(locationIcon(itemId)), icon.size()));
    const QRect textRect(columnLeft(r), r.top(), sx(128), r.height());
    painter->setFont(tileFont(option.font, 75, 12.0));
    painter->setPen(DeviceColors::primaryText);
    const QString text = tr(locationText(itemId));
    if (fitsWrapped(painter->fontMetrics(), textRect, text))
        painter->drawText(textRect, wrappedText, text);
    else
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
    paintSelectionMark(painter, option,
                       QRect(r.right() + 1 - sx(30), r.top() + r.height() / 2 - sy(8), sx(16), sy(16)));
}

void HardDiskAndFolderSelectDelegate::paintSelectionMark(QPainter* painter, const QStyleOptionViewItem& option,
                                                         const QRect& rect) const
{
    const char* name = option.state & QStyle::State_Selected    ? "cbx1.png"
                       : option.state & QStyle::State_MouseOver ? "cbx0.png"
                                                                : nullptr;
    if (name)
        painter->drawPixmap(rect, tileImage(QString::fromLatin1(name), rect.size()));
}

bool HardDiskAndFolderSelectDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                                const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractItemDelegate::helpEvent(event, view, option, index);
    const int section = index.data(SectionRole).toInt();
    if (isHeader(index) || section < LocalDrives || section > Locations) {
        QToolTip::hideText();
        return true;
    }
    const QString tip =
        section == Locations ? QString() : driveToolTip(index.data(RecordRole).value<QDiskAndVolumeInfo>());
    if (!tip.isEmpty() && tileRect(option.rect).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), plainToolTip(tip), view);
        return true;
    }
    const QString text = tileName(index);
    const QRect rect = tileNameRect(option.rect, section);
    const QFontMetrics metrics(tileFont(option.font, 75, 12.0));
    const bool cut = section == Locations
                         ? !fitsWrapped(metrics, QRect(rect.left(), tileRect(option.rect).top(), sx(128),
                                                       tileRect(option.rect).height()),
                                        text)
                         : metrics.elidedText(text, Qt::ElideRight, rect.width()) != text;
    if (rect.contains(event->pos()) && cut)
        QToolTip::showText(event->globalPos(), plainToolTip(text), view);
    else
        QToolTip::hideText();
    return true;
}
