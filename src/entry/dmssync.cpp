// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/dmssync.h"

#include "common/numbertext.h"
#include "core/mainwindowform.h"
#include "entry/dmsmath.h"

#include <QLineEdit>

struct DmsSync::Coordinate
{
    QLineEdit *decimal, *degrees, *minutes, *seconds;
    int limit;       // 90 for a latitude, 180 for a longitude
    int degreeChars; // characters of the degrees field that are read
    bool startPoint; // the start point's decimal value is limited to limit
};

namespace {

constexpr int MinuteChars = 2;
constexpr int LargestMinutes = 59;
constexpr double LargestSeconds = 59.99;

} // namespace

DmsSync::DmsSync(const MainWindowForm &f)
    : m_startLatitude{std::make_unique<Coordinate>(
        Coordinate{f.txtLat1, f.txtLatD1, f.txtLatM1, f.txtLatS1, 90, 2, true})}
    , m_startLongitude{std::make_unique<Coordinate>(
          Coordinate{f.txtLon1, f.txtLonD1, f.txtLonM1, f.txtLonS1, 180, 3, true})}
    , m_endLatitude{std::make_unique<Coordinate>(
          Coordinate{f.txtLat2, f.txtLatD2, f.txtLatM2, f.txtLatS2, 90, 2, false})}
    , m_endLongitude{std::make_unique<Coordinate>(
          Coordinate{f.txtLon2, f.txtLonD2, f.txtLonM2, f.txtLonS2, 180, 3, false})}
    , m_lostFocusHandlers{{f.txtLatD1, &DmsSync::txtLatD1_LostFocus}, {f.txtLatM1, &DmsSync::txtLatM1_LostFocus},
                          {f.txtLatS1, &DmsSync::txtLatS1_LostFocus}, {f.txtLonD1, &DmsSync::txtLonD1_LostFocus},
                          {f.txtLonM1, &DmsSync::txtLonM1_LostFocus}, {f.txtLonS1, &DmsSync::txtLonS1_LostFocus},
                          {f.txtLatD2, &DmsSync::txtLatD2_LostFocus}, {f.txtLatM2, &DmsSync::txtLatM2_LostFocus},
                          {f.txtLatS2, &DmsSync::txtLatS2_LostFocus}, {f.txtLonD2, &DmsSync::txtLonD2_LostFocus},
                          {f.txtLonM2, &DmsSync::txtLonM2_LostFocus}, {f.txtLonS2, &DmsSync::txtLonS2_LostFocus}}
{
}

DmsSync::~DmsSync() = default;

void DmsSync::txtLat1_Change()
{
    decimalChanged(*m_startLatitude);
}
void DmsSync::txtLon1_Change()
{
    decimalChanged(*m_startLongitude);
}
void DmsSync::txtLat2_Change()
{
    decimalChanged(*m_endLatitude);
}
void DmsSync::txtLon2_Change()
{
    decimalChanged(*m_endLongitude);
}

void DmsSync::txtLatD1_LostFocus()
{
    degreesLeft(*m_startLatitude);
}
void DmsSync::txtLatM1_LostFocus()
{
    minutesLeft(*m_startLatitude);
}
void DmsSync::txtLatS1_LostFocus()
{
    secondsLeft(*m_startLatitude);
}
void DmsSync::txtLonD1_LostFocus()
{
    degreesLeft(*m_startLongitude);
}
void DmsSync::txtLonM1_LostFocus()
{
    minutesLeft(*m_startLongitude);
}
void DmsSync::txtLonS1_LostFocus()
{
    secondsLeft(*m_startLongitude);
}
void DmsSync::txtLatD2_LostFocus()
{
    degreesLeft(*m_endLatitude);
}
void DmsSync::txtLatM2_LostFocus()
{
    minutesLeft(*m_endLatitude);
}
void DmsSync::txtLatS2_LostFocus()
{
    secondsLeft(*m_endLatitude);
}
void DmsSync::txtLonD2_LostFocus()
{
    degreesLeft(*m_endLongitude);
}
void DmsSync::txtLonM2_LostFocus()
{
    minutesLeft(*m_endLongitude);
}
void DmsSync::txtLonS2_LostFocus()
{
    secondsLeft(*m_endLongitude);
}

