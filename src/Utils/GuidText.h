#pragma once
#include <cstdint>
#include <string>

namespace Utils {

// The Windows GUID layout (Data1-3 as numbers, Data4 as bytes).
struct Guid {
    uint32_t Data1 = 0;
    uint16_t Data2 = 0;
    uint16_t Data3 = 0;
    uint8_t Data4[8] = {};
};

// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}", lower case.
std::string GuidToString(const Guid& guid);

}
