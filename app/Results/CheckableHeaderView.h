#pragma once
#include <QHash>
#include <QHeaderView>

class XPushButton;

// The file list's header: paints the five titles itself, a tri-state "select
// all" box in section 0 and one sort button after the sorted column's title.
// It only emits; the view turns the signals into model requests.
class CheckableHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit CheckableHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~CheckableHeaderView() override;

    void setCheckState(int state);
    int checkState() const { return checkState_; }
    void setSortButtonEnabled(bool enabled);
    void setSortButtonVisible(bool visible);
    void resetSort();
    XPushButton* sortButton() const { return sortButton_; }
    int sortSection() const { return sortSection_; }
    // Where the header's check box lies (and answers clicks).
    QRect checkBoxRect() const;

signals:
    void checkBoxClicked(Qt::CheckState state);
    void sortButtonClicked(int index, Qt::SortOrder order, bool first);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void updateGeometries() override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    void onSectionClicked(int section);
    void onSortButtonClicked();
    void placeSortButton();
    void setSortPicture(const QString& name);

    XPushButton* sortButton_ = nullptr;
    QHash<int, Qt::SortOrder> sortOrders_;
    int sortSection_ = 0;
    int previousSortSection_ = 0;
    int checkState_ = 0;
};
