#include "Utils/FileTime.h"
#include "Utils/LocalZone.h"

#include <cstdio>
#include <ctime>

namespace Utils {

namespace {

constexpr uint64_t UnitsPerSecond = 10000000;
constexpr uint64_t LargestFileTime = 0x7FFFFFFFFFFFFFFFULL;

bool Convert(uint64_t fileTime, SystemTime& out, bool local)
{
    if (fileTime > LargestFileTime)
        return false;
    const int64_t seconds = FileTimeToUnixTime(fileTime);
    const time_t t = static_cast<time_t>(seconds);
    // localtime_r reads the zone only once per process: the zone of now, as
    // the system converter uses, needs a fresh look.
    if (local)
        RefreshLocalZone();
    struct tm fields {};
    if (!(local ? ::localtime_r(&t, &fields) : ::gmtime_r(&t, &fields)))
        return false;
    const long long year = fields.tm_year + 1900LL;
    if (year < 1601 || year > 30828)
        return false;
    out.wYear = static_cast<uint16_t>(year);
    out.wMonth = static_cast<uint16_t>(fields.tm_mon + 1);
    out.wDayOfWeek = static_cast<uint16_t>(fields.tm_wday);
    out.wDay = static_cast<uint16_t>(fields.tm_mday);
    out.wHour = static_cast<uint16_t>(fields.tm_hour);
    out.wMinute = static_cast<uint16_t>(fields.tm_min);
    out.wSecond = static_cast<uint16_t>(fields.tm_sec);
    // The sub-second part; FileTimeToUnixTime rounds down, so it is never negative.
    const int64_t sinceEpoch = static_cast<int64_t>(fileTime) - static_cast<int64_t>(FileTimeUnixEpoch);
    out.wMilliseconds = static_cast<uint16_t>((sinceEpoch - seconds * int64_t(UnitsPerSecond)) / 10000);
    return true;
}

}

int64_t FileTimeToUnixTime(uint64_t fileTime)
{
    if (fileTime >= FileTimeUnixEpoch)
        return static_cast<int64_t>((fileTime - FileTimeUnixEpoch) / UnitsPerSecond);
    // Before 1970: round down, so that -0.5 s falls in 1969-12-31 23:59:59.
    const uint64_t before = FileTimeUnixEpoch - fileTime;
    return -static_cast<int64_t>((before + UnitsPerSecond - 1) / UnitsPerSecond);
}

bool FileTimeToLocalSystemTime(uint64_t fileTime, SystemTime& out)
{
    return Convert(fileTime, out, true);
}

bool FileTimeToSystemTimeUtc(uint64_t fileTime, SystemTime& out)
{
    return Convert(fileTime, out, false);
}

std::string SystemTimeToString(const SystemTime& time)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", unsigned(time.wYear), unsigned(time.wMonth),
                  unsigned(time.wDay), unsigned(time.wHour), unsigned(time.wMinute), unsigned(time.wSecond));
    return std::string(text);
}

}
