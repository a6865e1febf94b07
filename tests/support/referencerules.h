// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The country-to-domain rule in its plainest form, the reference for the fast
// map: for each item, the numbers of the domains whose country line holds it.
inline QStringList referenceCountryDomains(const QStringList &items, const QStringList &domainCountries)
{
    QStringList countryDomains;
    for (const QString &item : items) {
        QStringList numbers;
        for (qsizetype j = 0; j < domainCountries.size(); ++j) {
            if (!domainCountries.at(j).isEmpty() && domainCountries.at(j).contains(item))
                numbers << QString::number(j + 1);
        }
        countryDomains << numbers.join(u',');
    }
    return countryDomains;
}
