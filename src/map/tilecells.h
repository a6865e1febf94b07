// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Whole I/J indices from..to on both axes.
struct IndexRange
{
    int iFrom = 0;
    int iTo = 0;
    int jFrom = 0;
    int jTo = 0;
    bool operator==(const IndexRange &) const = default;
};

// One tile of a list file with the cells it covers and the cells of it the
// request selected, as the stand-in engine writes them after the tile number:
// "1    345     I 1-20 J 21-40     I 5-20 J 30-40".
struct TileCells
{
    QString number;
    IndexRange onTile;
    IndexRange selected;
    bool operator==(const TileCells &) const = default;
};

// The tile and its ranges of one field of the tile table; nothing when the
// field names no tile or its ranges do not read (from after to, the
// selection outside the tile, other text).
std::optional<TileCells> TileCellsOf(const QString &field);

// The tiles of a list file's table with their ranges. Empty when the file
// has no table or when any tile of it lacks readable ranges: a partial set
// would show a wrong picture.
QList<TileCells> ReadTileCells(const QByteArray &listFile);
