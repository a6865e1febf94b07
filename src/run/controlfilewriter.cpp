// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/controlfilewriter.h"

#include "common/fieldvalue.h"
#include "common/longituderange.h"
#include "common/numbertext.h"
#include "common/safefilewrite.h"

#include <QDir>

#include <algorithm>
#include <cmath>

// The entries are read by their place in the request:
//   box:     lat1 hemisphere1 lon1 hemisphere1 lat2 hemisphere2 lon2 hemisphere2
//   indices: i start, i end, j start, j end
//   centre:  lat hemisphere lon hemisphere radius
namespace {

enum Box { Lat1, LatLL1, Lon1, LonLL1, Lat2, LatLL2, Lon2, LonLL2 };
enum Indices { IStart, IEnd, JStart, JEnd };
enum Centre { CentreLat, CentreLatLL, CentreLon, CentreLonLL, Radius };

ControlFileCheck refusal(const QString &message)
{
    return {{}, message};
}

} // namespace

ControlFileWriter::ControlFileWriter(TileRequest request, QStringList domainLimits)
    : m_request(std::move(request))
    , m_domainLimits(std::move(domainLimits))
{
}

ControlFileCheck ControlFileWriter::WriteControlFile(const QString &folder) const
{
    const ControlFileCheck checked = CheckedControlFileLines();
    if (checked.refused())
        return checked;
    const QString path = QDir(folder).filePath(QStringLiteral("quorvantix.inp"));
    if (const std::optional<QString> reason = SafeFileWrite::replaceFile(path, ControlFileBytes(checked.lines)))
        return refusal(tr("Unable to write the control file %1: %2").arg(QDir::toNativeSeparators(path), *reason));
    return checked;
}

ControlFileCheck ControlFileWriter::CheckedControlFileLines() const
{
    LimitArray limits{};
    std::optional<QString> refused;
    switch (m_request.selectionMethod) {
    case CoordinateMethod::Indices:
        if (!(refused = CheckIndexEntries()))
            ReadIndexLimits(limits);
        break;
    case CoordinateMethod::CentreRadius:
        if (!(refused = CheckCentreEntries()))
            ReadCentreAndRadius(limits);
        break;
    case CoordinateMethod::LatLonBox:
        if (!(refused = CheckLatLonEntries()))
            ReadLatLonLimits(limits);
        break;
    case CoordinateMethod::None:
        refused = tr("Please select the type of coordinates first.");
        break;
    }
    if (refused)
        return refusal(*refused);
    return {ControlFileLines(m_request.region, m_request.year, m_request.selectionMethod, limits), {}};
}

std::optional<QString> ControlFileWriter::CheckIndexEntries() const
{
    const qsizetype fields[] = {IStart, IEnd, JStart, JEnd};
    for (const qsizetype k : fields) {
        if (entry(k).isEmpty())
            return tr("Please provide starting and ending indices.");
    }
    // A fraction is refused, not rounded: the map draws the range the text shows.
    for (const qsizetype k : fields) {
        if (!FieldValue::index(entry(k)))
            return tr("The index \"%1\" is not a whole number between -32768 and 32767.").arg(entry(k));
    }
    if (*FieldValue::index(entry(IStart)) >= *FieldValue::index(entry(IEnd))
        || *FieldValue::index(entry(JStart)) >= *FieldValue::index(entry(JEnd)))
        return tr("Starting indices for i and j must smaller than ending indices");
    return std::nullopt;
}

std::optional<QString> ControlFileWriter::CheckLatLonEntries() const
{
    const auto anyEmpty = [this](std::initializer_list<qsizetype> fields) {
        return std::any_of(fields.begin(), fields.end(), [this](qsizetype k) { return entry(k).isEmpty(); });
    };
    if (anyEmpty({Lat1, Lon1, LatLL1, LonLL1}))
        return tr("Please provide all the requested latitudes/longitudes .");
    if (anyEmpty({Lat2, Lon2, LatLL2, LonLL2}))
        return tr("Please provide all the requested latitudes/longitudes.");
    for (const qsizetype k : {Lat1, Lon1, Lat2, Lon2}) {
        if (!NumberText::toNumber(entry(k)))
            return tr("The latitude or longitude \"%1\" is not a number.").arg(entry(k));
    }
    return std::nullopt;
}

std::optional<QString> ControlFileWriter::CheckCentreEntries() const
{
    if (entry(Radius).isEmpty() || entry(CentreLon).isEmpty() || entry(CentreLat).isEmpty())
        return tr("Please provide radius and origin coordinnates of the domain.");
    if (!NumberText::toNumber(entry(Radius)))
        return tr("The radius \"%1\" is not a number.").arg(entry(Radius));
    for (const qsizetype k : {CentreLon, CentreLat}) {
        if (!NumberText::toNumber(entry(k)))
            return tr("The center coordinate \"%1\" is not a number.").arg(entry(k));
    }
    return std::nullopt;
}

void ControlFileWriter::ReadIndexLimits(LimitArray &limits) const
{
    const double iStart = FieldValue::index(entry(IStart)).value_or(0);
    const double iEnd = FieldValue::index(entry(IEnd)).value_or(0);
    const double jStart = FieldValue::index(entry(JStart)).value_or(0);
    const double jEnd = FieldValue::index(entry(JEnd)).value_or(0);
    limits[1] = MinOf(iStart, iEnd);
    limits[2] = MaxOf(iStart, iEnd);
    limits[3] = MinOf(jStart, jEnd);
    limits[4] = MaxOf(jStart, jEnd);
}

void ControlFileWriter::ReadLatLonLimits(LimitArray &limits) const
{
    const double lat1 = signedValue(Lat1, LatLL1, "S");
    const double lat2 = signedValue(Lat2, LatLL2, "S");
    const double lon1 = signedValue(Lon1, LonLL1, "W");
    const double lon2 = signedValue(Lon2, LonLL2, "W");
    limits[1] = MinOf(lat1, lat2);
    limits[2] = MaxOf(lat1, lat2);
    limits[3] = MinOf(lon1, lon2);
    limits[4] = MaxOf(lon1, lon2);
    // The box runs the way round the map draws it in the selected domain: a
    // box across the 180th meridian goes out western corner first, so that
    // its "from" is the greater longitude (175,-175 is 10 degrees wide).
    const std::optional<double> lonFrom = NumberText::toNumber(m_domainLimits.value(6));
    const std::optional<double> lonTo = NumberText::toNumber(m_domainLimits.value(7));
    if (lonFrom && lonTo && std::isfinite(*lonFrom) && std::isfinite(*lonTo)) {
        const Longitude::Ends ends = Longitude::boxEnds(lon1, lon2, Longitude::middleOf(*lonFrom, *lonTo));
        limits[3] = ends.from;
        limits[4] = ends.to;
    }
}

void ControlFileWriter::ReadCentreAndRadius(LimitArray &limits) const
{
    limits[3] = NumberText::toNumber(entry(Radius)).value_or(0.0);
    limits[1] = signedValue(CentreLat, CentreLatLL, "S");
    limits[2] = signedValue(CentreLon, CentreLonLL, "W");
}

double ControlFileWriter::signedValue(qsizetype value, qsizetype hemisphere, const char *negative) const
{
    return FieldValue::coordinate(entry(value), entry(hemisphere), QLatin1String(negative)).value_or(0.0);
}
