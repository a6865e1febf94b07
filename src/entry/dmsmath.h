// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Decimal degrees and degrees/minutes/seconds of one coordinate, as
// magnitudes. Plain arithmetic on values and texts, no controls.

struct Dms
{
    qint32 degrees = 0;
    qint32 minutes = 0;
    double seconds = 0.0;
};

// Degrees and minutes truncated toward zero, seconds not rounded; the sign
// is dropped. A whole-degree part beyond the 32-bit range (only an end point
// or a pasted text can hold one) is limited to the largest 32-bit value;
// the minutes and seconds still come from the fraction.
Dms DecimalToDms(double value);

// (|minutes| / 60 + |degrees|) + |seconds| / 3600, added in that order.
double DmsToDecimal(qint32 degrees, qint32 minutes, double seconds);

// Turns seconds above 59.99 (the remainder of a whole minute lost to
// floating point, 10.1 giving 5' 59.99999999999872") into the next minute,
// 60 minutes into the next degree, and limits a degree so carried to limit.
Dms CarrySeconds(Dms dms, qint32 limit);

// The value of a decimal field: 0 when empty; otherwise the number the
// control file reads in it (at least one digit, at most one point, an
// optional leading sign, an optional exponent, blanks around it); nothing for
// any other text (or one too large for a double).
std::optional<double> DecimalFieldValue(const QString &text);

// A degrees or minutes field: its first chars characters as a 16-bit whole
// number (halves rounded to even), 0 when empty; nothing when they do not
// read as one.
std::optional<qint32> LeadingWhole(const QString &text, int chars);

// A seconds field: its first 5 characters as a number, 0 when empty;
// nothing when they do not read as one (a lone "-" or ".").
std::optional<double> LeadingSeconds(const QString &text);
