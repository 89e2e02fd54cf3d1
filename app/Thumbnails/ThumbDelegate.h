#pragma once
#include <QStyledItemDelegate>

// One cell of the thumbnail strip: the thumbnail (or the type icon) in a
// rounded box, the file name below it, a blue outline when selected or hovered.
class ThumbDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
