#pragma once
// Sets TZ for one test and puts the old value back.
#include <optional>
#include <string>

namespace TestSupport {

class TimeZone {
public:
    explicit TimeZone(const char* zone);
    ~TimeZone();
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    std::optional<std::string> saved;
};

// Whether the time-zone data the tests name (package tzdata) is installed.
bool HaveZoneData();

}
