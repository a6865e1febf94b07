#include "entry/dmssync.h"

#include "common/numbertext.h"
#include "entry/dmsmath.h"
#include "ui/controls.h"

#include <QHash>

struct DmsSync::Coordinate
{
    QString decimal, degrees, minutes, seconds;
    int limit;         // 90 for a latitude, 180 for a longitude
    int degreeChars;   // characters of the degrees field that are read
    bool startPoint;   // the start point's decimal value is limited to limit
};

namespace {

using Coordinate = DmsSync::Coordinate;

const Coordinate StartLatitude{QStringLiteral("txtLat1"), QStringLiteral("txtLatD1"), QStringLiteral("txtLatM1"),
                               QStringLiteral("txtLatS1"), 90, 2, true};
const Coordinate StartLongitude{QStringLiteral("txtLon1"), QStringLiteral("txtLonD1"), QStringLiteral("txtLonM1"),
                                QStringLiteral("txtLonS1"), 180, 3, true};
const Coordinate EndLatitude{QStringLiteral("txtLat2"), QStringLiteral("txtLatD2"), QStringLiteral("txtLatM2"),
                             QStringLiteral("txtLatS2"), 90, 2, false};
const Coordinate EndLongitude{QStringLiteral("txtLon2"), QStringLiteral("txtLonD2"), QStringLiteral("txtLonM2"),
                              QStringLiteral("txtLonS2"), 180, 3, false};

constexpr int MinuteChars = 2;
constexpr int LargestMinutes = 59;
constexpr double LargestSeconds = 59.99;

using Handler = void (DmsSync::*)();

const QHash<QString, Handler> &lostFocusHandlers()
{
    static const QHash<QString, Handler> table = {
        {QStringLiteral("txtLatD1"), &DmsSync::txtLatD1_LostFocus},
        {QStringLiteral("txtLatM1"), &DmsSync::txtLatM1_LostFocus},
        {QStringLiteral("txtLatS1"), &DmsSync::txtLatS1_LostFocus},
        {QStringLiteral("txtLonD1"), &DmsSync::txtLonD1_LostFocus},
        {QStringLiteral("txtLonM1"), &DmsSync::txtLonM1_LostFocus},
        {QStringLiteral("txtLonS1"), &DmsSync::txtLonS1_LostFocus},
        {QStringLiteral("txtLatD2"), &DmsSync::txtLatD2_LostFocus},
        {QStringLiteral("txtLatM2"), &DmsSync::txtLatM2_LostFocus},
        {QStringLiteral("txtLatS2"), &DmsSync::txtLatS2_LostFocus},
        {QStringLiteral("txtLonD2"), &DmsSync::txtLonD2_LostFocus},
        {QStringLiteral("txtLonM2"), &DmsSync::txtLonM2_LostFocus},
        {QStringLiteral("txtLonS2"), &DmsSync::txtLonS2_LostFocus},
    };
    return table;
}

} // namespace

DmsSync::DmsSync(const ui::Controls &controls)
    : m_controls(controls)
{
}

void DmsSync::txtLat1_Change() { decimalChanged(StartLatitude); }
void DmsSync::txtLon1_Change() { decimalChanged(StartLongitude); }
void DmsSync::txtLat2_Change() { decimalChanged(EndLatitude); }
void DmsSync::txtLon2_Change() { decimalChanged(EndLongitude); }

void DmsSync::txtLatD1_LostFocus() { degreesLeft(StartLatitude); }
void DmsSync::txtLatM1_LostFocus() { minutesLeft(StartLatitude); }
void DmsSync::txtLatS1_LostFocus() { secondsLeft(StartLatitude); }
void DmsSync::txtLonD1_LostFocus() { degreesLeft(StartLongitude); }
void DmsSync::txtLonM1_LostFocus() { minutesLeft(StartLongitude); }
void DmsSync::txtLonS1_LostFocus() { secondsLeft(StartLongitude); }
void DmsSync::txtLatD2_LostFocus() { degreesLeft(EndLatitude); }
void DmsSync::txtLatM2_LostFocus() { minutesLeft(EndLatitude); }
void DmsSync::txtLatS2_LostFocus() { secondsLeft(EndLatitude); }
void DmsSync::txtLonD2_LostFocus() { degreesLeft(EndLongitude); }
void DmsSync::txtLonM2_LostFocus() { minutesLeft(EndLongitude); }
void DmsSync::txtLonS2_LostFocus() { secondsLeft(EndLongitude); }

