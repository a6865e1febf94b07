// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/dmsmath.h"

#include "common/numbertext.h"

#include <cmath>
#include <limits>

Dms DecimalToDms(double value)
{
    const double a = std::fabs(value);
    const double whole = std::trunc(a);
    // a - whole is exact, so for every value in range this is (a - degrees) * 60.
    const double m = (a - whole) * 60.0;
    constexpr double largest = std::numeric_limits<qint32>::max();
    Dms dms;
    dms.degrees = whole > largest ? std::numeric_limits<qint32>::max() : static_cast<qint32>(whole);
    dms.minutes = static_cast<qint32>(std::trunc(m));
    dms.seconds = (m - dms.minutes) * 60.0;
    return dms;
}

double DmsToDecimal(qint32 degrees, qint32 minutes, double seconds)
{
    // Through double, so that the magnitude of the smallest 32-bit value exists.
    return (std::fabs(double(minutes)) / 60.0 + std::fabs(double(degrees))) + std::fabs(seconds) / 3600.0;
}

Dms CarrySeconds(Dms dms, qint32 limit)
{
    if (dms.seconds > 59.99) {
        dms.seconds = 0.0;
        ++dms.minutes; // below 60 before, so at most 60 now
        if (dms.minutes == 60) {
            dms.minutes = 0;
            // degrees + 1 > limit, without overflowing at the 32-bit top
            dms.degrees = dms.degrees >= limit ? limit : dms.degrees + 1;
        }
    }
    return dms;
}

std::optional<double> DecimalFieldValue(const QString &text)
{
    if (text.isEmpty())
        return 0.0;
    // The very reading of the control file, so the fields show what it states.
    return NumberText::toNumber(text);
}

std::optional<qint32> LeadingWhole(const QString &text, int chars)
{
    const QString leading = text.left(chars);
    if (leading.isEmpty())
        return 0;
    const std::optional<qint16> value = NumberText::toInt16(leading);
    if (!value)
        return std::nullopt;
    return *value;
}

std::optional<double> LeadingSeconds(const QString &text)
{
    const QString leading = text.left(5);
    if (leading.isEmpty())
        return 0.0;
    return NumberText::toNumber(leading);
}
