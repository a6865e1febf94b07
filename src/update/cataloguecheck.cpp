// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/cataloguecheck.h"

#include "catalogue/cataloguetables.h"
#include "catalogue/configreader.h"

#include <QCoreApplication>

namespace {

// Lines as the reader counts them: each ends at a CR, and bytes after the
// last CR (or CR LF) make one more.
qsizetype lineCount(const QByteArray &bytes)
{
    qsizetype count = bytes.count('\r');
    if (!bytes.isEmpty() && !bytes.endsWith('\r') && !bytes.endsWith("\r\n"))
        ++count;
    return count;
}

bool namesNoCountry(const QStringList &countryNames)
{
    // The table's initial state, one empty entry, names no country either.
    return countryNames.isEmpty() || (countryNames.size() == 1 && countryNames.first().isEmpty());
}

} // namespace

namespace CatalogueCheck {

std::optional<QString> Complaint(const QByteArray &catalogue)
{
    CatalogueTables tables;
    ConfigReader reader(tables);
    const ConfigReadResult read = reader.ReadConfigText(catalogue);
    if (!tables.ConfigLoaded) {
        QStringList complaint;
        for (const CatalogueComplaint &shown : read.complaints)
            complaint << shown.text;
        complaint << QCoreApplication::translate("CatalogueCheck", "Reading stopped at line %1 of %2.")
                         .arg(read.lastLine)
                         .arg(lineCount(catalogue));
        return complaint.join(u'\n');
    }
    if (namesNoCountry(tables.CountryNames))
        return QCoreApplication::translate("CatalogueCheck", "It names no country: its country section is empty.");
    return std::nullopt;
}

} // namespace CatalogueCheck
