#pragma once

#include <QObject>
#include <QVariantMap>

// The software-update check. This stand-in has no update endpoint: every
// check answers "CheckResult" 2 (failed) on the next turn of the event loop.
class UpdateCheck : public QObject
{
    Q_OBJECT
public:
    static UpdateCheck& instance();
    // manual: the user asked (the dialog is already open, waiting).
    void start(bool manual);

signals:
    void finished(QVariantMap result, bool manual);
};
