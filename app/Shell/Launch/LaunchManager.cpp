#include "Launch/LaunchManager.h"

#include "CuteSettings.h"
#include "GaService.h"
#include "SystemHelpers.h"
#include "ThreadHandOver.h"
#include "spdlog_qt.h"

#include "DataRecovery/VelmoraExports.h"

#include <QThreadPool>
#include <QTimer>
#include <exception>
#include <mutex>

namespace {

std::mutex loaderMutex;
std::function<void()>& loader()
{
    static std::function<void()> current = &LaunchManager::defaultDeviceListLoad;
    return current;
}

std::wstring toWide(const QString& text)
{
    return text.toStdWString();
}

} // namespace

LaunchManager* LaunchManager::instance()
{
    static LaunchManager manager;
    return &manager;
}

LaunchManager::LaunchManager()
    : timer_(new QTimer(this))
{
    connect(timer_, &QTimer::timeout, this, &LaunchManager::step);
    timer_->start(20);
}

LaunchManager::~LaunchManager() = default;

void LaunchManager::setDeviceListLoader(std::function<void()> newLoader)
{
    const std::lock_guard lock(loaderMutex);
    loader() = std::move(newLoader);
}

void LaunchManager::defaultDeviceListLoad()
{
    try {
        InitVelmoraW(toWide(CuteSettings::logDirectory()).c_str(), L"ostrel_windows_data.log");
        const std::vector<DiskAndVolumeInfo> list = GetLocalDiskAndVolumeInfo();
        logInfo(QString("[Launcher] %1 disks and volumes listed").arg(list.size()));
    } catch (const std::exception& error) {
        logError(QString("[Launcher] listing the disks failed: %1").arg(error.what()));
    } catch (...) {
        logError("[Launcher] listing the disks failed");
    }
}

void LaunchManager::step()
{
    const int count = counter_.load();
    if (count >= 100) {
        timer_->stop();
        return;
    }
    emit stepValueChange(count);
    counter_.fetch_add(1);
}

void LaunchManager::startTask()
{
    if (started_)
        return;
    started_ = true;
    // The task waits on the pool from a pool thread: with one or two cores an
    // analytics send in flight would leave no thread for the inner load.
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setMaxThreadCount(std::max(pool->maxThreadCount(), 4));
    ThreadHandOver::Run(pool, [this] { loadingTask(); });
}

void LaunchManager::loadingTask()
{
    std::function<void()> load;
    {
        const std::lock_guard lock(loaderMutex);
        load = loader();
    }
    if (load)
        load();
    while (counter_.load() < 99)
        waitMilliseconds(50);
    sendGaEvent("Lunch", "LoadDisk");
    emit finished();
}
