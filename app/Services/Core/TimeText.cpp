#include "TimeText.h"

#include <QDateTime>
#include <QLocale>

namespace {

constexpr int64_t CocoaEpochSeconds = 978307200;  // 2001-01-01 in Unix seconds

// Digits minus one, counted exactly (log10 of a double rounds 10^n - 1 up).
int decimalExponent(int64_t value)
{
    int exponent = 0;
    while (value >= 10) {
        value /= 10;
        ++exponent;
    }
    return exponent;
}

}

int64_t normalizeTimestampMs(int64_t t)
{
    if (t < 1)
        return 0;
    switch (decimalExponent(t)) {
    case 8:
        return (t + CocoaEpochSeconds) * 1000;
    case 9:
        return t * 1000;
    case 12:
        return t;
    case 15:
        return t / 1000;
    case 17:
        // Integer steps: a double rounds the last millisecond of 18-digit values up.
        return t / 1000000 + CocoaEpochSeconds * 1000;
    default:
        return 0;
    }
}

QString formatFileTime(int64_t t)
{
    if (t < 1)
        return {};
    QDateTime when;
    switch (decimalExponent(t)) {
    case 8:
        when = QDateTime::fromSecsSinceEpoch(t + CocoaEpochSeconds);
        break;
    case 9:
        when = QDateTime::fromSecsSinceEpoch(t);
        break;
    case 12:
        when = QDateTime::fromMSecsSinceEpoch(t);
        break;
    case 15:
        when = QDateTime::fromMSecsSinceEpoch(t / 1000);
        break;
    case 17:
        when = QDateTime::fromSecsSinceEpoch(t / 1000000000 + CocoaEpochSeconds);
        break;
    default:
        return QString::number(t);
    }
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(when.toLocalTime(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}
