// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/mapscene.h"

#include <QString>

#include <optional>

// The sub-domain against its domain: where it reaches out, in words, and
// the sub-domain cut back to the domain.
namespace SubdomainFit {

// "Outside the domain by 2.5° north, 1.25° west"; empty when the shape's
// box lies within the domain's. Both boxes in longitude/latitude.
QString outsideText(const GeoBox &shape, const GeoBox &domain);
// The same for an index range, in grid cells: "Outside the domain by 30
// cells east"; empty when the range lies on the grid.
QString outsideText(const IndexRange &range, const DomainGrid &grid);

// The sub-domain moved and cut so that it lies within the domain, in the
// terms of its own method: a box cut to the domain's limits (the whole
// domain on an axis where it lies wholly outside), indices kept on the grid,
// a circle's centre moved inside and its radius shortened to fit. Nothing
// when there is no sub-domain to fit.
std::optional<MapSubdomain> clamped(const MapSubdomain &subdomain, const MapDomain &domain);

} // namespace SubdomainFit
