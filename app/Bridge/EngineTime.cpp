#include "EngineTime.h"

#include <QDateTime>
#include <QLocale>

#include <limits>

qint64 engineTimeToMs(qint64 unixSeconds)
{
    if (unixSeconds <= 0 || unixSeconds > std::numeric_limits<qint64>::max() / 1000)
        return 0;
    return unixSeconds * 1000;
}

QString engineTimeText(qint64 unixMs)
{
    if (unixMs <= 0)
        return QString();
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(QDateTime::fromMSecsSinceEpoch(unixMs), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}
