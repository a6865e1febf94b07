// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One reading of longitudes around the 180th meridian, kept free of Qt so
// that the map, the control file writer and the stand-in engine share it.
//
// A range of longitudes runs eastwards from its "from" to its "to". When
// "from" is greater than "to" the range crosses the 180th meridian: 170 to
// -170 is 20 degrees wide, and 50 to -30 runs from 50 E over the Pacific to
// 30 W. A range whose ends meet on one meridian that way (180 to -180) goes
// once round the globe.

#include <cmath>

namespace Longitude {

inline constexpr double FullTurn = 360.0;

// The longitude in (-180, 180].
inline double normalized(double lon)
{
    double x = std::fmod(lon, FullTurn);
    if (x <= -180.0)
        x += FullTurn;
    else if (x > 180.0)
        x -= FullTurn;
    return x;
}

// The same meridian as `lon`, within 180 degrees of `reference`.
inline double near(double lon, double reference)
{
    return reference + normalized(lon - reference);
}

// The eastern end of the range from..to, past 180 when the range crosses the
// 180th meridian: 170 to -170 ends at 190, 180 to -180 at 540.
inline double eastOf(double from, double to)
{
    if (!(from > to))
        return to;
    return from + std::fmod(to - from, FullTurn) + FullTurn;
}

// The middle meridian of the range from..to.
inline double middleOf(double from, double to)
{
    return (from + eastOf(from, to)) / 2;
}

// The ends of a range whose middle lies on the same side of the 180th
// meridian as `reference`: the range from..to moved by whole turns.
struct Span
{
    double west = 0;
    double east = 0;
    double width() const { return east - west; }
};
inline Span spanNear(double from, double to, double reference)
{
    const double width = eastOf(from, to) - from;
    const double west = near(from + width / 2, reference) - width / 2;
    return {west, west + width};
}

// Which way a box with corners at longitudes `a` and `b` runs, as "from"
// and "to" of a range, when it belongs to a domain whose middle meridian is
// `reference`: the box is the one of the two ways round that keeps the
// meridian opposite the domain's middle out of its inside. When that
// meridian is a corner itself, the narrower way is taken. Corners a turn
// or more apart give the whole globe. Whenever the box does not cross the
// 180th meridian, "from" is the smaller corner.
struct Ends
{
    double from = 0;
    double to = 0;
};
inline Ends boxEnds(double a, double b, double reference)
{
    const double low = a <= b ? a : b;
    const double high = a >= b ? a : b;
    const double width = high - low;
    if (!(width < FullTurn))
        return {low, high};
    // Where the opposite meridian lies east of the smaller corner, in [0, 360).
    double opposite = std::fmod(reference + 180.0 - low, FullTurn);
    if (opposite < 0)
        opposite += FullTurn;
    const bool crossing = opposite > 0 && opposite < width ? true : opposite > width ? false : width > 180.0;
    return crossing ? Ends{high, low} : Ends{low, high};
}

} // namespace Longitude
