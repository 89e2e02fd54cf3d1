#pragma once
#include <cstdint>
#include <string>

namespace Utils {

// "512.00 bytes", "1.00 byte", "1.50 KiB", "3.00 KiBs": two decimals, binary
// units up to PiB, and a plural "s" when the shown value is 2.00 or more.
std::string FormatSize(uint64_t bytes);

}
