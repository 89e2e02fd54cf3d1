#pragma once
// Real file systems for the export tests: tmpfs mounts and ntfs-3g mounts of
// an NTFS image, straight on the file or on a loop device. Root only; every
// mount and loop device is undone by its owner's destructor.
#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <unistd.h>

namespace ExportTest {

inline int run(const QString& program, const QStringList& arguments, QString* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAll()).trimmed();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

inline bool isRoot()
{
    return ::geteuid() == 0;
}

inline bool haveTool(const QString& name)
{
    return run(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("command -v ") + name}) == 0;
}

// A mount point that is unmounted (lazily, so a busy one cannot stick) when it goes.
class Mount {
public:
    Mount() = default;
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;
    ~Mount() { unmount(); }

    bool mountTmpfs(const QString& point, const QString& options)
    {
        QDir().mkpath(point);
        point_ = point;
        mounted_ = run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", options, "tmpfs", point}) == 0;
        return mounted_;
    }

    bool mountNtfs(const QString& source, const QString& point)
    {
        QDir().mkpath(point);
        point_ = point;
        mounted_ = run(QStringLiteral("ntfs-3g"), {source, point}) == 0;
        return mounted_;
    }

    void unmount()
    {
        if (mounted_)
            run(QStringLiteral("umount"), {QStringLiteral("-l"), point_});
        mounted_ = false;
    }

    QString point() const { return point_; }

private:
    QString point_;
    bool mounted_ = false;
};

// A loop device over an image file, detached when it goes.
class LoopDevice {
public:
    LoopDevice() = default;
    LoopDevice(const LoopDevice&) = delete;
    LoopDevice& operator=(const LoopDevice&) = delete;
    ~LoopDevice()
    {
        if (!device_.isEmpty())
            run(QStringLiteral("losetup"), {QStringLiteral("-d"), device_});
    }

    bool attach(const QString& image)
    {
        QString output;
        if (run(QStringLiteral("losetup"), {QStringLiteral("-f"), QStringLiteral("--show"), image}, &output) != 0)
            return false;
        device_ = output;
        return device_.startsWith(QLatin1String("/dev/"));
    }

    QString device() const { return device_; }

private:
    QString device_;
};

} // namespace ExportTest
