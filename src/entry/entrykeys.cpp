// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entrykeys.h"

#include "core/mainwindowform.h"
#include "entry/keyfilters.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr qint16 EnterCode = 13;
constexpr qint16 MinusCode = 45;

} // namespace

EntryKeys::EntryKeys(const MainWindowForm &form, std::function<void()> moveOn)
    : m_form(form)
    , m_moveOn(std::move(moveOn))
    , m_handlers{{form.txtLat1, &EntryKeys::txtLat1_KeyPress},
                 {form.txtLat2, &EntryKeys::txtLat2_KeyPress},
                 {form.txtLon1, &EntryKeys::txtLon1_KeyPress},
                 {form.txtLon2, &EntryKeys::txtLon2_KeyPress},
                 {form.txtEMRLAT01, &EntryKeys::txtEMRLAT01_KeyPress},
                 {form.txtEMRLON01, &EntryKeys::txtEMRLON01_KeyPress},
                 {form.txtRadius1, &EntryKeys::txtRadius1_KeyPress},
                 {form.cboEMRLAT01, &EntryKeys::cboEMRLAT01_KeyPress},
                 {form.txtLatS1, &EntryKeys::txtLatS1_KeyPress},
                 {form.txtLatS2, &EntryKeys::txtLatS2_KeyPress},
                 {form.txtLonS1, &EntryKeys::txtLonS1_KeyPress},
                 {form.txtLonS2, &EntryKeys::txtLonS2_KeyPress},
                 {form.txtLatD1, &EntryKeys::txtLatD1_KeyPress},
                 {form.txtLatM1, &EntryKeys::txtLatM1_KeyPress},
                 {form.txtLatD2, &EntryKeys::txtLatD2_KeyPress},
                 {form.txtLatM2, &EntryKeys::txtLatM2_KeyPress},
                 {form.txtLonD1, &EntryKeys::txtLonD1_KeyPress},
                 {form.txtLonM1, &EntryKeys::txtLonM1_KeyPress},
                 {form.txtLonD2, &EntryKeys::txtLonD2_KeyPress},
                 {form.txtLonM2, &EntryKeys::txtLonM2_KeyPress},
                 {form.TextIndexiStart, &EntryKeys::TextIndexiStart_KeyPress},
                 {form.TextIndexjStart, &EntryKeys::TextIndexjStart_KeyPress},
                 {form.TextIndexiEnd, &EntryKeys::TextIndexiEnd_KeyPress},
                 {form.TextIndexjEnd, &EntryKeys::TextIndexjEnd_KeyPress}}
    , m_typingLimits{{form.txtLatD1, 2}, {form.txtLatM1, 2}, {form.txtLatS1, 5},
                     {form.txtLatD2, 2}, {form.txtLatM2, 2}, {form.txtLatS2, 5}}
{
}

bool EntryKeys::KeyPress(const QObject *control, qint16 &KeyAscii)
{
    const Handler handler = m_handlers.value(control);
    if (!handler)
        return false;
    (this->*handler)(KeyAscii);
    return true;
}

int EntryKeys::typingLimit(const QObject *control) const
{
    return m_typingLimits.value(control, 0);
}

bool EntryKeys::exceedsTypingLimit(int limit, qsizetype textLength, qsizetype selectedLength)
{
    return limit > 0 && textLength - selectedLength + 1 > limit;
}

void EntryKeys::decimalField(qint16 &KeyAscii, const QLineEdit *field, QComboBox *hemisphere, Hemisphere kind,
                             OnEnter enter)
{
    FilterDecimalKey(KeyAscii);
    FilterSecondPoint(KeyAscii, field->text());
    if (KeyAscii == EnterCode) {
        KeyAscii = 0;
        if (enter == OnEnter::MovesOn)
            m_moveOn();
    } else if (KeyAscii == MinusCode) {
        // The sign lives in the hemisphere list, never in the field.
        flip(hemisphere, kind);
        m_moveOn();
        KeyAscii = 0;
    }
}

void EntryKeys::secondsField(qint16 &KeyAscii, const QLineEdit *field)
{
    FilterDecimalKey(KeyAscii);
    FilterSecondPoint(KeyAscii, field->text());
}

void EntryKeys::flip(QComboBox *hemisphere, Hemisphere kind)
{
    const QString text = hemisphere->currentText();
    const QString flipped = FlipHemisphere(text, kind == Hemisphere::Latitude);
    if (flipped != text)
        hemisphere->setCurrentIndex(hemisphere->findText(flipped, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void EntryKeys::txtLat1_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, m_form.txtLat1, m_form.cboLatLL1, Hemisphere::Latitude);
}

void EntryKeys::txtLat2_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, m_form.txtLat2, m_form.cboLatLL2, Hemisphere::Latitude);
}

void EntryKeys::txtLon1_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, m_form.txtLon1, m_form.cboLonLL1, Hemisphere::Longitude);
}

void EntryKeys::txtLon2_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, m_form.txtLon2, m_form.cboLonLL2, Hemisphere::Longitude);
}

void EntryKeys::txtEMRLAT01_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, m_form.txtEMRLAT01, m_form.cboEMRLAT01, Hemisphere::Latitude, OnEnter::Stays);
}

void EntryKeys::txtEMRLON01_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, m_form.txtEMRLON01, m_form.cboEMRLON01, Hemisphere::Longitude);
}

void EntryKeys::txtRadius1_KeyPress(qint16 &KeyAscii)
{
    FilterDecimalKey(KeyAscii);
    FilterSecondPoint(KeyAscii, m_form.txtRadius1->text());
    // A radius has no sign: minus only moves on, as Enter does.
    if (KeyAscii == EnterCode || KeyAscii == MinusCode) {
        KeyAscii = 0;
        m_moveOn();
    }
}

void EntryKeys::cboEMRLAT01_KeyPress(qint16 &KeyAscii)
{
    FilterDecimalKey(KeyAscii);
    if (KeyAscii == EnterCode) {
        KeyAscii = 0;
        m_moveOn();
    } else if (KeyAscii == MinusCode) {
        flip(m_form.cboEMRLAT01, Hemisphere::Latitude);
        m_moveOn();
        KeyAscii = 0;
    }
}

void EntryKeys::txtLatS1_KeyPress(qint16 &KeyAscii)
{
    secondsField(KeyAscii, m_form.txtLatS1);
}
void EntryKeys::txtLatS2_KeyPress(qint16 &KeyAscii)
{
    secondsField(KeyAscii, m_form.txtLatS2);
}
void EntryKeys::txtLonS1_KeyPress(qint16 &KeyAscii)
{
    secondsField(KeyAscii, m_form.txtLonS1);
}
void EntryKeys::txtLonS2_KeyPress(qint16 &KeyAscii)
{
    secondsField(KeyAscii, m_form.txtLonS2);
}

void EntryKeys::txtLatD1_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
void EntryKeys::txtLatM1_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
void EntryKeys::txtLatD2_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
void EntryKeys::txtLatM2_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
void EntryKeys::txtLonD1_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
void EntryKeys::txtLonM1_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
void EntryKeys::txtLonD2_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
void EntryKeys::txtLonM2_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}

void EntryKeys::TextIndexiStart_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
void EntryKeys::TextIndexjStart_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
void EntryKeys::TextIndexiEnd_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
void EntryKeys::TextIndexjEnd_KeyPress(qint16 &KeyAscii)
{
    FilterDigitKey(KeyAscii);
}
