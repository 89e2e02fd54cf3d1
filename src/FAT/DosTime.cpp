#include "FAT/DosTime.h"
#include "Utils/LocalZone.h"

#include <chrono>
#include <ctime>

namespace FAT {

namespace {

struct tm DosFields(uint16_t date, uint16_t time)
{
    struct tm fields {};
    fields.tm_year = (date >> 9) + 80;
    fields.tm_mon = ((date >> 5) & 0x0F) - 1;
    fields.tm_mday = date & 0x1F;
    fields.tm_hour = time >> 11;
    fields.tm_min = (time >> 5) & 0x3F;
    fields.tm_sec = (time & 0x1F) * 2;
    fields.tm_isdst = -1;
    return fields;
}

bool SameLocalTime(const struct tm& a, const struct tm& b)
{
    return a.tm_year == b.tm_year && a.tm_mon == b.tm_mon && a.tm_mday == b.tm_mday && a.tm_hour == b.tm_hour &&
           a.tm_min == b.tm_min && a.tm_sec == b.tm_sec;
}

}

int64_t DosDateTimeToUnix(uint16_t date, uint16_t time)
{
    // A zone changed while the process runs is seen at once (TZ) or within a second.
    Utils::RefreshLocalZone();
    struct tm fields = DosFields(date, time);
    if (!IsValidDosDate(date) || !IsValidDosTime(time))
        return static_cast<int64_t>(::mktime(&fields));
    // glibc's mktime rereads the zone on every call, localtime_r does not. The
    // fields read as UTC, less the offset found there (or, where the offset
    // changes, the offset found at that first guess), are the local time. A
    // time in a gap or a repeated hour may match neither: mktime decides those.
    using namespace std::chrono;
    const year_month_day day{year{fields.tm_year + 1900}, month{unsigned(fields.tm_mon + 1)},
                             std::chrono::day{unsigned(fields.tm_mday)}};
    const int64_t asUtc = int64_t{sys_days(day).time_since_epoch().count()} * 86400 + fields.tm_hour * 3600 +
                          fields.tm_min * 60 + fields.tm_sec;
    struct tm seen {};
    time_t guess = static_cast<time_t>(asUtc);
    for (int tries = 0; tries < 3 && ::localtime_r(&guess, &seen); ++tries) {
        if (tries > 0 && SameLocalTime(seen, fields))
            return static_cast<int64_t>(guess);
        guess = static_cast<time_t>(asUtc - seen.tm_gmtoff);
    }
    return static_cast<int64_t>(::mktime(&fields));
}

bool IsValidDosDate(uint16_t date)
{
    static constexpr unsigned daysIn[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const unsigned year = 1980 + (date >> 9);
    const unsigned month = (date >> 5) & 0x0F;
    const unsigned day = date & 0x1F;
    if (month < 1 || month > 12 || day < 1 || day > daysIn[month - 1])
        return false;
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return month != 2 || day <= 28 || leap;
}

bool IsValidDosTime(uint16_t time)
{
    return (time >> 11) < 24 && ((time >> 5) & 0x3F) < 60 && (time & 0x1F) < 30;
}

uint32_t DosNowStamp()
{
    // One conversion a second per thread: the raw pass asks for every block.
    thread_local time_t second = -1;
    thread_local uint32_t stamp = 0;
    const time_t now = ::time(nullptr);
    if (now != second) {
        Utils::RefreshLocalZone();
        struct tm fields {};
        ::localtime_r(&now, &fields);
        const int year = fields.tm_year + 1900;
        if (year < 1980)
            stamp = 0;
        else if (year > 2107)
            stamp = UINT32_MAX;
        else
            stamp = DosStamp(static_cast<uint16_t>((year - 1980) << 9 | (fields.tm_mon + 1) << 5 | fields.tm_mday),
                             static_cast<uint16_t>(fields.tm_hour << 11 | fields.tm_min << 5 | fields.tm_sec / 2));
        second = now;
    }
    return stamp;
}

}
