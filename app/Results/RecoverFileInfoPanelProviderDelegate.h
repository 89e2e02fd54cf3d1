#pragma once
#include <QStyledItemDelegate>

// One row of the information panel: the label over the value, as rich text.
class RecoverFileInfoPanelProviderDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Found names and paths come from the disk: escaped, so they show as text.
    static QString formatRow(int kind, const QString& value);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
