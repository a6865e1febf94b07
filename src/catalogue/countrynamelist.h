// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/texttable.h"

#include <QString>
#include <QStringList>

// Collects the distinct country names of the catalogue's country lists into
// a table, in order of first appearance. The table starts as one empty
// entry, which the first item replaces as it is; every later item is added
// trimmed, unless a name already in the table is equal to it once both are
// trimmed. Each item costs one lookup of its trimmed text.
class CountryNameList
{
public:
    // Sets names to its initial state; it stays filled as far as read.
    explicit CountryNameList(QStringList &names);

    // Adds the names of one country list text ("France, Spain").
    void AddCountries(const QString &countryList);

private:
    QStringList &m_names;
    // Views into the texts of m_names, which stay put while the list grows.
    TextTable<bool> m_trimmedNames;
};
