#include "FileSystemPathTreeDelegate.h"

#include "Application/XApplication.h"
#include "DisplayLocale.h"
#include "FileSystemPathTreeModel.h"
#include "FileTypeIconProvider.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

QString countText(const QModelIndex& index)
{
    return formatCount(index.data(FileSystemPathTreeModel::CountRole).toULongLong());
}

QFont sizedFont(const QStyleOptionViewItem& option, int points)
{
    QFont font = option.font;
    font.setPointSize(points);
    return font;
}

bool showsChildren(const QModelIndex& index)
{
    return index.model() && index.model()->rowCount(index) > 0;
}

} // namespace

QString FileSystemPathTreeDelegate::plainToolTip(const QString& text)
{
    return QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped());
}

QRect FileSystemPathTreeDelegate::checkBoxRect(const QStyleOptionViewItem& option) const
{
    const int side = XApplication::scaledY(14);
    return QRect(option.rect.left() + XApplication::scaledX(4), option.rect.center().y() - side / 2, side, side);
}

QRect FileSystemPathTreeDelegate::nameRect(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect box = checkBoxRect(option);
    const int icon = XApplication::scaledY(22);
    const int iconLeft = box.right() + 1 + XApplication::scaledX(4);
    const QFontMetrics metrics(sizedFont(option, 12));
    const int pad = XApplication::scaledX(4);
    const int reserve = metrics.horizontalAdvance(countText(index)) + 2 * pad;
    const int left = iconLeft + icon + pad;
    return QRect(left, option.rect.center().y() - icon / 2, qMax(0, option.rect.right() - reserve - pad - left), icon);
}

void FileSystemPathTreeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    if (!index.isValid())
        return;
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter->setPen(Qt::NoPen);
    if (option.state & QStyle::State_Selected)
        painter->setBrush(QColor(QStringLiteral("#EFF6FF")));
    else if (option.state & QStyle::State_MouseOver)
        painter->setBrush(QColor(QStringLiteral("#F8FAFC")));
    else
        painter->setBrush(Qt::white);
    const qreal rx = XApplication::scaledX(8);
    const qreal ry = XApplication::scaledY(8);
    const bool leaf = (index.parent().isValid() || index.data(FileSystemPathTreeModel::CountRole).toLongLong() == 0)
                      && !showsChildren(index);
    if (leaf) {
        painter->drawRoundedRect(option.rect, rx, ry);
    } else {
        const QRect wide = option.rect.adjusted(-XApplication::scaledX(20), 0, 0, 0);
        painter->drawRoundedRect(wide, rx, ry);
        const QString name = option.state & QStyle::State_Open ? QStringLiteral("tree_expanded@2x.png")
                                                               : QStringLiteral("tree_collapsed@2x.png");
        const QPixmap arrow = QPixmap(QStringLiteral(":/images/%1").arg(name))
                                  .scaled(XApplication::scaledX(22), XApplication::scaledX(22), Qt::KeepAspectRatio,
                                          Qt::SmoothTransformation);
        painter->drawPixmap(wide.left(), wide.center().y() - arrow.height() / 2, arrow);
    }
    const QRect box = checkBoxRect(option);
    const int side = XApplication::scaledY(22);
    painter->drawPixmap(box, FileTypeIconProvider::checkBoxPixmap(
                                 quint8(index.data(FileSystemPathTreeModel::CheckStateRole).toInt()), QSize(side, side)));
    static const FileTypeIconProvider icons;
    const QRect iconRect(box.right() + 1 + XApplication::scaledX(4), option.rect.center().y() - side / 2, side, side);
    painter->drawPixmap(iconRect, icons.scaledIcon(quint8(index.data(FileSystemPathTreeModel::TypeCodeRole).toInt()),
                                                   QSize(side, side)));

    const QRect names = nameRect(option, index);
    painter->setFont(sizedFont(option, 12));
    painter->setPen(QColor(QStringLiteral("#0F172A")));
    const QString name = index.data(Qt::DisplayRole).toString();
    painter->drawText(names, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(name, Qt::ElideRight, names.width()));
    const int pad = XApplication::scaledX(4);
    const QString count = countText(index);
    const int reserve = painter->fontMetrics().horizontalAdvance(count) + 2 * pad;
    const QRect counts(option.rect.right() - reserve - pad, option.rect.top(), reserve, option.rect.height());
    if (counts.left() > names.left()) {
        painter->setFont(sizedFont(option, 9));
        painter->setPen(QColor(QStringLiteral("#64748B")));
        painter->drawText(counts, Qt::AlignRight | Qt::AlignVCenter, count);
    }
    painter->restore();
}

QSize FileSystemPathTreeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(XApplication::scaledY(36));
    return size;
}

bool FileSystemPathTreeDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                             const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return true;
    const QRect box = checkBoxRect(option);
    const QRect hit(box.left(), box.top(), box.width(), option.rect.bottom() - box.top() + 1);
    if (hit.contains(mouse->pos())) {
        if (index.data(FileSystemPathTreeModel::CountRole).toLongLong() != 0)
            emit itemCheckStateToggled(index);
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        emit itemDoubleClicked(index);
        QStyledItemDelegate::editorEvent(event, model, option, index);
        return true;
    }
    emit itemClicked(index);
    return true;
}

bool FileSystemPathTreeDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                           const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QRect names = nameRect(option, index);
    const QString name = index.data(Qt::DisplayRole).toString();
    const QFontMetrics metrics(sizedFont(option, 12));
    if (names.contains(event->pos()) && metrics.elidedText(name, Qt::ElideRight, names.width()) != name)
        QToolTip::showText(event->globalPos(), plainToolTip(name), view);
    else
        QToolTip::hideText();
    return true;
}
