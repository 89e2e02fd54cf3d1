#include "MainWindow/MainWindow.h"

#include "AppEvent.h"
#include "AppManager.h"
#include "AppStyleSheet.h"
#include "Endpoints.h"
#include "Application/XApplication.h"
#include "CuteSettings.h"
#include "DesktopHelpers.h"
#include "Dialogs/DialogManager.h"
#include "GaService.h"
#include "GuideManagement.h"
#include "Launch/LaunchManager.h"
#include "MainWindow/Overlays.h"
#include "MainWindow/QuitSequence.h"
#include "MainWindow/TaskbarProgress.h"
#include "Modules/AbstractModuleWidget.h"
#include "Modules/ModuleLayout.h"
#include "SystemHelpers.h"
#include "TitleBar/MainTitleBar.h"
#include "BugSplatProxy.h"
#include "CrashReportUpload.h"
#include "XMessageBox.h"
#include "XLine.h"
#include "spdlog_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSysInfo>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget* parent)
    : XFramelessWindow(parent)
{
    const auto manager = AppManager::instance();
    manager->registerWidget(0, this);
    terminate = [](int code) { terminateSelf(code); };

    const XApplication* app = XApplication::instance();
    const double sx = app ? app->scaleX : 1.0;
    const double sy = app ? app->scaleY : 1.0;
    setStyleSheet(AppStyleSheet::checkBoxStyle(sx, sy) + AppStyleSheet::comboBoxStyle1(sx, sy) +
                  AppStyleSheet::comboBoxStyle2(sx, sy) + AppStyleSheet::menuStyle(sx, sy) +
                  AppStyleSheet::scrollBarStyle(sx, sy) + AppStyleSheet::sliderStyle(sx, sy) +
                  AppStyleSheet::viewStyles(sx, sy));

    setMinimumSize(XApplication::scaledX(1240), XApplication::scaledY(780));
    auto* central = new QWidget(this);
    titleBar_ = new MainTitleBar(central);
    titleBar_->setFixedHeight(XApplication::scaledY(48));
    addCaptionWidget(titleBar_);
    for (QWidget* widget : titleBar_->captionWidgets())
        addCaptionWidget(widget);
    modules_ = new ModuleLayout(central);
    setTitleBar(central);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleBar_);
    layout->addWidget(new XLine(Qt::Horizontal, 1, manager->themeColor(AppManager::SeparatorLine), central));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* inner = new QVBoxLayout;
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(0);
    inner->addWidget(modules_);
    row->addLayout(inner);
    layout->addLayout(row, 1);
    setCentralWidget(central);

    shade_ = new shadeOrShadowWidget(this);
    busy_ = new BusyIndicatorDialog(this);

    setAttribute(Qt::WA_MouseTracking);

    connect(LaunchManager::instance(), &LaunchManager::finished, this, &MainWindow::onLaunchFinished);
    connect(StorageGuideManagement::instance(), &StorageGuideManagement::firshSignal, this,
            [] { CuteSettings::instance().setValue("storageTourGuide", 0, CuteSettings::Default); });
    manager->setUpdateResultHandler(
        [](const QVariantMap& result) { DialogManager::instance()->onUpdateCheckFinished(result); });
}

MainWindow::~MainWindow() = default;

void MainWindow::start()
{
    const QString system = QString("%1 %2 %3")
                               .arg(QSysInfo::prettyProductName(), QSysInfo::buildCpuArchitecture(),
                                    QSysInfo::currentCpuArchitecture());
    logInfo(QString("System: %1").arg(system));
    BugSplatProxy::instance().setUserDescription(system);
}

void MainWindow::onLaunchFinished()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    logInfo("Main window shown");
    if (auto* module = qobject_cast<AbstractModuleWidget*>(modules_->currentModule()))
        module->refresh();

    auto& settings = CuteSettings::instance();
    if (settings.value("firstLaunch", true, CuteSettings::Default).toBool()) {
        const auto manager = AppManager::instance();
        const QString site = endpoint(Endpoint::Website);
        // Without a configured web site there is no thanks page to open.
        if (!site.isEmpty())
            QTimer::singleShot(1000, this, [site] {
                openLink(AppManager::websiteLanguagePrefix() + site +
                         "/thankyou/install-ostrel-windows-data-recovery/");
            });
        settings.setValue("firstLaunch", false, CuteSettings::Default);
    }

    StorageGuideManagement::instance()->setParentWidget(this);
    RecoveryToolkitGuideManagement::instance()->setParentWidget(this);
    if (StorageGuideManagement::instance()->isGuideEnabled())
        StorageGuideManagement::instance()->setGuideVisible(true);

    offerCrashReport();
    QTimer::singleShot(5000, this, [] { AppManager::instance()->checkForUpdates(); });
}

