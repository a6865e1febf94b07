// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QtGlobal>

#include <functional>

class QComboBox;
class QLineEdit;
class QObject;
struct MainWindowForm;

// The key handlers of the entry controls. Each takes the key's character
// code by reference and sets it to 0 to swallow the key; a code left as it
// was goes on to the control.
class EntryKeys
{
public:
    // moveOn queues the move to the next control in the tab order.
    EntryKeys(const MainWindowForm &form, std::function<void()> moveOn);

    // Runs the key handler of the control; false when the control has none
    // and its keys go to it unfiltered.
    bool KeyPress(const QObject *control, qint16 &KeyAscii);

    // The latitude degree, minute and second fields take at most 2, 2 and 5
    // typed characters; a program may write longer texts into them.
    int typingLimit(const QObject *control) const;
    // Whether typing one more character into a field holding textLength
    // characters, selectedLength of them selected (and so replaced), would
    // exceed its limit.
    static bool exceedsTypingLimit(int limit, qsizetype textLength, qsizetype selectedLength);

    void txtLat1_KeyPress(qint16 &KeyAscii);
    void txtLat2_KeyPress(qint16 &KeyAscii);
    void txtLon1_KeyPress(qint16 &KeyAscii);
    void txtLon2_KeyPress(qint16 &KeyAscii);
    void txtEMRLAT01_KeyPress(qint16 &KeyAscii);
    void txtEMRLON01_KeyPress(qint16 &KeyAscii);
    void txtRadius1_KeyPress(qint16 &KeyAscii);
    void cboEMRLAT01_KeyPress(qint16 &KeyAscii);

    void txtLatS1_KeyPress(qint16 &KeyAscii);
    void txtLatS2_KeyPress(qint16 &KeyAscii);
    void txtLonS1_KeyPress(qint16 &KeyAscii);
    void txtLonS2_KeyPress(qint16 &KeyAscii);

    void txtLatD1_KeyPress(qint16 &KeyAscii);
    void txtLatM1_KeyPress(qint16 &KeyAscii);
    void txtLatD2_KeyPress(qint16 &KeyAscii);
    void txtLatM2_KeyPress(qint16 &KeyAscii);
    void txtLonD1_KeyPress(qint16 &KeyAscii);
    void txtLonM1_KeyPress(qint16 &KeyAscii);
    void txtLonD2_KeyPress(qint16 &KeyAscii);
    void txtLonM2_KeyPress(qint16 &KeyAscii);

    void TextIndexiStart_KeyPress(qint16 &KeyAscii);
    void TextIndexjStart_KeyPress(qint16 &KeyAscii);
    void TextIndexiEnd_KeyPress(qint16 &KeyAscii);
    void TextIndexjEnd_KeyPress(qint16 &KeyAscii);

private:
    enum class OnEnter { MovesOn, Stays };
    enum class Hemisphere { Latitude, Longitude };

    // A decimal coordinate field: minus flips its hemisphere list and moves on.
    void decimalField(qint16 &KeyAscii, const QLineEdit *field, QComboBox *hemisphere, Hemisphere kind,
                      OnEnter enter = OnEnter::MovesOn);
    // A seconds field: a decimal number, minus typed as it is.
    void secondsField(qint16 &KeyAscii, const QLineEdit *field);
    void flip(QComboBox *hemisphere, Hemisphere kind);

    using Handler = void (EntryKeys::*)(qint16 &);

    const MainWindowForm &m_form;
    std::function<void()> m_moveOn;
    QHash<const QObject *, Handler> m_handlers;
    QHash<const QObject *, int> m_typingLimits;
};
