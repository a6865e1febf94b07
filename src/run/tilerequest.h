// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/controlfilelines.h"
#include "state/coordinatemethod.h"

#include <QString>
#include <QStringList>

// A request as the user gives it: the country, the domain and its data year,
// the selection method and the texts of that method's entries. Enough to put
// the window back as it was and to write the same control file again.
struct TileRequest
{
    // The country list's item; empty when only a control file was read.
    QString country;
    // The domain's number without leading zeros ("7") and its year ("2001").
    QString region;
    QString year;
    CoordinateMethod selectionMethod = CoordinateMethod::None;
    // The entries of the method, in the order of entryNames().
    QStringList entries;

    bool operator==(const TileRequest &) const = default;
};

namespace TileRequests {

// The entry controls of a method, in the order a request keeps them:
//   box:     txtLat1 cboLatLL1 txtLon1 cboLonLL1 txtLat2 cboLatLL2 txtLon2 cboLonLL2
//   indices: TextIndexiStart TextIndexiEnd TextIndexjStart TextIndexjEnd
//   centre:  txtEMRLAT01 cboEMRLAT01 txtEMRLON01 cboEMRLON01 txtRadius1
// Empty for another method.
QStringList entryNames(CoordinateMethod selectionMethod);

// Whether the request names a method and holds one text per entry of it.
bool isComplete(const TileRequest &request);

// The entries that a control file's limits stand for: magnitudes in the plain
// decimal form with their hemisphere letters, the box's south-western corner
// first. The control file written from them again holds the same limits.
QStringList entriesFromLimits(CoordinateMethod selectionMethod, const LimitArray &limits);

} // namespace TileRequests
