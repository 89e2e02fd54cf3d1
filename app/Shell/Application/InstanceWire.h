#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What instances of the program say to each other on the local socket, and
// the name under which they meet.
namespace InstanceWire {

enum Option {
    OptionUserScope = 1,
    OptionNotifySecondary = 4,
    OptionIgnoreVersion = 8,
    OptionIgnorePath = 16,
};

enum ConnectionKind { ConnectNewInstance = 1, ConnectSecondary = 2 };

// A greeting body is about 60 bytes; later messages are small. Anything
// longer is a peer we do not talk to.
constexpr qint64 MaxGreetingBytes = 1024;
constexpr qint64 MaxMessageBytes = 1024 * 1024;
constexpr char Acknowledgement = 0x0A;

struct NameParts {
    QString applicationName;
    QString organizationName;
    QString organizationDomain;
    QStringList userData;
    QString version;
    QString executablePath;
    QString userName;
};

// SHA-256 of the parts, Base64 with "/" made "_" (44 characters). The user
// always enters it: instances of different users never meet.
QString blockName(const NameParts& parts, int options);

QByteArray headerFrame(qint64 bodyLength);
QByteArray greetingFrame(const QString& blockName, qint8 kind, qint32 instanceId);

struct Greeting {
    QString name;
    qint8 kind = 0;
    qint32 instanceId = 0;
};
// Parses one greeting body; false on a bad stream, name or checksum.
bool parseGreeting(const QByteArray& body, const QString& expectedName, Greeting& greeting);

} // namespace InstanceWire
