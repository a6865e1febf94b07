// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/keyfilters.h"

namespace {

constexpr qint16 Point = 46;

bool between(qint16 code, qint16 low, qint16 high)
{
    return code >= low && code <= high;
}

} // namespace

void FilterDecimalKey(qint16 &KeyAscii)
{
    // The upper bound is 127, not 255: the upper half of the character set passes.
    if (between(KeyAscii, 32, 44) || KeyAscii == 47 || between(KeyAscii, 58, 127))
        KeyAscii = 0;
}

void FilterDigitKey(qint16 &KeyAscii)
{
    if (between(KeyAscii, 32, 47) || between(KeyAscii, 58, 127))
        KeyAscii = 0;
}

void FilterSecondPoint(qint16 &KeyAscii, const QString &text)
{
    if (KeyAscii == Point && text.contains(u'.'))
        KeyAscii = 0;
}

QString FlipHemisphere(const QString &text, bool latitude)
{
    const QString first = latitude ? QStringLiteral("N") : QStringLiteral("W");
    const QString second = latitude ? QStringLiteral("S") : QStringLiteral("E");
    if (text == first)
        return second;
    if (text == second)
        return first;
    return text;
}
