// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The character filters of the entry fields. A key reaches them as its code
// in the 8-bit character set (Backspace 8, Enter 13, minus 45, point 46,
// digits 48 to 57); a filter sets the code to 0 to swallow the key.

// Keeps control codes, the minus sign, the point, digits and codes above 127.
void FilterDecimalKey(qint16 &KeyAscii);
// Keeps control codes, digits and codes above 127.
void FilterDigitKey(qint16 &KeyAscii);
// Swallows a point when the field's text already holds one, wherever it is
// and whatever part of the text is selected.
void FilterSecondPoint(qint16 &KeyAscii, const QString &text);

// A hemisphere list's text after the minus key: "N" and "S" swap in a
// latitude list, "E" and "W" in a longitude list; any other text stays.
QString FlipHemisphere(const QString &text, bool latitude);
