// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports.h"

#include <cstdio>

namespace engine::reports {

namespace {

const char *const Crlf = "\r\n";
const std::string Banner = "Quorvantix tile engine (stand-in), tiles of 20 x 20 grid cells";

std::string padded(long long value, int width)
{
    std::string digits = std::to_string(value);
    if (value >= 0 && int(digits.size()) < width)
        digits.insert(0, std::size_t(width) - digits.size(), '0');
    return digits;
}

std::string range(const CellRange &cells)
{
    return "I " + std::to_string(cells.iFrom) + "-" + std::to_string(cells.iTo) + " J " + std::to_string(cells.jFrom)
           + "-" + std::to_string(cells.jTo);
}

std::string number(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string methodText(const Request &request)
{
    switch (request.method) {
    case Method::Indices:
        return "1 (I/J indices): I " + number(request.first[0]) + " to " + number(request.first[1]) + ", J "
               + number(request.second[0]) + " to " + number(request.second[1]);
    case Method::LonLatBox:
        return "2 (longitude/latitude box): longitude " + number(request.first[0]) + " to " + number(request.first[1])
               + ", latitude " + number(request.second[0]) + " to " + number(request.second[1]);
    case Method::CentreRadius:
        return "3 (centre and range): longitude " + number(request.first[0]) + ", latitude " + number(request.first[1])
               + ", radius " + number(request.second[0]) + " km";
    }
    return {};
}

std::string requestLines(const Selection &s)
{
    const Domain &d = s.domain;
    std::string text;
    text += "Region " + std::to_string(d.number) + " (" + d.key + "), year " + s.request.year + Crlf;
    text += "Method " + methodText(s.request) + Crlf;
    text += "Domain grid: " + range({d.firstI, d.lastI, d.firstJ, d.lastJ}) + Crlf;
    text += "Selected grid cells: " + range(s.cells) + Crlf;
    text += "Tiles needed: " + std::to_string(s.tiles.size()) + Crlf;
    return text;
}

} // namespace

std::string listFile(const Selection &s)
{
    std::string text = Banner + Crlf + requestLines(s) + Crlf;
    text += ListHeader + Crlf;
    long long sequence = 0;
    for (const Tile &tile : s.tiles) {
        text += std::to_string(++sequence) + "    " + std::to_string(tile.number) + "     " + range(tile.onTile)
                + "     " + range(tile.selected) + Crlf;
    }
    text += Crlf;
    text += "End of tile list" + std::string(Crlf);
    return text;
}

std::string outputFile(const Selection &s)
{
    const Domain &d = s.domain;
    std::string text = Banner + Crlf + Crlf;
    text += "Request: " + s.request.title + Crlf;
    text += requestLines(s);
    text += "Domain resolution: " + d.resolution + " km" + Crlf;
    text += "Domain limits: longitude " + number(d.lonFrom) + " to " + number(d.lonTo) + ", latitude "
            + number(d.latFrom) + " to " + number(d.latTo) + Crlf;
    if (!d.countries.empty())
        text += "Countries: " + d.countries + Crlf;
    text += "Grid indices are interpolated linearly between the domain limits." + std::string(Crlf) + Crlf;
    for (const Tile &tile : s.tiles) {
        text += "Tile " + std::to_string(tile.number) + ": cells " + range(tile.onTile) + ", selected "
                + range(tile.selected) + ", file " + deliveredName(s, tile) + Crlf;
    }
    if (s.request.writeBatch)
        text += std::string(Crlf) + "The batch file " + s.request.batchFile + " renames the tile files." + Crlf;
    return text;
}

std::string batchFile(const Selection &s)
{
    const bool dos = s.request.system == 1;
    const std::string eol = dos ? "\r\n" : "\n";
    std::string text = dos ? "@echo off" + eol : "#!/bin/sh" + eol;
    for (const Tile &tile : s.tiles) {
        text += std::string(dos ? "ren" : "mv") + " \"" + deliveredName(s, tile) + "\" \"" + renamedName(s, tile) + "\""
                + eol;
    }
    return text;
}

std::string errorListFile(const std::string &why)
{
    return Banner + Crlf + "ERROR: " + why + "." + Crlf + "No tiles were selected." + Crlf;
}

std::string errorOutputFile(const std::string &why)
{
    return Banner + Crlf + Crlf + "The request could not be served: " + why + "." + Crlf;
}

std::string deliveredName(const Selection &s, const Tile &tile)
{
    return s.domain.key + "_" + s.request.year + "_T" + padded(tile.number, 4) + ".pck";
}

std::string renamedName(const Selection &s, const Tile &tile)
{
    const std::string stem = "MM5_D" + padded(s.domain.number, 3) + "_" + s.request.year;
    if (s.request.renameWay == 2) {
        return stem + "_I" + padded(tile.onTile.iFrom, 3) + "-" + padded(tile.onTile.iTo, 3) + "_J"
               + padded(tile.onTile.jFrom, 3) + "-" + padded(tile.onTile.jTo, 3) + ".pck";
    }
    return stem + "_tile" + padded(tile.number, 4) + ".pck";
}

} // namespace engine::reports
