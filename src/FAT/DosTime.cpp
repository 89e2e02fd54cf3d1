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
    const unsigned month = (date >> 5) & 0x0F;
    const unsigned day = date & 0x1F;
    return month >= 1 && month <= 12 && day >= 1;
}

bool IsValidDosTime(uint16_t time)
{
    return (time >> 11) < 24 && ((time >> 5) & 0x3F) < 60 && (time & 0x1F) < 30;
}

int64_t DosNow()
{
    return static_cast<int64_t>(::time(nullptr));
}

}