bool DmsSync::LostFocus(const QString &control)
{
    const Handler handler = lostFocusHandlers().value(control);
    if (!handler)
        return false;
    (this->*handler)();
    return true;
}

bool DmsSync::hasLostFocusHandler(const QString &control)
{
    return lostFocusHandlers().contains(control);
}

void DmsSync::decimalChanged(const Coordinate &c)
{
    // A text that is no number (pasted letters) changes nothing.
    const std::optional<double> read = DecimalFieldValue(m_controls.text(c.decimal));
    if (!read)
        return;
    double value = *read;
    if (c.startPoint && value >= c.limit) {
        value = c.limit;
        // Runs this handling once more, nested; its own rewrite then leaves
        // the text as it is and so ends the nesting.
        m_controls.setText(c.decimal, NumberText::fixed6(c.limit));
    }
    const Dms dms = CarrySeconds(DecimalToDms(value), c.limit);
    m_controls.setText(c.degrees, QString::number(dms.degrees));
    m_controls.setText(c.minutes, QString::number(dms.minutes));
    m_controls.setText(c.seconds, NumberText::fixed2(dms.seconds));
}

// The focus-loss handlers read all three fields of their coordinate afresh.
// When one of them does not read as a number (pasted letters, a lone "-" or
// "." in the seconds field), the handler leaves every text as it is, as the
// change handling does for a decimal text that is no number.

void DmsSync::degreesLeft(const Coordinate &c)
{
    std::optional<qint32> degrees = LeadingWhole(m_controls.text(c.degrees), c.degreeChars);
    const std::optional<qint32> minutes = LeadingWhole(m_controls.text(c.minutes), MinuteChars);
    const std::optional<double> seconds = LeadingSeconds(m_controls.text(c.seconds));
    if (!degrees || !minutes || !seconds)
        return;
    if (*degrees > c.limit) {
        degrees = c.limit;
        m_controls.setText(c.degrees, QString::number(c.limit));
    }
    writeDecimal(c, *degrees, *minutes, *seconds);
}

void DmsSync::minutesLeft(const Coordinate &c)
{
    const std::optional<qint32> degrees = LeadingWhole(m_controls.text(c.degrees), c.degreeChars);
    std::optional<qint32> minutes = LeadingWhole(m_controls.text(c.minutes), MinuteChars);
    const std::optional<double> seconds = LeadingSeconds(m_controls.text(c.seconds));
    if (!degrees || !minutes || !seconds)
        return;
    if (*minutes > LargestMinutes) {
        minutes = LargestMinutes;
        m_controls.setText(c.minutes, QString::number(LargestMinutes));
    }
    writeDecimal(c, *degrees, *minutes, *seconds);
}

void DmsSync::secondsLeft(const Coordinate &c)
{
    const std::optional<qint32> degrees = LeadingWhole(m_controls.text(c.degrees), c.degreeChars);
    const std::optional<qint32> minutes = LeadingWhole(m_controls.text(c.minutes), MinuteChars);
    if (!degrees || !minutes)
        return;
    double seconds = 0.0;
    if (*degrees == c.limit) {
        // No seconds beyond the pole or the 180th meridian; the minutes field
        // is not touched here.
        m_controls.setText(c.seconds, NumberText::fixed2(0.0));
    } else {
        const std::optional<double> read = LeadingSeconds(m_controls.text(c.seconds));
        if (!read)
            return;
        seconds = *read;
        if (seconds > LargestSeconds) {
            seconds = LargestSeconds;
            m_controls.setText(c.seconds, NumberText::fixed2(LargestSeconds));
        }
    }
    writeDecimal(c, *degrees, *minutes, seconds);
}

void DmsSync::writeDecimal(const Coordinate &c, int degrees, int minutes, double seconds)
{
    // A change of the text runs the decimal field's handling, nested, which
    // carries minutes or seconds of 60 and more into the fields above them.
    m_controls.setText(c.decimal, NumberText::fixed6(DmsToDecimal(degrees, minutes, seconds)));
}
