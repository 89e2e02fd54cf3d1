#include "VolumePath.h"

#include <QRegularExpression>

QString stripVolumeDisplayName(const QString& path)
{
    // The first component ends in a drive letter or a Linux device name in
    // parentheses ("Local Disk (C:)", "Label (sdb1)", "Label (nvme0n1p2)").
    static const QRegularExpression leadingVolume(
        QStringLiteral("^[^\\\\/]*\\([^\\s()\\\\/]+\\)(?:[\\\\/]|$)"));
    QString stripped = path;
    const QRegularExpressionMatch match = leadingVolume.match(stripped);
    if (match.hasMatch())
        stripped.remove(0, match.capturedLength());
    stripped.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    return stripped;
}
