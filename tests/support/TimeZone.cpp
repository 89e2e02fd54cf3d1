#include "support/TimeZone.h"

#include <cstdlib>
#include <ctime>
#include <fstream>

namespace TestSupport {

TimeZone::TimeZone(const char* zone)
{
    if (const char* old = std::getenv("TZ"))
        saved = old;
    ::setenv("TZ", zone, 1);
    ::tzset();
}

TimeZone::~TimeZone()
{
    if (saved)
        ::setenv("TZ", saved->c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

bool HaveZoneData()
{
    for (const char* zone : {"Asia/Kolkata", "America/New_York", "Pacific/Chatham", "Australia/Lord_Howe", "Europe/Berlin"})
        if (!std::ifstream(std::string("/usr/share/zoneinfo/") + zone).good())
            return false;
    return true;
}

}
