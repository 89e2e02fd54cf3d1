#pragma once
// Stands for the main window (registered under key 0): records the flags of
// the AppEvents the pages post to it.
#include "AppEvent.h"

#include <QList>
#include <QWidget>

class AppEventRecorder : public QWidget {
public:
    QList<int> flags;

    bool event(QEvent* event) override
    {
        if (event->type() == AppEvent::EventType) {
            flags << static_cast<AppEvent*>(event)->flags();
            return true;
        }
        return QWidget::event(event);
    }
};
