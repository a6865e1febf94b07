#include "support/testfolders.h"

#include <QFile>
#include <QStringList>

namespace TestFolders {

QString sampleCatalogue()
{
    return QStringLiteral(QUORVANTIX_SOURCE_DIR "/data/tiles.cfg");
}

QString buildAppFolder()
{
    return QStringLiteral(QUORVANTIX_APP_DIR);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("Cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

} // namespace TestFolders
