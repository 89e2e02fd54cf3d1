#include "Utils/FileTime.h"
#include "support/TimeZone.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

using namespace Utils;
using TestSupport::HaveZoneData;
using TestSupport::TimeZone;

namespace {

constexpr uint64_t Second = 10000000;

// Seconds since 1970 worth checking: both sides of 1970, a leap day, 2038,
// the first and the last FILETIME years people meet.
const int64_t Samples[] = {0,          1,           -1,          86399,        951782400,   2147483648,
                           1700000000, -2208988800, -11644473600, 253402300799, -1000000001};

uint64_t FileTimeOf(int64_t unixSeconds)
{
    return static_cast<uint64_t>(unixSeconds * int64_t(Second) + int64_t(FileTimeUnixEpoch));
}

std::string Date(const std::string& zone, int64_t seconds)
{
    std::string text = TestSupport::RunOrFail(zone + " date -d @" + std::to_string(seconds) +
                                              " '+%Y-%m-%d %H:%M:%S %w'");
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

std::string Shown(const SystemTime& time)
{
    return SystemTimeToString(time) + " " + std::to_string(time.wDayOfWeek);
}

}

TEST(FileTime, ToUnixTimeDropsTheFraction)
{
    EXPECT_EQ(FileTimeToUnixTime(FileTimeUnixEpoch), 0);
    EXPECT_EQ(FileTimeToUnixTime(FileTimeUnixEpoch + 19999999), 1);
    EXPECT_EQ(FileTimeToUnixTime(FileTimeUnixEpoch + 20000000), 2);
    for (int64_t seconds : Samples) {
        EXPECT_EQ(FileTimeToUnixTime(FileTimeOf(seconds)), seconds);
        EXPECT_EQ(FileTimeToUnixTime(FileTimeOf(seconds) + Second - 1), seconds);
    }
}

// The unsigned subtraction once wrapped for times before 1970 (to about
// 1.8e12 seconds, year 58000); they are negative now, rounded down to the
// second they fall in.
TEST(FileTime, BeforeNineteenSeventyIsNegative)
{
    EXPECT_EQ(FileTimeToUnixTime(FileTimeUnixEpoch - 1), -1);
    EXPECT_EQ(FileTimeToUnixTime(FileTimeUnixEpoch - Second), -1);
    EXPECT_EQ(FileTimeToUnixTime(FileTimeUnixEpoch - Second - 1), -2);
    EXPECT_EQ(FileTimeToUnixTime(0), -11644473600);
    EXPECT_EQ(FileTimeToUnixTime(UINT64_MAX), int64_t((UINT64_MAX - FileTimeUnixEpoch) / Second));
}

TEST(FileTime, UtcFieldsAgreeWithDate)
{
    REQUIRE_TOOL("date");
    for (int64_t seconds : Samples) {
        SystemTime time;
        ASSERT_TRUE(FileTimeToSystemTimeUtc(FileTimeOf(seconds), time)) << seconds;
        EXPECT_EQ(Shown(time), Date("TZ=UTC", seconds)) << seconds;
    }
}

TEST(FileTime, LocalFieldsAgreeWithDate)
{
    REQUIRE_TOOL("date");
    if (!HaveZoneData())
        SKIP_FOR_MISSING("needs the time-zone data of package tzdata, which is not installed");
    for (const char* zone : {"America/New_York", "Asia/Kolkata", "Pacific/Chatham", "UTC"}) {
        TimeZone local(zone);
        for (int64_t seconds : Samples) {
            if (seconds < -11644473600 + 86400)
                continue; // the day of 1601-01-01 may fall before 1601 locally
            SystemTime time;
            ASSERT_TRUE(FileTimeToLocalSystemTime(FileTimeOf(seconds), time)) << zone << " " << seconds;
            EXPECT_EQ(Shown(time), Date(std::string("TZ=") + zone, seconds)) << zone << " " << seconds;
        }
    }
}

// A zone set after the first conversion counts (POSIX zone texts, so no
// time-zone data is needed).
TEST(FileTime, LocalTimeFollowsAZoneChange)
{
    TimeZone utc("UTC0");
    SystemTime time;
    ASSERT_TRUE(FileTimeToLocalSystemTime(FileTimeUnixEpoch, time));
    EXPECT_EQ(SystemTimeToString(time), "1970-01-01 00:00:00");
    ::setenv("TZ", "IST-5:30", 1); // no tzset: the converter must look itself
    ASSERT_TRUE(FileTimeToLocalSystemTime(FileTimeUnixEpoch, time));
    EXPECT_EQ(SystemTimeToString(time), "1970-01-01 05:30:00");
}

TEST(FileTime, RefusedValues)
{
    SystemTime time;
    EXPECT_FALSE(FileTimeToSystemTimeUtc(0x8000000000000000ULL, time));
    EXPECT_FALSE(FileTimeToLocalSystemTime(UINT64_MAX, time));
    EXPECT_TRUE(FileTimeToSystemTimeUtc(0x7FFFFFFFFFFFFFFFULL, time));
    EXPECT_EQ(time.wYear, 30828);
    if (HaveZoneData()) {
        // West of Greenwich, the first FILETIME instant is still in 1600.
        TimeZone local("America/New_York");
        EXPECT_FALSE(FileTimeToLocalSystemTime(0, time));
    }
    EXPECT_TRUE(FileTimeToSystemTimeUtc(0, time));
    EXPECT_EQ(SystemTimeToString(time), "1601-01-01 00:00:00");
}

TEST(FileTime, Milliseconds)
{
    SystemTime time;
    ASSERT_TRUE(FileTimeToSystemTimeUtc(FileTimeUnixEpoch + 12345678, time));
    EXPECT_EQ(time.wSecond, 1);
    EXPECT_EQ(time.wMilliseconds, 234);
    ASSERT_TRUE(FileTimeToSystemTimeUtc(FileTimeUnixEpoch - 10000, time));
    EXPECT_EQ(SystemTimeToString(time), "1969-12-31 23:59:59");
    EXPECT_EQ(time.wMilliseconds, 999);
}

TEST(FileTime, SystemTimeToString)
{
    SystemTime time;
    time.wYear = 7;
    time.wMonth = 1;
    time.wDay = 2;
    time.wHour = 3;
    time.wMinute = 4;
    time.wSecond = 5;
    EXPECT_EQ(SystemTimeToString(time), "0007-01-02 03:04:05");
}
