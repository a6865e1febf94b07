// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/mapscene.h"

#include <QByteArray>
#include <QList>
#include <QPolygonF>

// The area of a run for a GIS, as a GeoJSON FeatureCollection (RFC 7946):
// the domain, the sub-domain's outline and each tile's cells, one feature
// each, positions longitude first. A feature that crosses the 180th meridian
// is cut there into the pieces on either side, a MultiPolygon; outer rings
// run counterclockwise. `subdomain` is a closed outline in longitude and
// latitude, empty for none; tiles are placed on the domain's grid.
QByteArray AreaGeoJson(const MapDomain &domain, const QPolygonF &subdomain, const QList<TileCells> &tiles);
