// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

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

// The cells a tile covers and the cells of it the request selected.
struct TileRanges
{
    IndexRange onTile;
    IndexRange selected;
    bool operator==(const TileRanges &) const = default;
};

// One row of the tile table, as the stand-in engine writes it:
// "1    345     I 1-20 J 21-40     I 5-20 J 30-40".
struct ListFileRow
{
    // The number before the tile's and the tile's, spelt as in the file.
    QString sequence;
    QString tileNumber;
    // Nothing when the row's ranges do not read (from after to, the selection
    // outside the tile, another engine's form).
    std::optional<TileRanges> ranges;
    bool operator==(const ListFileRow &) const = default;
};

// What the engine's list file "quorvantix.lst" says.
struct ListFileContent
{
    enum class Outcome {
        TableRead,     // the header was found and the tile table after it read
        NoHeader,      // the file ended before the header
        ErrorReported, // a field before the header contains "error", in any case
    };
    Outcome outcome = Outcome::NoHeader;
    // The rows of the table that name a tile, in file order.
    QList<ListFileRow> rows;

    // The tile numbers of the rows, in file order.
    QStringList TileNumbers() const;
};

// The header line of the tile table.
inline const QString ListFileHeader = QStringLiteral("No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected");

// Reads a list file: free text up to the header field, then the tile table
// up to an empty field or the end of the file.
ListFileContent ReadListFile(const QByteArray &bytes);

// The row of one field of the table: its tile number is piece 4 of the field
// split at every single blank, when that piece is not empty and not the last;
// nothing when the field names no tile.
std::optional<ListFileRow> ListFileRowOf(QStringView field);

// The tile list's item of a tile: "Tile number: 345".
QString TileListItem(const QString &tileNumber);
