// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Small text routines the catalogue and the domain lists share.

// Removes, in place, every entry that is empty after trimming blanks; the
// others keep their order and their text.
void RemoveBlankItems(QStringList &items);

// The text without its leading and trailing blanks (tabs stay), as a view.
QStringView TrimmedBlanks(QStringView text);

// "January" to "December" for 1 to 12, an empty text for any other number.
QString GetMonthName(int month);

// Splits at every single blank and removes the blank items.
QStringList SplitWords(const QString &line);

// One entry per list item: the numbers of the domains whose country text
// contains the item's text, ascending, joined by ","; a domain that names no
// country is offered for none. Each country text is read once for all items.
QStringList MapCountriesToDomains(const QStringList &listItems, const QStringList &domainCountries);
