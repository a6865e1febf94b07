#include "entry/entrykeys.h"

#include "entry/keyfilters.h"
#include "ui/controls.h"

#include <QHash>

namespace {

constexpr qint16 EnterCode = 13;
constexpr qint16 MinusCode = 45;

using Handler = void (EntryKeys::*)(qint16 &);

const QHash<QString, Handler> &handlers()
{
    static const QHash<QString, Handler> table = {
        {QStringLiteral("txtLat1"), &EntryKeys::txtLat1_KeyPress},
        {QStringLiteral("txtLat2"), &EntryKeys::txtLat2_KeyPress},
        {QStringLiteral("txtLon1"), &EntryKeys::txtLon1_KeyPress},
        {QStringLiteral("txtLon2"), &EntryKeys::txtLon2_KeyPress},
        {QStringLiteral("txtEMRLAT01"), &EntryKeys::txtEMRLAT01_KeyPress},
        {QStringLiteral("txtEMRLON01"), &EntryKeys::txtEMRLON01_KeyPress},
        {QStringLiteral("txtRadius1"), &EntryKeys::txtRadius1_KeyPress},
        {QStringLiteral("cboEMRLAT01"), &EntryKeys::cboEMRLAT01_KeyPress},
        {QStringLiteral("txtLatS1"), &EntryKeys::txtLatS1_KeyPress},
        {QStringLiteral("txtLatS2"), &EntryKeys::txtLatS2_KeyPress},
        {QStringLiteral("txtLonS1"), &EntryKeys::txtLonS1_KeyPress},
        {QStringLiteral("txtLonS2"), &EntryKeys::txtLonS2_KeyPress},
        {QStringLiteral("txtLatD1"), &EntryKeys::txtLatD1_KeyPress},
        {QStringLiteral("txtLatM1"), &EntryKeys::txtLatM1_KeyPress},
        {QStringLiteral("txtLatD2"), &EntryKeys::txtLatD2_KeyPress},
        {QStringLiteral("txtLatM2"), &EntryKeys::txtLatM2_KeyPress},
        {QStringLiteral("txtLonD1"), &EntryKeys::txtLonD1_KeyPress},
        {QStringLiteral("txtLonM1"), &EntryKeys::txtLonM1_KeyPress},
        {QStringLiteral("txtLonD2"), &EntryKeys::txtLonD2_KeyPress},
        {QStringLiteral("txtLonM2"), &EntryKeys::txtLonM2_KeyPress},
        {QStringLiteral("TextIndexiStart"), &EntryKeys::TextIndexiStart_KeyPress},
        {QStringLiteral("TextIndexjStart"), &EntryKeys::TextIndexjStart_KeyPress},
        {QStringLiteral("TextIndexiEnd"), &EntryKeys::TextIndexiEnd_KeyPress},
        {QStringLiteral("TextIndexjEnd"), &EntryKeys::TextIndexjEnd_KeyPress},
    };
    return table;
}

} // namespace

EntryKeys::EntryKeys(const ui::Controls &controls, std::function<void()> moveOn)
    : m_controls(controls)
    , m_moveOn(std::move(moveOn))
{
}

bool EntryKeys::KeyPress(const QString &control, qint16 &KeyAscii)
{
    const Handler handler = handlers().value(control);
    if (!handler)
        return false;
    (this->*handler)(KeyAscii);
    return true;
}

bool EntryKeys::hasKeyHandler(const QString &control)
{
    return handlers().contains(control);
}

int EntryKeys::typingLimit(const QString &control)
{
    static const QHash<QString, int> limits = {
        {QStringLiteral("txtLatD1"), 2}, {QStringLiteral("txtLatM1"), 2}, {QStringLiteral("txtLatS1"), 5},
        {QStringLiteral("txtLatD2"), 2}, {QStringLiteral("txtLatM2"), 2}, {QStringLiteral("txtLatS2"), 5},
    };
    return limits.value(control, 0);
}

bool EntryKeys::exceedsTypingLimit(int limit, qsizetype textLength, qsizetype selectedLength)
{
    return limit > 0 && textLength - selectedLength + 1 > limit;
}

void EntryKeys::decimalField(qint16 &KeyAscii, const QString &field, const QString &hemisphere,
                             Hemisphere kind, OnEnter enter)
{
    FilterDecimalKey(KeyAscii);
    FilterSecondPoint(KeyAscii, m_controls.text(field));
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

void EntryKeys::secondsField(qint16 &KeyAscii, const QString &field)
{
    FilterDecimalKey(KeyAscii);
    FilterSecondPoint(KeyAscii, m_controls.text(field));
}

void EntryKeys::flip(const QString &hemisphere, Hemisphere kind)
{
    const QString text = m_controls.text(hemisphere);
    const QString flipped = FlipHemisphere(text, kind == Hemisphere::Latitude);
    if (flipped != text)
        m_controls.setText(hemisphere, flipped);
}

void EntryKeys::txtLat1_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, QStringLiteral("txtLat1"), QStringLiteral("cboLatLL1"), Hemisphere::Latitude);
}

void EntryKeys::txtLat2_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, QStringLiteral("txtLat2"), QStringLiteral("cboLatLL2"), Hemisphere::Latitude);
}

void EntryKeys::txtLon1_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, QStringLiteral("txtLon1"), QStringLiteral("cboLonLL1"), Hemisphere::Longitude);
}

void EntryKeys::txtLon2_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, QStringLiteral("txtLon2"), QStringLiteral("cboLonLL2"), Hemisphere::Longitude);
}

void EntryKeys::txtEMRLAT01_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, QStringLiteral("txtEMRLAT01"), QStringLiteral("cboEMRLAT01"), Hemisphere::Latitude,
                 OnEnter::Stays);
}

void EntryKeys::txtEMRLON01_KeyPress(qint16 &KeyAscii)
{
    decimalField(KeyAscii, QStringLiteral("txtEMRLON01"), QStringLiteral("cboEMRLON01"), Hemisphere::Longitude);
}

void EntryKeys::txtRadius1_KeyPress(qint16 &KeyAscii)
{
    FilterDecimalKey(KeyAscii);
    FilterSecondPoint(KeyAscii, m_controls.text(QStringLiteral("txtRadius1")));
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
        flip(QStringLiteral("cboEMRLAT01"), Hemisphere::Latitude);
        m_moveOn();
        KeyAscii = 0;
    }
}

void EntryKeys::txtLatS1_KeyPress(qint16 &KeyAscii) { secondsField(KeyAscii, QStringLiteral("txtLatS1")); }
void EntryKeys::txtLatS2_KeyPress(qint16 &KeyAscii) { secondsField(KeyAscii, QStringLiteral("txtLatS2")); }
void EntryKeys::txtLonS1_KeyPress(qint16 &KeyAscii) { secondsField(KeyAscii, QStringLiteral("txtLonS1")); }
void EntryKeys::txtLonS2_KeyPress(qint16 &KeyAscii) { secondsField(KeyAscii, QStringLiteral("txtLonS2")); }

void EntryKeys::txtLatD1_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
void EntryKeys::txtLatM1_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
void EntryKeys::txtLatD2_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
void EntryKeys::txtLatM2_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
void EntryKeys::txtLonD1_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
void EntryKeys::txtLonM1_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
void EntryKeys::txtLonD2_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
void EntryKeys::txtLonM2_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }

void EntryKeys::TextIndexiStart_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
void EntryKeys::TextIndexjStart_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
void EntryKeys::TextIndexiEnd_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
void EntryKeys::TextIndexjEnd_KeyPress(qint16 &KeyAscii) { FilterDigitKey(KeyAscii); }
