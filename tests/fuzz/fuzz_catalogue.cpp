// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue reader on arbitrary bytes, then the country map and the
// domain entries built from what it read. Checks that the tables agree with
// the outcome, that every country name is a trimmed item of the catalogue
// and that the country map follows its plain rule.
#include "fuzzcheck.h"

#include "catalogue/cataloguetext.h"
#include "catalogue/configreader.h"
#include "common/numbertext.h"
#include "domain/domainentries.h"
#include "support/referencerules.h"

#include <QSet>

namespace {

// The entries by the plain rule: every line split into its words.
QStringList plainEntries(const QString &country, const QString &countryDomains, const CatalogueTables &tables)
{
    QStringList entries;
    for (const QString &number : countryDomains.split(u',', Qt::SkipEmptyParts)) {
        // A number that does not read, or names no domain, finds no words.
        const QStringList items = SplitWords(tables.DomainLines.value(number.toInt() - 1));
        if (items.size() < 22)
            continue;
        const QStringList years = SplitWords(tables.DomainYears.value(number.toInt() - 1));
        const bool hidden = country.contains(u"Greenland")
                            && (items.at(8).contains(u"1.333") || items.at(8).contains(u"4.00"));
        for (qsizetype y = 1; y < years.size() && !hidden; ++y)
            entries << DomainEntries::entryText(number, items.at(8), years.at(y));
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static CatalogueTables tables;
    static ConfigReader reader(tables);

    const ConfigReadResult read = reader.ReadConfigText(fuzzBytes(data, size));
    FUZZ_CHECK(tables.ConfigLoaded == read.complaints.isEmpty());
    FUZZ_CHECK(qMax(tables.DomainLines.size(), tables.DomainYears.size()) <= ConfigReader::MaxSectionLines);
    if (!tables.ConfigLoaded)
        return 0;
    // Domain lines follow: a name is an item of a country text, and each line has one.
    FUZZ_CHECK(!tables.DomainYears.isEmpty() && !tables.CountryNames.isEmpty());
    FUZZ_CHECK(tables.DomainCountries.size() == tables.DomainLines.size());
    for (const QString &years : tables.DomainYears)
        FUZZ_CHECK(!years.contains(u','));

    QSet<QString> items;
    for (const QString &countries : tables.DomainCountries) {
        FUZZ_CHECK(countries == NumberText::trimBlanks(countries));
        for (const QString &item : countries.split(u','))
            items.insert(NumberText::trimBlanks(item));
    }
    const QStringList &countries = tables.CountryNames;
    QSet<QString> names;
    for (qsizetype k = 0; k < countries.size(); ++k) {
        const QString trimmed = NumberText::trimBlanks(countries.at(k));
        // Only the first name keeps its blanks.
        FUZZ_CHECK(k == 0 || countries.at(k) == trimmed);
        FUZZ_CHECK(items.contains(trimmed));
        names.insert(trimmed);
    }
    // No name twice.
    FUZZ_CHECK(names.size() == countries.size());

    tables.CountryDomains = MapCountriesToDomains(countries, tables.DomainCountries);
    FUZZ_CHECK(tables.CountryDomains.size() == countries.size());
    if (countries.size() * tables.DomainCountries.size() <= 2000)
        FUZZ_CHECK(tables.CountryDomains == referenceCountryDomains(countries, tables.DomainCountries));
    for (qsizetype k = 0; k < countries.size() && k < 8; ++k) {
        const QStringList entries = DomainEntries::entriesFor(countries.at(k), tables.CountryDomains.at(k), tables);
        FUZZ_CHECK(entries == plainEntries(countries.at(k), tables.CountryDomains.at(k), tables));
        for (const QString &entry : entries.mid(0, 8)) {
            const QString number = DomainEntries::numberOf(entry);
            FUZZ_CHECK(tables.CountryDomains.at(k).split(u',').contains(number));
            const QStringList limits = DomainEntries::limitsOf(DomainEntries::padded(number), tables);
            FUZZ_CHECK(limits.isEmpty() || limits.size() == 10);
        }
    }
    return 0;
}
