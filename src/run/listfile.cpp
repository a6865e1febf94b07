// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/listfile.h"

#include "common/singlebytetext.h"
#include "run/listfieldreader.h"

#include <QIODevice>
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

// Piece 4 of the field split at every single blank, when there are at least
// six pieces and piece 4 is not empty.
QStringView tileNumberIn(QStringView field)
{
    qsizetype blanks[5];
    int found = 0;
    for (qsizetype i = 0; i < field.size() && found < 5; ++i) {
        if (field[i] == u' ')
            blanks[found++] = i;
    }
    if (found < 5)
        return {};
    return field.mid(blanks[3] + 1, blanks[4] - blanks[3] - 1);
}

} // namespace

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
        const QStringView tile = tileNumberIn(field);
        if (!tile.isEmpty())
            content.TileNumbers << tile.toString();
        if (isBlank(field))
            break;
    }
    return content;
}

ListFileContent ReadListFile(QIODevice &device)
{
    return ReadListFile(device.readAll());
}

std::optional<QString> TileNumberOf(const QString &field)
{
    const QStringView tile = tileNumberIn(field);
    if (tile.isEmpty())
        return std::nullopt;
    return tile.toString();
}
