// SPDX-License-Identifier: GPL-3.0-or-later
// The list file reader on arbitrary bytes. Every tile number must be a piece
// of the input, and each field's tile number must be piece 4 of the field
// split at every blank.
#include "fuzzcheck.h"

#include "run/listfieldreader.h"
#include "run/listfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString text = QString::fromLatin1(bytes);
    const ListFileContent content = ReadListFile(bytes);

    // Rows only after the header.
    FUZZ_CHECK(content.outcome == ListFileContent::Outcome::TableRead ? text.contains(ListFileHeader)
                                                                      : content.rows.isEmpty());
    for (const QString &tile : content.TileNumbers())
        FUZZ_CHECK(!tile.isEmpty() && !tile.contains(u' ') && text.contains(tile));

    ListFieldReader fields(text);
    for (int n = 0; n < 200 && !fields.atEnd(); ++n) {
        const QString field = fields.next();
        FUZZ_CHECK(text.contains(field));
        const QStringList pieces = field.split(u' ');
        const std::optional<ListFileRow> row = ListFileRowOf(field);
        FUZZ_CHECK(row.has_value() == (pieces.size() >= 6 && !pieces.at(4).isEmpty()));
        FUZZ_CHECK(!row || (row->tileNumber == pieces.at(4) && row->sequence == pieces.at(0)));
    }
    return 0;
}
