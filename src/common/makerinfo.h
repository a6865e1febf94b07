#pragma once

#include <QString>

// The maker of the tile data: its web site and the address that takes tile
// orders. Kept in one place; every address the program opens starts here.
namespace MakerInfo {

inline const QString ShortName = QStringLiteral("QMT");
inline const QString WebSite = QStringLiteral("https://www.qmt.example");
inline const QString WebSiteCaption = QStringLiteral("www.qmt.example");
inline const QString OrderAddress = QStringLiteral("orders@qmt.example");

} // namespace MakerInfo
