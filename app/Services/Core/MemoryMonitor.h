#pragma once
// Samples memory every 2500 ms and signals only while 500 MiB or less of
// physical memory remain. Values in bytes: the process's resident set, the
// used and the total physical memory, and the used share in percent.
#include <QObject>
#include <QString>
#include <QTimer>

class MemoryMonitor : public QObject {
    Q_OBJECT
public:
    explicit MemoryMonitor(QObject* parent = nullptr, const QString& memInfoPath = QStringLiteral("/proc/meminfo"),
                           const QString& processStatusPath = QStringLiteral("/proc/self/status"));

    void start();
    void stop();
    void sampleNow();

    static constexpr qint64 WarningThreshold = 524288000;

signals:
    // The names are the historical ones; the second value is the used memory.
    void memoryStatsUpdated(qint64 processMB, qint64 totalMB, qint64 totalUsageMB, double totalUsagePercent);

private:
    struct MachineMemory {
        qint64 total = 0;
        qint64 available = 0;
        bool valid = false;
    };
    MachineMemory readMachineMemory() const;
    qint64 readProcessResident() const;

    QString memInfoPath_;
    QString processStatusPath_;
    QTimer timer_;
    qint64 processMemory_ = 0;
    qint64 usedMemory_ = 0;
    qint64 totalMemory_ = 0;
};
