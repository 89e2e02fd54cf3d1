#include "ThumbDelegate.h"

#include "Application/XApplication.h"
#include "DocumentInfo.h"
#include "FileTypeIconProvider.h"
#include "ThemeColors.h"

#include <QPainter>
#include <QPainterPath>

QSize ThumbDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return QSize(XApplication::scaledX(124), XApplication::scaledY(100));
}

void ThumbDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    static const FileTypeIconProvider provider;
    auto* doc = index.data(Qt::DisplayRole).value<DocumentInfo*>();
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);

    const QRect box = option.rect.adjusted(0, XApplication::scaledY(4), 0, -XApplication::scaledY(16));
    const int radius = XApplication::scaledX(8);
    QPainterPath rounded;
    rounded.addRoundedRect(box, radius, radius);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0xEB, 0xF5, 0xFF));
    painter->drawPath(rounded);

    painter->save();
    QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
    if (picture.isNull() && doc)
        picture = provider.scaledIcon(quint8(doc->typeCode),
                                      QSize(XApplication::scaledX(52), XApplication::scaledY(52)));
    if (!picture.isNull()) {
        if (picture.width() > box.width() || picture.height() > box.height()) {
            painter->setClipPath(rounded);
            picture = picture.scaled(QSize(qMin(box.width(), picture.width()), qMin(box.height(), picture.height())),
                                     Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        painter->drawPixmap(box.left() + (box.width() - picture.width()) / 2,
                            box.top() + (box.height() - picture.height()) / 2, picture);
    }
    painter->restore();

    const QRect nameLine(option.rect.left(), box.bottom() + XApplication::scaledY(4), option.rect.width(),
                         XApplication::scaledY(24));
    painter->setPen(ThumbTheme::secondaryText());
    QFont font = painter->font();
    font.setPointSizeF(10.5);
    painter->setFont(font);
    const QString name = painter->fontMetrics().elidedText(DocumentInfo::fileName(doc), Qt::ElideMiddle,
                                                           nameLine.width());
    painter->drawText(nameLine, Qt::AlignCenter, name);

    if (option.state & (QStyle::State_Selected | QStyle::State_MouseOver)) {
        painter->setPen(QPen(QColor(0x25, 0x63, 0xEB), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->setBrush(Qt::NoBrush);
        const int dx = XApplication::scaledX(1), dy = XApplication::scaledY(1);
        painter->drawRoundedRect(box.adjusted(dx, dy, -dx, -dy), radius, radius);
    }
    painter->restore();
}
