#pragma once
// FILETIME: 100 ns units since 1601-01-01 UTC, as NTFS stores time stamps.
#include <cstdint>
#include <string>

namespace Utils {

constexpr uint64_t FileTimeUnixEpoch = 116444736000000000ULL;

// Seconds since 1970-01-01 UTC, rounded down to the second: negative before
// 1970 (found-file times are signed).
int64_t FileTimeToUnixTime(uint64_t fileTime);

// The Windows SYSTEMTIME fields.
struct SystemTime {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0;
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
};

// Calendar fields in the process's local time zone (TZ) or in UTC. False for
// values Windows refuses too (above 0x7FFFFFFFFFFFFFFF, or a local time before
// 1601).
bool FileTimeToLocalSystemTime(uint64_t fileTime, SystemTime& out);
bool FileTimeToSystemTimeUtc(uint64_t fileTime, SystemTime& out);

// "YYYY-MM-DD hh:mm:ss".
std::string SystemTimeToString(const SystemTime& time);

}
