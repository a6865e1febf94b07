// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/pastedtext.h"

#include "common/numbertext.h"
#include "entry/coordinatetext.h"

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

struct Field
{
    const char *name;
    const Corner *corner;
    Axis axis;
    bool decimal;
    const char *description;
};

const Field Fields[] = {
    {"txtLat1", &Start, Axis::Latitude, true, "the start latitude"},
    {"txtLatD1", &Start, Axis::Latitude, false, "the degrees of the start latitude"},
    {"txtLatM1", &Start, Axis::Latitude, false, "the minutes of the start latitude"},
    {"txtLatS1", &Start, Axis::Latitude, false, "the seconds of the start latitude"},
    {"txtLon1", &Start, Axis::Longitude, true, "the start longitude"},
    {"txtLonD1", &Start, Axis::Longitude, false, "the degrees of the start longitude"},
    {"txtLonM1", &Start, Axis::Longitude, false, "the minutes of the start longitude"},
    {"txtLonS1", &Start, Axis::Longitude, false, "the seconds of the start longitude"},
    {"txtLat2", &End, Axis::Latitude, true, "the end latitude"},
    {"txtLatD2", &End, Axis::Latitude, false, "the degrees of the end latitude"},
    {"txtLatM2", &End, Axis::Latitude, false, "the minutes of the end latitude"},
    {"txtLatS2", &End, Axis::Latitude, false, "the seconds of the end latitude"},
    {"txtLon2", &End, Axis::Longitude, true, "the end longitude"},
    {"txtLonD2", &End, Axis::Longitude, false, "the degrees of the end longitude"},
    {"txtLonM2", &End, Axis::Longitude, false, "the minutes of the end longitude"},
    {"txtLonS2", &End, Axis::Longitude, false, "the seconds of the end longitude"},
    {"txtEMRLAT01", &Centre, Axis::Latitude, true, "the center latitude"},
    {"txtEMRLON01", &Centre, Axis::Longitude, true, "the center longitude"},
};

struct IndexField
{
    const char *name;
    const char *description;
};

const IndexField IndexFields[] = {
    {"TextIndexiStart", "the start index I"},
    {"TextIndexiEnd", "the end index I"},
    {"TextIndexjStart", "the start index J"},
    {"TextIndexjEnd", "the end index J"},
};

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

// Decimal degrees as typing gives them; a value given in minutes or seconds
// as leaving a degree, minute or second field writes it.
Write writeOf(const Place &place, const Coordinate &value)
{
    const double magnitude = std::fabs(value.degrees);
    Write write;
    write.decimalField = QLatin1String(place.decimalField);
    write.magnitude = value.sexagesimal ? NumberText::fixed6(magnitude) : NumberText::plain(magnitude);
    write.hemisphereList = QLatin1String(place.hemisphereList);
    write.letter = QLatin1String(value.degrees < 0 ? place.negative : place.positive);
    return write;
}

Outcome hint(const char *description, const char *what)
{
    Outcome outcome;
    outcome.hint = QStringLiteral("The pasted text %1 for %2.").arg(QLatin1String(what), QLatin1String(description));
    return outcome;
}

Outcome coordinatePaste(const Field &field, const QString &text)
{
    // A number is what a degree, minute or second field takes: typed, it
    // would arrive the same.
    if (!field.decimal && NumberText::isNumeric(text))
        return {};
    const auto notRead = [&field] { return hint(field.description, "was not read as a coordinate"); };
    const std::optional<CoordinateText::Reading> reading = CoordinateText::read(text);
    if (!reading)
        return notRead();

    Outcome outcome;
    if (reading->isPair) {
        outcome.writes << writeOf(field.corner->latitude, reading->latitude)
                       << writeOf(field.corner->longitude, reading->longitude);
        return outcome;
    }

    const Coordinate &value = reading->single;
    if (value.axis != Axis::Unknown && value.axis != field.axis)
        return notRead();
    if (std::fabs(value.degrees) > limitOf(field.axis))
        return notRead();
    // So is an unsigned number in a decimal field.
    if (value.plain && !value.sign)
        return outcome;
    const Place &place = field.axis == Axis::Latitude ? field.corner->latitude : field.corner->longitude;
    outcome.writes << writeOf(place, value);
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
        if (field != QLatin1String(index.name))
            continue;
        static const QRegularExpression wholeNumber(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
        if (wholeNumber.match(text).hasMatch())
            return {};
        return hint(index.description, "is not a whole number");
    }
    return {};
}

} // namespace PastedText
