#include "run/listfile.h"

#include "common/numbertext.h"
#include "common/singlebytetext.h"
#include "run/listfieldreader.h"

#include <QIODevice>
#include <QStringDecoder>

ListFileContent ReadListFile(const QByteArray &bytes)
{
    QStringDecoder decode(SingleByteEncoding);
    ListFieldReader reader(decode(bytes));
    ListFileContent content;

    QString field;
    while (field != ListFileHeader) {
        if (reader.atEnd()) {
            content.outcome = ListFileContent::Outcome::NoHeader;
            return content;
        }
        field = reader.next();
        if (field.contains(QLatin1String("error"), Qt::CaseInsensitive)) {
            content.outcome = ListFileContent::Outcome::ErrorReported;
            return content;
        }
    }

    content.outcome = ListFileContent::Outcome::TableRead;
    while (!reader.atEnd()) {
        field = reader.next();
        if (const std::optional<QString> tile = TileNumberOf(field))
            content.TileNumbers << *tile;
        if (NumberText::trimBlanks(field).isEmpty())
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
    const QStringList pieces = field.split(u' ');
    if (pieces.size() >= 6 && !pieces.at(4).isEmpty())
        return pieces.at(4);
    return std::nullopt;
}
