#pragma once
#include <QStyledItemDelegate>

// Paints a card of the SD card page: mark, card picture, model name, summed
// size and "Disk N"; shows the whole model name over the first third when cut.
class SDCardSelectDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    enum Role { CardRole = Qt::UserRole + 1, VolumesRole = Qt::UserRole + 2 };

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    static QRect cardRect(const QRect& optionRect);

private:
    void paintSelectionMark(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const;
};
