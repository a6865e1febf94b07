// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// What a paste into an entry field does, decided from the field's name and
// the pasted text alone.
namespace PastedText {

// A text written as the user would type it, in place of the paste: a
// coordinate's magnitude into its decimal field, or the whole value of a
// degree, minute, second or index field; the sign as the hemisphere list's
// letter.
struct Write
{
    QString field;
    QString text;
    // Empty for an index field.
    QString hemisphereList;
    // "N", "S", "E" or "W"; empty leaves the list as it is.
    QString letter;
};

struct Outcome
{
    // The writes that take the place of the paste; none when the text is
    // pasted as it is or refused.
    QList<Write> writes;
    // Nothing arrives: the text is a number the field does not take.
    bool refused = false;
    // A line shown beside the field when the text is refused, or pasted as it
    // is but not what the field takes; empty otherwise.
    QString hint;
};

// The six decimal fields and the twelve degree, minute and second fields.
bool takesCoordinates(const QString &field);
// The four index fields.
bool takesIndex(const QString &field);

// The outcome of pasting `text` into `field`:
// - a pair sets the latitude and longitude of the field's corner (or of the
//   centre);
// - one value with a hemisphere letter or degree marks, or a number in any
//   form the coordinate reader takes (signed, with an exponent, among
//   invisible marks), sets the field's own coordinate: its magnitude in the
//   decimal field, its sign in the list; a value of the other kind (latitude
//   or longitude) is pasted as it is with a hint, one beyond the field's
//   limit is refused with a hint;
// - a lone number in a degree, minute or second field is that field's whole
//   value, a signed degree setting the hemisphere; one that does not fit the
//   field (beyond the limit, minutes or seconds of 60 or more, a fraction of
//   a degree or minute) is refused with a hint;
// - digits with at most one point arrive in a decimal field as typing them
//   would bring them;
// - anything else is pasted as it is, with a hint naming the field.
// Index fields take digits as they are, a whole number in another form as
// digits, and refuse a fraction; any other text arrives as it is with a
// hint. Other fields take any text as it is.
Outcome paste(const QString &field, const QString &text);

} // namespace PastedText
