#include "Utils/GuidText.h"

#include <cstdio>

namespace Utils {

std::string GuidToString(const Guid& guid)
{
    char text[40];
    const uint8_t* d = guid.Data4;
    std::snprintf(text, sizeof text, "{%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}", unsigned(guid.Data1),
                  unsigned(guid.Data2), unsigned(guid.Data3), d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
    return std::string(text);
}

}
