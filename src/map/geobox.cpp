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
    box.east = Longitude::eastOf(lonFrom, lonTo);
    box.south = std::min(latFrom, latTo);
    box.north = std::max(latFrom, latTo);
    return box;
}

GeoBox GeoBox::fromCorners(QPointF lonLatA, QPointF lonLatB, std::optional<double> reference)
{
    GeoBox box;
    if (reference) {
        const Longitude::Ends ends = Longitude::boxEnds(lonLatA.x(), lonLatB.x(), *reference);
        const Longitude::Span span = Longitude::spanNear(ends.from, ends.to, *reference);
        box.west = span.west;
        box.east = span.east;
    } else {
        const double lonB = Longitude::near(lonLatB.x(), lonLatA.x());
        box.west = std::min(lonLatA.x(), lonB);
        box.east = std::max(lonLatA.x(), lonB);
    }
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
    const double middle = (inner.west + inner.east) / 2;
    const double shift = Longitude::near(middle, (west + east) / 2) - middle;
    return inner.south >= south - Slack && inner.north <= north + Slack && inner.west + shift >= west - Slack
           && inner.east + shift <= east + Slack;
}
