// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/tilecells.h"

QList<TileCells> TileCellsOf(const QList<ListFileRow> &rows)
{
    QList<TileCells> tiles;
    tiles.reserve(rows.size());
    for (const ListFileRow &row : rows) {
        if (!row.ranges)
            return {};
        tiles << TileCells{row.tileNumber, row.ranges->onTile, row.ranges->selected};
    }
    return tiles;
}
