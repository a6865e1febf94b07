// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/listfile.h"

#include "common/singlebytetext.h"
#include "run/listfieldreader.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

bool isBlank(QStringView field)
{
    for (const QChar c : field) {
        if (c != u' ')
            return false;
    }
    return true;
}

std::optional<IndexRange> rangeOf(const QRegularExpressionMatch &match, int first)
{
    int values[4];
    for (int k = 0; k < 4; ++k) {
        bool ok = false;
        values[k] = match.capturedView(first + k).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const IndexRange range{values[0], values[1], values[2], values[3]};
    if (range.iFrom > range.iTo || range.jFrom > range.jTo)
        return std::nullopt;
    return range;
}

bool inside(const IndexRange &inner, const IndexRange &outer)
{
    return inner.iFrom >= outer.iFrom && inner.iTo <= outer.iTo && inner.jFrom >= outer.jFrom && inner.jTo <= outer.jTo;
}

// The ranges after the tile number: "I 1-20 J 21-40     I 5-20 J 30-40".
std::optional<TileRanges> rangesIn(QStringView field)
{
    static const QRegularExpression ranges(
        QStringLiteral("^ *\\d+ {4}\\S+ +I (\\d+)-(\\d+) J (\\d+)-(\\d+) +I (\\d+)-(\\d+) J (\\d+)-(\\d+) *$"));
    const QRegularExpressionMatch match = ranges.match(field);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<IndexRange> onTile = rangeOf(match, 1);
    const std::optional<IndexRange> selected = rangeOf(match, 5);
    if (!onTile || !selected || !inside(*selected, *onTile))
        return std::nullopt;
    return TileRanges{*onTile, *selected};
}

} // namespace

QStringList ListFileContent::TileNumbers() const
{
    QStringList numbers;
    numbers.reserve(rows.size());
    for (const ListFileRow &row : rows)
        numbers << row.tileNumber;
    return numbers;
}

ListFileContent ReadListFile(const QByteArray &bytes)
{
    QStringDecoder decode(SingleByteEncoding);
    ListFieldReader reader(decode(bytes));
    ListFileContent content;

    QStringView field;
    while (field != ListFileHeader) {
        if (reader.atEnd()) {
            content.outcome = ListFileContent::Outcome::NoHeader;
            return content;
        }
        field = reader.nextView();
        if (field.contains(QLatin1String("error"), Qt::CaseInsensitive)) {
            content.outcome = ListFileContent::Outcome::ErrorReported;
            return content;
        }
    }

    content.outcome = ListFileContent::Outcome::TableRead;
    while (!reader.atEnd()) {
        field = reader.nextView();
        if (std::optional<ListFileRow> row = ListFileRowOf(field))
            content.rows << std::move(*row);
        if (isBlank(field))
            break;
    }
    return content;
}

// Piece 4 of the field split at every single blank, when there are at least
// six pieces and piece 4 is not empty.
std::optional<ListFileRow> ListFileRowOf(QStringView field)
{
    qsizetype blanks[5];
    int found = 0;
    for (qsizetype i = 0; i < field.size() && found < 5; ++i) {
        if (field[i] == u' ')
            blanks[found++] = i;
    }
    if (found < 5 || blanks[4] == blanks[3] + 1)
        return std::nullopt;
    return ListFileRow{field.left(blanks[0]).toString(), field.mid(blanks[3] + 1, blanks[4] - blanks[3] - 1).toString(),
                       rangesIn(field)};
}

QString TileListItem(const QString &tileNumber)
{
    return QCoreApplication::translate("ListFile", "Tile number: ") + tileNumber;
}
