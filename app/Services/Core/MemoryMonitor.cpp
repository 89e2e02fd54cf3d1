#include "MemoryMonitor.h"

#include <QFile>

namespace {

// "Key:   1234 kB" lines of /proc files; -1 when the key is missing.
qint64 readKilobytes(const QString& path, const QByteArray& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(1024);
        if (!line.startsWith(key + ':'))
            continue;
        const QList<QByteArray> fields = line.mid(key.size() + 1).simplified().split(' ');
        bool ok = false;
        const qint64 value = fields.value(0).toLongLong(&ok);
        return ok && value >= 0 ? value * 1024 : -1;
    }
    return -1;
}

}

MemoryMonitor::MemoryMonitor(QObject* parent, const QString& memInfoPath, const QString& processStatusPath)
    : QObject(parent), memInfoPath_(memInfoPath), processStatusPath_(processStatusPath)
{
    const MachineMemory machine = readMachineMemory();
    if (machine.valid) {
        totalMemory_ = machine.total;
        usedMemory_ = machine.total - machine.available;
    }
    connect(&timer_, &QTimer::timeout, this, &MemoryMonitor::sampleNow);
    start();
}

void MemoryMonitor::start()
{
    timer_.start(2500);
}

void MemoryMonitor::stop()
{
    timer_.stop();
}

MemoryMonitor::MachineMemory MemoryMonitor::readMachineMemory() const
{
    MachineMemory memory;
    memory.total = readKilobytes(memInfoPath_, "MemTotal");
    memory.available = readKilobytes(memInfoPath_, "MemAvailable");
    memory.valid = memory.total > 0 && memory.available >= 0;
    return memory;
}

qint64 MemoryMonitor::readProcessResident() const
{
    return readKilobytes(processStatusPath_, "VmRSS");
}

void MemoryMonitor::sampleNow()
{
    const qint64 resident = readProcessResident();
    if (resident >= 0)
        processMemory_ = resident;
    const MachineMemory machine = readMachineMemory();
    if (!machine.valid || totalMemory_ <= 0)
        return;  // an unreadable sample says nothing about memory running out
    usedMemory_ = machine.total - machine.available;
    const double percent = static_cast<double>(usedMemory_) / static_cast<double>(totalMemory_) * 100.0;
    if (totalMemory_ - usedMemory_ <= WarningThreshold)
        emit memoryStatsUpdated(processMemory_, usedMemory_, totalMemory_, percent);
}