bool DmsSync::LostFocus(const QObject *control)
{
    const Handler handler = m_lostFocusHandlers.value(control);
    if (!handler)
        return false;
    (this->*handler)();
    return true;
}

bool DmsSync::hasLostFocusHandler(const QObject *control) const
{
    return m_lostFocusHandlers.contains(control);
}

void DmsSync::decimalChanged(const Coordinate &c)
{
    // A text that is no number (pasted letters) changes nothing.
    const std::optional<double> read = DecimalFieldValue(c.decimal->text());
    if (!read)
        return;
    double value = *read;
    if (c.startPoint && value >= c.limit) {
        value = c.limit;
        // Runs this handling once more, nested; its own rewrite then leaves
        // the text as it is and so ends the nesting.
        c.decimal->setText(NumberText::fixed6(c.limit));
    }
    const Dms dms = CarrySeconds(DecimalToDms(value), c.limit);
    c.degrees->setText(QString::number(dms.degrees));
    c.minutes->setText(QString::number(dms.minutes));
    c.seconds->setText(NumberText::fixed2(dms.seconds));
}

// The focus-loss handlers read all three fields of their coordinate afresh.
// When one of them does not read as a number (pasted letters, a lone "-" or
// "." in the seconds field), the handler leaves every text as it is, as the
// change handling does for a decimal text that is no number.

void DmsSync::degreesLeft(const Coordinate &c)
{
    std::optional<qint32> degrees = LeadingWhole(c.degrees->text(), c.degreeChars);
    const std::optional<qint32> minutes = LeadingWhole(c.minutes->text(), MinuteChars);
    const std::optional<double> seconds = LeadingSeconds(c.seconds->text());
    if (!degrees || !minutes || !seconds)
        return;
    if (*degrees > c.limit) {
        degrees = c.limit;
        c.degrees->setText(QString::number(c.limit));
    }
    writeDecimal(c, *degrees, *minutes, *seconds);
}

void DmsSync::minutesLeft(const Coordinate &c)
{
    const std::optional<qint32> degrees = LeadingWhole(c.degrees->text(), c.degreeChars);
    std::optional<qint32> minutes = LeadingWhole(c.minutes->text(), MinuteChars);
    const std::optional<double> seconds = LeadingSeconds(c.seconds->text());
    if (!degrees || !minutes || !seconds)
        return;
    if (*minutes > LargestMinutes) {
        minutes = LargestMinutes;
        c.minutes->setText(QString::number(LargestMinutes));
    }
    writeDecimal(c, *degrees, *minutes, *seconds);
}

void DmsSync::secondsLeft(const Coordinate &c)
{
    const std::optional<qint32> degrees = LeadingWhole(c.degrees->text(), c.degreeChars);
    const std::optional<qint32> minutes = LeadingWhole(c.minutes->text(), MinuteChars);
    if (!degrees || !minutes)
        return;
    double seconds = 0.0;
    if (*degrees == c.limit) {
        // No seconds beyond the pole or the 180th meridian; the minutes field
        // is not touched here.
        c.seconds->setText(NumberText::fixed2(0.0));
    } else {
        const std::optional<double> read = LeadingSeconds(c.seconds->text());
        if (!read)
            return;
        seconds = *read;
        if (seconds > LargestSeconds) {
            seconds = LargestSeconds;
            c.seconds->setText(NumberText::fixed2(LargestSeconds));
        }
    }
    writeDecimal(c, *degrees, *minutes, seconds);
}

void DmsSync::writeDecimal(const Coordinate &c, int degrees, int minutes, double seconds)
{
    // A change of the text runs the decimal field's handling, nested, which
    // carries minutes or seconds of 60 and more into the fields above them.
    c.decimal->setText(NumberText::fixed6(DmsToDecimal(degrees, minutes, seconds)));
}
