#include "DeviceNotifier.h"

#include "spdlog_qt.h"

#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <libudev.h>
#include <unistd.h>

#include <cstring>

DeviceNotifier& DeviceNotifier::instance()
{
    static DeviceNotifier notifier;
    return notifier;
}

DeviceNotifier::DeviceNotifier(QObject* parent, const QString& mountInfoPath, bool watchDevices)
    : QObject(parent)
{
    settle_.setSingleShot(true);
    settle_.setTimerType(Qt::PreciseTimer);
    settle_.setInterval(1500);
    connect(&settle_, &QTimer::timeout, this, [this] { emit deviceChanged(lastEventType_); });
    if (watchDevices)
        startDeviceMonitor();
    if (!mountInfoPath.isEmpty())
        startMountMonitor(mountInfoPath);
}

DeviceNotifier::~DeviceNotifier()
{
    delete deviceNotifier_;
    delete mountNotifier_;
    if (monitor_)
        udev_monitor_unref(monitor_);
    if (udev_)
        udev_unref(udev_);
    if (mountFd_ >= 0)
        ::close(mountFd_);
}

void DeviceNotifier::noteDeviceEvent(int eventType)
{
    if (eventType != DevNodesChanged && eventType != DeviceArrival && eventType != DeviceRemoveComplete)
        return;
    lastEventType_ = eventType;
    settle_.start();
}

void DeviceNotifier::startDeviceMonitor()
{
    udev_ = udev_new();
    if (!udev_) {
        logError("DeviceNotifier: udev is not available");
        return;
    }
    // Without udevd nobody relays the kernel's events, so listen to the kernel.
    const char* source = ::access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
    monitor_ = udev_monitor_new_from_netlink(udev_, source);
    if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "block", nullptr) < 0
        || udev_monitor_enable_receiving(monitor_) < 0) {
        logError(QStringLiteral("DeviceNotifier: cannot listen to %1 block events").arg(QLatin1String(source)));
        if (monitor_)
            udev_monitor_unref(monitor_);
        monitor_ = nullptr;
        return;
    }
    deviceNotifier_ = new QSocketNotifier(udev_monitor_get_fd(monitor_), QSocketNotifier::Read);
    connect(deviceNotifier_, &QSocketNotifier::activated, this, &DeviceNotifier::readDeviceEvents);
}

void DeviceNotifier::readDeviceEvents()
{
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(device);
        int eventType = 0;
        if (action && std::strcmp(action, "add") == 0)
            eventType = DeviceArrival;
        else if (action && std::strcmp(action, "remove") == 0)
            eventType = DeviceRemoveComplete;
        else if (action && std::strcmp(action, "change") == 0)
            eventType = DevNodesChanged;
        if (eventType) {
            emit deviceEventRead(QString::fromUtf8(udev_device_get_sysname(device)), eventType);
            noteDeviceEvent(eventType);
        }
        udev_device_unref(device);
    }
}

void DeviceNotifier::startMountMonitor(const QString& path)
{
    mountFd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (mountFd_ < 0) {
        logError(QStringLiteral("DeviceNotifier: cannot watch %1").arg(path));
        return;
    }
    readMountTable();
    // The kernel flags a changed mount table as an exceptional condition (POLLPRI).
    mountNotifier_ = new QSocketNotifier(mountFd_, QSocketNotifier::Exception);
    connect(mountNotifier_, &QSocketNotifier::activated, this, [this] {
        readMountTable();
        noteDeviceEvent(DevNodesChanged);
    });
}

// Reading the table to its end re-arms the change notification.
void DeviceNotifier::readMountTable()
{
    char buffer[8192];
    ::lseek(mountFd_, 0, SEEK_SET);
    while (::read(mountFd_, buffer, sizeof buffer) > 0) {
    }
}
