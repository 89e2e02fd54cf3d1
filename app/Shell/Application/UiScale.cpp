#include "Application/UiScale.h"

#include <cmath>
#include <utility>

double uiScaleForDpi(double logicalDpi)
{
    static constexpr std::pair<double, double> steps[] = {
        {1.1, 1.0}, {1.4, 1.25}, {1.6, 1.5}, {1.8, 1.75}, {2.1, 2.0},
        {2.4, 2.25}, {2.6, 2.5}, {3.1, 3.0},
    };
    const double ratio = logicalDpi / 96.0;
    for (const auto& [below, scale] : steps) {
        if (ratio < below)
            return scale;
    }
    return 3.5;
}

int scaledLength(double value, double factor)
{
    return static_cast<int>(std::floor(value * factor));
}
