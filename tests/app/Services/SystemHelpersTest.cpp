// System helpers over real Linux mechanisms, the device notifier's settling
// and real mount and loop events, and the memory monitor on fake /proc files.
#include "DeviceNotifier.h"
#include "MemoryMonitor.h"
#include "SystemHelpers.h"

#include "MountSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

// The answer of isDirectoryReadable in a child process running as nobody.
bool readableAsNobody(const QString& path)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(2);
        ::_exit(isDirectoryReadable(path, true) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

}

class SystemHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void highlightKeyword_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("marked");
        QTest::newRow("both cases kept") << "abc" << "ABC and abc" << "#2563EB"
                                         << R"(<font color="#2563EB">ABC</font> and <font color="#2563EB">abc</font>)";
        QTest::newRow("markup in name escaped") << "b" << "<b>&x" << "red"
                                                << R"(&lt;<font color="red">b</font>&gt;&amp;x)";
        QTest::newRow("keyword with markup") << "<i>" << "a<I>b" << "red"
                                             << R"(a<font color="red">&lt;I&gt;</font>b)";
        QTest::newRow("other colour on a later call") << "x" << "xx" << "#FF3838"
                                                      << R"(<font color="#FF3838">x</font><font color="#FF3838">x</font>)";
        QTest::newRow("no hit is escaped") << "zz" << "a&b" << "red" << "a&amp;b";
        QTest::newRow("empty keyword") << "" << "a<b" << "red" << "a<b";
        QTest::newRow("empty text") << "a" << "" << "red" << "";
        QTest::newRow("colour escaped") << "a" << "a" << "\"><script>" << R"(<font color="&quot;&gt;&lt;script&gt;">a</font>)";
    }

    void highlightKeyword()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, text);
        QFETCH(QString, colour);
        QFETCH(QString, marked);
        QCOMPARE(::highlightKeyword(keyword, text, colour), marked);
    }

    void directoryReadable()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        const QString file = dir.filePath("file.txt");
        writeFile(file, "x");
        QVERIFY(!isDirectoryReadable(dir.filePath("missing"), true));
        QVERIFY(!isDirectoryReadable(file, true));
        QVERIFY(!isDirectoryReadable(QString(), true));
        QVERIFY(isDirectoryReadable(dir.path(), true));
        QVERIFY(isDirectoryReadable(R"(\\server\share)", true));
        QVERIFY(!isDirectoryReadable(R"(\\server\share)", false));

        if (::geteuid() != 0)
            SKIP_OR_FAIL(false, QStringLiteral("the nobody cases need root to create and switch owners"));
        const QString privateFolder = dir.filePath("private");
        QVERIFY(QDir().mkdir(privateFolder));
        QVERIFY(::chmod(QFile::encodeName(privateFolder).constData(), 0700) == 0);
        QVERIFY(!readableAsNobody(privateFolder));
        QVERIFY(readableAsNobody(dir.path()));
        QVERIFY(::chown(QFile::encodeName(privateFolder).constData(), Nobody, Nobody) == 0);
        QVERIFY(isDirectoryReadable(privateFolder, true));  // root reads a folder of nobody
        QVERIFY(readableAsNobody(privateFolder));
    }

    void diskFreeBytesMatchesStatvfs()
    {
        QTemporaryDir dir;
        struct statvfs info {};
        QVERIFY(::statvfs(QFile::encodeName(dir.path()).constData(), &info) == 0);
        const quint64 expected = quint64(info.f_bfree) * info.f_frsize;
        const quint64 free = diskFreeBytes(dir.path());
        QVERIFY(free > 0);
        QVERIFY(qAbs(qint64(free - expected)) < 64 * 1024 * 1024);
        QCOMPARE(diskFreeBytes(dir.filePath("missing/deeper")), quint64(0));
    }

    void commandOutput()
    {
        QTemporaryDir dir;
        const QString tool = dir.filePath("board");
        writeFile(tool, "#!/bin/sh\nprintf 'SerialNumber  \\r\\n  ABC  123 \\r\\n\\r\\n'\n");
        QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(runCommandOutput(tool + " get serialnumber"), QStringLiteral("ABC 123"));
        QCOMPARE(runCommandOutput("echo serial get SERIAL"), QStringLiteral("get"));
        QCOMPARE(runCommandOutput("/nonexistent/tool header"), QString());
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(runCommandOutput("sleep 20"), QString());
        QVERIFY(clock.elapsed() < 8000);
    }

    void operatingSystem()
    {
        const QString text = operatingSystemText();
        QVERIFY(text.endsWith(QLatin1Char(' ') + QSysInfo::currentCpuArchitecture()));
        const QString pretty = runTool("sh", {"-c", ". /etc/os-release && printf %s \"$PRETTY_NAME\""});
        if (!pretty.isEmpty())
            QCOMPARE(text, pretty + QLatin1Char(' ') + QSysInfo::currentCpuArchitecture());
    }

    void waiting()
    {
        QElapsedTimer clock;
        clock.start();
        bool fired = false;
        QTimer::singleShot(20, [&] { fired = true; });
        waitMilliseconds(100);
        QVERIFY(fired);
        QVERIFY(clock.elapsed() >= 95);
        clock.restart();
        fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        waitMilliseconds(50, true);
        QVERIFY(!fired);
        QVERIFY(clock.elapsed() >= 50);
        QCoreApplication::processEvents();
        QVERIFY(fired);
    }

    void deviceBurstSettles()
    {
        DeviceNotifier notifier(nullptr, QString(), false);
        QSignalSpy spy(&notifier, &DeviceNotifier::deviceChanged);
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 10; ++i) {
            if (i > 0)
                QTest::qWait(100);
            notifier.noteDeviceEvent(0x8000);
        }
        const qint64 last = clock.elapsed();
        notifier.noteDeviceEvent(0x8003);  // query-remove: not a change
        QVERIFY(spy.wait(3000));
        const qint64 delay = clock.elapsed() - last;
        QVERIFY2(delay >= 1400, qPrintable(QString::number(delay)));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 0x8000);
        notifier.noteDeviceEvent(0x8004);
        notifier.noteDeviceEvent(7);
        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.at(1).at(0).toInt(), 7);
        QTest::qWait(300);
        QCOMPARE(spy.count(), 2);
    }

    // In a mount namespace of its own (unshare), so the mounts other tests
    // make meanwhile do not reach the notifier.
    void realMountEvents()
    {
        if (::geteuid() != 0)
            SKIP_OR_FAIL(false, QStringLiteral("mounting needs root"));
        REQUIRE_TOOLS(QStringLiteral("unshare"));
        QTemporaryDir dir;
        QProcess child;
        child.start("unshare", {"--mount", "--propagation", "private", QCoreApplication::applicationFilePath(),
                                "--mount-child", dir.path()});
        QVERIFY(child.waitForFinished(30000));
        const QString answer = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
        QVERIFY2(answer != QLatin1String("no-mount"), "root could not mount a tmpfs");
        QCOMPARE(answer, QStringLiteral("mount 1 7 unmount 2 7"));
    }

    void realLoopDeviceEvent()
    {
        if (::geteuid() != 0)
            SKIP_OR_FAIL(false, QStringLiteral("losetup needs root"));
        REQUIRE_TOOLS(QStringLiteral("losetup"));
        DeviceNotifier notifier(nullptr, QString());
        QVERIFY(notifier.watchesDevices());
        // What the notifier heard, in order: other tests' loop devices come and go meanwhile.
        QStringList heard;
        connect(&notifier, &DeviceNotifier::deviceEventRead, &notifier,
                [&](const QString& name, int type) { heard << name + QLatin1Char(' ') + QString::number(type); });
        connect(&notifier, &DeviceNotifier::deviceChanged, &notifier,
                [&](int type) { heard << QStringLiteral("settled ") + QString::number(type); });
        QTemporaryDir dir;
        const QString image = dir.filePath("disk.img");
        writeFile(image, QByteArray());
        QVERIFY(::truncate(QFile::encodeName(image).constData(), 4 << 20) == 0);
        const QString loop = runTool("losetup", {"-f", "--show", image});
        QVERIFY2(loop.startsWith("/dev/loop"), qPrintable("losetup attached no loop device: " + loop));
        const auto detach = qScopeGuard([&] { runTool("losetup", {"-d", loop}); });
        // The attach's own event, then a settled signal after it; the bound
        // only keeps a lost event from hanging the test.
        const QString own = QFileInfo(loop).fileName() + QLatin1Char(' ');
        const auto settledAfterOwn = [&] {
            bool ownHeard = false;
            for (const QString& event : heard) {
                ownHeard = ownHeard || event.startsWith(own);
                if (ownHeard && event.startsWith(QLatin1String("settled ")))
                    return true;
            }
            return false;
        };
        QVERIFY2(QTest::qWaitFor(settledAfterOwn, 120000), qPrintable(heard.join(QLatin1String(", "))));
    }

    void memoryMonitor()
    {
        QTemporaryDir dir;
        const QString meminfo = dir.filePath("meminfo");
        const QString status = dir.filePath("status");
        writeFile(meminfo, "MemTotal:       16777216 kB\nMemFree:  100 kB\nMemAvailable:    2097152 kB\n");
        writeFile(status, "Name:\tostrel\nVmHWM:\t  9000 kB\nVmRSS:\t    8192 kB\n");
        MemoryMonitor monitor(nullptr, meminfo, status);
        QSignalSpy spy(&monitor, &MemoryMonitor::memoryStatsUpdated);
        monitor.sampleNow();
        QCOMPARE(spy.count(), 0);  // 2 GiB left

        writeFile(meminfo, "MemTotal:       16777216 kB\nMemAvailable:     409600 kB\n");
        monitor.sampleNow();
        QCOMPARE(spy.count(), 1);
        const qint64 total = 16777216ll * 1024;
        const qint64 used = total - 409600ll * 1024;
        QCOMPARE(spy.at(0).at(0).toLongLong(), 8192ll * 1024);
        QCOMPARE(spy.at(0).at(1).toLongLong(), used);
        QCOMPARE(spy.at(0).at(2).toLongLong(), total);
        QVERIFY(qAbs(spy.at(0).at(3).toDouble() - 100.0 * used / total) < 1e-9);

        QVERIFY(spy.wait(3500));  // the 2500 ms timer samples again
        monitor.stop();
        QTest::qWait(2700);
        QCOMPARE(spy.count(), 2);

        writeFile(meminfo, "garbage\n");
        monitor.sampleNow();
        QCOMPARE(spy.count(), 2);
    }
};

// Child mode, inside its own mount namespace: mounts and unmounts a tmpfs
// and prints what the notifier said each time.
int mountChild(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    DeviceNotifier notifier(nullptr, QStringLiteral("/proc/self/mountinfo"), false);
    QSignalSpy spy(&notifier, &DeviceNotifier::deviceChanged);
    const QByteArray target = QByteArray(argv[2]) + "/mnt";
    QDir().mkpath(QString::fromLocal8Bit(target));
    if (::mount("ostrel-test", target.constData(), "tmpfs", 0, "size=1m") != 0) {
        std::fputs("no-mount", stdout);
        return 0;
    }
    spy.wait(5000);
    QTest::qWait(300);
    std::printf("mount %d %d ", int(spy.count()), spy.isEmpty() ? 0 : spy.last().at(0).toInt());
    ::umount2(target.constData(), MNT_DETACH);
    spy.wait(5000);
    QTest::qWait(300);
    std::printf("unmount %d %d", int(spy.count()), spy.isEmpty() ? 0 : spy.last().at(0).toInt());
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--mount-child") == 0)
        return mountChild(argc, argv);
    QCoreApplication app(argc, argv);
    SystemHelpersTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "SystemHelpersTest.moc"
