#include "RemainingTime.h"

#include <cmath>

QString remainingTimeText(qint64 seconds)
{
    seconds = qMax<qint64>(0, seconds);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString estimateRemainingTime(double percent, qint64 elapsedMs, qint64 queuedEvents, quint64 filesFound)
{
    if (percent >= 99) {
        if (queuedEvents <= 0)
            return QStringLiteral("00:00:01");
        if (filesFound == 0)
            return QString();
        const double perFile = double(elapsedMs) / double(filesFound);
        return remainingTimeText(qint64(std::trunc(double(queuedEvents) * perFile)) / 1000);
    }
    if (percent > 0)
        return remainingTimeText(qint64(std::trunc(double(elapsedMs) * (100 - percent) / percent)) / 1000);
    return QStringLiteral("300:00:00");
}
