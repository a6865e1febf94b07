#include "update/catalogueupdate.h"

#include "catalogue/configreader.h"
#include "common/numbertext.h"
#include "common/singlebytetext.h"

#include <QSaveFile>
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

std::optional<QString> ReplaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // A short write is tried again so that the system names its reason (a
    // full disk); flushing here rather than inside commit() keeps that reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    if (written != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

QString DecodeSingleByte(const QByteArray &bytes)
{
    QStringDecoder decode(SingleByteEncoding);
    return decode(bytes);
}

} // namespace CatalogueUpdate
