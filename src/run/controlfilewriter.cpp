#include "run/controlfilewriter.h"

#include "app/basmodule.h"
#include "app/windowcontext.h"
#include "common/numbertext.h"
#include "common/safefilewrite.h"
#include "ui/messages.h"

#include <QDir>

#include <algorithm>

namespace {

const QString ErrorTitle = QStringLiteral("Error");

} // namespace

ControlFileWriter::ControlFileWriter(WindowContext &context)
    : m_context(context)
{
}

bool ControlFileWriter::WriteControlFile()
{
    const QString region = m_context.state.SelectedDomain;
    // Every domain entry ends with its four-digit year.
    const QString year = text("DomainsAvailableBox").right(4);

    LimitArray limits{};
    switch (basModule::SelectionMethod) {
    case 2:
        if (CheckIndexEntries())
            return false;
        ReadIndexLimits(limits);
        break;
    case 3:
        if (CheckCentreEntries())
            return false;
        ReadCentreAndRadius(limits);
        break;
    case 1:
        if (CheckLatLonEntries())
            return false;
        ReadLatLonLimits(limits);
        break;
    default:
        refuse(QStringLiteral("Please select the type of coordinates first."));
        return false;
    }

    const QByteArray bytes =
        ControlFileBytes(ControlFileLines(region, year, basModule::SelectionMethod, limits));
    // All or nothing: a failed write keeps the earlier control file.
    const QString path = QDir::current().filePath(QStringLiteral("quorvantix.inp"));
    if (const std::optional<QString> reason = SafeFileWrite::replaceFile(path, bytes)) {
        refuse(QStringLiteral("Unable to write the control file %1: %2").arg(QDir::toNativeSeparators(path), *reason));
        return false;
    }
    return true;
}

bool ControlFileWriter::CheckIndexEntries()
{
    static const char *const fields[] = {"TextIndexiStart", "TextIndexiEnd", "TextIndexjStart", "TextIndexjEnd"};
    for (const char *field : fields) {
        if (text(field).isEmpty())
            return refuse(QStringLiteral("Please provide starting and ending indices."));
    }
    for (const char *field : fields) {
        if (!NumberText::toInt16(text(field))) {
            return refuse(QStringLiteral("The index \"%1\" is not a whole number between -32768 and 32767.")
                              .arg(text(field)));
        }
    }
    const qint16 iStart = *NumberText::toInt16(text("TextIndexiStart"));
    const qint16 iEnd = *NumberText::toInt16(text("TextIndexiEnd"));
    const qint16 jStart = *NumberText::toInt16(text("TextIndexjStart"));
    const qint16 jEnd = *NumberText::toInt16(text("TextIndexjEnd"));
    if (iStart >= iEnd || jStart >= jEnd)
        return refuse(QStringLiteral("Starting indices for i and j must smaller than ending indices"));
    return false;
}

bool ControlFileWriter::CheckLatLonEntries()
{
    const auto anyEmpty = [this](std::initializer_list<const char *> names) {
        return std::any_of(names.begin(), names.end(), [this](const char *name) { return text(name).isEmpty(); });
    };
    if (anyEmpty({"txtLat1", "txtLon1", "cboLatLL1", "cboLonLL1"}))
        return refuse(QStringLiteral("Please provide all the requested latitudes/longitudes ."));
    if (anyEmpty({"txtLat2", "txtLon2", "cboLatLL2", "cboLonLL2"}))
        return refuse(QStringLiteral("Please provide all the requested latitudes/longitudes."));
    for (const char *field : {"txtLat1", "txtLon1", "txtLat2", "txtLon2"}) {
        if (!NumberText::toNumber(text(field)))
            return refuse(QStringLiteral("The latitude or longitude \"%1\" is not a number.").arg(text(field)));
    }
    return false;
}

bool ControlFileWriter::CheckCentreEntries()
{
    if (text("txtRadius1").isEmpty() || text("txtEMRLON01").isEmpty() || text("txtEMRLAT01").isEmpty())
        return refuse(QStringLiteral("Please provide radius and origin coordinnates of the domain."));
    if (!NumberText::toNumber(text("txtRadius1")))
        return refuse(QStringLiteral("The radius \"%1\" is not a number.").arg(text("txtRadius1")));
    for (const char *field : {"txtEMRLON01", "txtEMRLAT01"}) {
        if (!NumberText::toNumber(text(field)))
            return refuse(QStringLiteral("The center coordinate \"%1\" is not a number.").arg(text(field)));
    }
    return false;
}

void ControlFileWriter::ReadIndexLimits(LimitArray &limits) const
{
    const double iStart = NumberText::toInt16(text("TextIndexiStart")).value_or(0);
    const double iEnd = NumberText::toInt16(text("TextIndexiEnd")).value_or(0);
    const double jStart = NumberText::toInt16(text("TextIndexjStart")).value_or(0);
    const double jEnd = NumberText::toInt16(text("TextIndexjEnd")).value_or(0);
    limits[1] = MinOf(iStart, iEnd);
    limits[2] = MaxOf(iStart, iEnd);
    limits[3] = MinOf(jStart, jEnd);
    limits[4] = MaxOf(jStart, jEnd);
}

void ControlFileWriter::ReadLatLonLimits(LimitArray &limits) const
{
    const double lat1 = signedValue("txtLat1", "cboLatLL1", "S");
    const double lat2 = signedValue("txtLat2", "cboLatLL2", "S");
    const double lon1 = signedValue("txtLon1", "cboLonLL1", "W");
    const double lon2 = signedValue("txtLon2", "cboLonLL2", "W");
    limits[1] = MinOf(lat1, lat2);
    limits[2] = MaxOf(lat1, lat2);
    limits[3] = MinOf(lon1, lon2);
    limits[4] = MaxOf(lon1, lon2);
}

void ControlFileWriter::ReadCentreAndRadius(LimitArray &limits) const
{
    limits[3] = NumberText::toNumber(text("txtRadius1")).value_or(0.0);
    limits[1] = signedValue("txtEMRLAT01", "cboEMRLAT01", "S");
    limits[2] = signedValue("txtEMRLON01", "cboEMRLON01", "W");
}

bool ControlFileWriter::refuse(const QString &message)
{
    m_context.services.messages->critical(message, ErrorTitle);
    return true;
}

QString ControlFileWriter::text(const char *name) const
{
    return m_context.controls.text(QLatin1String(name));
}

// The entry's value, negated when its hemisphere list shows exactly `negative`.
double ControlFileWriter::signedValue(const char *field, const char *hemisphere, const char *negative) const
{
    const double value = NumberText::toNumber(text(field)).value_or(0.0);
    return text(hemisphere) == QLatin1String(negative) ? -value : value;
}
