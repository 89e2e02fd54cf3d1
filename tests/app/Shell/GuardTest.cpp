// Single-instance guard, with real processes: who becomes primary, what a
// second start does, that a killed primary blocks nobody, that other users
// are apart, and how the primary treats raw peers on its socket.

#include "Application/InstanceBlock.h"
#include "Application/InstanceWire.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include "MountSupport.h"
#include "PrivateSession.h"
#include "support/OtherUser.h"

#include <QTest>
#include <QtEndian>

#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kProbe = QStringLiteral(VELMORA_BINARY_DIR "/tests/app/Shell/ostrel-guard-probe");

// What a test waits for it waits for as such (a line, an exit, a byte); this
// bound only keeps a broken guard from hanging the run, so it is far beyond
// anything a loaded machine or a sanitizer build needs.
constexpr int kHangGuardMs = 120000;

struct Primary {
    qint64 pid = 0;
    QString serverPath;
    QString blockName;
};

// A process of the probe with private HOME and runtime folders.
class Probe
{
public:
    explicit Probe(const QProcessEnvironment& environment, const QStringList& arguments = {},
                   const QString& program = kProbe)
    {
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        if (program == kProbe) {
            process.start(program, arguments);
            return;
        }
        // A probe started through another program (runuser) runs in a process
        // group of its own: killing the starter alone would orphan the probe.
        // A QProcess child leads no group, so setsid makes it one without forking.
        ownGroup_ = true;
        process.start(QStringLiteral("setsid"), QStringList{program} + arguments);
    }
    ~Probe()
    {
        if (process.state() != QProcess::NotRunning) {
            if (ownGroup_ && process.processId() > 0)
                ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
            process.kill();
            process.waitForFinished(kHangGuardMs);
        }
    }

    // The next line of output, or an empty string once the process has ended
    // without one (or the hang guard ran out).
    QString line(int timeoutMs = kHangGuardMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!process.canReadLine() && timer.elapsed() < timeoutMs) {
            if (!process.waitForReadyRead(1000) && process.state() == QProcess::NotRunning)
                break;
        }
        return process.canReadLine() ? QString::fromUtf8(process.readLine()).trimmed() : QString();
    }

    Primary primary()
    {
        const QStringList words = line().split(' ');
        if (words.size() != 4 || words[0] != "primary")
            return {};
        return {words[1].toLongLong(), words[2], words[3]};
    }

    bool quiet(int ms)
    {
        process.waitForReadyRead(ms);
        return !process.canReadLine();
    }

    QProcess process;

private:
    bool ownGroup_ = false;
};

qint64 residentKiB(qint64 pid)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& row : status.readAll().split('\n'))
        if (row.startsWith("VmRSS:"))
            return row.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

QByteArray header(qint64 length)
{
    QByteArray bytes(8, '\0');
    qToBigEndian<qint64>(length, bytes.data());
    return bytes;
}

// Bytes of a greeting written out field by field from the wire table.
QByteArray handBuiltGreeting(const QString& name, qint8 kind, qint32 instanceId)
{
    const QByteArray latin1 = name.toLatin1();
    QByteArray bytes(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(latin1.size()), bytes.data());
    bytes += latin1;
    bytes += char(kind);
    QByteArray id(4, '\0');
    qToBigEndian<qint32>(instanceId, id.data());
    bytes += id;
    QByteArray crc(2, '\0');
    qToBigEndian<quint16>(qChecksum(bytes.constData(), static_cast<uint>(bytes.size())), crc.data());
    return bytes + crc;
}

// Whether the primary acknowledged; a short ms asks that nothing came in that
// time (a one-sided check: a slow primary cannot make it fail).
bool acknowledged(QLocalSocket& socket, int ms = kHangGuardMs)
{
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(ms))
        return false;
    return socket.read(1) == QByteArray(1, InstanceWire::Acknowledgement);
}

bool closedByPeer(QLocalSocket& socket)
{
    QElapsedTimer timer;
    timer.start();
    while (socket.state() != QLocalSocket::UnconnectedState && timer.elapsed() < kHangGuardMs)
        socket.waitForDisconnected(1000);
    return socket.state() == QLocalSocket::UnconnectedState;
}

} // namespace

class GuardTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void blockRecordRoundTrip();
    void greetingBytesMatchTheWireTable();
    void blockNameParts();
    void secondStartGreetsAndExits();
    void furtherInstanceNotAllowedExitsToo();
    void busyPrimaryIsGreetedAfterTheSecondExits_data();
    void busyPrimaryIsGreetedAfterTheSecondExits();
    void killedPrimaryBlocksNobody();
    void staleBlockIsReset();
    void otherUserIsItsOwnPrimary();
    void headerInPiecesAndSplitBody();
    void badGreetingsAreClosedSilently_data();
    void badGreetingsAreClosedSilently();
    void hugeLengthsDoNotGrowThePrimary_data();
    void hugeLengthsDoNotGrowThePrimary();
    void laterMessagesReachThePrimary();

private:
    Primary startPrimary(Probe& probe);
    bool connectGreeted(QLocalSocket& socket, const Primary& primary);

    std::unique_ptr<QTemporaryDir> dir_;
    QProcessEnvironment environment_;
};

void GuardTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(makePrivateSession(*dir_, environment_));
}

Primary GuardTest::startPrimary(Probe& probe)
{
    const Primary primary = probe.primary();
    if (primary.pid == 0)
        qWarning() << "probe did not become primary:" << probe.process.readAllStandardError();
    return primary;
}

bool GuardTest::connectGreeted(QLocalSocket& socket, const Primary& primary)
{
    socket.connectToServer(primary.serverPath);
    if (!socket.waitForConnected(kHangGuardMs))
        return false;
    const QByteArray body = InstanceWire::greetingFrame(primary.blockName, 2, 7);
    socket.write(header(body.size()));
    if (!acknowledged(socket))
        return false;
    socket.write(body);
    return acknowledged(socket);
}

void GuardTest::blockRecordRoundTrip()
{
    InstanceBlock block;
    block.primary = true;
    block.secondaryCount = 3;
    block.primaryPid = 4242;
    block.primaryUser = QByteArray(200, 'u');
    const QByteArray bytes = block.encode();
    QCOMPARE(bytes.size(), 152);
    QCOMPARE(bytes.at(16 + 126), 'u');
    QCOMPARE(bytes.at(16 + 127), '\0');
    InstanceBlock read;
    QVERIFY(InstanceBlock::decode(bytes, read));
    QCOMPARE(read.secondaryCount, 3u);
    QCOMPARE(read.primaryPid, qint64(4242));
    QCOMPARE(read.primaryUser.size(), 127);
    QByteArray damaged = bytes;
    damaged[5] = 1;
    QVERIFY(!InstanceBlock::decode(damaged, read));
    QVERIFY(!InstanceBlock::decode(bytes.left(100), read));
}

void GuardTest::greetingBytesMatchTheWireTable()
{
    const QString name = QString("A").repeated(43) + "=";
    QCOMPARE(InstanceWire::greetingFrame(name, 2, 5), handBuiltGreeting(name, 2, 5));
    QCOMPARE(InstanceWire::greetingFrame(name, 1, -1), handBuiltGreeting(name, 1, -1));
    QCOMPARE(InstanceWire::headerFrame(55), header(55));
    InstanceWire::Greeting greeting;
    QVERIFY(InstanceWire::parseGreeting(handBuiltGreeting(name, 2, 9), name, greeting));
    QCOMPARE(int(greeting.kind), 2);
    QCOMPARE(greeting.instanceId, 9);
    QVERIFY(!InstanceWire::parseGreeting(handBuiltGreeting(name, 2, 9), "other", greeting));
}

