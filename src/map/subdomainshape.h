// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/geobox.h"
#include "map/mapscene.h"

#include <QPolygonF>
#include <QString>

#include <optional>

// The outline of a sub-domain in longitude/latitude, whether it reaches
// outside the selected domain, and its size in words.
struct SubdomainShape
{
    QPolygonF outline; // closed, x longitude, y latitude
    // A cap left out of the outline's inside, for a circle that reaches over
    // both poles: it covers all but the cap around the opposite point.
    QPolygonF hole;
    GeoBox box; // the box that holds the outline
    bool outside = false;
    QString size; // "320 km x 210 km" or "radius 150 km"

    // Nothing when there is nothing to draw: no sub-domain, or indices
    // without a domain to place them in.
    static std::optional<SubdomainShape> of(const MapSubdomain &subdomain, const std::optional<MapDomain> &domain);
};

namespace Kilometres {

// A distance for the status line: one decimal below 10 km, whole above,
// and three significant digits from ten million km on ("1e+300 km").
QString text(double km);

} // namespace Kilometres
