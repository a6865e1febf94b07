// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/controlfilewriter.h"

#include "common/fieldvalue.h"
#include "common/longituderange.h"
#include "common/numbertext.h"
#include "common/safefilewrite.h"
#include "core/mainwindowform.h"
#include "core/windowcontext.h"
#include "ui/messages.h"
#include "ui/picklist.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <cmath>

namespace {

const QString ErrorTitle = QStringLiteral("Error");

} // namespace

ControlFileWriter::ControlFileWriter(WindowContext &context)
    : m_context(context)
{
}

bool ControlFileWriter::WriteControlFile()
{
    const std::optional<QStringList> lines = CheckedControlFileLines();
    if (!lines)
        return false;
    const QByteArray bytes = ControlFileBytes(*lines);
    // All or nothing: a failed write keeps the earlier control file.
    const QString path = QDir::current().filePath(QStringLiteral("quorvantix.inp"));
    if (const std::optional<QString> reason = SafeFileWrite::replaceFile(path, bytes)) {
        refuse(QStringLiteral("Unable to write the control file %1: %2").arg(QDir::toNativeSeparators(path), *reason));
        return false;
    }
    return true;
}

std::optional<QStringList> ControlFileWriter::CheckedControlFileLines()
{
    const QString region = m_context.state.SelectedDomain;
    // Every domain entry ends with its four-digit year.
    const QString year = m_context.form.DomainsAvailableBox->chosenText().right(4);

    LimitArray limits{};
    switch (m_context.state.SelectionMethod) {
    case CoordinateMethod::Indices:
        if (CheckIndexEntries())
            return std::nullopt;
        ReadIndexLimits(limits);
        break;
    case CoordinateMethod::CentreRadius:
        if (CheckCentreEntries())
            return std::nullopt;
        ReadCentreAndRadius(limits);
        break;
    case CoordinateMethod::LatLonBox:
        if (CheckLatLonEntries())
            return std::nullopt;
        ReadLatLonLimits(limits);
        break;
    case CoordinateMethod::None:
        refuse(QStringLiteral("Please select the type of coordinates first."));
        return std::nullopt;
    }
    return ControlFileLines(region, year, m_context.state.SelectionMethod, limits);
}

bool ControlFileWriter::CheckIndexEntries()
{
    const MainWindowForm &f = m_context.form;
    const QLineEdit *const fields[] = {f.TextIndexiStart, f.TextIndexiEnd, f.TextIndexjStart, f.TextIndexjEnd};
    for (const QLineEdit *field : fields) {
        if (field->text().isEmpty())
            return refuse(QStringLiteral("Please provide starting and ending indices."));
    }
    // A fraction is refused, not rounded: the map draws the range the text shows.
    for (const QLineEdit *field : fields) {
        if (!FieldValue::index(field->text())) {
            return refuse(
                QStringLiteral("The index \"%1\" is not a whole number between -32768 and 32767.").arg(field->text()));
        }
    }
    const qint16 iStart = *FieldValue::index(f.TextIndexiStart->text());
    const qint16 iEnd = *FieldValue::index(f.TextIndexiEnd->text());
    const qint16 jStart = *FieldValue::index(f.TextIndexjStart->text());
    const qint16 jEnd = *FieldValue::index(f.TextIndexjEnd->text());
    if (iStart >= iEnd || jStart >= jEnd)
        return refuse(QStringLiteral("Starting indices for i and j must smaller than ending indices"));
    return false;
}

bool ControlFileWriter::CheckLatLonEntries()
{
    const MainWindowForm &f = m_context.form;
    const auto anyEmpty = [](std::initializer_list<QString> texts) {
        return std::any_of(texts.begin(), texts.end(), [](const QString &text) { return text.isEmpty(); });
    };
    if (anyEmpty({f.txtLat1->text(), f.txtLon1->text(), f.cboLatLL1->currentText(), f.cboLonLL1->currentText()}))
        return refuse(QStringLiteral("Please provide all the requested latitudes/longitudes ."));
    if (anyEmpty({f.txtLat2->text(), f.txtLon2->text(), f.cboLatLL2->currentText(), f.cboLonLL2->currentText()}))
        return refuse(QStringLiteral("Please provide all the requested latitudes/longitudes."));
    for (const QLineEdit *field : {f.txtLat1, f.txtLon1, f.txtLat2, f.txtLon2}) {
        if (!NumberText::toNumber(field->text()))
            return refuse(QStringLiteral("The latitude or longitude \"%1\" is not a number.").arg(field->text()));
    }
    return false;
}

