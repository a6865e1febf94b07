#include "domain/domainentries.h"

#include "catalogue/cataloguetables.h"
#include "catalogue/cataloguetext.h"
#include "common/numbertext.h"

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

} // namespace

QString entryText(const QString &number, const QString &resolution, const QString &year)
{
    return QStringLiteral("Domain ") + number + QStringLiteral(", resolution: ") + resolution
        + QStringLiteral("km, ") + QStringLiteral(" year: ") + year;
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
        const QStringList items = SplitWords(tables.DomainLines.at(domain - 1));
        if (items.size() < DomainLineItems)
            continue;
        const QString &resolution = items.at(ResolutionItem);
        const QStringList years = SplitWords(tables.DomainYears.at(domain - 1));
        for (qsizetype y = 1; y < years.size(); ++y) {
            if (!hiddenForCountry(country, resolution))
                entries << entryText(number, resolution, years.at(y));
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
