// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QPolygonF>

// Distances and circles on a sphere of the earth's mean radius. Points are
// x longitude, y latitude, in degrees.
namespace GreatCircle {

inline constexpr double EarthRadiusKm = 6371.0;

// The great-circle distance between two points (haversine).
double distanceKm(QPointF from, QPointF to);
// The point reached from `from` going `distanceKm` along the initial
// bearing (degrees clockwise from north).
QPointF destination(QPointF from, double bearingDegrees, double distanceKm);
// The points at `radiusKm` around `centre`, closed, with longitudes kept
// continuous (a circle across the 180th meridian goes past 180 or -180).
QPolygonF circle(QPointF centre, double radiusKm, int points = 180);

// The extent of a longitude/latitude box measured along its middle
// latitude (width) and along a meridian (height).
double boxWidthKm(double west, double east, double south, double north);
double boxHeightKm(double south, double north);

} // namespace GreatCircle
