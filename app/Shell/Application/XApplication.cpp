#include "Application/XApplication.h"

#include "Application/InstanceBlock.h"
#include "Application/InstanceWire.h"
#include "Application/UiScale.h"

#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// sockaddr_un holds 108 bytes with the terminating NUL.
constexpr int MaxServerPathBytes = 107;

QString currentUserName()
{
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    const QByteArray fromEnvironment = qgetenv("USER");
    return fromEnvironment.isEmpty() ? QString::number(::geteuid()) : QString::fromLocal8Bit(fromEnvironment);
}

// The per-user runtime folder, or why there is none: Qt creates and checks it
// (owned by the user, mode 0700).
QString runtimeFolder(QString& why)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        why = "no per-user runtime folder";
        return {};
    }
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        why = QString("runtime folder %1 is missing").arg(folder);
        return {};
    }
    if (info.st_uid != ::geteuid() || (info.st_mode & 077) != 0) {
        why = QString("runtime folder %1 is not private to this user").arg(folder);
        return {};
    }
    return folder;
}

bool samePeerUser(QLocalSocket* socket)
{
    struct ucred credentials {};
    socklen_t length = sizeof credentials;
    if (::getsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED,
                     &credentials, &length) != 0)
        return false;
    return credentials.uid == ::geteuid();
}

void randomWait()
{
    QThread::msleep(8 + std::rand() % 10);
}

} // namespace

struct XApplication::Private {
    struct Connection {
        qint64 expectedLength = 0;
        quint32 instanceId = 0;
        quint8 stage = 0; // 0 greeting header, 1 greeting body, 2 header, 3 body
    };
    enum Stage : quint8 { StageInitHeader = 0, StageInitBody = 1, StageConnectedHeader = 2,
                          StageConnectedBody = 3 };

    QString folder;
    QString blockName;
    int options = 0;
    QStringList userData;
    quint32 instanceNumber = 0;
    bool guarded = false;
    bool primary = false;
    int lockFd = -1;
    std::unique_ptr<InstanceBlockFile> blockFile;
    std::unique_ptr<QLocalServer> server;
    std::unique_ptr<QLocalSocket> client;
    QHash<QLocalSocket*, Connection> connections;

    QString lockPath() const { return folder + "/" + blockName + ".lock"; }
    QString blockPath() const { return folder + "/" + blockName + ".block"; }
    QString serverPath() const { return folder + "/" + blockName; }
};

XApplication::XApplication(int& argc, char** argv)
    : QApplication(argc, argv), d(std::make_unique<Private>())
{
    initScale();
}

XApplication::XApplication(int& argc, char** argv, bool allowSecondary, int options,
                           int timeoutMs, const QString& userData)
    : QApplication(argc, argv), d(std::make_unique<Private>())
{
    initScale();
    d->options = options;
    if (!userData.isEmpty())
        d->userData << userData;
    startGuard(allowSecondary, timeoutMs);
}

XApplication::~XApplication()
{
    if (d->client) {
        d->client->abort();
        d->client.reset();
    }
    if (d->primary) {
        d->server.reset();
        d->blockFile->update([](InstanceBlock& block) {
            block.primary = false;
            block.primaryPid = -1;
            block.primaryUser.clear();
        });
    }
    if (d->lockFd >= 0)
        ::close(d->lockFd);
}

void XApplication::initScale()
{
    const QScreen* screen = primaryScreen();
    scaleX = scaleY = uiScaleForDpi(screen ? screen->logicalDotsPerInch() : 96.0);
}

XApplication* XApplication::instance()
{
    return qobject_cast<XApplication*>(QCoreApplication::instance());
}

int XApplication::scaledX(double value)
{
    const XApplication* app = instance();
    return scaledLength(value, app ? app->scaleX : 1.0);
}

int XApplication::scaledY(double value)
{
    const XApplication* app = instance();
    return scaledLength(value, app ? app->scaleY : 1.0);
}

