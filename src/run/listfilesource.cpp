// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/listfilesource.h"

#include "common/singlebytetext.h"
#include "run/listfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

constexpr qsizetype MaxWords = 4096;

} // namespace

ListFileSource ListFileSource::read(const QString &path, qint64 maxBytes)
{
    ListFileSource source;
    // Links are followed: what counts is the file read in the end.
    const QFileInfo info(path);
    if (!info.exists())
        return source;
    if (!info.isFile()) {
        source.problem = Problem::NotRegular;
        return source;
    }
    if (info.size() > maxBytes) {
        source.problem = Problem::TooLarge;
        return source;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return source;
    // In pieces, so memory follows the file's real length; one byte more than
    // the bound tells a file that grew since it was looked at.
    constexpr qint64 Piece = 1 << 20;
    while (source.bytes.size() <= maxBytes) {
        const QByteArray piece = file.read(qMin(Piece, maxBytes + 1 - source.bytes.size()));
        if (piece.isEmpty())
            break;
        source.bytes += piece;
    }
    if (source.bytes.size() > maxBytes) {
        source.bytes.clear();
        source.problem = Problem::TooLarge;
    } else if (file.error() != QFile::NoError) {
        source.bytes.clear();
    } else {
        source.problem = Problem::None;
    }
    return source;
}

QString ListFileWords(const QByteArray &bytes)
{
    QStringDecoder decode(SingleByteEncoding);
    const QString text = decode(bytes.left(MaxWords * 4));
    const qsizetype header = text.indexOf(ListFileHeader);
    QString words = text.left(header < 0 ? text.size() : header).trimmed().left(MaxWords);
    // One line end for the message box, whichever the engine wrote.
    words.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    words.replace(u'\r', u'\n');
    return words;
}
