// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/geobox.h"

#include <QStringList>

#include <optional>

// A domain's I/J grid laid over its longitude/latitude limits. The mapping is
// linear between the first and last index on each axis, as the stand-in
// engine computes it: I follows longitude eastwards from "from" to "to"
// (across the 180th meridian when "from" is greater, once round the globe
// from 180 to -180), J latitude.
// Real MM5 grids are Lambert conformal, so this is an approximation.
class DomainGrid
{
public:
    DomainGrid(double firstI, double firstJ, double lastI, double lastJ, double lonFrom, double lonTo, double latFrom,
               double latTo);

    // The ten limits in catalogue order (0 first I, 1 first J, 2 last I,
    // 3 last J, 6 lon from, 7 lon to, 8 lat from, 9 lat to); nothing when
    // one does not read or an axis has no extent.
    static std::optional<DomainGrid> fromLimits(const QStringList &limits);

    const GeoBox &box() const { return m_box; }
    double firstI() const { return m_firstI; }
    double firstJ() const { return m_firstJ; }
    double lastI() const { return m_lastI; }
    double lastJ() const { return m_lastJ; }

    // Fractional indices of a longitude/latitude and back. A longitude is
    // taken on the side of the 180th meridian where the domain lies.
    double iOf(double lon) const;
    double jOf(double lat) const;
    double lonOf(double i) const;
    double latOf(double j) const;

    // The area of the cells from..to (whole indices): each cell reaches half
    // a cell to either side of its index, cut back to the grid.
    GeoBox cellsBox(int iFrom, int iTo, int jFrom, int jTo) const;
    // A whole index nearest to a fractional one, kept on the grid.
    int wholeI(double i) const;
    int wholeJ(double j) const;

private:
    double m_firstI, m_firstJ, m_lastI, m_lastJ;
    double m_lonFrom, m_lonTo, m_latFrom, m_latTo;
    GeoBox m_box;
};
