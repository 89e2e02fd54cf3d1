#include "RecoverFileInfoPanelProviderDelegate.h"

#include "Application/XApplication.h"

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocument>

namespace {

void prepare(QTextDocument& document, const QStyleOptionViewItem& option, const QString& html, int width)
{
    QFont font = option.font;
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    textOption.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    document.setDefaultTextOption(textOption);
    document.setHtml(html);
    document.setTextWidth(width);
}

} // namespace

QString RecoverFileInfoPanelProviderDelegate::formatRow(int kind, const QString& value)
{
    static const char* const labels[] = {QT_TR_NOOP("Name"), QT_TR_NOOP("Date Modified"), QT_TR_NOOP("Type"),
                                         QT_TR_NOOP("Size"), QT_TR_NOOP("Path")};
    if (kind < 0 || kind > 4)
        return QString();
    return QStringLiteral("<font color=\"#64748B\">%1</font><br>%2")
        .arg(tr(labels[kind]).toHtmlEscaped(), value.toHtmlEscaped());
}

void RecoverFileInfoPanelProviderDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                                 const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    QTextDocument document;
    prepare(document, option, formatRow(index.data(Qt::UserRole + 1).toInt(), index.data().toString()),
            option.rect.width());
    painter->translate(option.rect.topLeft());
    painter->setPen(QColor(QStringLiteral("#0F172A")));
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, QColor(QStringLiteral("#0F172A")));
    context.clip = QRectF(0, 0, option.rect.width(), option.rect.height());
    painter->setClipRect(context.clip);
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize RecoverFileInfoPanelProviderDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    int width = option.rect.width();
    if (const auto* view = qobject_cast<const QAbstractItemView*>(parent())) {
        width = view->width();
        if (view->verticalScrollBar()->isVisible())
            width = width - view->verticalScrollBar()->width() + XApplication::scaledX(5);
    }
    QTextDocument document;
    prepare(document, option, formatRow(index.data(Qt::UserRole + 1).toInt(), index.data().toString()), width);
    return QSize(width, int(document.size().height()) + XApplication::scaledY(16));
}
