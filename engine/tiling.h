// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"
#include "request.h"

#include <optional>
#include <string>
#include <vector>

namespace engine {

// Tiles are squares of this many grid cells on each side, cut from the
// domain's first I/J corner and numbered row by row (along I, then up J)
// from 1.
inline constexpr long long TileSize = 20;

struct CellRange
{
    long long iFrom = 0;
    long long iTo = 0;
    long long jFrom = 0;
    long long jTo = 0;
};

struct Tile
{
    long long number = 0;
    CellRange onTile;   // every cell of the tile
    CellRange selected; // the cells of the request on this tile
};

// Grid index of a longitude or latitude: a linear interpolation between the
// domain's first and last index over its longitude or latitude limits. A
// longitude is taken on the side of the 180th meridian where the domain lies.
double iOfLongitude(const Domain &domain, double longitude);
double jOfLatitude(const Domain &domain, double latitude);

// The grid cells the request covers, or nothing (and why) when it lies
// outside the domain or makes no sense.
std::optional<CellRange> selectCells(const Domain &domain, const Request &request, std::string &why);

// Every tile that holds at least one selected cell, in number order.
std::vector<Tile> tilesFor(const Domain &domain, const CellRange &cells);

// The number of tiles `tilesFor` would return, without building them.
long long tileCount(const Domain &domain, const CellRange &cells);

} // namespace engine
