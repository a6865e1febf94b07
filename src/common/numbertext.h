// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Number texts as the program reads and writes them, always with "." as the
// decimal separator whatever the user's locale.
namespace NumberText {

// Leading and trailing blanks removed; tabs stay.
QString trimBlanks(const QString &text);

// The lenient numeric test: optional surrounding blanks, an optional sign,
// digits with at most one decimal point (at least one digit), and an
// optional exponent ("1e3"). Nothing else.
bool isNumeric(const QString &text);

// The value of a text that passes isNumeric; nothing otherwise.
std::optional<double> toNumber(const QString &text);

// A numeric text rounded to a whole number (halves to the even neighbour)
// that fits a signed 16-bit integer; nothing otherwise.
std::optional<qint16> toInt16(const QString &text);

// The plain decimal form: at most 15 significant digits, no exponent, no
// trailing zeros after the point, no point for whole values, no "-0".
QString plain(double value);

// The patterns "###0.000000" and "###0.00": rounded, at least one integer digit.
QString fixed6(double value);
QString fixed2(double value);

} // namespace NumberText
