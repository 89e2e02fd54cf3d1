#pragma once

#include "MainWindow/Overlays.h"
#include "XFramelessWindow.h"

#include <QPointer>
#include <functional>

class MainTitleBar;
class ModuleLayout;
class TaskbarProgress;

// The program's window after the splash: title bar, module area, the shade
// and busy overlays driven by AppEvent, launcher-entry progress and the quit
// sequence.
//
// Seams for the engine bridge (connect these once it exists):
//  - slots onInitCfgFinished, onScanStarted, onScanPaused, onScanResumed,
//    onScanFinished, onProgressUpdated, onReleaseData: the scan's signals;
//  - QuitSequence::addHook (MainWindow/QuitSequence.h): its part of the quit;
//  - LaunchManager::setDeviceListLoader: the splash's device-list load.
class MainWindow : public XFramelessWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    MainTitleBar* titleBar() const { return titleBar_; }
    ModuleLayout* moduleLayout() const { return modules_; }
    shadeOrShadowWidget* shade() const { return shade_; }
    BusyIndicatorDialog* busyIndicator() const { return busy_; }
    TaskbarProgress* taskbar() const { return taskbar_; }

    // Runs the hooks, then ends the process with code 0. Tests replace the end.
    void runQuitSequence();
    std::function<void(int)> terminate;

public slots:
    void start();
    void onLaunchFinished();
    void onInitCfgFinished(bool ok);
    void onScanStarted();
    void onScanPaused();
    void onScanResumed();
    void onScanFinished(int kind, const QString& text, int count);
    void onProgressUpdated(int type, int progress, const QString& remainingTime);
    void onReleaseData();
    // A second start of the program: bring this window to the front.
    void bringToFront();

protected:
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setTaskbarProgress(int state, int value, int maximum);
    void createTaskbarProgress();
    void offerCrashReport();

    MainTitleBar* titleBar_ = nullptr;
    ModuleLayout* modules_ = nullptr;
    TaskbarProgress* taskbar_ = nullptr;
    QPointer<shadeOrShadowWidget> shade_;
    QPointer<BusyIndicatorDialog> busy_;
    bool taskbarCreated_ = false;
    bool taskbarMissingLogged_ = false;
    bool quitting_ = false;
};
