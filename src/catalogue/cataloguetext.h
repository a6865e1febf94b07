#pragma once

#include <QStringList>

// Small text routines the catalogue and the domain lists share.

// Removes, in place, every entry that is empty after trimming blanks; the
// others keep their order and their text.
void RemoveBlankItems(QStringList &items);

// "January" to "December" for 1 to 12, an empty text for any other number.
QString GetMonthName(int month);

// Splits at every single blank and removes the blank items.
QStringList SplitWords(const QString &line);

// Adds the names of one country list text ("France, Spain") to the table.
void AddCountries(QStringList &countryNames, const QString &countryList);

// One entry per list item: the numbers of the domains whose country text
// contains the item's text, ascending, joined by ",".
QStringList MapCountriesToDomains(const QStringList &listItems,
                                  const QStringList &domainCountries);