bool ControlFileWriter::CheckCentreEntries()
{
    const MainWindowForm &f = m_context.form;
    if (f.txtRadius1->text().isEmpty() || f.txtEMRLON01->text().isEmpty() || f.txtEMRLAT01->text().isEmpty())
        return refuse(QStringLiteral("Please provide radius and origin coordinnates of the domain."));
    if (!NumberText::toNumber(f.txtRadius1->text()))
        return refuse(QStringLiteral("The radius \"%1\" is not a number.").arg(f.txtRadius1->text()));
    for (const QLineEdit *field : {f.txtEMRLON01, f.txtEMRLAT01}) {
        if (!NumberText::toNumber(field->text()))
            return refuse(QStringLiteral("The center coordinate \"%1\" is not a number.").arg(field->text()));
    }
    return false;
}

void ControlFileWriter::ReadIndexLimits(LimitArray &limits) const
{
    const MainWindowForm &f = m_context.form;
    const double iStart = FieldValue::index(f.TextIndexiStart->text()).value_or(0);
    const double iEnd = FieldValue::index(f.TextIndexiEnd->text()).value_or(0);
    const double jStart = FieldValue::index(f.TextIndexjStart->text()).value_or(0);
    const double jEnd = FieldValue::index(f.TextIndexjEnd->text()).value_or(0);
    limits[1] = MinOf(iStart, iEnd);
    limits[2] = MaxOf(iStart, iEnd);
    limits[3] = MinOf(jStart, jEnd);
    limits[4] = MaxOf(jStart, jEnd);
}

void ControlFileWriter::ReadLatLonLimits(LimitArray &limits) const
{
    const MainWindowForm &f = m_context.form;
    const double lat1 = signedValue(f.txtLat1, f.cboLatLL1, "S");
    const double lat2 = signedValue(f.txtLat2, f.cboLatLL2, "S");
    const double lon1 = signedValue(f.txtLon1, f.cboLonLL1, "W");
    const double lon2 = signedValue(f.txtLon2, f.cboLonLL2, "W");
    limits[1] = MinOf(lat1, lat2);
    limits[2] = MaxOf(lat1, lat2);
    limits[3] = MinOf(lon1, lon2);
    limits[4] = MaxOf(lon1, lon2);
    // The box runs the way round the map draws it in the selected domain: a
    // box across the 180th meridian goes out western corner first, so that
    // its "from" is the greater longitude (175,-175 is 10 degrees wide).
    const QStringList &domain = m_context.state.DomainLimits;
    const std::optional<double> lonFrom = NumberText::toNumber(domain.value(6));
    const std::optional<double> lonTo = NumberText::toNumber(domain.value(7));
    if (lonFrom && lonTo && std::isfinite(*lonFrom) && std::isfinite(*lonTo)) {
        const Longitude::Ends ends = Longitude::boxEnds(lon1, lon2, Longitude::middleOf(*lonFrom, *lonTo));
        limits[3] = ends.from;
        limits[4] = ends.to;
    }
}

void ControlFileWriter::ReadCentreAndRadius(LimitArray &limits) const
{
    const MainWindowForm &f = m_context.form;
    limits[3] = NumberText::toNumber(f.txtRadius1->text()).value_or(0.0);
    limits[1] = signedValue(f.txtEMRLAT01, f.cboEMRLAT01, "S");
    limits[2] = signedValue(f.txtEMRLON01, f.cboEMRLON01, "W");
}

bool ControlFileWriter::refuse(const QString &message)
{
    m_context.services.messages->critical(message, ErrorTitle);
    return true;
}

// The entry's value, negated when its hemisphere list shows exactly `negative`.
double ControlFileWriter::signedValue(const QLineEdit *field, const QComboBox *hemisphere, const char *negative)
{
    return FieldValue::coordinate(field->text(), hemisphere->currentText(), QLatin1String(negative)).value_or(0.0);
}
