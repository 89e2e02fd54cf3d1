#include "FileBrowserDelegate.h"

#include "Application/XApplication.h"
#include "FileBrowserModel.h"
#include "FileTypeIconProvider.h"

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QHelpEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int dateWidth = 143;
constexpr int typeWidth = 113;
constexpr int sizeWidth = 91;
constexpr int linkWidth = 91;

int sx(double v) { return XApplication::scaledX(v); }
int sy(double v) { return XApplication::scaledY(v); }

QFont textFont(const QStyleOptionViewItem& option)
{
    QFont font = option.font;
    font.setPointSizeF(10.5);
    return font;
}

bool isSearchList(const QModelIndex& index)
{
    return index.data(FileBrowserModel::ViewDisplayModeRole).toInt() == 4;
}

int nameColumnWidth(const QStyleOptionViewItem& option, bool search)
{
    return option.rect.width() - FileBrowserDelegate::dateColumnWidth(option.font) - sx(typeWidth) - sx(sizeWidth) -
           (search ? sx(linkWidth) : 0);
}

// The gap a cell keeps before the next column.
constexpr int cellGap = 5;

const FileTypeIconProvider& icons()
{
    static const FileTypeIconProvider provider;
    return provider;
}

// Plain names are shown as text; the tool tip wraps the escaped name so Qt
// never guesses markup from a found name.
QString toolTipText(const QString& name, bool search)
{
    return search ? name : QStringLiteral("<qt>%1</qt>").arg(name.toHtmlEscaped());
}

} // namespace

int FileBrowserDelegate::dateColumnWidth(const QFont& base)
{
    QFont font = base;
    font.setPointSizeF(10.5);
    // The widest date the list shows, as TimeText writes it.
    const int needed = QFontMetrics(font).horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) + sx(2 * cellGap);
    return std::max(sx(dateWidth), needed);
}

bool FileBrowserDelegate::iconMode() const
{
    const auto* view = qobject_cast<const QListView*>(parent());
    return view && view->viewMode() == QListView::IconMode;
}

bool FileBrowserDelegate::layoutRichName(QTextDocument& document, const QString& html, const QFont& font, int width,
                                         Qt::Alignment alignment, int hitFromRight)
{
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QTextOption textOption(alignment);
    textOption.setWrapMode(QTextOption::NoWrap);
    document.setDefaultTextOption(textOption);
    document.setHtml(html);
    document.setTextWidth(width);
    const QFontMetrics metrics(font);
    const QPointF hit(width - hitFromRight - metrics.horizontalAdvance(QStringLiteral("...")), metrics.height() / 2.0);
    if (document.idealWidth() <= width)
        return false;
    const int position = document.documentLayout()->hitTest(hit, Qt::ExactHit);
    if (position < 0)
        return false;
    QTextCursor cursor(&document);
    cursor.setPosition(position);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.insertText(QStringLiteral("..."), cursor.block().charFormat());
    return true;
}

QRect FileBrowserDelegate::checkBoxArea(const QStyleOptionViewItem& option, bool icon) const
{
    const int side = sx(14);
    if (icon) {
        const QRect picture = option.rect.adjusted(0, 0, 0, -sy(26));
        return QRect(picture.right() - sx(16), picture.bottom() - sy(22), side, sy(14));
    }
    return QRect(option.rect.left() + sx(12), option.rect.center().y() - sy(14) / 2, side, sy(14));
}

QRect FileBrowserDelegate::nameArea(const QStyleOptionViewItem& option, bool icon, bool search) const
{
    if (icon) {
        const QRect picture = option.rect.adjusted(0, 0, 0, -sy(26));
        return QRect(picture.left(), picture.bottom() + sy(4), picture.width(), sy(26));
    }
    const int n = nameColumnWidth(option, search);
    return QRect(option.rect.left() + sx(66), option.rect.top(), n - sx(66), option.rect.height());
}

