#pragma once
#include <QStyledItemDelegate>

// Paints a folder-tree row (arrow, check box, type icon, name, file count) and
// turns presses into check toggles and clicks.
class FileSystemPathTreeDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Plain names go into tool tips escaped and wrapped, so Qt never reads them as markup.
    static QString plainToolTip(const QString& text);

signals:
    void itemCheckStateToggled(QModelIndex index);
    void itemClicked(QModelIndex index);
    void itemDoubleClicked(QModelIndex index);

private:
    QRect checkBoxRect(const QStyleOptionViewItem& option) const;
    QRect nameRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;
};
