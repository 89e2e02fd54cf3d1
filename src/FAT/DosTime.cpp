#include "FAT/DosTime.h"

#include <ctime>

namespace FAT {

int64_t DosDateTimeToUnix(uint16_t date, uint16_t time)
{
    // A zone changed while the process runs is seen at once, as elsewhere.
    ::tzset();
    struct tm fields {};
    fields.tm_year = (date >> 9) + 80;
    fields.tm_mon = ((date >> 5) & 0x0F) - 1;
    fields.tm_mday = date & 0x1F;
    fields.tm_hour = time >> 11;
    fields.tm_min = (time >> 5) & 0x3F;
    fields.tm_sec = (time & 0x1F) * 2;
    fields.tm_isdst = -1;
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
        ::tzset();
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
