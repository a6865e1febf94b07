// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/domaingrid.h"
#include "map/tilecells.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

// A domain as the map draws it: its number and its grid.
struct MapDomain
{
    QString number;
    DomainGrid grid;
};

// The sub-domain being entered, in the terms of the active method.
struct MapSubdomain
{
    enum class Kind {
        None,
        Box,     // corners a and b: x longitude, y latitude, signed
        Indices, // a (first I, first J) and b (last I, last J)
        Circle,  // centre a (longitude, latitude) and radiusKm
    };
    Kind kind = Kind::None;
    QPointF a;
    QPointF b;
    double radiusKm = 0;
};

// Everything the map shows besides the world itself.
struct MapScene
{
    // Index of the picked country in the world outline; -1 for none.
    int country = -1;
    // The domains offered for the picked country.
    QList<MapDomain> domains;
    // The domain under the mouse or chosen in the list of domains.
    QString emphasised;
    // The selected domain, whose grid the sub-domain and the tiles use.
    std::optional<MapDomain> selected;
    MapSubdomain subdomain;
    // The tiles of the last run, and whether the request has changed (or a
    // run failed) since: then they belong to an earlier request.
    QList<TileCells> tiles;
    bool tilesStale = false;
    // The tiles a preview found for the request being entered.
    QList<TileCells> preview;
};
