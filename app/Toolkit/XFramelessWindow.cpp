#include "XFramelessWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

XFramelessWindow::XFramelessWindow(QWidget* parent)
    : QMainWindow(parent, Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowMaximizeButtonHint)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setResizable(true);
    attachWindowHandle();
}

XFramelessWindow::~XFramelessWindow()
{
    // Children and the native window outlive this part of the object: their
    // last signals must not reach it.
    if (titleBar_)
        disconnect(titleBar_, nullptr, this, nullptr);
    if (watchedWindow_) {
        watchedWindow_->removeEventFilter(this);
        disconnect(watchedWindow_, nullptr, this, nullptr);
    }
}

void XFramelessWindow::setResizable(bool on)
{
    const bool wasVisible = testAttribute(Qt::WA_WState_Visible);
    resizable_ = on;
    if (on) {
        setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    } else {
        setUpdatesEnabled(false);
        setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
        setUpdatesEnabled(true);
    }
    setVisible(wasVisible);
    attachWindowHandle();
}

void XFramelessWindow::setTitleBar(QWidget* titleBar)
{
    if (titleBar_)
        disconnect(titleBar_, &QObject::destroyed, this, &XFramelessWindow::onTitleBarDestroyed);
    titleBar_ = titleBar;
    if (titleBar)
        connect(titleBar, &QObject::destroyed, this, &XFramelessWindow::onTitleBarDestroyed);
}

void XFramelessWindow::addCaptionWidget(QWidget* widget)
{
    if (widget)
        captionWidgets_.insert(widget);
}

void XFramelessWindow::onTitleBarDestroyed()
{
    if (sender() == titleBar_)
        titleBar_ = nullptr;
}

void XFramelessWindow::showFullScreen()
{
    if (isMaximized()) {
        setContentsMargins(margins_);
        frames_ = QMargins();
    }
    QWidget::showFullScreen();
}

XFramelessWindow::HitArea XFramelessWindow::hitTest(const QPoint& globalPos) const
{
    if (!hitTestEnabled_)
        return HitClient;
    const int x = globalPos.x();
    const int y = globalPos.y();
    const QRect frame = frameGeometry();
    const int left = frame.x();
    const int top = frame.y();
    const int right = frame.x() + frame.width();
    const int bottom = frame.y() + frame.height();
    const int b = borderWidth_;

    int result = HitNone;
    if (resizable_) {
        const bool resizeW = minimumWidth() != maximumWidth();
        const bool resizeH = minimumHeight() != maximumHeight();
        const bool inLeft = left <= x && x < left + b;
        const bool inRight = right - b <= x && x < right;
        const bool inBottom = bottom - b <= y && y < bottom;
        const bool inTop = top <= y && y < top + b;
        if (resizeW && inLeft)
            result = HitLeft;
        if (resizeW && inRight)
            result = HitRight;
        if (resizeH && inBottom)
            result = HitBottom;
        if (resizeH && inTop)
            result = HitTop;
        if (resizeW && resizeH) {
            if (inLeft && inBottom)
                result = HitBottomLeft;
            if (inRight && inBottom)
                result = HitBottomRight;
            if (inLeft && inTop)
                result = HitTopLeft;
            if (inRight && inTop)
                result = HitTopRight;
        }
    }
    if (result != HitNone)
        return static_cast<HitArea>(result);
    if (!titleBar_)
        return HitNone;
    const QPoint local = titleBar_->mapFromGlobal(globalPos);
    if (!titleBar_->rect().contains(local))
        return HitNone;
    QWidget* child = titleBar_->childAt(local);
    if (!child || captionWidgets_.contains(child))
        return HitCaption;
    return HitNone;
}

Qt::Edges XFramelessWindow::edgesOf(HitArea area)
{
    switch (area) {
    case HitLeft: return Qt::LeftEdge;
    case HitRight: return Qt::RightEdge;
    case HitTop: return Qt::TopEdge;
    case HitBottom: return Qt::BottomEdge;
    case HitTopLeft: return Qt::TopEdge | Qt::LeftEdge;
    case HitTopRight: return Qt::TopEdge | Qt::RightEdge;
    case HitBottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
    case HitBottomRight: return Qt::BottomEdge | Qt::RightEdge;
    default: return {};
    }
}

bool XFramelessWindow::startSystemMove()
{
    return windowHandle() && windowHandle()->startSystemMove();
}

bool XFramelessWindow::startSystemResize(Qt::Edges edges)
{
    return windowHandle() && windowHandle()->startSystemResize(edges);
}

bool XFramelessWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show)
        attachWindowHandle();
    return QMainWindow::event(event);
}

