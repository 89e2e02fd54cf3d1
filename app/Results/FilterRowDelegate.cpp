#include "FilterRowDelegate.h"

#include "AppManager.h"
#include "Application/XApplication.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QPixmap& markPixmap(FilterRowDelegate::Mark mark, bool checked)
{
    auto load = [](const char* name) {
        return QPixmap(AppManager::imagePath(QString::fromLatin1(name)))
            .scaled(XApplication::scaledX(14), XApplication::scaledY(14), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    };
    static const QPixmap pixmaps[2][2] = {{load("cbx0.png"), load("cbx1.png")},
                                          {load("radio_unchecked@2x.png"), load("radio_checked@2x.png")}};
    return pixmaps[mark == FilterRowDelegate::RadioMark][checked];
}

} // namespace

FilterRowDelegate::FilterRowDelegate(Mark mark, QSize sizeHint, std::function<FilterRow(int)> table, QObject* parent)
    : QStyledItemDelegate(parent), mark_(mark), sizeHint_(sizeHint), table_(std::move(table))
{
}

void FilterRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QRect row = option.rect;
    painter->fillRect(row, QColor((option.state & QStyle::State_MouseOver) ? "#F8FAFC" : "#FFFFFF"));

    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    const QRect markRect(row.left() + XApplication::scaledX(8), row.top() + XApplication::scaledY(9),
                         XApplication::scaledX(14), XApplication::scaledY(14));
    painter->drawPixmap(markRect, markPixmap(mark_, checked));

    const FilterRow look = table_(index.data(ValueRole).toInt());
    int textLeft = markRect.right() + 1 + XApplication::scaledX(4);
    if (mark_ == CheckMark) {
        if (look.icon.isEmpty()) {
            painter->restore();
            return;
        }
        const QRect iconRect(textLeft, row.top() + XApplication::scaledY(5), XApplication::scaledX(22),
                             XApplication::scaledY(22));
        painter->drawPixmap(iconRect, QPixmap(AppManager::imagePath(look.icon)));
        textLeft = iconRect.right() + 1 + XApplication::scaledX(4);
    }
    painter->setPen(QColor("#0F172A"));
    painter->setFont(option.font);
    painter->drawText(QRect(textLeft, row.top(), row.right() - textLeft + 1, row.height()),
                      Qt::AlignLeft | Qt::AlignVCenter, look.label);
    painter->restore();
}

QSize FilterRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return QSize(XApplication::scaledX(sizeHint_.width()), XApplication::scaledY(sizeHint_.height()));
}

bool FilterRowDelegate::isRowClick(const QEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && option.rect.contains(mouse->pos())
           && (index.flags() & Qt::ItemIsUserCheckable);
}

void FilterRowDelegate::checkOnly(QAbstractItemModel* model, const QModelIndex& index)
{
    const bool blocked = model->blockSignals(true);
    for (int row = 0; row < model->rowCount(index.parent()); ++row)
        model->setData(model->index(row, index.column(), index.parent()), Qt::Unchecked, Qt::CheckStateRole);
    model->blockSignals(blocked);
    model->setData(index, Qt::Checked, Qt::CheckStateRole);
}

CheckRowDelegate::CheckRowDelegate(QSize sizeHint, std::function<FilterRow(int)> table, QObject* parent)
    : FilterRowDelegate(CheckMark, sizeHint, std::move(table), parent)
{
}

bool CheckRowDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                   const QModelIndex& index)
{
    if (!isRowClick(event, option, index))
        return false;
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    return true;
}

RadioRowDelegate::RadioRowDelegate(QSize sizeHint, std::function<FilterRow(int)> table, QObject* parent)
    : FilterRowDelegate(RadioMark, sizeHint, std::move(table), parent)
{
}

bool RadioRowDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                   const QModelIndex& index)
{
    if (!isRowClick(event, option, index))
        return false;
    checkOnly(model, index);
    return true;
}
