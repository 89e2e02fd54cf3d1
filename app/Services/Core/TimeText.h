#pragma once
// The engine's time values come in several epochs and units; the digit count
// tells which: 9 digits Cocoa seconds (since 2001-01-01), 10 Unix seconds,
// 13 Unix milliseconds, 16 Unix microseconds, 18 Cocoa nanoseconds.
#include <QString>

#include <cstdint>

// Unix milliseconds, or 0 for a value below 1 or of any other length.
int64_t normalizeTimestampMs(int64_t timestamp);

// "yyyy-MM-dd hh:mm:ss" in local time; empty below 1; the number itself for
// any other length.
QString formatFileTime(int64_t timestamp);