bool XApplication::isSecondary() const { return d->guarded && !d->primary; }
bool XApplication::isGuarded() const { return d->guarded; }
quint32 XApplication::instanceId() const { return d->instanceNumber; }
QString XApplication::blockName() const { return d->blockName; }
QString XApplication::serverPath() const { return d->guarded ? d->serverPath() : QString(); }

qint64 XApplication::primaryPid() const
{
    InstanceBlock block;
    if (!d->blockFile || !d->blockFile->read(block))
        return -1;
    return block.primaryPid;
}

void XApplication::startGuard(bool allowSecondary, int timeoutMs)
{
    InstanceWire::NameParts parts{applicationName(), organizationName(), organizationDomain(),
                                  d->userData, applicationVersion(), applicationFilePath(),
                                  currentUserName()};
    d->blockName = InstanceWire::blockName(parts, d->options);

    QString why;
    d->folder = runtimeFolder(why);
    if (!d->folder.isEmpty() && d->serverPath().toLocal8Bit().size() > MaxServerPathBytes)
        why = QString("server path %1 is too long"), d->folder.clear();
    if (d->folder.isEmpty()) {
        qWarning().noquote() << "XApplication: running without the single-instance guard:" << why;
        return;
    }

    d->lockFd = ::open(QFile::encodeName(d->lockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    d->blockFile = std::make_unique<InstanceBlockFile>(d->blockPath());
    if (d->lockFd < 0 || !d->blockFile->isOpen()) {
        qWarning().noquote() << "XApplication: running without the single-instance guard: cannot open"
                             << d->lockPath() << "or" << d->blockPath() << ":" << strerror(errno);
        d->blockFile.reset();
        return;
    }
    d->guarded = true;

    // The kernel drops this lock however the holder ends, so a killed or
    // _exit-ed primary never blocks the next start.
    int locked;
    do {
        locked = ::flock(d->lockFd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        becomePrimary();
        return;
    }

    d->blockFile->update([this](InstanceBlock& block) {
        ++block.secondaryCount;
        d->instanceNumber = block.secondaryCount;
    });
    if (!allowSecondary) {
        greetPrimary(InstanceWire::ConnectNewInstance, timeoutMs);
        ::fflush(nullptr);
        std::_Exit(0);
    }
    if (d->options & OptionNotifySecondary)
        greetPrimary(InstanceWire::ConnectSecondary, timeoutMs);
}

void XApplication::becomePrimary()
{
    d->primary = true;
    d->instanceNumber = 0;
    const QByteArray user = currentUserName().toUtf8();
    d->blockFile->update([&user](InstanceBlock& block) {
        if (block.primary)
            qDebug() << "XApplication: the block named primary" << block.primaryPid
                     << "which holds no lock any more; reset";
        block = InstanceBlock::reset();
        block.primary = true;
        block.primaryPid = QCoreApplication::applicationPid();
        block.primaryUser = user.left(InstanceBlock::UserNameBytes - 1);
    });

    QLocalServer::removeServer(d->serverPath());
    d->server = std::make_unique<QLocalServer>();
    d->server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!d->server->listen(d->serverPath()))
        qWarning().noquote() << "XApplication: cannot listen on" << d->serverPath() << ":"
                             << d->server->errorString();
    connect(d->server.get(), &QLocalServer::newConnection, this, &XApplication::acceptConnections);
}

void XApplication::acceptConnections()
{
    while (QLocalSocket* socket = d->server->nextPendingConnection()) {
        if (!samePeerUser(socket)) {
            qDebug() << "XApplication: refused a connection of another user";
            socket->abort();
            socket->deleteLater();
            continue;
        }
        d->connections.insert(socket, Private::Connection{});
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrames(socket); });
        connect(socket, &QLocalSocket::aboutToClose, this, [this, socket] { readFrames(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The key only: by now the socket is a plain QObject being destroyed.
        connect(socket, &QObject::destroyed, this, [this, socket] { d->connections.remove(socket); });
    }
}

void XApplication::readFrames(QLocalSocket* socket)
{
    // One frame at a time, exactly as long as its header says; whatever
    // follows waits for its own stage.
    for (;;) {
        auto found = d->connections.find(socket);
        if (found == d->connections.end())
            return;
        Private::Connection& connection = *found;
        const bool header = connection.stage == Private::StageInitHeader ||
                            connection.stage == Private::StageConnectedHeader;
        if (header) {
            if (socket->bytesAvailable() < 8)
                return;
            const QByteArray bytes = socket->read(8);
            const qint64 length = qFromBigEndian<qint64>(bytes.constData());
            const qint64 limit = connection.stage == Private::StageInitHeader
                                     ? InstanceWire::MaxGreetingBytes
                                     : InstanceWire::MaxMessageBytes;
            const qint64 least = connection.stage == Private::StageInitHeader ? 1 : 0;
            if (length < least || length > limit) {
                qDebug() << "XApplication: refused a frame of" << length << "bytes";
                d->connections.remove(socket);
                socket->abort();
                return;
            }
            connection.expectedLength = length;
            ++connection.stage;
            socket->write(&InstanceWire::Acknowledgement, 1);
            continue;
        }
        if (socket->bytesAvailable() < connection.expectedLength)
            return;
        const QByteArray body = socket->read(connection.expectedLength);
        if (connection.stage == Private::StageInitBody) {
            InstanceWire::Greeting greeting;
            if (!InstanceWire::parseGreeting(body, d->blockName, greeting)) {
                qDebug() << "XApplication: refused a greeting that is not ours";
                d->connections.remove(socket);
                socket->abort();
                return;
            }
            connection.instanceId = static_cast<quint32>(greeting.instanceId);
            connection.stage = Private::StageConnectedHeader;
            socket->write(&InstanceWire::Acknowledgement, 1);
            if (greeting.kind == InstanceWire::ConnectNewInstance ||
                (greeting.kind == InstanceWire::ConnectSecondary && (d->options & OptionNotifySecondary)))
                emit instanceStarted();
            continue;
        }
        const quint32 id = connection.instanceId;
        connection.stage = Private::StageConnectedHeader;
        socket->write(&InstanceWire::Acknowledgement, 1);
        emit receivedMessage(id, body);
    }
}

bool XApplication::greetPrimary(qint8 kind, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    auto remaining = [&] { return std::max<qint64>(0, timeoutMs - timer.elapsed()); };
    if (!d->client)
        d->client = std::make_unique<QLocalSocket>();
    if (d->client->state() != QLocalSocket::ConnectedState) {
        for (;;) {
            randomWait();
            if (d->client->state() != QLocalSocket::ConnectingState)
                d->client->connectToServer(d->serverPath(), QIODevice::ReadWrite);
            if (d->client->state() == QLocalSocket::ConnectingState)
                d->client->waitForConnected(static_cast<int>(remaining()));
            if (d->client->state() == QLocalSocket::ConnectedState)
                break;
            if (remaining() == 0)
                return false;
        }
    }
    const QByteArray body = InstanceWire::greetingFrame(d->blockName, kind,
                                                        static_cast<qint32>(d->instanceNumber));
    // Both frames go out before any wait: a primary that is merely busy reads
    // them from its socket whenever it gets to them, also after we have exited.
    d->client->write(InstanceWire::headerFrame(body.size()) + body);
    d->client->flush();
    while (d->client->bytesToWrite() > 0)
        if (!d->client->waitForBytesWritten(static_cast<int>(remaining())))
            return false;
    // One acknowledgement per frame.
    while (d->client->bytesAvailable() < 2)
        if (!d->client->waitForReadyRead(static_cast<int>(remaining())))
            return false;
    d->client->read(2);
    return true;
}
