#include "KeepAwake.h"

#include "spdlog_qt.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex awakeMutex;
bool requested = false;
QDBusUnixFileDescriptor inhibitor;  // closing it ends the block

void takeInhibitor()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        logInfo(QStringLiteral("keepSystemAwake: no system bus: %1").arg(bus.lastError().message()));
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QCoreApplication::applicationName()
         << QStringLiteral("Scanning or recovering files") << QStringLiteral("block");
    QDBusReply<QDBusUnixFileDescriptor> reply = bus.call(call, QDBus::Block, 5000);
    if (!reply.isValid()) {
        logInfo(QStringLiteral("keepSystemAwake: logind refused: %1").arg(reply.error().message()));
        return;
    }
    inhibitor = reply.value();
}

}

void keepSystemAwake(bool on)
{
    QMutexLocker lock(&awakeMutex);
    if (!on) {
        inhibitor = QDBusUnixFileDescriptor();
        requested = false;
        return;
    }
    if (requested)
        return;
    requested = true;
    takeInhibitor();
}
