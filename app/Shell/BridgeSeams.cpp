#include "BridgeSeams.h"

#include "CallAndWait.h"
#include "DocumentManager.h"
#include "Launch/LaunchManager.h"
#include "MainWindow/MainWindow.h"
#include "MainWindow/QuitSequence.h"
#include "Modules/ModuleManager.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"
#include "spdlog_qt.h"

#include <QCoreApplication>

void connectBridgeBeforeSplash()
{
    LaunchManager::setDeviceListLoader([] { StorageDeviceManager::instance().refreshDiskList(); });
}

void connectBridgeToMainWindow(MainWindow* window)
{
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    DocumentManager* model = DocumentManager::instance();
    // The starter waits until the GUI thread has shown the module: the results
    // page must exist before the scan it follows starts, or a small volume's
    // scan ends unseen (no summary, a ring that never stops). A stop (the quit
    // sequence begins with one) ends the wait.
    bridge->setModuleSwitcher([bridge](int type) {
        const auto module = static_cast<ModuleManager::ModuleType>(type);
        QCoreApplication* app = QCoreApplication::instance();
        auto show = [module] { ModuleManager::instance()->setCurrentModule(module); };
        if (!app) {
            show();
            return;
        }
        if (!CallAndWait(app, show, [bridge] { return bridge->isScanStopWanted(); }))
            logInfo("The results module was not shown: the scan was stopped or the program is closing");
    });
    // The receivers live on the GUI thread: the emitting pool and model threads never wait.
    QObject::connect(bridge, &StorageDataRecoverMgr::initCfgFinished, window, &MainWindow::onInitCfgFinished);
    QObject::connect(model, &DocumentManager::scanStarted, window, &MainWindow::onScanStarted);
    QObject::connect(model, &DocumentManager::scanPaused, window, &MainWindow::onScanPaused);
    QObject::connect(model, &DocumentManager::scanResume, window, &MainWindow::onScanResumed);
    QObject::connect(model, &DocumentManager::scanFinished, window, &MainWindow::onScanFinished);
    QObject::connect(model, &DocumentManager::progressUpdated, window, &MainWindow::onProgressUpdated);
    QObject::connect(model, &DocumentManager::releaseData, window, &MainWindow::onReleaseData);

    QuitSequence::addHook(QuitSequence::Stage::StopEngineWork, [bridge] { bridge->stopEngineWork(); });
    QuitSequence::addHook(QuitSequence::Stage::ShutDownDocuments, [model] { model->shutdown(); });
    QuitSequence::addHook(QuitSequence::Stage::ReleaseEngine, [bridge] { bridge->releaseDataRecovery(); });
}
