#include "TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

QString describe(const QWidget* widget)
{
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        name += QLatin1Char('#') + widget->objectName();
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (up->isWindow()) {
            name = QString::fromLatin1(up->metaObject()->className()) + QLatin1String(" > ") + name;
            break;
        }
    }
    return name;
}

// The width of a text as a label lays it out: rich text through a document
// (its own bold and sizes count), plain text line by line.
int textWidth(const QString& text, const QFont& font, bool rich)
{
    if (!rich) {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest;
    }
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(font);
    document.setHtml(text);
    return int(std::ceil(document.idealWidth()));
}

bool isRich(const QLabel* label)
{
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

QString withoutAccelerator(QString text)
{
    text.replace(QLatin1String("&&"), QString(QChar(0x1)));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(0x1), QLatin1Char('&'));
    return text;
}

void checkLabel(const QLabel* label, QVector<Misfit>& out)
{
    if (label->text().trimmed().isEmpty() || !label->toolTip().isEmpty())
        return;
    const int margins = 2 * label->margin() + std::max(label->indent(), 0);
    const int available = label->contentsRect().width() - margins;
    if (label->wordWrap()) {
        // Wrapped text may take lines, not more height than the label has.
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height() + 1)
            out.append({describe(label) + QStringLiteral(" (height at width %1)").arg(label->width()), label->text(),
                        needed, label->height()});
        return;
    }
    const int needed = textWidth(label->text(), label->font(), isRich(label));
    if (needed > available)
        out.append({describe(label), label->text(), needed, available});
}

void checkButton(const QAbstractButton* button, QVector<Misfit>& out)
{
    if (button->text().trimmed().isEmpty() || !button->toolTip().isEmpty())
        return;
    const QString text = withoutAccelerator(button->text());
    int needed = QFontMetrics(button->font()).horizontalAdvance(text);
    if (!button->icon().isNull())
        needed += button->iconSize().width() + 4;
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
        const QStyle* style = button->style();
        needed += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                  style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    }
    const int available = button->contentsRect().width();
    if (needed > available)
        out.append({describe(button), button->text(), needed, available});
}

void checkTabs(const QTabBar* bar, QVector<Misfit>& out)
{
    if (bar->elideMode() != Qt::ElideNone)
        return;
    const QFontMetrics metrics(bar->font());
    for (int tab = 0; tab < bar->count(); ++tab) {
        if (!bar->tabToolTip(tab).isEmpty())
            continue;
        const int needed = metrics.horizontalAdvance(withoutAccelerator(bar->tabText(tab)));
        const int available = bar->tabRect(tab).width();
        if (needed > available)
            out.append({describe(bar), bar->tabText(tab), needed, available});
    }
}

void checkHeader(const QHeaderView* header, QVector<Misfit>& out)
{
    if (!header->model() || header->textElideMode() != Qt::ElideNone)
        return;
    const QFontMetrics metrics(header->font());
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text = header->model()->headerData(section, header->orientation()).toString();
        if (text.isEmpty())
            continue;
        const int needed = metrics.horizontalAdvance(text);
        const int available = header->sectionSize(section);
        if (needed > available)
            out.append({describe(header), text, needed, available});
    }
}

void check(QWidget* widget, QVector<Misfit>& out)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        checkLabel(label, out);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        checkButton(button, out);
    else if (auto* bar = qobject_cast<QTabBar*>(widget))
        checkTabs(bar, out);
    else if (auto* header = qobject_cast<QHeaderView*>(widget))
        checkHeader(header, out);
}

} // namespace

QVector<Misfit> findMisfits(QWidget* root)
{
    QVector<Misfit> out;
    if (!root->isVisible())
        return out;
    check(root, out);
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->width() > 0)
            check(widget, out);
    }
    return out;
}
