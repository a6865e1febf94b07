// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the limit files into a folder: tiles.cfg (32,767 domains, 250
// countries), tiles-many-countries.cfg (125 domains, 50,000 countries) and
// quorvantix.lst (100,000 tiles).
#include "limitfiles.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool write(const QDir &folder, const char *name, const QByteArray &bytes)
{
    QFile file(folder.filePath(QLatin1String(name)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!write(folder, "tiles.cfg", LimitFiles::catalogue())
        || !write(folder, "tiles-many-countries.cfg", LimitFiles::manyCountriesCatalogue())
        || !write(folder, "quorvantix.lst", LimitFiles::listFile())) {
        std::fprintf(stderr, "cannot write into %s\n", qPrintable(folder.absolutePath()));
        return 1;
    }
    return 0;
}
