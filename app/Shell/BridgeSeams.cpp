#include "BridgeSeams.h"

#include "DocumentManager.h"
#include "Launch/LaunchManager.h"
#include "MainWindow/MainWindow.h"
#include "MainWindow/QuitSequence.h"
#include "Modules/ModuleManager.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"

void connectBridgeBeforeSplash()
{
    LaunchManager::setDeviceListLoader([] { StorageDeviceManager::instance().refreshDiskList(); });
}

void connectBridgeToMainWindow(MainWindow* window)
{
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    DocumentManager* model = DocumentManager::instance();
    bridge->setModuleSwitcher([](int type) {
        ModuleManager::instance()->setCurrentModule(static_cast<ModuleManager::ModuleType>(type));
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
