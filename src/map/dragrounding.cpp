// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/dragrounding.h"

#include <algorithm>
#include <cmath>

namespace DragRounding {

double degreeStep(double pixelsPerDegree)
{
    if (!(pixelsPerDegree > 0) || !std::isfinite(pixelsPerDegree))
        return 1.0;
    const double pixel = 1.0 / pixelsPerDegree;
    for (double power = 1e-6; power < 1.0; power *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            // A hair of tolerance, so that 0.2 counts as 2 x 0.1.
            if (factor * power >= pixel * (1 - 1e-9))
                return factor * power;
        }
    }
    return 1.0;
}

double roundTo(double value, double step)
{
    const double rounded = std::round(value / step) * step;
    // Drop the binary noise of the multiplication (0.30000000000000004).
    return std::round(rounded * 1e6) / 1e6 + 0.0;
}

double radiusKm(double km)
{
    if (!(km > 0) || !std::isfinite(km))
        return 0.0;
    const double step = std::max(0.1, std::pow(10.0, std::floor(std::log10(km)) - 2));
    return roundTo(km, step);
}

} // namespace DragRounding
