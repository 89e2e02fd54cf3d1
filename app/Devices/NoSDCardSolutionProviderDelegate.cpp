#include "NoSDCardSolutionProviderDelegate.h"

#include "DesktopHelpers.h"
#include "DeviceScale.h"

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

NoSDCardSolutionProviderDelegate::NoSDCardSolutionProviderDelegate(int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), rowHeight_(rowHeight)
{
}

QRect NoSDCardSolutionProviderDelegate::contentRect(const QRect& itemRect) const
{
    return itemRect.adjusted(0, sy(20), -sx(5), -sy(20));
}

void NoSDCardSolutionProviderDelegate::layoutText(QTextDocument& document, const QStyleOptionViewItem& option,
                                                  const QModelIndex& index, QPointF* topLeft) const
{
    const QRect content = contentRect(option.rect);
    const int pictureWidth = index.data(PictureRole).value<QPixmap>().width();
    QFont font = option.font;
    font.setPointSizeF(12.0);
    document.setDocumentMargin(0);
    document.setDefaultFont(font);
    QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
    textOption.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(textOption);
    document.setDefaultStyleSheet(QStringLiteral("body{color: %1;}").arg(DeviceColors::primaryText.name()));
    document.setHtml(index.data(TextRole).toString());
    document.setTextWidth(qMax(0, content.width() - pictureWidth - sx(16)));
    const qreal height = document.size().height();
    *topLeft = QPointF(content.left() + pictureWidth + sx(16), content.top() + (content.height() - height) / 2);
}

void NoSDCardSolutionProviderDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QRect content = contentRect(option.rect);
    const QPixmap picture = index.data(PictureRole).value<QPixmap>();
    painter->drawPixmap(content.left(), content.top() + (content.height() - picture.height()) / 2, picture);

    QTextDocument document;
    QPointF topLeft;
    layoutText(document, option, index, &topLeft);
    painter->translate(topLeft);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, DeviceColors::primaryText);
    document.documentLayout()->draw(painter, context);
    painter->translate(-topLeft);

    if (index.data(SeparatorRole).toBool()) {
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(DeviceColors::line, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->drawLine(content.left(), option.rect.bottom(), option.rect.right(), option.rect.bottom());
    }
    painter->restore();
}

QSize NoSDCardSolutionProviderDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.widget ? option.widget->width() : 0, rowHeight_};
}

QString NoSDCardSolutionProviderDelegate::anchorAt(const QStyleOptionViewItem& option, const QModelIndex& index,
                                                   const QPoint& pos) const
{
    QTextDocument document;
    QPointF topLeft;
    layoutText(document, option, index, &topLeft);
    return document.documentLayout()->anchorAt(QPointF(pos) - topLeft);
}

bool NoSDCardSolutionProviderDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                                   const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove) {
        const QString anchor = anchorAt(option, index, static_cast<QMouseEvent*>(event)->pos());
        // Only secure web addresses leave the program.
        if (event->type() == QEvent::MouseButtonPress && anchor.startsWith(QLatin1String("http"))) {
            if (QUrl(anchor).scheme() == QLatin1String("https"))
                openLink(anchor);
        } else if (auto* view = qobject_cast<QAbstractItemView*>(const_cast<QWidget*>(option.widget))) {
            view->viewport()->setCursor(anchor.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
