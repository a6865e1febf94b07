// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes catalogues for tests: a dated first line, a skip count with its
// heading block and the five sections, each closed by "999".
struct CatalogueBuilder
{
    QString dateLine = QStringLiteral("Catalogue date: 20110419");
    QStringList heading = {QStringLiteral("heading")};
    QStringList domainLines;
    QStringList keyLines; // one per domain line when left empty
    QStringList yearLines;
    QStringList keyWordLines = {QStringLiteral("TILESIZE=20")};
    QStringList countryLines;

    // A domain line of 22 items: number (three digits), resolution, ten limits (blank-separated).
    static QString domainLine(int number, const QString &resolution, const QString &limits);
    // Adds a domain with its years ("2001,2005") and countries ("France, Spain").
    void addDomain(const QString &resolution, const QString &limits, const QString &years, const QString &countries);

    QStringList lines() const;
    QByteArray bytes() const;
};
