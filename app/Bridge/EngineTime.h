#pragma once
#include <QString>

// The engine reports Unix seconds. Guessing the unit from the digit count would
// read dates before 2001-09-09 as seconds since 2001 and dates before 1973 as 0,
// so the record takes seconds x 1000 and formats its text from that.
qint64 engineTimeToMs(qint64 unixSeconds);
// "yyyy-MM-dd hh:mm:ss" in local time; empty for 0 or less.
QString engineTimeText(qint64 unixMs);
// The same text as UTF-8 bytes, as a record stores it.
QByteArray engineTimeTextUtf8(qint64 unixMs);
// Drops the cached zone table; the next text reads the system zone again.
void refreshEngineTimeZone();
