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
    // While work remains the text never reads 00:00:00: a fast phase (a small
    // volume's raw search runs in well under a second) would otherwise show
    // "done" for most of its way.
    auto whileWorkRemains = [](double ms) {
        const double bounded = std::isfinite(ms) ? qBound(0.0, std::trunc(ms), 9e15) : 9e15;
        return remainingTimeText(qMax<qint64>(1, qint64(bounded) / 1000));
    };
    if (percent >= 99) {
        if (queuedEvents <= 0)
            return QStringLiteral("00:00:01");
        if (filesFound == 0)
            return QString();
        const double perFile = double(elapsedMs) / double(filesFound);
        return whileWorkRemains(double(queuedEvents) * perFile);
    }
    if (percent > 0)
        return whileWorkRemains(double(elapsedMs) * (100 - percent) / percent);
    return QStringLiteral("300:00:00");
}
