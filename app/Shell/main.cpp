// OstrelWindowsData: one instance per user; a splash while the disks are
// read, then the main window. The program ends only through the main
// window's quit sequence, which never returns here.

#include "AppManager.h"
#include "Application/XApplication.h"
#include "BridgeSeams.h"
#include "GaService.h"
#include "Launch/Launcher.h"
#include "MainWindow/MainWindow.h"
#include "MainWindow/SignalRelay.h"
#include "ThumbnailSeams.h"
#include "spdlog_qt.h"

int main(int argc, char** argv)
{
    XApplication app(argc, argv, true, XApplication::OptionNotifySecondary, 1000);
    if (app.isSecondary())
        return 0;
    // Installed first: a signal that comes during start-up waits in the pipe
    // until the event loop runs and the window can quit.
    SignalRelay relay;

    DialogEventFilter filter;
    app.installEventFilter(&filter);
    AppManager::instance()->initApplication();
    logInfo(QString("App start (version: %1)").arg(AppManager::currentVersion()));
    sendGaEvent("Lifecycle", "Start");

    connectBridgeBeforeSplash();
    auto* launcher = new Launcher;
    app.setMainWidget(launcher);
    launcher->start();

    auto* window = new MainWindow;
    app.setMainWidget(window);
    connectBridgeToMainWindow(window);
    connectThumbnailsToShell();
    QObject::connect(&app, &XApplication::instanceStarted, window, &MainWindow::bringToFront,
                     Qt::DirectConnection);

    // Logout, Ctrl+C or a closed terminal: quit without asking the module.
    QObject::connect(&relay, &SignalRelay::terminationRequested, window, [window](int number) {
        logInfo(QString("Signal %1: quitting").arg(number));
        window->runQuitSequence();
    });
    relay.start();

    window->start();
    const int result = app.exec();
    delete window;
    delete launcher;
    return result;
}
