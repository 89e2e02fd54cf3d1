#include "BreadcrumbView.h"

#include "Application/XApplication.h"
#include "StorageDeviceManager.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardItemModel>

namespace {

bool isSeparatorKind(const QModelIndex& index) { return index.data(BreadcrumbView::KindRole).toBool(); }

} // namespace

QFont BreadcrumbDelegate::crumbFont(const QFont& base)
{
    QFont font = base;
    font.setPointSizeF(12);
    return font;
}

QFont BreadcrumbDelegate::separatorFont()
{
    return QFont(QStringLiteral("Calibri"), 12);
}

void BreadcrumbDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant kind = index.data(BreadcrumbView::KindRole);
    if (!kind.isValid())
        return;
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!kind.toBool()) {
        const QFont font = crumbFont(option.font);
        painter->setFont(font);
        painter->setPen(QColor(option.state & QStyle::State_MouseOver ? QStringLiteral("#2563EB")
                                                                        : QStringLiteral("#0F172A")));
        const QString shown = QFontMetrics(font).elidedText(translateDisplayName(text), Qt::ElideRight,
                                                            option.rect.width() - XApplication::scaledX(3));
        painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignVCenter, shown);
    } else {
        painter->setFont(separatorFont());
        painter->setPen(QColor(QStringLiteral("#0F172A")));
        painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter->restore();
}

QSize BreadcrumbDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant kind = index.data(BreadcrumbView::KindRole);
    const QString text = index.data(Qt::DisplayRole).toString();
    int width = XApplication::scaledX(32);
    if (kind.isValid() && !kind.toBool())
        width = XApplication::scaledX(4) + QFontMetrics(crumbFont(option.font)).horizontalAdvance(translateDisplayName(text));
    else if (kind.isValid())
        width = XApplication::scaledX(4) + QFontMetrics(separatorFont()).horizontalAdvance(text);
    return QSize(width, XApplication::scaledY(32));
}

BreadcrumbView::BreadcrumbView(QWidget* parent) : QListView(parent)
{
    model_ = new QStandardItemModel(this);
    setModel(model_);
    setItemDelegate(new BreadcrumbDelegate(this));
    setFlow(QListView::LeftToRight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWrapping(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSpacing(0);
    setStyleSheet(QStringLiteral("QListView{border: none;}"));
    viewport()->setMouseTracking(true);
    viewport()->installEventFilter(this);
    connect(this, &QListView::clicked, this, &BreadcrumbView::onListViewClicked);
}

int BreadcrumbView::listWidth(const QStringList& crumbs) const
{
    const QFontMetrics metrics(BreadcrumbDelegate::crumbFont(font()));
    const int separatorWidth = metrics.horizontalAdvance(separator) + XApplication::scaledX(5);
    int width = 0;
    for (int i = 0; i < crumbs.size(); ++i) {
        width += metrics.horizontalAdvance(translateDisplayName(crumbs.at(i)));
        if (i + 1 < crumbs.size())
            width += separatorWidth;
    }
    return width;
}

void BreadcrumbView::setPath(const QStringList& crumbs)
{
    model_->clear();
    crumbs_ = crumbs;
    // Found folder names are plain text, whatever markup they hold.
    QStringList escaped;
    for (const QString& crumb : crumbs)
        escaped << crumb.toHtmlEscaped();
    setToolTip(crumbs.isEmpty() ? QString() : QStringLiteral("<qt>%1</qt>").arg(escaped.join(separator)));
    if (crumbs.isEmpty())
        return;
    const int available = viewport()->width() - 1
                          - (XApplication::scaledX(20) + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this));
    QStringList shown = crumbs;
    if (listWidth(shown) > available && shown.size() >= 3) {
        do {
            shown.removeOne(ellipsis);
            shown[shown.size() / 2] = ellipsis;
        } while (listWidth(shown) > available && shown.size() > 2);
    }
    crumbs_ = shown;
    for (int i = 0; i < shown.size(); ++i) {
        auto* item = new QStandardItem(shown.at(i));
        item->setData(shown.at(i) == ellipsis, KindRole);
        item->setEditable(false);
        model_->appendRow(item);
        if (i + 1 < shown.size()) {
            auto* gap = new QStandardItem(separator);
            gap->setData(true, KindRole);
            gap->setEditable(false);
            model_->appendRow(gap);
        }
    }
}

void BreadcrumbView::onListViewClicked(const QModelIndex& index)
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text != ellipsis && text != separator)
        emit pathClicked(index.row(), text);
}

void BreadcrumbView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    setPath(crumbs_);
}

bool BreadcrumbView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != viewport())
        return QListView::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        const QModelIndex index = indexAt(static_cast<QMouseEvent*>(event)->pos());
        const bool clickable = index.isValid() && !isSeparatorKind(index);
        viewport()->setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
        return true;
    }
    if (event->type() == QEvent::Leave) {
        viewport()->setCursor(Qt::ArrowCursor);
        return true;
    }
    return QListView::eventFilter(watched, event);
}
