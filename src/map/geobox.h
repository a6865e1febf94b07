// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/longituderange.h"

#include <QPointF>
#include <QRectF>

#include <optional>

// A longitude/latitude rectangle in degrees. A box across the 180th meridian
// keeps its east past 180 (170 to -170 becomes 170 to 190) so that it is one
// piece; a box once round the globe is 360 degrees wide.
struct GeoBox
{
    double west = 0;
    double east = 0;
    double south = 0;
    double north = 0;

    // A domain's limits as the catalogue gives them: a longitude "from"
    // greater than "to" crosses the 180th meridian (see Longitude::eastOf);
    // latitudes in either order.
    static GeoBox fromLimits(double lonFrom, double lonTo, double latFrom, double latTo);
    // The box spanned by two corners. With a `reference` (the middle of the
    // domain they belong to) the box runs the way round Longitude::boxEnds
    // gives, which is how the control file sends it, and its middle lies
    // within 180 degrees of the reference; with no reference, the second
    // corner is taken on the side of the first where the two lie closer.
    static GeoBox fromCorners(QPointF lonLatA, QPointF lonLatB, std::optional<double> reference = {});

    bool crossesAntimeridian() const { return east > 180.0 || west < -180.0; }
    double width() const { return east - west; }
    double height() const { return north - south; }
    QPointF centre() const { return {(west + east) / 2, (south + north) / 2}; }
    // x longitude, y latitude (y grows northwards).
    QRectF rect() const { return {west, south, east - west, north - south}; }
    // Whether the point lies in the box, its longitude taken modulo 360.
    bool contains(double lon, double lat) const;
    // Whether `inner`, moved by whole turns to lie beside this box, is inside
    // it, with a little slack for the six decimals of the entry fields.
    bool holds(const GeoBox &inner) const;
};
