#include "VolumePath.h"

#include <QRegularExpression>

QString stripVolumeDisplayName(const QString& path)
{
    // A drive letter, or a Linux block device name such as sdb1 or nvme0n1p2.
    static const QRegularExpression leadingVolume(
        QStringLiteral("^[^\\\\/]*\\((?:[A-Za-z]:|[a-z][a-z0-9_-]*)\\)[\\\\/]?"));
    QString stripped = path;
    const QRegularExpressionMatch match = leadingVolume.match(stripped);
    if (match.hasMatch())
        stripped.remove(0, match.capturedLength());
    stripped.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    return stripped;
}
