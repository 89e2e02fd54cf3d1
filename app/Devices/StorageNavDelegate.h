#pragma once
#include <QPixmap>
#include <QStyledItemDelegate>

// Paints the recovery-type bar: two section headers and two entries.
class StorageNavDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    struct ItemData {
        int id = 0;    // 0, 1 headers; 2 "Hard Drive", 3 "SD Card"
        int kind = 0;  // 0 header, 1 entry
        QPixmap normalIcon;
        QPixmap hoverIcon;
        QString text;
    };
    enum Role { IdRole = Qt::UserRole + 1, KindRole, TextRole, ItemDataRole };

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    static ItemData itemData(const QModelIndex& index);
};
Q_DECLARE_METATYPE(StorageNavDelegate::ItemData)
