// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/tilerequest.h"

#include <QString>
#include <QStringList>

// The request put into words, for people: the clipboard's text and the name
// of a remembered request.
namespace RequestText {

// Country, domain, year and resolution, the method and its values with their
// hemispheres, then a blank line and the control file's lines:
//   Country: Canada
//   Domain 7, year 2001, resolution 12 km
//   Method: Geodetic (Latitude/Longitude)
//   Start: 45.5 N, 73.25 W
//   End: 50 N, 70 W
//
//   Select a range for decode packed MM5 tiles
//   ...
// Lines end with LF.
QString readable(const TileRequest &request, const QString &resolution, const QStringList &controlFileLines);

// "Canada, domain 7, 2001: 45.5N 73.25W to 50N 70W"; indices as
// "I 10-40, J 5-25", a centre as "45.5N 73.25W, 150 km". Numbers in their
// plain decimal form.
QString shortName(const TileRequest &request);

} // namespace RequestText