void GuardTest::blockNameParts()
{
    using InstanceWire::blockName;
    const InstanceWire::NameParts base{"app", "org", "org.example", {}, "1.3.0", "/opt/App/bin/app", "alice"};
    const QString name = blockName(base, 4);
    QCOMPARE(name.size(), 44);
    QVERIFY(!name.contains('/'));

    // Another user never shares the block, whatever the options say.
    InstanceWire::NameParts otherUser = base;
    otherUser.userName = "bob";
    QVERIFY(blockName(otherUser, 4) != name);
    QVERIFY(blockName(otherUser, 4 | 8 | 16) != blockName(base, 4 | 8 | 16));

    InstanceWire::NameParts otherVersion = base;
    otherVersion.version = "1.4.0";
    QVERIFY(blockName(otherVersion, 4) != name);
    QCOMPARE(blockName(otherVersion, 4 | 8), blockName(base, 4 | 8));

    InstanceWire::NameParts otherPath = base;
    otherPath.executablePath = "/home/alice/app";
    QVERIFY(blockName(otherPath, 4) != name);
    QCOMPARE(blockName(otherPath, 4 | 16), blockName(base, 4 | 16));
    InstanceWire::NameParts upperPath = base;
    upperPath.executablePath = "/OPT/APP/BIN/APP";
    QCOMPARE(blockName(upperPath, 4), name);

    InstanceWire::NameParts withData = base;
    withData.userData = QStringList{"profile"};
    QVERIFY(blockName(withData, 4) != name);
}

void GuardTest::secondStartGreetsAndExits()
{
    Probe first(environment_);
    const Primary primary = startPrimary(first);
    QVERIFY(primary.pid > 0);

    // The second start greets the primary and ends by itself.
    Probe second(environment_);
    QCOMPARE(second.line(), QString("secondary 1"));
    QVERIFY(second.process.waitForFinished(kHangGuardMs));
    QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process.exitCode(), 0);
    QCOMPARE(first.line(), QString("Another instance was started"));

    Probe third(environment_);
    QCOMPARE(third.line(), QString("secondary 2"));
    QCOMPARE(first.line(), QString("Another instance was started"));
}

void GuardTest::furtherInstanceNotAllowedExitsToo()
{
    Probe first(environment_);
    QVERIFY(startPrimary(first).pid > 0);
    Probe second(environment_, {"--no-secondary"});
    QVERIFY(second.process.waitForFinished(kHangGuardMs));
    QCOMPARE(second.process.exitCode(), 0);
    QCOMPARE(first.line(), QString("Another instance was started"));
}

void GuardTest::busyPrimaryIsGreetedAfterTheSecondExits_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("secondary allowed") << QStringList{};
    QTest::newRow("no secondary") << QStringList{"--no-secondary"};
}

void GuardTest::busyPrimaryIsGreetedAfterTheSecondExits()
{
    QFETCH(QStringList, arguments);
    Probe first(environment_);
    const Primary primary = startPrimary(first);
    QVERIFY(primary.pid > 0);

    // A primary that answers nothing for longer than the second's time-out:
    // the second gives up waiting and exits 0 while its greeting is still unread.
    QCOMPARE(::kill(static_cast<pid_t>(primary.pid), SIGSTOP), 0);
    Probe second(environment_, arguments);
    const bool finished = second.process.waitForFinished(kHangGuardMs);
    ::kill(static_cast<pid_t>(primary.pid), SIGCONT);
    QVERIFY(finished);
    QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process.exitCode(), 0);

    // Once running again the primary reads the greeting its gone peer left behind,
    // and answering that peer costs it nothing.
    QCOMPARE(first.line(), QString("Another instance was started"));
    QLocalSocket later;
    QVERIFY(connectGreeted(later, primary));
    QCOMPARE(first.line(), QString("Another instance was started"));
}

void GuardTest::killedPrimaryBlocksNobody()
{
    qint64 killedPid = 0;
    {
        Probe first(environment_);
        const Primary primary = startPrimary(first);
        QVERIFY(primary.pid > 0);
        killedPid = primary.pid;
        ::kill(static_cast<pid_t>(primary.pid), SIGKILL);
        QVERIFY(first.process.waitForFinished(kHangGuardMs));
    }
    // The dead primary's lock went with it: the next start becomes primary.
    Probe next(environment_);
    const Primary primary = startPrimary(next);
    QVERIFY(primary.pid > 0);
    QVERIFY(primary.pid != killedPid);

    // And the new primary is greeted, not its dead predecessor's socket.
    Probe second(environment_);
    QCOMPARE(second.line(), QString("secondary 1"));
    QCOMPARE(next.line(), QString("Another instance was started"));
}

