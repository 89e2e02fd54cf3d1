#pragma once
// Tells the device pages, once a burst has settled, that block devices came,
// went or changed: udev "block" events (add 0x8000, remove 0x8004, change 7)
// and mount table changes (7, since mounting sends no device event). A burst
// gives one deviceChanged 1500 ms after its last event, with the last kind.
#include <QObject>
#include <QTimer>

class QSocketNotifier;
struct udev;
struct udev_monitor;

class DeviceNotifier : public QObject {
    Q_OBJECT
public:
    enum EventType { DevNodesChanged = 7, DeviceArrival = 0x8000, DeviceRemoveComplete = 0x8004 };

    static DeviceNotifier& instance();

    // mountInfoPath empty: no mount watching; watchDevices false: no udev
    // (tests that must not hear the rest of the machine).
    explicit DeviceNotifier(QObject* parent = nullptr,
                            const QString& mountInfoPath = QStringLiteral("/proc/self/mountinfo"),
                            bool watchDevices = true);
    ~DeviceNotifier() override;

    // One platform event; 7, 0x8000 and 0x8004 count, every other kind is ignored.
    void noteDeviceEvent(int eventType);

    bool watchesDevices() const { return deviceNotifier_ != nullptr; }
    bool watchesMounts() const { return mountNotifier_ != nullptr; }

signals:
    void deviceChanged(int eventType);
    // One block device event as it is read, before its burst settles: the
    // kernel's name of the device ("loop3", "sdb1") and the kind it counts as.
    void deviceEventRead(const QString& deviceName, int eventType);

private:
    void startDeviceMonitor();
    void startMountMonitor(const QString& path);
    void readDeviceEvents();
    void readMountTable();

    QTimer settle_;
    int lastEventType_ = 0;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    QSocketNotifier* deviceNotifier_ = nullptr;
    int mountFd_ = -1;
    QSocketNotifier* mountNotifier_ = nullptr;
};
