#pragma once
#include <QAbstractItemDelegate>

class QListView;
class QTextDocument;

// Draws the file list's rows (list mode) and cells (icon grid), turns presses
// into the view's four signals, and gives cut names a tool tip.
class FileBrowserDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The areas hit tests and tool tips use, in the option's rectangle.
    QRect checkBoxArea(const QStyleOptionViewItem& option, bool iconMode) const;
    QRect nameArea(const QStyleOptionViewItem& option, bool iconMode, bool searchList) const;
    QRect viewLinkArea(const QStyleOptionViewItem& option) const;
    // The date column's width for the list's font: the design width, widened
    // where the font's digits are wider (the Japanese and Chinese fonts), so a
    // date never runs into the type column.
    static int dateColumnWidth(const QFont& base);

signals:
    void itemCheckStateToggled(QModelIndex index);
    void viewActionTriggered(QModelIndex index);
    void itemClicked(QModelIndex index);
    void itemDoubleClicked(QModelIndex index);

private:
    void paintRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintCell(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    bool iconMode() const;
    // A search list's rich name, cut with "..." when wider than width; true when cut.
    static bool layoutRichName(QTextDocument& document, const QString& html, const QFont& font, int width,
                               Qt::Alignment alignment, int hitFromRight);
};
