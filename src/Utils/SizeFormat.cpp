#include "Utils/SizeFormat.h"

#include <cstdio>
#include <cstdlib>

namespace Utils {

std::string FormatSize(uint64_t bytes)
{
    static constexpr const char* Units[] = {" byte", " KiB", " MiB", " GiB", " TiB", " PiB"};
    double value = static_cast<double>(bytes);
    size_t unit = 0;
    while (value >= 1024.0 && unit + 1 < std::size(Units)) {
        value /= 1024.0;
        ++unit;
    }
    char number[64];
    std::snprintf(number, sizeof number, "%.2f", value);
    std::string text = std::string(number) + Units[unit];
    // The plural follows the rounded number the reader sees (1.999 KiB shows as 2.00 KiBs).
    if (std::strtod(number, nullptr) >= 2.0)
        text += 's';
    return text;
}

}
