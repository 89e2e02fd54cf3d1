#include "FAT/DosTime.h"
#include "support/TempDir.h"
#include "support/TimeZone.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace FAT;

namespace {

struct Local {
    int year, month, day, hour, minute, second;
};

uint16_t DosDate(const Local& t)
{
    return static_cast<uint16_t>((t.year - 1980) << 9 | t.month << 5 | t.day);
}

uint16_t DosTime(const Local& t)
{
    return static_cast<uint16_t>(t.hour << 11 | t.minute << 5 | t.second / 2);
}

std::string Text(const Local& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

bool ReadsBackAs(int64_t seconds, const Local& t)
{
    const time_t value = static_cast<time_t>(seconds);
    struct tm fields {};
    return ::localtime_r(&value, &fields) && fields.tm_year + 1900 == t.year && fields.tm_mon + 1 == t.month &&
           fields.tm_mday == t.day && fields.tm_hour == t.hour && fields.tm_min == t.minute &&
           fields.tm_sec == t.second;
}

// GNU date's reading of each local time in the zone: seconds, or for a time
// the zone skips "gap" and the seconds of that time read with the offset in
// force a day before (the clock rolled on over the gap).
std::vector<std::string> DateReadings(const char* zone, const std::vector<std::string>& texts)
{
    TestSupport::TempDir dir;
    {
        std::ofstream list(dir / "times");
        for (const std::string& text : texts)
            list << text << '\n';
    }
    const std::string script = R"SH(while IFS= read -r l; do
  date -d "$l" +%s 2>/dev/null && continue
  before=$(date -d "@$(( $(date -u -d "$l" +%s) - 86400 ))" +%z)
  echo "gap $(date -d "$l $before" +%s)"
done)SH";
    const std::string out = TestSupport::RunOrFail("TZ=" + std::string(zone) + " sh -c " + TestSupport::Quote(script) +
                                                   " < " + TestSupport::Quote(dir / "times"));
    std::vector<std::string> readings;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        readings.push_back(line);
    return readings;
}

// Local times on both sides of the 2021 changes of the zones below: the last
// even second before, inside the skipped or repeated stretch, and after.
const Local NearChanges[] = {
    {2021, 3, 14, 1, 59, 58},  {2021, 3, 14, 2, 30, 0},  {2021, 3, 14, 3, 0, 0},   // New York, spring
    {2021, 11, 7, 0, 59, 58},  {2021, 11, 7, 1, 30, 0},  {2021, 11, 7, 2, 0, 0},   // New York, autumn
    {2021, 3, 28, 1, 59, 58},  {2021, 3, 28, 2, 30, 0},  {2021, 3, 28, 3, 0, 0},   // Berlin
    {2021, 10, 31, 1, 59, 58}, {2021, 10, 31, 2, 30, 0}, {2021, 10, 31, 3, 0, 0},
    {2021, 4, 4, 1, 29, 58},   {2021, 4, 4, 1, 45, 0},   {2021, 4, 4, 2, 0, 0},    // Lord Howe: half an hour
    {2021, 10, 3, 1, 59, 58},  {2021, 10, 3, 2, 14, 0},  {2021, 10, 3, 2, 30, 0},
    {2021, 4, 4, 2, 44, 58},   {2021, 4, 4, 3, 0, 0},    {2021, 4, 4, 3, 45, 0},   // Chatham: at :45
    {2021, 9, 26, 2, 44, 58},  {2021, 9, 26, 3, 0, 0},   {2021, 9, 26, 3, 45, 0},
};

}

// Every local time the zone has reads as date reads it; a time in a repeated
// stretch may read as either of its two instants, and a skipped one as the
// clock rolls it on: with the offset in force before the change.
TEST(DosTime, AgreesWithDateInZonesThatChangeTheirOffset)
{
    REQUIRE_TOOL("date");
    if (!TestSupport::HaveZoneData())
        SKIP_FOR_MISSING("needs the time-zone data of package tzdata, which is not installed");
    std::vector<Local> times(std::begin(NearChanges), std::end(NearChanges));
    std::mt19937 random(1980);
    for (int i = 0; i < 150; ++i)
        times.push_back({1980 + int(random() % 128), 1 + int(random() % 12), 1 + int(random() % 28),
                         int(random() % 24), int(random() % 60), 2 * int(random() % 30)});
    std::vector<std::string> texts;
    for (const Local& t : times)
        texts.push_back(Text(t));
    int skipped = 0;
    for (const char* zone : {"America/New_York", "Europe/Berlin", "Australia/Lord_Howe", "Pacific/Chatham",
                             "Asia/Kolkata", "UTC"}) {
        TestSupport::TimeZone local(zone);
        const std::vector<std::string> readings = DateReadings(zone, texts);
        ASSERT_EQ(readings.size(), times.size()) << zone;
        for (size_t i = 0; i < times.size(); ++i) {
            const int64_t ours = DosDateTimeToUnix(DosDate(times[i]), DosTime(times[i]));
            if (readings[i].rfind("gap ", 0) == 0) {
                ++skipped;
                EXPECT_EQ(ours, std::stoll(readings[i].substr(4))) << zone << " " << texts[i];
                continue;
            }
            const int64_t theirs = std::stoll(readings[i]);
            EXPECT_TRUE(ours == theirs || (ReadsBackAs(ours, times[i]) && ReadsBackAs(theirs, times[i])))
                << zone << " " << texts[i] << ": " << ours << ", date " << theirs;
        }
    }
    EXPECT_GE(skipped, 4) << "the table names a skipped time in each zone that changes";
}

// Fields out of range roll over as mktime rolls them: month 0 is December of the
// year before, day 0 the last day of the month before, 24 o'clock the next day.
TEST(DosTime, OutOfRangeFieldsRollOver)
{
    REQUIRE_TOOL("date");
    if (!TestSupport::HaveZoneData())
        SKIP_FOR_MISSING("needs the time-zone data of package tzdata, which is not installed");
    TestSupport::TimeZone local("Europe/Berlin");
    struct Case {
        Local fields;
        const char* reads;
    };
    for (const Case& c : {Case{{2020, 0, 15, 10, 0, 0}, "2019-12-15 10:00:00"},
                          Case{{2020, 3, 0, 12, 0, 0}, "2020-02-29 12:00:00"},
                          Case{{2021, 2, 31, 8, 0, 0}, "2021-03-03 08:00:00"},
                          Case{{2020, 6, 30, 24, 0, 0}, "2020-07-01 00:00:00"},
                          Case{{2020, 6, 1, 10, 61, 0}, "2020-06-01 11:01:00"},
                          Case{{2020, 6, 1, 10, 0, 62}, "2020-06-01 10:01:02"}}) {
        const std::string theirs = DateReadings("Europe/Berlin", {c.reads}).at(0);
        EXPECT_EQ(std::to_string(DosDateTimeToUnix(DosDate(c.fields), DosTime(c.fields))), theirs) << c.reads;
    }
}

// A zone set after the first conversion counts at once (POSIX zone texts, so
// no time-zone data is needed).
TEST(DosTime, FollowsAZoneChangeAtOnce)
{
    TestSupport::TimeZone utc("UTC0");
    const Local noon{2020, 6, 1, 12, 0, 0};
    const int64_t inUtc = DosDateTimeToUnix(DosDate(noon), DosTime(noon));
    EXPECT_EQ(inUtc, 1591012800);
    ::setenv("TZ", "IST-5:30", 1); // no tzset: the converter must look itself
    EXPECT_EQ(DosDateTimeToUnix(DosDate(noon), DosTime(noon)), inUtc - 19800);
}
