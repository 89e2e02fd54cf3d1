#include "StorageNavDelegate.h"

#include "DeviceScale.h"

#include <QPainter>

StorageNavDelegate::ItemData StorageNavDelegate::itemData(const QModelIndex& index)
{
    const QVariant value = index.data(ItemDataRole);
    return value.canConvert<ItemData>() ? value.value<ItemData>() : ItemData();
}

QSize StorageNavDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const int id = index.data(IdRole).toInt();
    const int height = id == 0 ? 59 : id == 1 ? 77 : 50;
    return {sx(234), sy(height)};
}

bool StorageNavDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                     const QModelIndex& index)
{
    if (index.data(IdRole).toInt() < 2)
        return true;  // a header never becomes current
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

void StorageNavDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect r = option.rect.adjusted(sx(16), 0, -sx(16), 0);
    const ItemData data = itemData(index);
    if (data.id < 0 || data.id > 3)
        return;
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    QFont font = painter->font();
    font.setWeight(75);
    if (data.id < 2) {
        QRect textRect;
        if (data.id == 1) {
            const int lineY = r.top() + sy(22);
            painter->setPen(QPen(DeviceColors::line, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
            painter->drawLine(r.left(), lineY, r.right(), lineY);
            textRect = QRect(QPoint(r.left() + sx(19), lineY + sy(15)), QPoint(r.right() - sx(19), r.bottom() - sy(9)));
        } else {
            textRect = QRect(QPoint(r.left() + sx(19), r.top() + sy(5)), QPoint(r.right() - sx(19), r.bottom()));
        }
        font.setPointSizeF(9.0);
        painter->setFont(font);
        painter->setPen(QColor("#94A3B8"));
        painter->setBrush(Qt::NoBrush);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, data.text);
        painter->restore();
        return;
    }
    const int side = data.normalIcon.isNull() ? sx(22) : int(data.normalIcon.width() / data.normalIcon.devicePixelRatio());
    const QRect iconRect(r.left() + sx(19), r.top() + (r.height() - side) / 2, side, side);
    const bool highlighted = option.state & (QStyle::State_MouseOver | QStyle::State_Selected);
    QColor textColor = DeviceColors::secondaryText;
    if (highlighted) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(DeviceColors::paleAccent);
        painter->drawRoundedRect(r, sx(12), sy(12));
        painter->drawPixmap(iconRect, data.hoverIcon);
        textColor = DeviceColors::accent;
    } else {
        painter->drawPixmap(iconRect, data.normalIcon);
    }
    font.setPointSizeF(10.5);
    painter->setFont(font);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(textColor);
    const QRect textRect(QPoint(iconRect.right() + sx(12), r.top()), QPoint(r.right(), r.bottom()));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, data.text);
    painter->restore();
}
