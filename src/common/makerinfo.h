// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The maker of the tile data: its name, addresses, web site and the address
// that takes tile orders. Kept in one place; every address the program opens
// starts here.
namespace MakerInfo {

inline const QString ShortName = QStringLiteral("QMT");
inline const QString Name = QStringLiteral("Quillmere Meteo Tiles Ltd. (QMT)");
inline const QString Street = QStringLiteral("42 Gridline Avenue, Suite 7");
inline const QString City = QStringLiteral("Anytown, ST 00555");
inline const QString Telephone = QStringLiteral("Tel: +1 555-0142");
inline const QString Fax = QStringLiteral("Fax: +1 555-0143");
inline const QString InfoAddress = QStringLiteral("info@qmt.example");
inline const QString WebSite = QStringLiteral("https://www.qmt.example");
inline const QString WebSiteCaption = QStringLiteral("www.qmt.example");
inline const QString OrderAddress = QStringLiteral("orders@qmt.example");
// The year the maker's notice starts from.
inline constexpr int FirstYear = 1998;

// The maker's notice of the About box: one line that ends with the given year.
inline QString Notice(int year)
{
    // The copyright sign as UTF-8 bytes, the encoding translate() reads its source in.
    return QCoreApplication::translate("MakerInfo", "Copyright \xc2\xa9 Quillmere Meteo Tiles Ltd. %1-%2")
        .arg(FirstYear)
        .arg(year);
}

} // namespace MakerInfo
