#pragma once

#include <QStyledItemDelegate>

#include <functional>

// What a filter drop-down shows for one row value; an empty icon means none.
struct FilterRow {
    QString icon;
    QString label;
};

// Paints the rows of the four filter drop-downs: hover fill, a check box or
// radio mark, an optional type icon and the label looked up by the row's value
// (Qt::UserRole + 1). Subclasses decide what a click does.
class FilterRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum Mark { CheckMark, RadioMark };
    static constexpr int ValueRole = Qt::UserRole + 1;

    FilterRowDelegate(Mark mark, QSize sizeHint, std::function<FilterRow(int)> table, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // A left-button release inside the row of a user-checkable item.
    static bool isRowClick(const QEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index);
    // Checks the row and unchecks all others, so only that row reports a change.
    static void checkOnly(QAbstractItemModel* model, const QModelIndex& index);

private:
    Mark mark_;
    QSize sizeHint_;
    std::function<FilterRow(int)> table_;
};

// Check rows: a click toggles the row (file type and advanced drop-downs).
class CheckRowDelegate : public FilterRowDelegate {
    Q_OBJECT
public:
    CheckRowDelegate(QSize sizeHint, std::function<FilterRow(int)> table, QObject* parent);
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

// Radio rows: a click checks the row and unchecks the others (size and date drop-downs).
class RadioRowDelegate : public FilterRowDelegate {
    Q_OBJECT
public:
    RadioRowDelegate(QSize sizeHint, std::function<FilterRow(int)> table, QObject* parent);
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};
