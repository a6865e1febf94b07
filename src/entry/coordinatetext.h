// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Reads a position as other programs and people write it: decimal degrees,
// degrees with minutes and seconds, hemisphere letters before or after the
// value, and pairs of a latitude and a longitude.
namespace CoordinateText {

enum class Axis { Unknown, Latitude, Longitude };

struct Coordinate
{
    // Signed decimal degrees: negative for south and west.
    double degrees = 0.0;
    // Which coordinate its hemisphere letter makes it; Unknown without one.
    Axis axis = Axis::Unknown;
    // Given with minutes or seconds rather than as decimal degrees.
    bool sexagesimal = false;
    // A lone number: no hemisphere letter and no degree, minute or second mark.
    bool plain = false;
    // Written with a leading "+" or "-".
    bool sign = false;
};

struct Reading
{
    bool isPair = false;
    // The value of a text holding one coordinate.
    Coordinate single;
    // The two values of a pair, whatever their order in the text.
    Coordinate latitude;
    Coordinate longitude;
};

// The coordinate or the pair of coordinates the text holds, or nothing when
// it holds anything else. Accepted, with blanks anywhere between the parts:
//   one value: "9.5W", "W 9.5", "-9.5", "50°30'15.5\"N", "50 30 15.5 N",
//     "50d30m15s N", "50 30.25N" (prime and double-prime marks too);
//   a pair, latitude first unless its letters say otherwise: "48.5, 9.2",
//     "48.5N 9.2E", "48°30'N 9°12'E", "-33.9 151.2", "9.2E 48.5N".
// Numbers may carry an exponent ("-9.5e1"); zero-width spaces, byte order
// marks and direction marks are dropped, and no-break spaces are blanks.
// Minutes and seconds stay below 60; a latitude beyond 90 or a longitude (or
// a value without a letter) beyond 180 is not a coordinate. Two whole numbers
// joined by a comma alone ("48,5") may be one number with a decimal comma and
// read as nothing.
std::optional<Reading> read(const QString &text);

// A lone number as read() takes one, at any magnitude: so a number too large
// to be a coordinate is known from text that is none. Nothing otherwise.
std::optional<double> number(const QString &text);

} // namespace CoordinateText
