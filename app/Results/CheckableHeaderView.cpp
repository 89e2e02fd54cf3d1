#include "CheckableHeaderView.h"

#include "Application/XApplication.h"
#include "FileTypeIconProvider.h"
#include "XPushButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QHash<int, Qt::SortOrder> initialOrders{
    {0, Qt::AscendingOrder}, {1, Qt::AscendingOrder}, {2, Qt::AscendingOrder}, {3, Qt::AscendingOrder}};

QPixmap checkBox(int state)
{
    return FileTypeIconProvider::checkBoxPixmap(quint8(qBound(0, state, 2)),
                                                QSize(XApplication::scaledX(14), XApplication::scaledY(14)));
}

} // namespace

CheckableHeaderView::CheckableHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent), sortOrders_(initialOrders)
{
    qRegisterMetaType<Qt::SortOrder>("Qt::SortOrder");
    qRegisterMetaType<Qt::CheckState>("Qt::CheckState");
    setFixedHeight(XApplication::scaledY(40));
    sortButton_ = new XPushButton(this);
    sortButton_->setFixedSize(XApplication::scaledX(16), XApplication::scaledY(16));
    setSortPicture(QStringLiteral("sort_desc@2x.png"));
    setSectionsClickable(true);
    connect(this, &QHeaderView::sectionClicked, this, &CheckableHeaderView::onSectionClicked);
    connect(sortButton_, &XPushButton::clicked, this, &CheckableHeaderView::onSortButtonClicked);
}

CheckableHeaderView::~CheckableHeaderView()
{
    delete sortButton_;
}

void CheckableHeaderView::setSortPicture(const QString& name)
{
    const QString path = QStringLiteral(":/images/%1").arg(name);
    sortButton_->setHoverPixmaps(path, path, false);
    sortButton_->scalePixmaps(sortButton_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void CheckableHeaderView::setCheckState(int state)
{
    checkState_ = state;
    updateSection(0);
}

void CheckableHeaderView::setSortButtonEnabled(bool enabled) { sortButton_->setEnabled(enabled); }

void CheckableHeaderView::setSortButtonVisible(bool visible)
{
    sortButton_->setVisible(visible);
    viewport()->update();
}

void CheckableHeaderView::resetSort()
{
    sortOrders_ = initialOrders;
    sortSection_ = 0;
}

QRect CheckableHeaderView::checkBoxRect() const
{
    return QRect(sectionPosition(0) + XApplication::scaledX(12), 0, checkBox(checkState_).width(), height());
}

void CheckableHeaderView::mousePressEvent(QMouseEvent* event)
{
    // The Path title cannot be pressed.
    if (model() && logicalIndexAt(event->pos()) == model()->columnCount() - 1) {
        event->ignore();
        return;
    }
    QHeaderView::mousePressEvent(event);
}

void CheckableHeaderView::mouseReleaseEvent(QMouseEvent* event)
{
    const int section = logicalIndexAt(event->pos());
    if (event->button() == Qt::LeftButton && section == 0 && checkBoxRect().contains(event->pos())) {
        emit checkBoxClicked(checkState_ == 2 ? Qt::Unchecked : Qt::Checked);
        return;
    }
    if (model() && section == model()->columnCount() - 1) {
        event->ignore();
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}

void CheckableHeaderView::onSectionClicked(int section)
{
    if (section != sortSection_)
        sortOrders_[section] = Qt::AscendingOrder;
    previousSortSection_ = sortSection_;
    sortSection_ = section;
    placeSortButton();
    sortButton_->click();
}

void CheckableHeaderView::onSortButtonClicked()
{
    const int c = sortSection_;
    const int p = previousSortSection_;
    const Qt::SortOrder o = sortOrders_.value(c, Qt::AscendingOrder);
    const Qt::SortOrder n = p == c && o != Qt::DescendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortOrders_[c] = n;
    setSortPicture(n == Qt::DescendingOrder ? QStringLiteral("sort_asc@2x.png") : QStringLiteral("sort_desc@2x.png"));
    previousSortSection_ = c;
    emit sortButtonClicked(c, n, p != c);
}

void CheckableHeaderView::updateGeometries()
{
    QHeaderView::updateGeometries();
    placeSortButton();
}

void CheckableHeaderView::placeSortButton()
{
    if (!sortButton_ || !model())
        return;
    QFont font = this->font();
    font.setPointSizeF(10.5);
    const QString title = model()->headerData(sortSection_, orientation(), Qt::DisplayRole).toString();
    const int w = QFontMetrics(font).horizontalAdvance(title);
    int x = sectionPosition(sortSection_) + XApplication::scaledX(22) + w + (sortSection_ == 0 ? XApplication::scaledX(24) : 0);
    const int end = sectionPosition(sortSection_) + sectionSize(sortSection_);
    if (x + sortButton_->width() > end)
        x = end - XApplication::scaledX(5) - sortButton_->width();
    sortButton_->move(x - offset(), (height() - sortButton_->height()) / 2);
}

void CheckableHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const bool buttonShown = !sortButton_->isHidden();
    const int last = model() ? model()->columnCount() - 1 : 4;
    if (logicalIndex != last && buttonShown) {
        painter->setPen(QColor(QStringLiteral("#E2E8F0")));
        painter->drawLine(rect.right() + 1, rect.top() + XApplication::scaledY(10), rect.right() + 1,
                          rect.bottom() - XApplication::scaledY(10) + 1);
    }
    if (logicalIndex == 0) {
        const QPixmap box = checkBox(checkState_);
        painter->drawPixmap(rect.left() + XApplication::scaledX(12), (height() - box.height()) / 2, box);
    }
    painter->setPen(QColor(QStringLiteral("#64748B")));
    QFont font = painter->font();
    font.setPointSizeF(10.5);
    painter->setFont(font);
    if (logicalIndex == 0 || buttonShown) {
        const int indent = logicalIndex == 0 ? XApplication::scaledX(36) : XApplication::scaledX(12);
        const QString title = model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString()
                                      : QString();
        painter->drawText(rect.adjusted(indent, 0, -indent, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
    }
    painter->restore();
}
