#include "EngineTime.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <chrono>

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
    // Local time through the C library stats the zone file on every call; a zone
    // object per thread, re-read each minute, follows a change of zone as well.
    thread_local QTimeZone zone;
    thread_local std::chrono::steady_clock::time_point loadedAt;
    const auto now = std::chrono::steady_clock::now();
    if (!zone.isValid() || now - loadedAt > std::chrono::minutes(1)) {
        zone = QTimeZone::systemTimeZone();
        loadedAt = now;
    }
    const QDateTime time = zone.isValid() ? QDateTime::fromMSecsSinceEpoch(unixMs, zone)
                                          : QDateTime::fromMSecsSinceEpoch(unixMs);
    return english.toString(time, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}
