// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cataloguebuilder.h"
#include "support/testfolders.h"

QString CatalogueBuilder::domainLine(int number, const QString &resolution, const QString &limits)
{
    return QStringLiteral("%1 MM5 D LAMBERT T 30 60 NEST %2 23 S BIN ")
               .arg(number, 3, 10, QLatin1Char('0'))
               .arg(resolution)
           + limits;
}

void CatalogueBuilder::addDomain(const QString &resolution, const QString &limits, const QString &years,
                                 const QString &countries)
{
    const int number = int(domainLines.size()) + 1;
    domainLines << domainLine(number, resolution, limits);
    yearLines << QString::number(number) + u' ' + years;
    countryLines << QString::number(number) + u' ' + countries;
}

QStringList CatalogueBuilder::lines() const
{
    QStringList out = {dateLine, QString::number(heading.size() - 1)};
    out += heading;
    out += domainLines;
    out << "999"
        << "keys";
    if (keyLines.isEmpty()) {
        for (qsizetype i = 0; i < domainLines.size(); ++i)
            out << QStringLiteral("KEY MM5_D%1_12km_QMT_TILES").arg(i + 1);
    } else {
        out += keyLines;
    }
    out << "999"
        << "years";
    out += yearLines;
    out << "999"
        << "key words";
    out += keyWordLines;
    out << "999"
        << "countries";
    out += countryLines;
    out << "999";
    return out;
}

QByteArray CatalogueBuilder::bytes() const
{
    return TestFolders::crlf(lines());
}
