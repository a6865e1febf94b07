// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/greatcircle.h"

#include "map/geobox.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Radians = std::numbers::pi / 180.0;
constexpr double KmPerDegree = GreatCircle::EarthRadiusKm * Radians;

} // namespace

namespace GreatCircle {

double distanceKm(QPointF from, QPointF to)
{
    const double lat1 = from.y() * Radians;
    const double lat2 = to.y() * Radians;
    const double dLat = lat2 - lat1;
    const double dLon = (to.x() - from.x()) * Radians;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2)
                     + std::cos(lat1) * std::cos(lat2) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * EarthRadiusKm * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0)));
}

QPointF destination(QPointF from, double bearingDegrees, double distanceKm)
{
    const double lat1 = from.y() * Radians;
    const double lon1 = from.x() * Radians;
    const double bearing = bearingDegrees * Radians;
    const double angle = distanceKm / EarthRadiusKm;
    const double sinLat2 = std::sin(lat1) * std::cos(angle) + std::cos(lat1) * std::sin(angle) * std::cos(bearing);
    const double lat2 = std::asin(std::clamp(sinLat2, -1.0, 1.0));
    const double lon2 = lon1
                        + std::atan2(std::sin(bearing) * std::sin(angle) * std::cos(lat1),
                                     std::cos(angle) - std::sin(lat1) * sinLat2);
    return {Longitude::near(lon2 / Radians, from.x()), lat2 / Radians};
}

QPolygonF circle(QPointF centre, double radiusKm, int points)
{
    QPolygonF ring;
    ring.reserve(points + 1);
    for (int k = 0; k < points; ++k) {
        QPointF p = destination(centre, 360.0 * k / points, radiusKm);
        if (!ring.isEmpty())
            p.setX(Longitude::near(p.x(), ring.last().x()));
        ring << p;
    }
    if (!ring.isEmpty())
        ring << ring.first();
    return ring;
}

double boxWidthKm(double west, double east, double south, double north)
{
    return std::abs(east - west) * KmPerDegree * std::cos((south + north) / 2 * Radians);
}

double boxHeightKm(double south, double north)
{
    return std::abs(north - south) * KmPerDegree;
}

} // namespace GreatCircle
