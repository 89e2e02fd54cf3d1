#include "ProgramStart.h"

#include "Application/XApplication.h"
#include "BridgeSeams.h"
#include "GaService.h"
#include "Launch/Launcher.h"
#include "MainWindow/MainWindow.h"
#include "Modules/ModuleLayout.h"
#include "RecoveryStorageModule.h"
#include "StorageDeviceModule.h"
#include "ThumbnailSeams.h"
#include "spdlog_qt.h"

ProgramStart::ProgramStart(XApplication& app)
{
    app.installEventFilter(&filter_);
    AppManager::instance()->initApplication();
    logInfo(QString("App start (version: %1)").arg(AppManager::currentVersion()));
    sendGaEvent("Lifecycle", "Start");

    connectBridgeBeforeSplash();
    ModuleLayout::setModuleFactory([](ModuleManager::ModuleType type, QWidget* parent) -> AbstractModuleWidget* {
        switch (type) {
        case ModuleManager::StorageDevice: return new StorageDeviceModule(parent);
        case ModuleManager::RecoveryStorage: return new RecoveryStorageModule(parent);
        default: return nullptr;
        }
    });
    launcher_ = new Launcher;
    app.setMainWidget(launcher_);
    launcher_->start();

    window_ = new MainWindow;
    app.setMainWidget(window_);
    connectBridgeToMainWindow(window_);
    connectThumbnailsToShell();
    QObject::connect(&app, &XApplication::instanceStarted, window_, &MainWindow::bringToFront,
                     Qt::DirectConnection);

    // Logout, Ctrl+C or a closed terminal: quit without asking the module.
    MainWindow* window = window_;
    QObject::connect(&relay_, &SignalRelay::terminationRequested, window_, [window](int number) {
        logInfo(QString("Signal %1: quitting").arg(number));
        window->runQuitSequence();
    });
    relay_.start();

    window_->start();
}

ProgramStart::~ProgramStart()
{
    delete window_;
    delete launcher_;
}
