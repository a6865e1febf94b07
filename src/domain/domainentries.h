// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

struct CatalogueTables;

// The entries of the domain list for one country, and the way back from an
// entry to its domain. Pure text work on the catalogue tables.
namespace DomainEntries {

// "Domain 7, resolution: 12km,  year: 2005"
QString entryText(const QString &number, const QString &resolution, const QString &year);

// The entries offered for the country list item `country` whose domain
// numbers are `countryDomains` ("3,7,12"). A domain the catalogue does not
// describe completely (no line, fewer than 22 items, no years line, a number
// that is not one) is left out.
QStringList entriesFor(const QString &country, const QString &countryDomains, const CatalogueTables &tables);

// The domain number of an entry (the word after "Domain"), or an empty text.
QString numberOf(const QString &entry);

// At least three digits: 7 -> 007, 45 -> 045, 120 -> 120.
QString padded(const QString &number);

// The ten limits (items 12 to 21) of domain `paddedNumber`, when its line
// exists and starts with exactly that number; an empty list otherwise.
QStringList limitsOf(const QString &paddedNumber, const CatalogueTables &tables);

} // namespace DomainEntries
