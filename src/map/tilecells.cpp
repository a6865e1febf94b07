// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/tilecells.h"

#include "common/numbertext.h"
#include "common/singlebytetext.h"
#include "run/listfieldreader.h"
#include "run/listfile.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

std::optional<IndexRange> rangeOf(const QRegularExpressionMatch &match, int first)
{
    int values[4];
    for (int k = 0; k < 4; ++k) {
        bool ok = false;
        values[k] = match.captured(first + k).toInt(&ok);
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

} // namespace

std::optional<TileCells> TileCellsOf(const QString &field)
{
    const std::optional<QString> number = TileNumberOf(field);
    if (!number)
        return std::nullopt;
    static const QRegularExpression ranges(
        QStringLiteral("^ *\\d+ {4}\\S+ +I (\\d+)-(\\d+) J (\\d+)-(\\d+) +I (\\d+)-(\\d+) J (\\d+)-(\\d+) *$"));
    const QRegularExpressionMatch match = ranges.match(field);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<IndexRange> onTile = rangeOf(match, 1);
    const std::optional<IndexRange> selected = rangeOf(match, 5);
    if (!onTile || !selected || !inside(*selected, *onTile))
        return std::nullopt;
    return TileCells{*number, *onTile, *selected};
}

QList<TileCells> ReadTileCells(const QByteArray &listFile)
{
    QStringDecoder decode(SingleByteEncoding);
    ListFieldReader reader(decode(listFile));
    QString field;
    while (field != ListFileHeader) {
        if (reader.atEnd())
            return {};
        field = reader.next();
    }
    QList<TileCells> tiles;
    while (!reader.atEnd()) {
        field = reader.next();
        if (NumberText::trimBlanks(field).isEmpty())
            break;
        if (!TileNumberOf(field))
            continue;
        const std::optional<TileCells> tile = TileCellsOf(field);
        if (!tile)
            return {};
        tiles << *tile;
    }
    return tiles;
}
