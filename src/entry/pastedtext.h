// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// What a paste into an entry field does, decided from the field's name and
// the pasted text alone.
namespace PastedText {

// One coordinate written as the user would type it: the magnitude into the
// decimal field, the sign as the hemisphere list's letter.
struct Write
{
    QString decimalField;
    QString magnitude;
    QString hemisphereList;
    // "N", "S", "E" or "W"; empty leaves the list as it is.
    QString letter;
};

struct Outcome
{
    // The writes that take the place of the paste; none when the text is
    // pasted as it is.
    QList<Write> writes;
    // A line shown beside the field when the text is pasted as it is but is
    // not what the field takes; empty otherwise.
    QString hint;
};

// The six decimal fields and the twelve degree, minute and second fields.
bool takesCoordinates(const QString &field);
// The four index fields.
bool takesIndex(const QString &field);

// The outcome of pasting `text` into `field`:
// - a pair sets the latitude and longitude of the field's corner (or of the
//   centre);
// - one value with a hemisphere letter or degree marks, or a signed number
//   pasted into a decimal field, sets the field's own coordinate, provided it
//   is of the field's kind (latitude or longitude) and within its limit;
// - an unsigned number is pasted as it is, as typing it would do;
// - anything else is pasted as it is, with a hint naming the field.
// Index fields take any text as it is, with a hint for one that is no whole
// number. Other fields take it as it is.
Outcome paste(const QString &field, const QString &text);

} // namespace PastedText
