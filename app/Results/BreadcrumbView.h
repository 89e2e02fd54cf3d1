#pragma once
#include <QListView>
#include <QStringList>
#include <QStyledItemDelegate>

class QStandardItemModel;

// Paints and measures the crumbs: clickable crumbs in the view's font, the
// "\" separators and the "...." ellipsis in "Calibri", all at 12 points.
class BreadcrumbDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static QFont crumbFont(const QFont& base);
    static QFont separatorFont();
};

// The location of the results browser as crumbs separated by "\"; middle crumbs
// give way to one "...." when the row is too narrow.
class BreadcrumbView : public QListView {
    Q_OBJECT
public:
    // Item kind under Qt::UserRole + 1: false a clickable crumb, true a separator or the ellipsis.
    static constexpr int KindRole = Qt::UserRole + 1;
    static inline const QString ellipsis = QStringLiteral("....");
    static inline const QString separator = QStringLiteral("\\");

    explicit BreadcrumbView(QWidget* parent = nullptr);

    void setPath(const QStringList& crumbs);
    // The crumbs last laid out, after elision.
    QStringList crumbs() const { return crumbs_; }
    QStandardItemModel* itemModel() const { return model_; }

signals:
    void pathClicked(int row, QString node);

public slots:
    void onListViewClicked(const QModelIndex& index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int listWidth(const QStringList& crumbs) const;

    QStandardItemModel* model_ = nullptr;
    QStringList crumbs_;
};