QRect FileBrowserDelegate::viewLinkArea(const QStyleOptionViewItem& option) const
{
    const QFontMetrics metrics(option.font);
    const int h = qMax(metrics.height(), 22);
    return QRect(option.rect.right() - sx(linkWidth), option.rect.top() + (option.rect.height() - h) / 2,
                 metrics.horizontalAdvance(tr("View>")), h);
}

void FileBrowserDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!qobject_cast<const QListView*>(parent()) || !index.isValid())
        return;
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    if (iconMode())
        paintCell(painter, option, index);
    else
        paintRow(painter, option, index);
    painter->restore();
}

void FileBrowserDelegate::paintRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(r, selected ? QColor("#DBEAFE")
                                  : (option.state & QStyle::State_MouseOver) ? QColor("#F8FAFC") : QColor(Qt::white));
    painter->setPen(QColor("#F1F5F9"));
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    const bool search = isSearchList(index);
    const int n = nameColumnWidth(option, search);
    const QFont font = textFont(option);
    painter->setFont(font);
    painter->setPen(selected ? QColor("#1C4980") : QColor("#171717"));

    const QRect box = checkBoxArea(option, false);
    painter->drawPixmap(QRect(r.left() + sx(11), box.top(), box.width(), box.height()),
                        FileTypeIconProvider::checkBoxPixmap(
                            quint8(index.data(FileBrowserModel::CheckStateRole).toInt()), box.size()));
    const QSize iconSize(sx(30), sy(30));
    const QRect iconRect(r.left() + sx(11) + box.width() + sx(6), r.center().y() - iconSize.height() / 2,
                         iconSize.width(), iconSize.height());
    painter->drawPixmap(iconRect, icons().scaledIcon(quint8(index.data(FileBrowserModel::TypeCodeRole).toInt()),
                                                     iconSize));
    const QRect nameBox(iconRect.right() + 1 + sx(5), r.top(), r.left() + n - sx(10) - iconRect.right() - sx(5),
                        r.height());
    const QString name = index.data(Qt::DisplayRole).toString();
    if (!search) {
        painter->drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(name, Qt::ElideRight, nameBox.width()));
    } else {
        QTextDocument document;
        layoutRichName(document, name, font, nameBox.width(), Qt::AlignLeft | Qt::AlignVCenter, sx(5));
        painter->save();
        painter->translate(nameBox.left(), nameBox.top() + (nameBox.height() - document.size().height()) / 2);
        const QRectF clip(0, 0, nameBox.width(), nameBox.height());
        painter->setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, painter->pen().color());
        document.documentLayout()->draw(painter, context);
        painter->restore();
    }
    int x = r.left() + n - 1;
    auto column = [&](int width, const QString& text, int inset) {
        const QRect cell(x, r.top(), width, r.height());
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(text, Qt::ElideRight, width - inset));
        x += width - 1;
    };
    column(dateColumnWidth(option.font), index.data(FileBrowserModel::DateTextRole).toString(), sx(cellGap));
    column(sx(typeWidth), index.data(FileBrowserModel::TypeNameRole).toString(), sx(cellGap));
    column(sx(sizeWidth), index.data(FileBrowserModel::SizeTextRole).toString(), sx(cellGap));
    if (search) {
        QFont underlined = font;
        underlined.setUnderline(true);
        painter->setFont(underlined);
        painter->setPen(QColor(37, 99, 235));
        const QRect cell(x, r.top(), sx(linkWidth), r.height());
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                          QFontMetrics(underlined).elidedText(tr("View>"), Qt::ElideRight, cell.width()));
        painter->setBrush(Qt::NoBrush);
    }
}

