// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"
#include "request.h"
#include "tiling.h"

#include <string>
#include <vector>

// The texts of the files the engine writes. The list file is read back by
// the front-end: a header line, then one line per tile (sequence number,
// exactly four blanks, tile number, blanks and the ranges, no comma), ended
// by an empty line; a refused request gets a text with "ERROR" and no header.
namespace engine::reports {

inline const std::string ListHeader = "No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected";

struct Selection
{
    const Request &request;
    const Domain &domain;
    CellRange cells;
    std::vector<Tile> tiles;
};

std::string listFile(const Selection &selection);
std::string outputFile(const Selection &selection);
std::string batchFile(const Selection &selection);

// For a request that cannot be served; `request` may be partly read.
std::string errorListFile(const std::string &why);
std::string errorOutputFile(const std::string &why);

// The name a tile file has when it is delivered, and the name it gets by the
// batch file (way 1: by tile number, way 2: by its I/J ranges).
std::string deliveredName(const Selection &selection, const Tile &tile);
std::string renamedName(const Selection &selection, const Tile &tile);

} // namespace engine::reports
