#pragma once
#include "AppManager.h"
#include "MainWindow/SignalRelay.h"

#include <QObject>

class Launcher;
class MainWindow;
class XApplication;

// Everything the program does between its application object and the event
// loop: services, modules, the splash and the main window. main runs it, and
// so does the end-to-end test, which drives the same program headless.
class ProgramStart : public QObject {
    Q_OBJECT
public:
    explicit ProgramStart(XApplication& app);
    ~ProgramStart() override;

    MainWindow* window() const { return window_; }

private:
    // Installed first: a signal that comes during start-up waits in the pipe
    // until the event loop runs and the window can quit.
    SignalRelay relay_;
    DialogEventFilter filter_;
    Launcher* launcher_ = nullptr;
    MainWindow* window_ = nullptr;
};
