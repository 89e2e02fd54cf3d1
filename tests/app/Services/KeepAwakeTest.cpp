// keepSystemAwake against a private dbus-daemon standing in for the system
// bus, with a fake logind that hands out the write end of a pipe as the lock.
#include "KeepAwake.h"
#include "MountSupport.h"
#include "spdlog_qt.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

class FakeLogin1 : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    ~FakeLogin1() override
    {
        if (readEnd >= 0)
            ::close(readEnd);
    }
    QStringList calls;
    int readEnd = -1;

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                    const QString& mode)
    {
        calls << QStringList{what, who, why, mode}.join(QLatin1Char('|'));
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            return {};
        readEnd = ends[0];
        QDBusUnixFileDescriptor lock(ends[1]);  // duplicates
        ::close(ends[1]);
        return lock;
    }
};

class KeepAwakeTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess bus_;
    QString address_;

    static void requestFromWorker(bool on)
    {
        QThread* worker = QThread::create([on] { keepSystemAwake(on); });
        worker->start();
        while (!worker->wait(10))
            QCoreApplication::processEvents();
        delete worker;
    }

    // True once every writer of the pipe is gone.
    static bool lockReleased(int readEnd)
    {
        pollfd p{readEnd, POLLIN, 0};
        return ::poll(&p, 1, 0) == 1 && (p.revents & POLLHUP);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            SKIP_OR_FAIL(false, QStringLiteral("dbus-daemon is not installed (package dbus-daemon)"));
        QVERIFY(dir_.isValid());
        bus_.start("dbus-daemon", {"--config-file=/usr/share/dbus-1/session.conf", "--nofork", "--print-address",
                                   "--address=unix:path=" + dir_.filePath("system_bus_socket")});
        QVERIFY(bus_.waitForReadyRead(10000));
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        QVERIFY(!address_.isEmpty());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8());
        QCoreApplication::setApplicationName("Ostrel Windows Data Recovery");
        QVERIFY(startAppLog(dir_.path()));
    }

    void withoutLogindOneLogLine()
    {
        requestFromWorker(true);
        requestFromWorker(true);
        keepSystemAwake(false);
        QFile log(dir_.filePath("AppLog.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll().count("keepSystemAwake: logind refused"), 1);
    }

    void oneInhibitHeldUntilOff()
    {
        FakeLogin1 login1;
        QDBusConnection service = QDBusConnection::connectToBus(address_, "fake-login1");
        QVERIFY(service.isConnected());
        QVERIFY(service.registerObject("/org/freedesktop/login1", &login1, QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService("org.freedesktop.login1"));

        requestFromWorker(true);
        requestFromWorker(true);
        QCOMPARE(login1.calls.size(), 1);
        QCOMPARE(login1.calls.first(),
                 QStringLiteral("sleep:idle|Ostrel Windows Data Recovery|Scanning or recovering files|block"));
        QVERIFY(login1.readEnd >= 0);
        QVERIFY(!lockReleased(login1.readEnd));

        keepSystemAwake(false);
        QTRY_VERIFY(lockReleased(login1.readEnd));
        QDBusConnection::disconnectFromBus("fake-login1");
    }

    void cleanupTestCase()
    {
        ShutdownSpdLog();
        if (bus_.state() != QProcess::NotRunning) {
            bus_.terminate();
            bus_.waitForFinished(5000);
        }
    }
};

QTEST_GUILESS_MAIN(KeepAwakeTest)
#include "KeepAwakeTest.moc"
