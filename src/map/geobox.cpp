// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/geobox.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Slack = 1e-6;

} // namespace

GeoBox GeoBox::fromLimits(double lonFrom, double lonTo, double latFrom, double latTo)
{
    GeoBox box;
    box.west = lonFrom;
    box.east = lonFrom > lonTo ? lonTo + 360.0 : lonTo;
    box.south = std::min(latFrom, latTo);
    box.north = std::max(latFrom, latTo);
    return box;
}

GeoBox GeoBox::fromCorners(QPointF lonLatA, QPointF lonLatB, std::optional<double> reference)
{
    const double lonA = reference ? Longitude::near(lonLatA.x(), *reference) : lonLatA.x();
    const double lonB = Longitude::near(lonLatB.x(), reference ? *reference : lonA);
    GeoBox box;
    box.west = std::min(lonA, lonB);
    box.east = std::max(lonA, lonB);
    box.south = std::min(lonLatA.y(), lonLatB.y());
    box.north = std::max(lonLatA.y(), lonLatB.y());
    return box;
}

bool GeoBox::contains(double lon, double lat) const
{
    if (lat < south - Slack || lat > north + Slack)
        return false;
    const double x = Longitude::near(lon, (west + east) / 2);
    return x >= west - Slack && x <= east + Slack;
}

bool GeoBox::holds(const GeoBox &inner) const
{
    const double shift = Longitude::near(inner.west, (west + east) / 2) - inner.west;
    return inner.south >= south - Slack && inner.north <= north + Slack && inner.west + shift >= west - Slack
           && inner.east + shift <= east + Slack;
}

namespace Longitude {

double normalized(double lon)
{
    double x = std::fmod(lon, 360.0);
    if (x <= -180.0)
        x += 360.0;
    else if (x > 180.0)
        x -= 360.0;
    return x;
}

double near(double lon, double reference)
{
    return reference + normalized(lon - reference);
}

} // namespace Longitude
