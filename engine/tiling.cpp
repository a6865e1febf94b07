// SPDX-License-Identifier: GPL-3.0-or-later
#include "tiling.h"

#include "common/longituderange.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace engine {

namespace {

// Lets a box typed from the limits shown on screen (six decimals) match the
// domain's own limits.
constexpr double Tolerance = 1e-6;
constexpr double KmPerDegree = 6371.0 * std::numbers::pi / 180.0;

struct Span
{
    double low;
    double high;
    bool holds(double value) const { return value >= low - Tolerance && value <= high + Tolerance; }
};

// A domain's longitudes run eastwards from "from" to "to": across the 180th
// meridian when "from" is the greater, once round the globe from 180 to -180.
Span lonSpan(const Domain &d)
{
    return {d.lonFrom, Longitude::eastOf(d.lonFrom, d.lonTo)};
}
double lonMiddle(const Domain &d)
{
    return Longitude::middleOf(d.lonFrom, d.lonTo);
}

// Grid index of a longitude already taken on the domain's side of the 180th meridian.
double iOfPlaced(const Domain &d, double x)
{
    const Span lon = lonSpan(d);
    return double(d.firstI) + (x - lon.low) * double(d.lastI - d.firstI) / (lon.high - lon.low);
}
Span latSpan(const Domain &d)
{
    return {std::min(d.latFrom, d.latTo), std::max(d.latFrom, d.latTo)};
}

std::string format(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

// The cells between two fractional indices, widened to whole cells and kept
// on the grid.
void toCells(double a, double b, long long first, long long last, long long &from, long long &to)
{
    const double low = std::clamp(std::min(a, b), double(first), double(last));
    const double high = std::clamp(std::max(a, b), double(first), double(last));
    from = std::clamp(static_cast<long long>(std::floor(low + Tolerance)), first, last);
    to = std::clamp(static_cast<long long>(std::ceil(high - Tolerance)), first, last);
    if (to < from)
        to = from;
}

CellRange cellsOfBox(const Domain &d, Span lon, Span lat)
{
    CellRange cells;
    toCells(iOfPlaced(d, lon.low), iOfPlaced(d, lon.high), d.firstI, d.lastI, cells.iFrom, cells.iTo);
    toCells(jOfLatitude(d, lat.low), jOfLatitude(d, lat.high), d.firstJ, d.lastJ, cells.jFrom, cells.jTo);
    return cells;
}

long long tileColumns(const Domain &d)
{
    return (d.lastI - d.firstI) / TileSize + 1;
}

} // namespace

double iOfLongitude(const Domain &d, double longitude)
{
    return iOfPlaced(d, Longitude::near(longitude, lonMiddle(d)));
}

double jOfLatitude(const Domain &d, double latitude)
{
    return double(d.firstJ) + (latitude - d.latFrom) * double(d.lastJ - d.firstJ) / (d.latTo - d.latFrom);
}

std::optional<CellRange> selectCells(const Domain &d, const Request &request, std::string &why)
{
    const Span domainLon = lonSpan(d);
    const Span domainLat = latSpan(d);
    switch (request.method) {
    case Method::Indices: {
        const double i1 = request.first[0], i2 = request.first[1];
        const double j1 = request.second[0], j2 = request.second[1];
        if (i1 != std::floor(i1) || i2 != std::floor(i2) || j1 != std::floor(j1) || j2 != std::floor(j2)) {
            why = "grid indices must be whole numbers";
            return std::nullopt;
        }
        const auto inside = [](double v, long long first, long long last) { return v >= first && v <= last; };
        if (!inside(i1, d.firstI, d.lastI) || !inside(i2, d.firstI, d.lastI) || !inside(j1, d.firstJ, d.lastJ)
            || !inside(j2, d.firstJ, d.lastJ)) {
            why = "the I/J range " + format(i1) + "-" + format(i2) + " / " + format(j1) + "-" + format(j2)
                  + " lies outside the domain grid I " + std::to_string(d.firstI) + "-" + std::to_string(d.lastI)
                  + ", J " + std::to_string(d.firstJ) + "-" + std::to_string(d.lastJ);
            return std::nullopt;
        }
        return CellRange{static_cast<long long>(std::min(i1, i2)), static_cast<long long>(std::max(i1, i2)),
                         static_cast<long long>(std::min(j1, j2)), static_cast<long long>(std::max(j1, j2))};
    }
    case Method::LonLatBox: {
        // Longitudes from west to east, across the 180th meridian when the
        // first is the greater, moved by whole turns beside the domain.
        const Longitude::Span placed = Longitude::spanNear(request.first[0], request.first[1], lonMiddle(d));
        const Span lon{placed.west, placed.east};
        const Span lat{std::min(request.second[0], request.second[1]), std::max(request.second[0], request.second[1])};
        if (!domainLon.holds(lon.low) || !domainLon.holds(lon.high) || !domainLat.holds(lat.low)
            || !domainLat.holds(lat.high)) {
            why = "the box from longitude " + format(request.first[0]) + " to " + format(request.first[1])
                  + " and latitude " + format(lat.low) + " to " + format(lat.high)
                  + " lies outside the domain (longitude " + format(d.lonFrom) + " to " + format(d.lonTo)
                  + ", latitude " + format(domainLat.low) + " to " + format(domainLat.high) + ")";
            return std::nullopt;
        }
        return cellsOfBox(d, lon, lat);
    }
    case Method::CentreRadius: {
        const double lon = Longitude::near(request.first[0], lonMiddle(d));
        const double lat = request.first[1];
        const double radius = request.second[0];
        if (!(radius > 0.0)) {
            why = "the radius must be more than 0 km";
            return std::nullopt;
        }
        if (!domainLon.holds(lon) || !domainLat.holds(lat)) {
            why = "the centre at longitude " + format(request.first[0]) + ", latitude " + format(lat)
                  + " lies outside the domain";
            return std::nullopt;
        }
        // The box that holds the circle, cut back to the domain.
        const double dLat = radius / KmPerDegree;
        const double cosLat = std::cos(lat * std::numbers::pi / 180.0);
        const double dLon = cosLat > 1e-9 ? radius / (KmPerDegree * cosLat) : 360.0;
        const Span box{std::max(lon - dLon, domainLon.low), std::min(lon + dLon, domainLon.high)};
        const Span boxLat{std::max(lat - dLat, domainLat.low), std::min(lat + dLat, domainLat.high)};
        return cellsOfBox(d, box, boxLat);
    }
    }
    why = "unknown method";
    return std::nullopt;
}

long long tileCount(const Domain &d, const CellRange &cells)
{
    const long long columns = (cells.iTo - d.firstI) / TileSize - (cells.iFrom - d.firstI) / TileSize + 1;
    const long long rows = (cells.jTo - d.firstJ) / TileSize - (cells.jFrom - d.firstJ) / TileSize + 1;
    return columns * rows;
}

std::vector<Tile> tilesFor(const Domain &d, const CellRange &cells)
{
    std::vector<Tile> tiles;
    const long long columns = tileColumns(d);
    for (long long row = (cells.jFrom - d.firstJ) / TileSize; row <= (cells.jTo - d.firstJ) / TileSize; ++row) {
        for (long long col = (cells.iFrom - d.firstI) / TileSize; col <= (cells.iTo - d.firstI) / TileSize; ++col) {
            Tile tile;
            tile.number = row * columns + col + 1;
            tile.onTile.iFrom = d.firstI + col * TileSize;
            tile.onTile.iTo = std::min(tile.onTile.iFrom + TileSize - 1, d.lastI);
            tile.onTile.jFrom = d.firstJ + row * TileSize;
            tile.onTile.jTo = std::min(tile.onTile.jFrom + TileSize - 1, d.lastJ);
            tile.selected.iFrom = std::max(tile.onTile.iFrom, cells.iFrom);
            tile.selected.iTo = std::min(tile.onTile.iTo, cells.iTo);
            tile.selected.jFrom = std::max(tile.onTile.jFrom, cells.jFrom);
            tile.selected.jTo = std::min(tile.onTile.jTo, cells.jTo);
            tiles.push_back(tile);
        }
    }
    return tiles;
}

} // namespace engine
