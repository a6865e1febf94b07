// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

class QIODevice;

// What the engine's list file "quorvantix.lst" says.
struct ListFileContent
{
    enum class Outcome {
        TableRead,     // the header was found and the tile table after it read
        NoHeader,      // the file ended before the header
        ErrorReported, // a field before the header contains "error", in any case
    };
    Outcome outcome = Outcome::NoHeader;
    // The tile numbers of the table, in file order, spelt as in the file.
    QStringList TileNumbers;
};

// The header line of the tile table.
inline const QString ListFileHeader = QStringLiteral("No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected");

// Reads a list file: free text up to the header field, then the tile table
// up to an empty field or the end of the file.
ListFileContent ReadListFile(const QByteArray &bytes);
ListFileContent ReadListFile(QIODevice &device);

// The tile number of one field of the table: split at every single blank,
// piece 4 when it is not empty and not the last piece.
std::optional<QString> TileNumberOf(const QString &field);
