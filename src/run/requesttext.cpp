// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/requesttext.h"

#include "common/fieldvalue.h"
#include "common/numbertext.h"

#include <QCoreApplication>

#include <cmath>

namespace RequestText {

namespace {

// A number in its plain decimal form; any other text as it is.
QString shortNumber(const QString &text)
{
    const std::optional<double> value = NumberText::toNumber(text);
    return value ? NumberText::plain(*value) : text;
}

QString entry(const TileRequest &request, int index)
{
    return request.entries.value(index);
}

// A coordinate entry and its list's letter as the control file reads them:
// the magnitude, and the letter of its sign. A negative text beside "N"
// stands for the south, so it is shown with "S". Any other text as it is.
QString coordinate(const QString &text, const QString &letter, const char *positive, const char *negative,
                   const QString &glue)
{
    const std::optional<double> value = FieldValue::coordinate(text, letter, QLatin1String(negative));
    if (!value)
        return text + glue + letter;
    QString shown = letter;
    if (std::signbit(*value))
        shown = QLatin1String(negative);
    else if (letter == QLatin1String(negative))
        shown = QLatin1String(positive);
    return NumberText::plain(std::fabs(*value)) + glue + shown;
}

// "45.5 N, 73.25 W" from the four entries at `first`, with `glue` between a
// value and its letter.
QString position(const TileRequest &request, int first, const QString &glue)
{
    return coordinate(entry(request, first), entry(request, first + 1), "N", "S", glue) + QStringLiteral(", ")
           + coordinate(entry(request, first + 2), entry(request, first + 3), "E", "W", glue);
}

QString methodCaption(CoordinateMethod method)
{
    switch (method) {
    case CoordinateMethod::LatLonBox:
        return QCoreApplication::translate("RequestText", "Geodetic (Latitude/Longitude)");
    case CoordinateMethod::Indices:
        return QCoreApplication::translate("RequestText", "Indices (i,j)");
    case CoordinateMethod::CentreRadius:
        return QCoreApplication::translate("RequestText", "Center (Latitude/Longitude) with radius");
    case CoordinateMethod::None:
        break;
    }
    return QString();
}

} // namespace

QString readable(const TileRequest &request, const QString &resolution, const QStringList &controlFileLines)
{
    QStringList lines;
    lines << QCoreApplication::translate("RequestText", "Country: ") + request.country;
    lines << QCoreApplication::translate("RequestText", "Domain %1, year %2, resolution %3 km")
                 .arg(request.region, request.year, resolution);
    lines << QCoreApplication::translate("RequestText", "Method: ") + methodCaption(request.selectionMethod);
    const QString blank = QStringLiteral(" ");
    switch (request.selectionMethod) {
    case CoordinateMethod::LatLonBox:
        lines << QCoreApplication::translate("RequestText", "Start: ") + position(request, 0, blank);
        lines << QCoreApplication::translate("RequestText", "End: ") + position(request, 4, blank);
        break;
    case CoordinateMethod::Indices:
        lines
            << QCoreApplication::translate("RequestText", "I from %1 to %2").arg(entry(request, 0), entry(request, 1));
        lines
            << QCoreApplication::translate("RequestText", "J from %1 to %2").arg(entry(request, 2), entry(request, 3));
        break;
    case CoordinateMethod::CentreRadius:
        lines << QCoreApplication::translate("RequestText", "Center: ") + position(request, 0, blank);
        lines << QCoreApplication::translate("RequestText", "Radius: %1 km").arg(shortNumber(entry(request, 4)));
        break;
    case CoordinateMethod::None:
        break;
    }
    lines << QString();
    lines << controlFileLines;
    return lines.join(u'\n') + u'\n';
}

QString shortName(const TileRequest &request)
{
    QString values;
    switch (request.selectionMethod) {
    case CoordinateMethod::LatLonBox:
        values = position(request, 0, QString()).replace(QLatin1String(", "), QLatin1String(" "))
                 + QCoreApplication::translate("RequestText", " to ")
                 + position(request, 4, QString()).replace(QLatin1String(", "), QLatin1String(" "));
        break;
    case CoordinateMethod::Indices:
        values = QCoreApplication::translate("RequestText", "I %1-%2, J %3-%4")
                     .arg(entry(request, 0), entry(request, 1), entry(request, 2), entry(request, 3));
        break;
    case CoordinateMethod::CentreRadius:
        values = position(request, 0, QString()).replace(QLatin1String(", "), QLatin1String(" ")) + QStringLiteral(", ")
                 + shortNumber(entry(request, 4)) + QCoreApplication::translate("RequestText", " km");
        break;
    case CoordinateMethod::None:
        break;
    }
    return QCoreApplication::translate("RequestText", "%1, domain %2, %3: %4")
        .arg(request.country, request.region, request.year, values);
}

} // namespace RequestText