void XFramelessWindow::attachWindowHandle()
{
    QWindow* window = windowHandle();
    if (!window || window == watchedWindow_)
        return;
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
    watchedWindow_ = window;
    window->installEventFilter(this);
    connect(window, &QWindow::screenChanged, this, &XFramelessWindow::onScreenChanged,
            Qt::UniqueConnection);
}

void XFramelessWindow::onScreenChanged(QScreen* screen)
{
    // Nudging the size makes some window systems repaint after a screen move.
    if (screen != QGuiApplication::primaryScreen()) {
        const QSize now = size();
        resize(now.width() - 1, now.height() - 1);
        resize(now);
    } else if (normalSize_.isValid()) {
        // Without a size taken on the primary screen there is nothing to
        // return to; resizing to an invalid size would collapse the window.
        resize(normalSize_.width() - 1, normalSize_.height());
        resize(normalSize_);
    }
}

void XFramelessWindow::resizeEvent(QResizeEvent* event)
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary && primary->availableGeometry().contains(mapToGlobal(QPoint(0, 0))))
        normalSize_ = size();
    QMainWindow::resizeEvent(event);
}

bool XFramelessWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedWindow_ && handleMouse(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

namespace {

Qt::CursorShape cursorFor(XFramelessWindow::HitArea area)
{
    switch (area) {
    case XFramelessWindow::HitLeft:
    case XFramelessWindow::HitRight: return Qt::SizeHorCursor;
    case XFramelessWindow::HitTop:
    case XFramelessWindow::HitBottom: return Qt::SizeVerCursor;
    case XFramelessWindow::HitTopLeft:
    case XFramelessWindow::HitBottomRight: return Qt::SizeFDiagCursor;
    case XFramelessWindow::HitTopRight:
    case XFramelessWindow::HitBottomLeft: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

bool XFramelessWindow::handleMouse(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPos();

    if (movePending_) {
        if (type == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
            if ((global - dragStartGlobal_).manhattanLength() < QApplication::startDragDistance())
                return true;
            movePending_ = false;
            if (!startSystemMove())
                dragMoving_ = true;
            else
                return true;
        } else if (type == QEvent::MouseButtonRelease || !(mouse->buttons() & Qt::LeftButton)) {
            movePending_ = false;
        }
    }
    if (dragMoving_ || dragEdges_) {
        if (type == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
            followMouse(global);
            return true;
        }
        if (type == QEvent::MouseButtonRelease || !(mouse->buttons() & Qt::LeftButton)) {
            dragMoving_ = false;
            dragEdges_ = {};
            return true;
        }
    }

    const HitArea area = hitTest(global);
    const Qt::Edges edges = isMaximized() || isFullScreen() ? Qt::Edges() : edgesOf(area);

    if (type == QEvent::MouseMove && mouse->buttons() == Qt::NoButton) {
        if (edges) {
            setCursor(cursorFor(area));
            cursorSet_ = true;
        } else if (cursorSet_) {
            unsetCursor();
            cursorSet_ = false;
        }
        return false;
    }
    if (mouse->button() != Qt::LeftButton)
        return false;

    if (type == QEvent::MouseButtonDblClick && area == HitCaption) {
        if (resizable_)
            isMaximized() ? showNormal() : showMaximized();
        return true;
    }
    if (type != QEvent::MouseButtonPress)
        return false;
    if (edges) {
        if (!startSystemResize(edges)) {
            dragEdges_ = edges;
            dragStartGlobal_ = global;
            dragStartGeometry_ = geometry();
        }
        return true;
    }
    if (area == HitCaption) {
        movePending_ = true;
        dragStartGlobal_ = global;
        dragStartGeometry_ = geometry();
        return true;
    }
    return false;
}

void XFramelessWindow::followMouse(const QPoint& globalPos)
{
    const QPoint delta = globalPos - dragStartGlobal_;
    if (dragMoving_) {
        move(dragStartGeometry_.topLeft() + delta);
        return;
    }
    QRect g = dragStartGeometry_;
    const QSize minimum = minimumSize();
    const QSize maximum = maximumSize();
    if (dragEdges_ & Qt::LeftEdge)
        g.setLeft(std::clamp(g.left() + delta.x(), g.right() + 1 - maximum.width(),
                             g.right() + 1 - minimum.width()));
    if (dragEdges_ & Qt::RightEdge)
        g.setWidth(std::clamp(g.width() + delta.x(), minimum.width(), maximum.width()));
    if (dragEdges_ & Qt::TopEdge)
        g.setTop(std::clamp(g.top() + delta.y(), g.bottom() + 1 - maximum.height(),
                            g.bottom() + 1 - minimum.height()));
    if (dragEdges_ & Qt::BottomEdge)
        g.setHeight(std::clamp(g.height() + delta.y(), minimum.height(), maximum.height()));
    setGeometry(g);
}