void GuardTest::staleBlockIsReset()
{
    // Learn the block name from a first run, then leave a block behind that
    // names a primary which holds no lock.
    Primary learnt;
    {
        Probe first(environment_);
        learnt = startPrimary(first);
        QVERIFY(learnt.pid > 0);
    }
    const QString blockPath = environment_.value("XDG_RUNTIME_DIR") + "/" + learnt.blockName + ".block";
    InstanceBlock stale;
    stale.primary = true;
    stale.secondaryCount = 41;
    stale.primaryPid = 999999;
    stale.primaryUser = "ghost";
    QFile file(blockPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(stale.encode());
    file.close();

    Probe next(environment_);
    const Primary primary = startPrimary(next);
    QVERIFY(primary.pid > 0);
    InstanceBlockFile blockFile(blockPath);
    InstanceBlock now;
    QVERIFY(blockFile.read(now));
    QVERIFY(now.primary);
    QCOMPARE(now.primaryPid, primary.pid);
    QCOMPARE(now.secondaryCount, 0u);
    QVERIFY(now.primaryUser != "ghost");
}

void GuardTest::otherUserIsItsOwnPrimary()
{
    if (::geteuid() != 0)
        SKIP_OR_FAIL(false, QStringLiteral("needs root to start the probe as another user"));
    REQUIRE_TOOLS(QStringLiteral("runuser"), QStringLiteral("setsid"));
    if (!::getpwnam("nobody"))
        SKIP_OR_FAIL(false, QStringLiteral("no user 'nobody' on this machine"));
    // The other user reaches no build folder under /root: the probe is then
    // copied where it can. Its path is part of the instance's name, so both
    // users start the same file.
    const TestSupport::OtherUserFolder home("nobody");
    QVERIFY2(home.Error().empty(), home.Error().c_str());
    const TestSupport::OtherUserProgram probe(kProbe.toStdString());
    QVERIFY2(probe.Error().empty(), probe.Error().c_str());

    Probe first(environment_, {}, QString::fromStdString(probe.Program().string()));
    QVERIFY(startPrimary(first).pid > 0);

    const std::string otherRun = home.Path().string();
    const std::string command = probe.Command(
        "nobody", {}, {"XDG_RUNTIME_DIR=" + otherRun, "HOME=" + otherRun, "XDG_CONFIG_HOME=" + otherRun});
    Probe second(environment_, {QStringLiteral("-c"), QString::fromStdString(command)}, QStringLiteral("sh"));
    QVERIFY(second.line().startsWith("primary "));
    QVERIFY(first.quiet(300));
}

void GuardTest::headerInPiecesAndSplitBody()
{
    Probe first(environment_);
    const Primary primary = startPrimary(first);
    QVERIFY(primary.pid > 0);

    QLocalSocket socket;
    socket.connectToServer(primary.serverPath);
    QVERIFY(socket.waitForConnected(kHangGuardMs));
    const QByteArray body = InstanceWire::greetingFrame(primary.blockName, 2, 3);
    const QByteArray head = header(body.size());
    socket.write(head.left(5));
    socket.flush();
    QVERIFY(!acknowledged(socket, 300));
    socket.write(head.mid(5));
    QVERIFY(acknowledged(socket));

    socket.write(body.left(10));
    socket.flush();
    QVERIFY(!acknowledged(socket, 300));
    QVERIFY(first.quiet(100));
    socket.write(body.mid(10, 20));
    socket.flush();
    QVERIFY(!acknowledged(socket, 200));
    socket.write(body.mid(30));
    QVERIFY(acknowledged(socket));
    QCOMPARE(first.line(), QString("Another instance was started"));
}

void GuardTest::badGreetingsAreClosedSilently_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("bad checksum") << "checksum";
    QTest::newRow("other block name") << "name";
    QTest::newRow("not a stream") << "garbage";
    QTest::newRow("length -1") << "minus one";
    QTest::newRow("length 0") << "zero";
    QTest::newRow("greeting over 1 KiB") << "long greeting";
}

