#pragma once

#include <QObject>

// Dims the main window while a dialog is up: posts AppEvent 1 when a dialog
// shows and 2 when it hides or closes (the busy indicator excepted).
class DialogEventFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
