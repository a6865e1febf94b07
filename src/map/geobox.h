// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>

#include <optional>

// A longitude/latitude rectangle in degrees. A box whose western edge lies
// east of its eastern one crosses the 180th meridian: its east is then kept
// past 180 (170 to -170 becomes 170 to 190) so that it is one piece.
struct GeoBox
{
    double west = 0;
    double east = 0;
    double south = 0;
    double north = 0;

    // A domain's limits as the catalogue gives them: a longitude "from"
    // greater than "to" crosses the 180th meridian; latitudes in either order.
    static GeoBox fromLimits(double lonFrom, double lonTo, double latFrom, double latTo);
    // The box spanned by two corners. Both longitudes are taken within 180
    // degrees of `reference` (the middle of the domain they belong to); with
    // no reference, the second is taken on the side of the first where the
    // two lie closer.
    static GeoBox fromCorners(QPointF lonLatA, QPointF lonLatB, std::optional<double> reference = {});

    bool crossesAntimeridian() const { return east > 180.0 || west < -180.0; }
    double width() const { return east - west; }
    double height() const { return north - south; }
    QPointF centre() const { return {(west + east) / 2, (south + north) / 2}; }
    // x longitude, y latitude (y grows northwards).
    QRectF rect() const { return {west, south, east - west, north - south}; }
    // Whether the point lies in the box, its longitude taken modulo 360.
    bool contains(double lon, double lat) const;
    // Whether `inner` lies in this box, with a little slack for the six
    // decimals of the entry fields.
    bool holds(const GeoBox &inner) const;
};

namespace Longitude {

// The longitude in (-180, 180].
double normalized(double lon);
// The same meridian as `lon`, within 180 degrees of `reference`.
double near(double lon, double reference);

} // namespace Longitude
