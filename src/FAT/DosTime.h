#pragma once
// DOS date and time fields (FAT32 entries, exFAT time stamps) as seconds
// since 1970. They hold local time, converted in the process's time zone.
#include <cstdint>

namespace FAT {

// Date bits 15-9 year since 1980, 8-5 month, 4-0 day; time bits 15-11 hours,
// 10-5 minutes, 4-0 seconds / 2. Out-of-range fields are normalised as
// mktime does (month 0 is December of the year before).
int64_t DosDateTimeToUnix(uint16_t date, uint16_t time);

// Whether the fields name a real date (the day inside its month) and time of day.
bool IsValidDosDate(uint16_t date);
bool IsValidDosTime(uint16_t time);

// Date and time as one number (date << 16 | time): of two valid stamps the
// later one is the greater, so plausibility checks need no time-zone work.
inline uint32_t DosStamp(uint16_t date, uint16_t time)
{
    return uint32_t{date} << 16 | time;
}

// The present local time as a stamp; 0 before 1980, the largest stamp after 2107.
uint32_t DosNowStamp();

}
