// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/pastedtext.h"

#include "common/numbertext.h"
#include "entry/coordinatetext.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace PastedText {

namespace {

using CoordinateText::Axis;
using CoordinateText::Coordinate;

struct Place
{
    const char *decimalField;
    const char *hemisphereList;
    Axis axis;
    const char *positive;
    const char *negative;
};

struct Corner
{
    Place latitude;
    Place longitude;
};

const Corner Start = {{"txtLat1", "cboLatLL1", Axis::Latitude, "N", "S"},
                      {"txtLon1", "cboLonLL1", Axis::Longitude, "E", "W"}};
const Corner End = {{"txtLat2", "cboLatLL2", Axis::Latitude, "N", "S"},
                    {"txtLon2", "cboLonLL2", Axis::Longitude, "E", "W"}};
const Corner Centre = {{"txtEMRLAT01", "cboEMRLAT01", Axis::Latitude, "N", "S"},
                       {"txtEMRLON01", "cboEMRLON01", Axis::Longitude, "E", "W"}};

// Which part of its coordinate a field holds.
enum class Part { Decimal, Degrees, Minutes, Seconds };

struct Field
{
    const char *name;
    const Corner *corner;
    Axis axis;
    Part part;
    const char *description;
};

const Field Fields[] = {
    {"txtLat1", &Start, Axis::Latitude, Part::Decimal, QT_TRANSLATE_NOOP("PastedText", "the start latitude")},
    {"txtLatD1", &Start, Axis::Latitude, Part::Degrees,
     QT_TRANSLATE_NOOP("PastedText", "the degrees of the start latitude")},
    {"txtLatM1", &Start, Axis::Latitude, Part::Minutes,
     QT_TRANSLATE_NOOP("PastedText", "the minutes of the start latitude")},
    {"txtLatS1", &Start, Axis::Latitude, Part::Seconds,
     QT_TRANSLATE_NOOP("PastedText", "the seconds of the start latitude")},
    {"txtLon1", &Start, Axis::Longitude, Part::Decimal, QT_TRANSLATE_NOOP("PastedText", "the start longitude")},
    {"txtLonD1", &Start, Axis::Longitude, Part::Degrees,
     QT_TRANSLATE_NOOP("PastedText", "the degrees of the start longitude")},
    {"txtLonM1", &Start, Axis::Longitude, Part::Minutes,
     QT_TRANSLATE_NOOP("PastedText", "the minutes of the start longitude")},
    {"txtLonS1", &Start, Axis::Longitude, Part::Seconds,
     QT_TRANSLATE_NOOP("PastedText", "the seconds of the start longitude")},
    {"txtLat2", &End, Axis::Latitude, Part::Decimal, QT_TRANSLATE_NOOP("PastedText", "the end latitude")},
    {"txtLatD2", &End, Axis::Latitude, Part::Degrees,
     QT_TRANSLATE_NOOP("PastedText", "the degrees of the end latitude")},
    {"txtLatM2", &End, Axis::Latitude, Part::Minutes,
     QT_TRANSLATE_NOOP("PastedText", "the minutes of the end latitude")},
    {"txtLatS2", &End, Axis::Latitude, Part::Seconds,
     QT_TRANSLATE_NOOP("PastedText", "the seconds of the end latitude")},
    {"txtLon2", &End, Axis::Longitude, Part::Decimal, QT_TRANSLATE_NOOP("PastedText", "the end longitude")},
    {"txtLonD2", &End, Axis::Longitude, Part::Degrees,
     QT_TRANSLATE_NOOP("PastedText", "the degrees of the end longitude")},
    {"txtLonM2", &End, Axis::Longitude, Part::Minutes,
     QT_TRANSLATE_NOOP("PastedText", "the minutes of the end longitude")},
    {"txtLonS2", &End, Axis::Longitude, Part::Seconds,
     QT_TRANSLATE_NOOP("PastedText", "the seconds of the end longitude")},
    {"txtEMRLAT01", &Centre, Axis::Latitude, Part::Decimal, QT_TRANSLATE_NOOP("PastedText", "the center latitude")},
    {"txtEMRLON01", &Centre, Axis::Longitude, Part::Decimal, QT_TRANSLATE_NOOP("PastedText", "the center longitude")},
};

struct IndexField
{
    const char *name;
    const char *description;
};

const IndexField IndexFields[] = {
    {"TextIndexiStart", QT_TRANSLATE_NOOP("PastedText", "the start index I")},
    {"TextIndexiEnd", QT_TRANSLATE_NOOP("PastedText", "the end index I")},
    {"TextIndexjStart", QT_TRANSLATE_NOOP("PastedText", "the start index J")},
    {"TextIndexjEnd", QT_TRANSLATE_NOOP("PastedText", "the end index J")},
};

const char *const NotRead = QT_TRANSLATE_NOOP("PastedText", "was not read as a coordinate");
const char *const OutOfRange = QT_TRANSLATE_NOOP("PastedText", "is out of range");
const char *const NotWhole = QT_TRANSLATE_NOOP("PastedText", "is not a whole number");

const Field *fieldNamed(const QString &name)
{
    for (const Field &field : Fields) {
        if (name == QLatin1String(field.name))
            return &field;
    }
    return nullptr;
}

double limitOf(Axis axis)
{
    return axis == Axis::Latitude ? 90.0 : 180.0;
}

const Place &placeOf(const Field &field)
{
    return field.axis == Axis::Latitude ? field.corner->latitude : field.corner->longitude;
}

QString letterOf(const Place &place, double degrees)
{
    return QLatin1String(std::signbit(degrees) ? place.negative : place.positive);
}

// Decimal degrees as typing gives them; a value given in minutes or seconds
// as leaving a degree, minute or second field writes it. A number without
// sign or letter leaves the list as typing it would, unless `withLetter`.
Write writeOf(const Place &place, const Coordinate &value, bool withLetter)
{
    const double magnitude = std::fabs(value.degrees);
    Write write;
    write.field = QLatin1String(place.decimalField);
    write.text = value.sexagesimal ? NumberText::fixed6(magnitude) : NumberText::plain(magnitude);
    write.hemisphereList = QLatin1String(place.hemisphereList);
    if (withLetter || !value.plain || value.sign)
        write.letter = letterOf(place, value.degrees);
    return write;
}

Outcome hint(const char *description, const char *what)
{
    Outcome outcome;
    outcome.hint = QCoreApplication::translate("PastedText", "The pasted text %1 for %2.")
                       .arg(QCoreApplication::translate("PastedText", what),
                            QCoreApplication::translate("PastedText", description));
    return outcome;
}

Outcome refusal(const char *description, const char *what)
{
    Outcome outcome = hint(description, what);
    outcome.refused = true;
    return outcome;
}

// What typing can bring into a decimal field: digits and one point.
bool typeable(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    return digits.match(text).hasMatch();
}

// A lone number in a degree, minute or second field is that field's whole
// value, written as the field shows it; the field's focus-loss handling then
// brings the decimal field into step. A sign belongs to the degrees.
Outcome partPaste(const Field &field, const Coordinate &value)
{
    const double magnitude = std::fabs(value.degrees);
    const Place &place = placeOf(field);
    Outcome outcome;
    Write write;
    write.field = QLatin1String(field.name);
    write.hemisphereList = QLatin1String(place.hemisphereList);
    if (field.part == Part::Degrees) {
        if (magnitude > limitOf(field.axis))
            return refusal(field.description, OutOfRange);
        if (std::trunc(magnitude) != magnitude)
            return refusal(field.description, NotWhole);
        write.text = NumberText::plain(magnitude);
        if (value.sign)
            write.letter = letterOf(place, value.degrees);
    } else {
        // Seconds as the field shows them, in hundredths.
        if (std::signbit(value.degrees) || std::round(magnitude * 100.0) >= 6000.0)
            return refusal(field.description, OutOfRange);
        if (field.part == Part::Minutes && std::trunc(magnitude) != magnitude)
            return refusal(field.description, NotWhole);
        write.text = field.part == Part::Minutes ? NumberText::plain(magnitude) : NumberText::fixed2(magnitude);
    }
    outcome.writes << write;
    return outcome;
}

Outcome coordinatePaste(const Field &field, const QString &text)
{
    const std::optional<CoordinateText::Reading> reading = CoordinateText::read(text);
    if (!reading) {
        // A number too large for any coordinate is refused, not pasted.
        if (CoordinateText::number(text))
            return refusal(field.description, OutOfRange);
        return hint(field.description, NotRead);
    }

    Outcome outcome;
    if (reading->isPair) {
        outcome.writes << writeOf(field.corner->latitude, reading->latitude, true)
                       << writeOf(field.corner->longitude, reading->longitude, true);
        return outcome;
    }

    const Coordinate &value = reading->single;
    if (field.part != Part::Decimal && value.plain)
        return partPaste(field, value);
    if (value.axis != Axis::Unknown && value.axis != field.axis)
        return hint(field.description, NotRead);
    if (std::fabs(value.degrees) > limitOf(field.axis))
        return refusal(field.description, OutOfRange);
    // Digits as typing would bring them arrive as they are.
    if (value.plain && !value.sign && typeable(text))
        return outcome;
    outcome.writes << writeOf(placeOf(field), value, false);
    return outcome;
}

// A whole number typed with digits arrives as it is; one in another form
// (an exponent, blanks, invisible marks) is written as digits; a fraction is
// refused, since an index is whole.
Outcome indexPaste(const IndexField &index, const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (digits.match(text).hasMatch())
        return {};
    const std::optional<double> number = CoordinateText::number(text);
    if (number && std::trunc(*number) != *number)
        return refusal(index.description, NotWhole);
    if (!number || *number < -32768.0 || *number > 32767.0)
        return hint(index.description, NotWhole);
    Outcome outcome;
    Write write;
    write.field = QLatin1String(index.name);
    write.text = NumberText::plain(*number);
    outcome.writes << write;
    return outcome;
}

} // namespace

bool takesCoordinates(const QString &field)
{
    return fieldNamed(field) != nullptr;
}

bool takesIndex(const QString &field)
{
    for (const IndexField &index : IndexFields) {
        if (field == QLatin1String(index.name))
            return true;
    }
    return false;
}

Outcome paste(const QString &field, const QString &text)
{
    if (const Field *coordinate = fieldNamed(field))
        return coordinatePaste(*coordinate, text);
    for (const IndexField &index : IndexFields) {
        if (field == QLatin1String(index.name))
            return indexPaste(index, text);
    }
    return {};
}

} // namespace PastedText
