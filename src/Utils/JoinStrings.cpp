#include "Utils/JoinStrings.h"

#include <sstream>

namespace Utils {

std::string JoinStrings(std::vector<std::string> parts, std::string separator)
{
    std::ostringstream out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i)
            out << separator;
        out << parts[i];
    }
    return out.str();
}

}
