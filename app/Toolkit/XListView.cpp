#include "XListView.h"

#include <QMouseEvent>

XListView::XListView(QWidget* parent)
    : QListView(parent)
{
    installEventFilter(this);
    setLayoutMode(QListView::Batched);
}

bool XListView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        switch (static_cast<QMouseEvent*>(event)->button()) {
        case Qt::LeftButton:
            return !leftButtonEnabled;
        case Qt::RightButton:
            return !rightButtonEnabled;
        case Qt::MiddleButton:
            return !middleButtonEnabled;
        default:
            return false;
        }
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return !keysEnabled;
    case QEvent::Wheel:
        return !wheelEnabled;
    default:
        return QAbstractItemView::eventFilter(watched, event);
    }
}

void XListView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    if (relayoutOnResize)
        doItemsLayout();
}
