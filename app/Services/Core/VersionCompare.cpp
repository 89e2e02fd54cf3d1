#include "VersionCompare.h"

#include <QStringList>

int compareVersions(const QString& a, const QString& b)
{
    QStringList left = a.split(QLatin1Char('.'));
    QStringList right = b.split(QLatin1Char('.'));
    while (left.size() < right.size())
        left.append(QStringLiteral("0"));
    while (right.size() < left.size())
        right.append(QStringLiteral("0"));
    for (int i = 0; i < left.size(); ++i) {
        const qulonglong l = left[i].toULongLong();
        const qulonglong r = right[i].toULongLong();
        if (l != r)
            return l > r ? 1 : -1;
    }
    return 0;
}
