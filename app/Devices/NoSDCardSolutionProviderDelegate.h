#pragma once
#include <QStyledItemDelegate>

class QTextDocument;

// Paints one help step: its picture, its HTML text and an optional separator;
// links starting with "https" open, the pointing hand shows over any link.
class NoSDCardSolutionProviderDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    enum Role { TextRole = Qt::UserRole + 1, PictureRole = Qt::UserRole + 2, SeparatorRole = Qt::UserRole + 3 };

    NoSDCardSolutionProviderDelegate(int rowHeight, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // The link under a point of the item, or empty.
    QString anchorAt(const QStyleOptionViewItem& option, const QModelIndex& index, const QPoint& pos) const;

private:
    QRect contentRect(const QRect& itemRect) const;
    // The step's text laid out as painted; its top-left corner in item coordinates.
    void layoutText(QTextDocument& document, const QStyleOptionViewItem& option, const QModelIndex& index,
                    QPointF* topLeft) const;

    int rowHeight_;
};
