#pragma once
#include "QDiskAndVolumeInfo.h"

#include <QStyledItemDelegate>

// Paints a volume tile of a whole disk card: picture, name, usage bar, free
// and total size, file system; the whole name as a tooltip when cut.
class WholeDiskDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    enum Role { RecordRole = Qt::UserRole + 6 };

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    static QRect tileRect(const QRect& optionRect);
    // The usage bar's track within a tile.
    static QRect barRect(const QRect& tile);

private:
    void paintPartition(QPainter* painter, const QStyleOptionViewItem& option, const QRect& tile,
                        const QDiskAndVolumeInfo& record) const;
};
