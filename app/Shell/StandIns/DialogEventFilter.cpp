#include "DialogEventFilter.h"

#include "AppEvent.h"
#include "AppManager.h"

#include <QDialog>

bool DialogEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (qobject_cast<QDialog*>(watched) && !watched->inherits("BusyIndicatorDialog")) {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::Close) {
            auto manager = AppManager::instance();
            if (QWidget* mainWindow = manager->registeredWidget(0))
                manager->postEvent(mainWindow, new AppEvent(type == QEvent::Show ? 1 : 2),
                                   Qt::HighEventPriority);
        }
    }
    return QObject::eventFilter(watched, event);
}
