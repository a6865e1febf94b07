// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/catalogueupdate.h"

#include "catalogue/configreader.h"
#include "common/numbertext.h"
#include "common/singlebytetext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace CatalogueUpdate {

QStringList SplitLines(const QString &text)
{
    QString joined = text;
    joined.remove(u'\n');
    return joined.split(u'\r');
}

RemoteDate ReadRemoteDate(const QStringList &lines)
{
    RemoteDate result;
    const std::optional<QString> text = CatalogueDateText(lines.value(0));
    if (!text)
        return result;
    result.dateText = *text;
    const std::optional<QDate> date = DateFromText(*text);
    if (!date) {
        result.status = RemoteDate::Status::NotADate;
        return result;
    }
    result.status = RemoteDate::Status::Ok;
    result.date = *date;
    return result;
}

bool IsNewer(const QDate &remote, const QDate &local)
{
    if (!local.isValid())
        return true;
    return remote.daysTo(local) < 0;
}

QByteArray CatalogueBytes(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += NumberText::trimBlanks(line);
        text += QLatin1String("\r\n");
    }
    QStringEncoder encode(SingleByteEncoding);
    return encode(text);
}

QString DecodeSingleByte(const QByteArray &bytes)
{
    QStringDecoder decode(SingleByteEncoding);
    return decode(bytes);
}

} // namespace CatalogueUpdate
