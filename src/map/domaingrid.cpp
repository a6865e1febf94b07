// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domaingrid.h"

#include "common/numbertext.h"

#include <algorithm>
#include <cmath>

namespace {

double clampedCell(double index, double first, double last)
{
    return std::clamp(index, std::min(first, last), std::max(first, last));
}

int wholeOnGrid(double index, double first, double last)
{
    const double low = std::ceil(std::min(first, last));
    const double high = std::floor(std::max(first, last));
    // What does not read as an index is kept on the grid, at its first cell.
    if (std::isnan(index))
        return int(low);
    return int(std::clamp(std::round(index), low, high));
}

} // namespace

DomainGrid::DomainGrid(double firstI, double firstJ, double lastI, double lastJ, double lonFrom, double lonTo,
                       double latFrom, double latTo)
    : m_firstI(firstI)
    , m_firstJ(firstJ)
    , m_lastI(lastI)
    , m_lastJ(lastJ)
    , m_lonFrom(lonFrom)
    , m_lonTo(Longitude::eastOf(lonFrom, lonTo))
    , m_latFrom(latFrom)
    , m_latTo(latTo)
    , m_box(GeoBox::fromLimits(lonFrom, lonTo, latFrom, latTo))
{
}

std::optional<DomainGrid> DomainGrid::fromLimits(const QStringList &limits)
{
    double v[10] = {};
    for (int position : {0, 1, 2, 3, 6, 7, 8, 9}) {
        const std::optional<double> value = NumberText::toNumber(limits.value(position));
        if (!value || !std::isfinite(*value))
            return std::nullopt;
        v[position] = *value;
    }
    if (v[0] == v[2] || v[1] == v[3] || v[6] == v[7] || v[8] == v[9])
        return std::nullopt;
    for (int position : {0, 1, 2, 3}) {
        if (std::abs(v[position]) > 1e9)
            return std::nullopt;
    }
    if (std::abs(v[8]) > 90 || std::abs(v[9]) > 90 || std::abs(v[6]) > 360 || std::abs(v[7]) > 360)
        return std::nullopt;
    return DomainGrid(v[0], v[1], v[2], v[3], v[6], v[7], v[8], v[9]);
}

double DomainGrid::iOf(double lon) const
{
    const double x = Longitude::near(lon, m_box.centre().x());
    return m_firstI + (x - m_lonFrom) * (m_lastI - m_firstI) / (m_lonTo - m_lonFrom);
}

double DomainGrid::jOf(double lat) const
{
    return m_firstJ + (lat - m_latFrom) * (m_lastJ - m_firstJ) / (m_latTo - m_latFrom);
}

double DomainGrid::lonOf(double i) const
{
    return m_lonFrom + (i - m_firstI) * (m_lonTo - m_lonFrom) / (m_lastI - m_firstI);
}

double DomainGrid::latOf(double j) const
{
    return m_latFrom + (j - m_firstJ) * (m_latTo - m_latFrom) / (m_lastJ - m_firstJ);
}

GeoBox DomainGrid::cellsBox(int iFrom, int iTo, int jFrom, int jTo) const
{
    const double i1 = clampedCell(std::min(iFrom, iTo) - 0.5, m_firstI, m_lastI);
    const double i2 = clampedCell(std::max(iFrom, iTo) + 0.5, m_firstI, m_lastI);
    const double j1 = clampedCell(std::min(jFrom, jTo) - 0.5, m_firstJ, m_lastJ);
    const double j2 = clampedCell(std::max(jFrom, jTo) + 0.5, m_firstJ, m_lastJ);
    GeoBox box;
    box.west = std::min(lonOf(i1), lonOf(i2));
    box.east = std::max(lonOf(i1), lonOf(i2));
    box.south = std::min(latOf(j1), latOf(j2));
    box.north = std::max(latOf(j1), latOf(j2));
    return box;
}

int DomainGrid::wholeI(double i) const
{
    return wholeOnGrid(i, m_firstI, m_lastI);
}

int DomainGrid::wholeJ(double j) const
{
    return wholeOnGrid(j, m_firstJ, m_lastJ);
}
