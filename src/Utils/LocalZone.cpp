#include "Utils/LocalZone.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace Utils {

void RefreshLocalZone()
{
    thread_local std::optional<std::string> lastZone;
    thread_local time_t lastLook = -1;
    const char* zone = std::getenv("TZ");
    const time_t now = ::time(nullptr);
    const bool sameZone = zone ? lastZone && *lastZone == zone : !lastZone;
    if (sameZone && now == lastLook)
        return;
    ::tzset();
    lastZone = zone ? std::optional<std::string>(zone) : std::nullopt;
    lastLook = now;
}

}
