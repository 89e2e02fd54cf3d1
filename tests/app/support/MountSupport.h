#pragma once
// Real file systems for the program's tests: tmpfs mounts and ntfs-3g mounts
// of an NTFS image, straight on the file or on a loop device. Root only; every
// mount and loop device is undone by its owner's destructor.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

#include <unistd.h>

namespace TestMounts {

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

// Set in CI, where root, /dev/fuse and every tool are there: a skip for a
// missing tool, right or device is then a failure.
inline bool noToolSkips()
{
    return qEnvironmentVariableIntValue("VELMORA_NO_TOOL_SKIPS") == 1;
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

    // Unmounts and waits for it, so that all written is on the disk; false where umount failed.
    bool unmountNow()
    {
        if (mounted_ && run(QStringLiteral("umount"), {point_}) != 0)
            return false;
        mounted_ = false;
        return true;
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

// An NTFS image on a loop device mounted with ntfs-3g; unmounted (waiting for
// ntfs-3g to write all out) and detached when it goes.
class NtfsLoopMount {
public:
    NtfsLoopMount(const QString& image, const QString& point)
    {
        if (!loop_.attach(image))
            whyNot_ = QStringLiteral("no free loop device");
        else if (!mount_.mountNtfs(loop_.device(), point))
            whyNot_ = QStringLiteral("ntfs-3g could not mount the image");
    }
    ~NtfsLoopMount() { unmountNow(); }

    bool mounted() const { return whyNot_.isEmpty(); }
    QString whyNot() const { return whyNot_; }
    QString loop() const { return loop_.device(); }
    QString point() const { return mount_.point(); }
    // ntfs-3g wrote into the loop device's own page cache, which reaches the image
    // file only on the device's last close: another process that has it open (a
    // device probe) keeps the file stale for the tests that read it directly.
    bool unmountNow()
    {
        if (!mount_.unmountNow())
            return false;
        return loop_.device().isEmpty() || run(QStringLiteral("blockdev"), {"--flushbufs", loop_.device()}) == 0;
    }

private:
    LoopDevice loop_;  // detached after the mount below is undone
    Mount mount_;
    QString whyNot_;
};

// A new NTFS image made with mkntfs and mounted as above, for a test to write files on.
class MountedNtfsImage {
public:
    MountedNtfsImage(const QString& image, const QString& point, qint64 bytes)
    {
        if (!isRoot()) {
            whyNot_ = QStringLiteral("needs root for losetup and an ntfs-3g mount");
            return;
        }
        QFile file(image);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(bytes)) {
            whyNot_ = QStringLiteral("cannot create the image file ") + image;
            failed_ = true;
            return;
        }
        file.close();
        if (!QFile::exists(QStringLiteral("/dev/fuse"))) {
            whyNot_ = QStringLiteral("ntfs-3g needs /dev/fuse");
            return;
        }
        for (const QString& tool : {QStringLiteral("mkntfs"), QStringLiteral("ntfs-3g"), QStringLiteral("losetup")})
            if (!haveTool(tool)) {
                whyNot_ = tool + QStringLiteral(" is not installed");
                return;
            }
        // From here on every failure is the fixture's, not the machine's.
        QString output;
        if (run(QStringLiteral("mkntfs"), {"-q", "-F", "-Q", image}, &output) != 0) {
            whyNot_ = QStringLiteral("mkntfs failed: ") + output;
            failed_ = true;
            return;
        }
        mount_ = std::make_unique<NtfsLoopMount>(image, point);
        whyNot_ = mount_->whyNot();
        failed_ = !whyNot_.isEmpty();
    }

    bool mounted() const { return whyNot_.isEmpty(); }
    // Why it is not mounted; a missing tool or right, unless failed().
    QString whyNot() const { return whyNot_; }
    bool failed() const { return failed_; }
    QString loop() const { return mount_ ? mount_->loop() : QString(); }
    QString point() const { return mount_ ? mount_->point() : QString(); }
    bool unmountNow() { return !mount_ || mount_->unmountNow(); }

private:
    std::unique_ptr<NtfsLoopMount> mount_;
    QString whyNot_;
    bool failed_ = false;
};

// Skips the test where the machine lacks what the mount needs; fails it where the image could not be made.
#define SKIP_UNLESS_MOUNTED(ntfs)                                                                                      \
    do {                                                                                                               \
        if (!(ntfs).mounted()) {                                                                                       \
            QVERIFY2(!(ntfs).failed() && !TestMounts::noToolSkips(), qPrintable((ntfs).whyNot()));                     \
            QSKIP(qPrintable((ntfs).whyNot()));                                                                        \
        }                                                                                                              \
    } while (false)

// Skips with why where the machine lacks a tool, right or device (a failure
// under VELMORA_NO_TOOL_SKIPS); fails where something else went wrong.
#define SKIP_OR_FAIL(failed, why)                                                                                      \
    do {                                                                                                               \
        QVERIFY2(!(failed) && !TestMounts::noToolSkips(), qPrintable(why));                                            \
        QSKIP(qPrintable(why));                                                                                        \
    } while (false)

// Skips the test where one of the tools is not installed.
#define REQUIRE_TOOLS(...)                                                                                             \
    do {                                                                                                               \
        for (const QString& tool_ : QStringList{__VA_ARGS__})                                                          \
            if (!TestMounts::haveTool(tool_))                                                                          \
                SKIP_OR_FAIL(false, tool_ + QStringLiteral(" is not installed"));                                      \
    } while (false)

} // namespace TestMounts
