// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>

#include <memory>

class QObject;
struct MainWindowForm;

// Keeps the two forms of the four box coordinates in step: a change of a
// decimal field rewrites its degree, minute and second fields; leaving one
// of those rewrites the decimal field from all three, whose change handling
// in turn normalises them. The texts of the fields are the whole state.
class DmsSync
{
public:
    explicit DmsSync(const MainWindowForm &form);
    ~DmsSync();

    // Run on every change of the decimal field's text, also inside a write
    // by the program.
    void txtLat1_Change();
    void txtLon1_Change();
    void txtLat2_Change();
    void txtLon2_Change();

    void txtLatD1_LostFocus();
    void txtLatM1_LostFocus();
    void txtLatS1_LostFocus();
    void txtLonD1_LostFocus();
    void txtLonM1_LostFocus();
    void txtLonS1_LostFocus();
    void txtLatD2_LostFocus();
    void txtLatM2_LostFocus();
    void txtLatS2_LostFocus();
    void txtLonD2_LostFocus();
    void txtLonM2_LostFocus();
    void txtLonS2_LostFocus();

    // Runs the focus-loss handler of the field; false when it has none.
    bool LostFocus(const QObject *control);
    bool hasLostFocusHandler(const QObject *control) const;

    struct Coordinate;

private:
    void decimalChanged(const Coordinate &c);
    void degreesLeft(const Coordinate &c);
    void minutesLeft(const Coordinate &c);
    void secondsLeft(const Coordinate &c);
    void writeDecimal(const Coordinate &c, int degrees, int minutes, double seconds);

    using Handler = void (DmsSync::*)();

    std::unique_ptr<Coordinate> m_startLatitude, m_startLongitude, m_endLatitude, m_endLongitude;
    QHash<const QObject *, Handler> m_lostFocusHandlers;
};
