#pragma once

#include <QObject>
#include <atomic>
#include <functional>

class QTimer;

// Drives the splash: a 20 ms timer counts 0..99 while a pool task loads the
// device list; finished() comes once the list is loaded and the count reached 99.
class LaunchManager : public QObject
{
    Q_OBJECT
public:
    static LaunchManager* instance();
    // Tests build their own; the program uses instance().
    LaunchManager();
    ~LaunchManager() override;

    // What the loading task runs first. The default starts the engine's log
    // and lists the disks and volumes, catching everything. The engine bridge
    // replaces it with its device-list service.
    static void setDeviceListLoader(std::function<void()> loader);
    static void defaultDeviceListLoad();

    // Runs the loading task once on Qt's global pool.
    void startTask();
    int counter() const { return counter_.load(); }

signals:
    void finished();
    void stepValueChange(int value);

private:
    void step();
    void loadingTask();

    std::atomic<int> counter_{0};
    QTimer* timer_;
    bool started_ = false;
};