void GuardTest::badGreetingsAreClosedSilently()
{
    QFETCH(QString, kind);
    Probe first(environment_);
    const Primary primary = startPrimary(first);
    QVERIFY(primary.pid > 0);

    QLocalSocket socket;
    socket.connectToServer(primary.serverPath);
    QVERIFY(socket.waitForConnected(kHangGuardMs));
    QByteArray body = InstanceWire::greetingFrame(primary.blockName, 2, 3);
    if (kind == "checksum") {
        body[body.size() - 1] = char(body.at(body.size() - 1) ^ 0x5A);
    } else if (kind == "name") {
        body = InstanceWire::greetingFrame(QString(primary.blockName).replace(0, 1, "#"), 2, 3);
    } else if (kind == "garbage") {
        body = QByteArray(20, '\xff');
    }
    const qint64 length = kind == "minus one" ? -1
                          : kind == "zero"    ? 0
                          : kind == "long greeting" ? 1025
                                                    : body.size();
    socket.write(header(length));
    socket.flush();
    if (length == body.size()) {
        QVERIFY(acknowledged(socket));
        socket.write(body);
        socket.flush();
    }
    QVERIFY(closedByPeer(socket));
    QVERIFY(first.quiet(300));

    // The primary still serves well-formed peers.
    QLocalSocket good;
    QVERIFY(connectGreeted(good, primary));
    QCOMPARE(first.line(), QString("Another instance was started"));
}

void GuardTest::hugeLengthsDoNotGrowThePrimary_data()
{
    QTest::addColumn<bool>("afterGreeting");
    QTest::addColumn<qint64>("length");
    QTest::newRow("greeting of 2^40 bytes") << false << (qint64(1) << 40);
    QTest::newRow("message of 2^40 bytes") << true << (qint64(1) << 40);
    QTest::newRow("message of -1 bytes") << true << qint64(-1);
    QTest::newRow("message just over 1 MiB") << true << qint64(1024 * 1024 + 1);
}

void GuardTest::hugeLengthsDoNotGrowThePrimary()
{
    QFETCH(bool, afterGreeting);
    QFETCH(qint64, length);
    Probe first(environment_);
    const Primary primary = startPrimary(first);
    QVERIFY(primary.pid > 0);
    QTest::qWait(200);
    const qint64 before = residentKiB(primary.pid);

    QLocalSocket socket;
    if (afterGreeting) {
        QVERIFY(connectGreeted(socket, primary));
        QCOMPARE(first.line(), QString("Another instance was started"));
    } else {
        socket.connectToServer(primary.serverPath);
        QVERIFY(socket.waitForConnected(kHangGuardMs));
    }
    socket.write(header(length));
    // A peer that keeps sending after a refused header.
    const QByteArray chunk(1024 * 1024, 'x');
    for (int i = 0; i < 16 && socket.state() == QLocalSocket::ConnectedState; ++i) {
        socket.write(chunk);
        socket.waitForBytesWritten(200);
    }
    QVERIFY(closedByPeer(socket));
    const qint64 after = residentKiB(primary.pid);
    QVERIFY2(after - before < 4 * 1024, qPrintable(QString("%1 KiB -> %2 KiB").arg(before).arg(after)));
    QVERIFY(first.quiet(100));
}

void GuardTest::laterMessagesReachThePrimary()
{
    Probe first(environment_);
    const Primary primary = startPrimary(first);
    QVERIFY(primary.pid > 0);
    QLocalSocket socket;
    QVERIFY(connectGreeted(socket, primary));
    QCOMPARE(first.line(), QString("Another instance was started"));
    // Two messages in one write are read one frame each.
    socket.write(header(3) + "abc" + header(5) + "hello");
    socket.flush();
    QCOMPARE(first.line(), QString("message 7 3"));
    QCOMPARE(first.line(), QString("message 7 5"));
}

QTEST_GUILESS_MAIN(GuardTest)
#include "GuardTest.moc"
