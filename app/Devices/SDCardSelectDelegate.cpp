#include "SDCardSelectDelegate.h"

#include "DeviceAccessNotice.h"
#include "DevicePageParts.h"
#include "DeviceScale.h"
#include "DeviceText.h"
#include "QDiskAndVolumeInfo.h"
#include "SizeText.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

QRect SDCardSelectDelegate::cardRect(const QRect& optionRect)
{
    return optionRect.adjusted(sx(16), sy(16), -sx(16), -sy(2));
}

QSize SDCardSelectDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.widget ? option.widget->width() : 0, sy(128)};
}

void SDCardSelectDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const auto card = index.data(CardRole).value<QDiskAndVolumeInfo>();
    painter->save();
    setTileBrushAndPen(painter, option.state, 1.3);
    const QRect r = cardRect(option.rect);
    painter->drawRoundedRect(r, 12, 12);
    const int third = r.width() / 3;
    QFont font = option.font;
    font.setPointSizeF(12.0);

    const QRect mark(r.left() + sx(16), r.top() + r.height() / 2 - sy(8), sx(16), sy(16));
    paintSelectionMark(painter, option, mark);
    const QRect icon(mark.right() + sx(16), r.top() + (r.height() - sy(46)) / 2, sx(46), sy(46));
    painter->save();
    if (card.isUnreadable)
        painter->setOpacity(0.45);
    painter->drawPixmap(icon, tileImage(QStringLiteral("sd_card@2x.png"), icon.size()));
    painter->restore();

    const QRect column1(QPoint(icon.right() + sx(12), r.top()), QPoint(r.left() + third - 1, r.bottom()));
    font.setWeight(75);
    painter->setFont(font);
    painter->setPen(DeviceColors::primaryText);
    painter->drawText(column1, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(card.diskModel, Qt::ElideRight, column1.width()));

    painter->save();
    font.setWeight(50);
    painter->setFont(font);
    const QRect column2(QPoint(column1.right(), r.top()), QPoint(column1.right() + third - 1, r.bottom()));
    painter->drawText(column2, Qt::AlignHCenter | Qt::AlignVCenter, formatFileSizeCached(card.totalBytes, 2, true));
    const QRect column3(QPoint(column2.right(), r.top()), QPoint(column2.right() + third - 1, r.bottom()));
    const QString disk = tr("Disk %1").arg(card.diskIndex);
    if (!card.isUnreadable) {
        painter->drawText(column3, Qt::AlignHCenter | Qt::AlignVCenter, disk);
    } else {
        const int half = column3.height() / 2;
        painter->drawText(column3.adjusted(0, 0, 0, -half), Qt::AlignHCenter | Qt::AlignBottom, disk);
        font.setWeight(75);
        font.setPointSizeF(9.0);
        painter->setFont(font);
        painter->setPen(DeviceColors::warning);
        painter->drawText(column3.adjusted(0, column3.height() - half + sy(4), 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                          DeviceAccessNotice::noAccessText());
    }
    painter->restore();
    painter->restore();
}

void SDCardSelectDelegate::paintSelectionMark(QPainter* painter, const QStyleOptionViewItem& option,
                                              const QRect& rect) const
{
    const QString name = option.state & QStyle::State_Selected ? QStringLiteral("cbx1.png") : QStringLiteral("cbx0.png");
    painter->drawPixmap(rect, tileImage(name, rect.size()));
}

bool SDCardSelectDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                     const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QRect r = cardRect(option.rect);
    const int third = r.width() / 3;
    const QRect hitArea(r.topLeft(), QPoint(r.left() + third - 1, r.bottom()));
    if (hitArea.contains(event->pos())) {
        const QString model = index.data(CardRole).value<QDiskAndVolumeInfo>().diskModel;
        QFont font = option.font;
        font.setPointSizeF(12.0);
        font.setWeight(75);
        const int width = third + sx(2) - sx(12) - sx(46) - 3 * sx(16);
        if (QFontMetrics(font).elidedText(model, Qt::ElideRight, width) != model) {
            QToolTip::showText(event->globalPos(), plainToolTip(model), view);
            return true;
        }
    }
    QToolTip::hideText();
    return true;
}