void MainWindow::offerCrashReport()
{
    const QString logFolder = CuteSettings::logDirectory();
    auto* upload = new CrashReportUpload(
        BugSplatProxy::crashPathFor(logFolder, AppManager::applicationName(), AppManager::currentVersion()),
        logFolder, this);
    if (!upload->shouldAsk()) {
        upload->deleteLater();
        return;
    }
    connect(upload, &CrashReportUpload::finished, upload, &QObject::deleteLater);
    const int choice = XMessageBox::question(
        this, QString(),
        tr("The program closed unexpectedly last time. Send the crash report and the logs "
           "to help us fix the problem?"),
        {tr("Don't Send"), tr("Send")}, 2);
    upload->answer(choice == 2);
}

void MainWindow::customEvent(QEvent* event)
{
    if (event->type() != AppEvent::EventType)
        return;
    const int flags = static_cast<AppEvent*>(event)->flags();
    if ((flags & 1) && shade_) {
        shade_->setUpdatesEnabled(false);
        shade_->show();
        shade_->raise();
        if (busy_ && busy_->isVisible())
            busy_->raise();
        auto* fade = new QPropertyAnimation(shade_, "windowOpacity", shade_);
        fade->setDuration(100);
        fade->setStartValue(0.0);
        fade->setEndValue(1.0);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
        shade_->setUpdatesEnabled(true);
    } else if (flags & 2) {
        bool dialogVisible = false;
        for (QWidget* widget : QApplication::topLevelWidgets())
            dialogVisible = dialogVisible || (qobject_cast<QDialog*>(widget) && widget->isVisible());
        if (!dialogVisible && shade_)
            shade_->hide();
    }
    if ((flags & 4) && busy_) {
        busy_->start(20);
    } else if ((flags & 8) && busy_) {
        busy_->stop();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (quitting_ || modules_->confirmClose() != 0) {
        event->ignore();
        return;
    }
    event->ignore();
    runQuitSequence();
}

void MainWindow::runQuitSequence()
{
    if (quitting_)
        return;
    quitting_ = true;
    auto& settings = CuteSettings::instance();
    if (settings.value("AppFirstCycle", true, CuteSettings::Default).toBool())
        settings.setValue("AppFirstCycle", false, CuteSettings::Default);
    logInfo("App quit");
    sendGaEvent("Lifecycle", "Quit");
    hide();
    setMinimumSize(0, 0);
    setFixedSize(0, 0);
    QuitSequence::runHooks();
    waitForGaEvents(800);
    terminate(0);
}

void MainWindow::bringToFront()
{
    logInfo("Another instance was started");
    if (isMinimized()) {
        showNormal();
        raise();
        activateWindow();
    } else if (isHidden()) {
        show();
        raise();
        activateWindow();
    } else {
        raise();
        activateWindow();
    }
    // Window managers that refuse to raise at least mark the window urgent.
    QApplication::alert(this);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        titleBar_->setMaximizedLook(!(change->oldState() & Qt::WindowMaximized) && isMaximized());
        return;
    }
    XFramelessWindow::changeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    setAttribute(Qt::WA_Mapped);
    XFramelessWindow::showEvent(event);
    createTaskbarProgress();
    AppManager::instance()->applyFont();
}

void MainWindow::createTaskbarProgress()
{
    // Made once, as soon as the window has its native window: the window
    // is built long before it is first shown.
    if (taskbarCreated_ || !windowHandle())
        return;
    taskbarCreated_ = true;
    taskbar_ = TaskbarProgress::create(this);
    if (taskbar_)
        taskbar_->setProgress(6, 0, 100);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    XFramelessWindow::resizeEvent(event);
    if (event->size() != event->oldSize()) {
        StorageGuideManagement::instance()->fitToParent();
        RecoveryToolkitGuideManagement::instance()->fitToParent();
    }
    if (shade_)
        shade_->setGeometry(0, 0, width(), height());
    if (busy_)
        busy_->setGeometry(0, 0, width(), height());
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.fillRect(rect(), AppManager::instance()->themeColor(AppManager::LightBackground));
}

void MainWindow::setTaskbarProgress(int state, int value, int maximum)
{
    createTaskbarProgress();
    if (!taskbar_) {
        if (!taskbarMissingLogged_)
            logError(windowHandle() ? "TaskbarProgress: no session bus, launcher progress is off"
                                    : "TaskbarProgress: windowHandle() is null");
        taskbarMissingLogged_ = true;
        return;
    }
    taskbar_->setProgress(state, value, maximum);
}

void MainWindow::onInitCfgFinished(bool ok)
{
    if (busy_)
        busy_->stop();
    if (ok)
        setTaskbarProgress(3, 1, 100);
    else
        setTaskbarProgress(0, 0, 100);
}

void MainWindow::onScanStarted() { setTaskbarProgress(2, 0, 100); }
void MainWindow::onScanPaused() { setTaskbarProgress(5, 0, 100); }
void MainWindow::onScanResumed() { setTaskbarProgress(6, 0, 100); }
void MainWindow::onScanFinished(int, const QString&, int) { setTaskbarProgress(0, 0, 100); }
void MainWindow::onReleaseData() { setTaskbarProgress(0, 0, 100); }

void MainWindow::onProgressUpdated(int, int progress, const QString&)
{
    setTaskbarProgress(3, std::max(progress, 1), 100);
}
