// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/tilerequest.h"

#include "common/numbertext.h"

#include <cmath>

namespace TileRequests {

namespace {

QString magnitude(double value)
{
    return NumberText::plain(std::fabs(value));
}

QString hemisphere(double value, const char *positive, const char *negative)
{
    return QLatin1String(value < 0 ? negative : positive);
}

} // namespace

QStringList entryNames(CoordinateMethod selectionMethod)
{
    switch (selectionMethod) {
    case CoordinateMethod::LatLonBox:
        return {QStringLiteral("txtLat1"),   QStringLiteral("cboLatLL1"), QStringLiteral("txtLon1"),
                QStringLiteral("cboLonLL1"), QStringLiteral("txtLat2"),   QStringLiteral("cboLatLL2"),
                QStringLiteral("txtLon2"),   QStringLiteral("cboLonLL2")};
    case CoordinateMethod::Indices:
        return {QStringLiteral("TextIndexiStart"), QStringLiteral("TextIndexiEnd"), QStringLiteral("TextIndexjStart"),
                QStringLiteral("TextIndexjEnd")};
    case CoordinateMethod::CentreRadius:
        return {QStringLiteral("txtEMRLAT01"), QStringLiteral("cboEMRLAT01"), QStringLiteral("txtEMRLON01"),
                QStringLiteral("cboEMRLON01"), QStringLiteral("txtRadius1")};
    case CoordinateMethod::None:
        break;
    }
    return {};
}

bool isComplete(const TileRequest &request)
{
    const QStringList names = entryNames(request.selectionMethod);
    return !names.isEmpty() && names.size() == request.entries.size();
}

QStringList entriesFromLimits(CoordinateMethod selectionMethod, const LimitArray &limits)
{
    switch (selectionMethod) {
    case CoordinateMethod::LatLonBox:
        return {magnitude(limits[1]), hemisphere(limits[1], "N", "S"),
                magnitude(limits[3]), hemisphere(limits[3], "E", "W"),
                magnitude(limits[2]), hemisphere(limits[2], "N", "S"),
                magnitude(limits[4]), hemisphere(limits[4], "E", "W")};
    case CoordinateMethod::Indices:
        return {NumberText::plain(limits[1]), NumberText::plain(limits[2]), NumberText::plain(limits[3]),
                NumberText::plain(limits[4])};
    case CoordinateMethod::CentreRadius:
        return {magnitude(limits[1]), hemisphere(limits[1], "N", "S"), magnitude(limits[2]),
                hemisphere(limits[2], "E", "W"), NumberText::plain(limits[3])};
    case CoordinateMethod::None:
        break;
    }
    return {};
}

} // namespace TileRequests
