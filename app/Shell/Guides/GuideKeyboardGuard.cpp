#include "Guides/GuideKeyboardGuard.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace {

// The widget a key or shortcut event would act on, or null when it acts on
// none (an application-wide action).
QWidget* widgetOf(QObject* receiver)
{
    if (auto* widget = qobject_cast<QWidget*>(receiver))
        return widget;
    if (auto* shortcut = qobject_cast<QShortcut*>(receiver))
        return shortcut->parentWidget();
    if (auto* action = qobject_cast<QAction*>(receiver)) {
        const auto widgets = action->associatedWidgets();
        return widgets.isEmpty() ? nullptr : widgets.first();
    }
    return nullptr;
}

bool isKeyEvent(QEvent::Type type)
{
    return type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride ||
           type == QEvent::Shortcut;
}

}  // namespace

GuideKeyboardGuard::GuideKeyboardGuard(QWidget* overlay)
    : QObject(overlay), overlay_(overlay)
{
}

bool GuideKeyboardGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (!overlay_ || !overlay_->isVisible() || !isKeyEvent(event->type()))
        return false;
    QWidget* target = widgetOf(watched);
    if (!target || target->window() != overlay_->window())
        return false;
    if (target != overlay_ && !overlay_->isAncestorOf(target))
        return true;
    // Tab and the arrow keys move a button's focus along the window's chain,
    // out from under the shade.
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        default:
            return false;
        }
    }
    return false;
}
