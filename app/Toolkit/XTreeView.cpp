#include "XTreeView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

void XTreeViewStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const
{
    if (element == PE_IndicatorBranch) {
        painter->setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
        if (option->state & State_Children)
            return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

XTreeView::XTreeView(QWidget* parent)
    : QTreeView(parent)
{
    auto* style = new XTreeViewStyle;
    style->setParent(this);
    setStyle(style);
}

void XTreeView::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

void XTreeView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        return;
    QTreeView::mousePressEvent(event);
}
