// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/listfile.h"

#include <QList>
#include <QString>

// One tile as the map draws it: its number, the cells it covers and the
// cells of it the request selected.
struct TileCells
{
    QString number;
    IndexRange onTile;
    IndexRange selected;
    bool operator==(const TileCells &) const = default;
};

// The tiles of a list file's rows with their ranges. Empty when any row
// lacks readable ranges: a partial set would show a wrong picture.
QList<TileCells> TileCellsOf(const QList<ListFileRow> &rows);
