// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/domainentries.h"

#include "catalogue/cataloguetables.h"
#include "catalogue/cataloguetext.h"
#include "common/numbertext.h"

#include <QVarLengthArray>

namespace DomainEntries {

namespace {

constexpr int DomainLineItems = 22;
constexpr int ResolutionItem = 8;
constexpr int FirstLimitItem = 12;
constexpr int LimitCount = 10;

// Greenland's fine grids are not offered for it; the tests are substring
// tests, so they also hold for any country text containing "Greenland".
bool hiddenForCountry(const QString &country, const QString &resolution)
{
    return country.contains(QLatin1String("Greenland"))
           && (resolution.contains(QLatin1String("1.333")) || resolution.contains(QLatin1String("4.00")));
}

// The words of a line, as SplitWords gives them (the runs between blanks),
// without a string of their own each: a country may offer thousands of entries.
QVarLengthArray<QStringView, 32> wordsOf(QStringView line)
{
    QVarLengthArray<QStringView, 32> words;
    qsizetype begin = -1;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const bool blank = i == line.size() || line[i] == u' ';
        if (blank && begin >= 0) {
            words.append(line.mid(begin, i - begin));
            begin = -1;
        } else if (!blank && begin < 0) {
            begin = i;
        }
    }
    return words;
}

} // namespace

QString entryText(const QString &number, const QString &resolution, const QString &year)
{
    return QStringLiteral("Domain ") + number + QStringLiteral(", resolution: ") + resolution + QStringLiteral("km, ")
           + QStringLiteral(" year: ") + year;
}

QStringList entriesFor(const QString &country, const QString &countryDomains, const CatalogueTables &tables)
{
    QStringList entries;
    if (countryDomains.isEmpty())
        return entries;
    const QStringList numbers = countryDomains.split(u',');
    for (const QString &number : numbers) {
        bool ok = false;
        const int domain = number.toInt(&ok);
        if (!ok || domain < 1 || domain > tables.DomainLines.size() || domain > tables.DomainYears.size())
            continue;
        const auto items = wordsOf(tables.DomainLines.at(domain - 1));
        if (items.size() < DomainLineItems)
            continue;
        const QString resolution = items.at(ResolutionItem).toString();
        if (hiddenForCountry(country, resolution))
            continue;
        // The entry ends with the year; the rest is the same for every year.
        const QString head = entryText(number, resolution, QString());
        const auto years = wordsOf(tables.DomainYears.at(domain - 1));
        for (qsizetype y = 1; y < years.size(); ++y) {
            QString entry;
            entry.reserve(head.size() + years.at(y).size());
            entries << entry.append(head).append(years.at(y));
        }
    }
    return entries;
}

QString numberOf(const QString &entry)
{
    const QStringList words = entry.section(u',', 0, 0).split(u' ');
    return words.value(1);
}

QString padded(const QString &number)
{
    const int value = number.toInt();
    if (value < 10)
        return QStringLiteral("00") + number;
    if (value < 100)
        return QStringLiteral("0") + number;
    return number;
}

QStringList limitsOf(const QString &paddedNumber, const CatalogueTables &tables)
{
    const int index = paddedNumber.toInt() - 1;
    if (index < 0 || index >= tables.DomainLines.size())
        return {};
    const QStringList items = SplitWords(tables.DomainLines.at(index));
    if (items.size() < DomainLineItems || NumberText::trimBlanks(items.first()) != paddedNumber)
        return {};
    return items.mid(FirstLimitItem, LimitCount);
}

} // namespace DomainEntries
