#include "EngineTime.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

namespace {

// The system zone's offsets as a table of transitions. Local time through the C
// library stats the zone file on every call and QDateTime's zone conversion is
// slow for millions of records; a table looked up by binary search is neither.
struct ZoneTable {
    QTimeZone zone;
    std::vector<qint64> transitionMs;
    std::vector<int> offsetSeconds;

    explicit ZoneTable(const QTimeZone& z) : zone(z)
    {
        if (!zone.isValid())
            return;
        const auto transitions = zone.transitions(QDateTime::fromMSecsSinceEpoch(-2208988800000LL, Qt::UTC),
                                                  QDateTime::fromMSecsSinceEpoch(7258118400000LL, Qt::UTC));
        for (const QTimeZone::OffsetData& data : transitions) {
            transitionMs.push_back(data.atUtc.toMSecsSinceEpoch());
            offsetSeconds.push_back(data.offsetFromUtc);
        }
    }

    int offsetAt(qint64 ms) const
    {
        const auto it = std::upper_bound(transitionMs.begin(), transitionMs.end(), ms);
        if (it != transitionMs.begin() && it != transitionMs.end())
            return offsetSeconds[size_t(it - transitionMs.begin()) - 1];
        // Before the first or after the last listed transition: ask the zone itself.
        return zone.isValid() ? zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC)) : 0;
    }
};

thread_local std::unique_ptr<ZoneTable> zoneTable;
thread_local std::chrono::steady_clock::time_point zoneLoadedAt;

const ZoneTable& currentZone()
{
    const auto now = std::chrono::steady_clock::now();
    // Re-read each minute, so a change of the system's zone is followed.
    if (!zoneTable || now - zoneLoadedAt > std::chrono::minutes(1)) {
        zoneTable = std::make_unique<ZoneTable>(QTimeZone::systemTimeZone());
        zoneLoadedAt = now;
    }
    return *zoneTable;
}

// Proleptic Gregorian date of a day count since 1970-01-01.
void civilFromDays(qint64 days, qint64& year, int& month, int& day)
{
    days += 719468;
    const qint64 era = (days >= 0 ? days : days - 146096) / 146097;
    const qint64 dayOfEra = days - era * 146097;
    const qint64 yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 monthIndex = (5 * dayOfYear + 2) / 153;
    day = int(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = int(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

} // namespace

qint64 engineTimeToMs(qint64 unixSeconds)
{
    if (unixSeconds <= 0 || unixSeconds > std::numeric_limits<qint64>::max() / 1000)
        return 0;
    return unixSeconds * 1000;
}

void refreshEngineTimeZone()
{
    zoneTable.reset();
}

QString engineTimeText(qint64 unixMs)
{
    return QString::fromLatin1(engineTimeTextUtf8(unixMs));
}

QByteArray engineTimeTextUtf8(qint64 unixMs)
{
    if (unixMs <= 0)
        return QByteArray();
    const qint64 localSeconds = unixMs / 1000 + currentZone().offsetAt(unixMs);
    const qint64 days = localSeconds >= 0 ? localSeconds / 86400 : -((-localSeconds + 86399) / 86400);
    const qint64 secondOfDay = localSeconds - days * 86400;
    qint64 year;
    int month, day;
    civilFromDays(days, year, month, day);
    if (year < 0 || year > 9999) {
        char text[48];
        const int length = std::snprintf(text, sizeof text, "%04lld-%02d-%02d %02d:%02d:%02d",
                                         static_cast<long long>(year), month, day, int(secondOfDay / 3600),
                                         int(secondOfDay % 3600 / 60), int(secondOfDay % 60));
        return QByteArray(text, qMax(0, qMin(length, int(sizeof text) - 1)));
    }
    // "yyyy-MM-dd hh:mm:ss" written digit by digit: millions of records are formatted.
    QByteArray text(19, Qt::Uninitialized);
    char* out = text.data();
    auto two = [&out](int value) {
        *out++ = char('0' + value / 10);
        *out++ = char('0' + value % 10);
    };
    two(int(year / 100));
    two(int(year % 100));
    *out++ = '-';
    two(month);
    *out++ = '-';
    two(day);
    *out++ = ' ';
    two(int(secondOfDay / 3600));
    *out++ = ':';
    two(int(secondOfDay % 3600 / 60));
    *out++ = ':';
    two(int(secondOfDay % 60));
    return text;
}
