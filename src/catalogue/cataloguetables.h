// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The in-memory catalogue. Every read rebuilds it from empty.
struct CatalogueTables
{
    QStringList DomainLines;     // entry n - 1: description line of domain n, as read
    QStringList DomainYears;     // entry n - 1: years line of domain n, commas made blanks
    QStringList DomainCountries; // entry n - 1: country text of domain n, trimmed
    QStringList CountryNames;    // distinct country names, in order of first appearance
    QStringList CountryDomains;  // per item of the country list: domain numbers joined by ","
    bool ConfigLoaded = false;
};
