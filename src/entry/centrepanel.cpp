// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/centrepanel.h"

#include "common/fieldvalue.h"
#include "common/numbertext.h"
#include "entry/entryeventfilter.h"
#include "entry/entrypaste.h"
#include "entry/entrywidgets.h"
#include "entry/keyfilters.h"
#include "ui/userpick.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {

constexpr qint16 EnterCode = 13;
constexpr qint16 MinusCode = 45;

} // namespace

CentrePanel::CentrePanel(QWidget *parent)
    : QGroupBox(parent)
{
    using namespace EntryWidgets;
    setObjectName(QStringLiteral("RangeD"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(Label55 = label(this, "Label55", tr("Center coordinates (degrees):")), 0, 0, 1, 3);
    grid->addWidget(Label54 = label(this, "Label54", tr("Latitude:")), 1, 0);
    grid->addWidget(txtEMRLAT01 = field(this, "txtEMRLAT01"), 1, 1);
    grid->addWidget(cboEMRLAT01 = hemisphere(this, "cboEMRLAT01"), 1, 2);
    grid->addWidget(Label53 = label(this, "Label53", tr("Longitude:")), 2, 0);
    grid->addWidget(txtEMRLON01 = field(this, "txtEMRLON01"), 2, 1);
    grid->addWidget(cboEMRLON01 = hemisphere(this, "cboEMRLON01"), 2, 2);
    grid->addWidget(Label50 = label(this, "Label50", tr("Radius (km):")), 3, 0);
    grid->addWidget(txtRadius1 = field(this, "txtRadius1"), 3, 1);
    grid->setColumnStretch(3, 1);

    m_filter = std::make_unique<EntryEventFilter>(EntryEventFilter::Handlers{
        [this](const QObject *control, qint16 &KeyAscii) { return keyPress(control, KeyAscii); },
        [](const QObject *, qsizetype, qsizetype) { return false; }, [](const QObject *) { return false; },
        [](const QObject *) {}});
    for (QWidget *control : {static_cast<QWidget *>(txtEMRLAT01), static_cast<QWidget *>(cboEMRLAT01),
                             static_cast<QWidget *>(txtEMRLON01), static_cast<QWidget *>(txtRadius1)})
        control->installEventFilter(m_filter.get());

    m_paste = std::make_unique<EntryPaste>(
        QList<QWidget *>{txtEMRLAT01, cboEMRLAT01, txtEMRLON01, cboEMRLON01, txtRadius1}, [](const QObject *) {});
    m_paste->watch(txtEMRLAT01);
    m_paste->watch(txtEMRLON01);

    const auto changed = [this] { emit valuesChanged(values()); };
    for (QLineEdit *field : {txtEMRLAT01, txtEMRLON01, txtRadius1})
        connect(field, &QLineEdit::textChanged, this, changed);
    for (QComboBox *list : {cboEMRLAT01, cboEMRLON01})
        connect(list, &QComboBox::currentIndexChanged, this, changed);
}

CentrePanel::~CentrePanel() = default;

CentrePanel::Values CentrePanel::values() const
{
    const std::optional<double> radius = NumberText::toNumber(txtRadius1->text());
    return {FieldValue::coordinate(txtEMRLAT01->text(), cboEMRLAT01->currentText(), QLatin1String("S")),
            FieldValue::coordinate(txtEMRLON01->text(), cboEMRLON01->currentText(), QLatin1String("W")),
            radius && std::isfinite(*radius) ? radius : std::nullopt};
}

void CentrePanel::enter(double latitude, double longitude, double radiusKm)
{
    ui::pickAsUser(cboEMRLAT01, latitude < 0 ? 1 : 0);
    txtEMRLAT01->setText(NumberText::fixed6(std::abs(latitude)));
    ui::pickAsUser(cboEMRLON01, longitude < 0 ? 1 : 0);
    txtEMRLON01->setText(NumberText::fixed6(std::abs(longitude)));
    txtRadius1->setText(NumberText::plain(radiusKm));
}

bool CentrePanel::keyPress(const QObject *control, qint16 &KeyAscii)
{
    if (control == txtEMRLAT01)
        txtEMRLAT01_KeyPress(KeyAscii);
    else if (control == txtEMRLON01)
        txtEMRLON01_KeyPress(KeyAscii);
    else if (control == txtRadius1)
        txtRadius1_KeyPress(KeyAscii);
    else if (control == cboEMRLAT01)
        cboEMRLAT01_KeyPress(KeyAscii);
    else
        return false;
    return true;
}

void CentrePanel::txtEMRLAT01_KeyPress(qint16 &KeyAscii)
{
    EntryWidgets::decimalKey(KeyAscii, txtEMRLAT01, cboEMRLAT01, true, EntryWidgets::OnEnter::Stays);
}

void CentrePanel::txtEMRLON01_KeyPress(qint16 &KeyAscii)
{
    EntryWidgets::decimalKey(KeyAscii, txtEMRLON01, cboEMRLON01, false);
}

void CentrePanel::txtRadius1_KeyPress(qint16 &KeyAscii)
{
    FilterDecimalKey(KeyAscii);
    FilterSecondPoint(KeyAscii, txtRadius1->text());
    // A radius has no sign: minus only moves on, as Enter does.
    if (KeyAscii == EnterCode || KeyAscii == MinusCode) {
        KeyAscii = 0;
        EntryWidgets::moveOn(this);
    }
}

void CentrePanel::cboEMRLAT01_KeyPress(qint16 &KeyAscii)
{
    FilterDecimalKey(KeyAscii);
    if (KeyAscii == EnterCode) {
        KeyAscii = 0;
        EntryWidgets::moveOn(this);
    } else if (KeyAscii == MinusCode) {
        EntryWidgets::flip(cboEMRLAT01, true);
        EntryWidgets::moveOn(this);
        KeyAscii = 0;
    }
}