void FileBrowserDelegate::paintCell(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    const QRect t = option.rect.adjusted(0, 0, 0, -sy(26));
    const int radius = sx(8);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor("#EBF5FF"));
    painter->drawRoundedRect(t, radius, radius);
    QPixmap picture = index.data(FileBrowserModel::ThumbnailRole).value<QPixmap>();
    if (picture.isNull())
        picture = icons().scaledIcon(quint8(index.data(FileBrowserModel::TypeCodeRole).toInt()), QSize(sx(52), sy(52)));
    painter->save();
    if (picture.width() > t.width() || picture.height() > t.height()) {
        QPainterPath clip;
        clip.addRoundedRect(t, radius, radius);
        painter->setClipPath(clip);
        picture = picture.scaled(QSize(qMin(picture.width(), t.width()), qMin(picture.height(), t.height())),
                                 Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    painter->drawPixmap(t.center().x() - picture.width() / 2 + 1, t.center().y() - picture.height() / 2 + 1, picture);
    painter->restore();

    const QRect nameBox = nameArea(option, true, false);
    const QFont font = textFont(option);
    painter->setFont(font);
    painter->setPen(QColor("#0F172A"));
    const QString name = index.data(Qt::DisplayRole).toString();
    if (!isSearchList(index)) {
        painter->drawText(nameBox, Qt::AlignHCenter | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(name, Qt::ElideMiddle, nameBox.width()));
    } else {
        QTextDocument document;
        layoutRichName(document, name, font, nameBox.width(), Qt::AlignHCenter | Qt::AlignVCenter, 0);
        painter->save();
        painter->translate(nameBox.left(), nameBox.top() + (nameBox.height() - document.size().height()) / 2);
        painter->setClipRect(QRectF(0, 0, nameBox.width(), nameBox.height()));
        document.documentLayout()->draw(painter, QAbstractTextDocumentLayout::PaintContext());
        painter->restore();
    }
    if (option.state & (QStyle::State_Selected | QStyle::State_MouseOver)) {
        painter->setPen(QPen(QColor("#2563EB"), 1.2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(t.adjusted(1, 1, -1, -1), radius, radius);
    }
    const QSize box(sx(14), sy(14));
    painter->drawPixmap(t.right() - 2 - box.width(), t.bottom() - 8 - box.height(),
                        FileTypeIconProvider::checkBoxPixmap(
                            quint8(index.data(FileBrowserModel::CheckStateRole).toInt()), box));
}

QSize FileBrowserDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    const auto* view = qobject_cast<const QListView*>(parent());
    if (view && view->viewMode() == QListView::ListMode)
        return QSize(option.rect.width(), sy(48));
    return QSize(sx(136), sy(133));
}

bool FileBrowserDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                      const QModelIndex& index)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return QAbstractItemDelegate::editorEvent(event, model, option, index);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return true;
    const bool icon = iconMode();
    if (!icon && isSearchList(index) && viewLinkArea(option).contains(mouse->pos())) {
        emit viewActionTriggered(index);
        return true;
    }
    if (checkBoxArea(option, icon).contains(mouse->pos())) {
        emit itemCheckStateToggled(index);
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        emit itemDoubleClicked(index);
        return true;
    }
    emit itemClicked(index);
    return QAbstractItemDelegate::editorEvent(event, model, option, index);
}

bool FileBrowserDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                    const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractItemDelegate::helpEvent(event, view, option, index);
    const auto* list = qobject_cast<const QListView*>(view);
    const bool icon = list && list->viewMode() == QListView::IconMode;
    const bool search = isSearchList(index);
    const QRect area = nameArea(option, icon, search);
    if (!area.contains(event->pos())) {
        QToolTip::hideText();
        return true;
    }
    const QString name = index.data(Qt::DisplayRole).toString();
    const QFont font = textFont(option);
    bool cut;
    if (search) {
        QTextDocument document;
        cut = layoutRichName(document, name, font, area.width(),
                             icon ? Qt::AlignHCenter | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter,
                             icon ? 0 : sx(5));
    } else {
        cut = QFontMetrics(font).horizontalAdvance(name) > area.width();
    }
    if (cut)
        QToolTip::showText(event->globalPos(), toolTipText(name, search), view);
    else
        QToolTip::hideText();
    return true;
}
