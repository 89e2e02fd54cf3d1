#include "Application/InstanceWire.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>

namespace InstanceWire {

QString blockName(const NameParts& parts, int options)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData("XApplication", 12);
    hash.addData(parts.applicationName.toUtf8());
    hash.addData(parts.organizationName.toUtf8());
    hash.addData(parts.organizationDomain.toUtf8());
    if (!parts.userData.isEmpty())
        hash.addData(parts.userData.join(QString()).toUtf8());
    if (!(options & OptionIgnoreVersion))
        hash.addData(parts.version.toUtf8());
    if (!(options & OptionIgnorePath))
        hash.addData(parts.executablePath.toLower().toUtf8());
    hash.addData(parts.userName.toUtf8());
    return QString::fromLatin1(hash.result().toBase64()).replace('/', '_');
}

QByteArray headerFrame(qint64 bodyLength)
{
    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_6);
    out.setByteOrder(QDataStream::BigEndian);
    out << bodyLength;
    return frame;
}

QByteArray greetingFrame(const QString& blockName, qint8 kind, qint32 instanceId)
{
    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_6);
    out.setByteOrder(QDataStream::BigEndian);
    out << blockName.toLatin1() << kind << instanceId;
    out << quint16(qChecksum(frame.constData(), static_cast<uint>(frame.size())));
    return frame;
}

bool parseGreeting(const QByteArray& body, const QString& expectedName, Greeting& greeting)
{
    QDataStream in(body);
    in.setVersion(QDataStream::Qt_5_6);
    in.setByteOrder(QDataStream::BigEndian);
    QByteArray name;
    qint8 kind = 0;
    qint32 instanceId = 0;
    quint16 checksum = 0;
    in >> name >> kind >> instanceId >> checksum;
    if (in.status() != QDataStream::Ok || body.size() < 2)
        return false;
    const QByteArray covered = body.left(body.size() - 2);
    if (checksum != qChecksum(covered.constData(), static_cast<uint>(covered.size())))
        return false;
    const int nul = name.indexOf('\0');
    greeting.name = QString::fromLatin1(nul >= 0 ? name.left(nul) : name);
    if (greeting.name != expectedName)
        return false;
    greeting.kind = kind;
    greeting.instanceId = instanceId;
    return true;
}

} // namespace InstanceWire
