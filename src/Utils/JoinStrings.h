#pragma once
#include <string>
#include <vector>

namespace Utils {

// The parts with separator between neighbours; "" for no parts.
std::string JoinStrings(std::vector<std::string> parts, std::string separator);

}
