// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/coordinateentry.h"

#include "common/fieldvalue.h"
#include "common/numbertext.h"
#include "entry/dmsmath.h"
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

constexpr int MinuteChars = 2;
constexpr int LargestMinutes = 59;
constexpr double LargestSeconds = 59.99;

} // namespace

CoordinateEntry::CoordinateEntry(Kind kind, Point point, const Names &n, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_point(point)
    , m_limit(kind == Kind::Latitude ? 90 : 180)
{
    using EntryWidgets::field;
    using EntryWidgets::label;
    const bool latitude = kind == Kind::Latitude;
    m_caption = label(this, n.caption, latitude ? tr("Latitude:") : tr("Longitude:"));
    // Both captions take the room of the wider one, so the fields of the
    // two coordinates stand in one column.
    m_caption->setMinimumWidth(m_caption->fontMetrics().horizontalAdvance(tr("Longitude:")));
    m_decimal = field(this, n.decimal);
    m_hemisphere = EntryWidgets::hemisphere(this, n.hemisphere);
    m_degrees = field(this, n.degrees, latitude ? QStringLiteral("45") : QStringLiteral("95"), 3);
    m_minutes = field(this, n.minutes, QStringLiteral("00"), 3);
    m_seconds = field(this, n.seconds, QStringLiteral("0.00"), 5);
    m_degreesCaption = label(this, n.degreesCaption, latitude ? tr("dd") : tr("ddd"));
    m_minutesCaption = label(this, n.minutesCaption, tr("mm"));
    m_secondsCaption = label(this, n.secondsCaption, tr("ss.ss"));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_degreesCaption, 0, 3, Qt::AlignHCenter);
    grid->addWidget(m_minutesCaption, 0, 4, Qt::AlignHCenter);
    grid->addWidget(m_secondsCaption, 0, 5, Qt::AlignHCenter);
    grid->addWidget(m_caption, 1, 0);
    grid->addWidget(m_decimal, 1, 1);
    grid->addWidget(m_hemisphere, 1, 2);
    grid->addWidget(m_degrees, 1, 3);
    grid->addWidget(m_minutes, 1, 4);
    grid->addWidget(m_seconds, 1, 5);
    grid->setColumnStretch(6, 1);

    m_filter = std::make_unique<EntryEventFilter>(EntryEventFilter::Handlers{
        [this](const QObject *control, qint16 &KeyAscii) { return keyPress(control, KeyAscii); },
        [this](const QObject *control, qsizetype textLength, qsizetype selectedLength) {
            const int limit = typingLimit(control);
            return limit > 0 && textLength - selectedLength + 1 > limit;
        },
        [this](const QObject *control) { return control == m_degrees || control == m_minutes || control == m_seconds; },
        [this](const QObject *control) { fieldLeft(control); }});
    for (QWidget *control : {m_decimal, m_degrees, m_minutes, m_seconds})
        control->installEventFilter(m_filter.get());

    connect(m_decimal, &QLineEdit::textChanged, this, [this] {
        decimalChanged();
        emit valueChanged(value());
    });
    connect(m_hemisphere, &QComboBox::currentIndexChanged, this, [this] { emit valueChanged(value()); });
}

CoordinateEntry::~CoordinateEntry() = default;

std::optional<double> CoordinateEntry::value() const
{
    const QLatin1String negative = m_kind == Kind::Latitude ? QLatin1String("S") : QLatin1String("W");
    return FieldValue::coordinate(m_decimal->text(), m_hemisphere->currentText(), negative);
}

void CoordinateEntry::pairWith(CoordinateEntry &other)
{
    const QList<QWidget *> controls = {m_decimal, m_hemisphere, m_degrees, m_minutes, m_seconds};
    const QList<QWidget *> others = {other.m_decimal, other.m_hemisphere, other.m_degrees, other.m_minutes,
                                     other.m_seconds};
    // A pasted degree, minute or second is taken in as when its field is left.
    m_paste = std::make_unique<EntryPaste>(controls + others, [this, &other](const QObject *field) {
        if (!fieldLeft(field))
            other.fieldLeft(field);
    });
    for (QWidget *control : {m_decimal, m_degrees, m_minutes, m_seconds})
        m_paste->watch(static_cast<QLineEdit *>(control));
}

void CoordinateEntry::clear()
{
    m_decimal->setText(QString());
}

void CoordinateEntry::enter(double signedValue)
{
    ui::pickAsUser(m_hemisphere, signedValue < 0 ? 1 : 0);
    m_decimal->setText(NumberText::fixed6(std::abs(signedValue)));
}

bool CoordinateEntry::fieldLeft(const QObject *field)
{
    if (field == m_degrees)
        degreesLeft();
    else if (field == m_minutes)
        minutesLeft();
    else if (field == m_seconds)
        secondsLeft();
    else
        return false;
    return true;
}

void CoordinateEntry::decimalChanged()
{
    // A text that is no number (pasted letters) changes nothing.
    const std::optional<double> read = DecimalFieldValue(m_decimal->text());
    if (!read)
        return;
    double value = *read;
    if (m_point == Point::Start && value >= m_limit) {
        value = m_limit;
        // Runs this handling once more, nested; its own rewrite then leaves
        // the text as it is and so ends the nesting.
        m_decimal->setText(NumberText::fixed6(m_limit));
    }
    const Dms dms = CarrySeconds(DecimalToDms(value), m_limit);
    m_degrees->setText(QString::number(dms.degrees));
    m_minutes->setText(QString::number(dms.minutes));
    m_seconds->setText(NumberText::fixed2(dms.seconds));
}

// The focus-loss handlers read all three fields afresh. When one of them
// does not read as a number (pasted letters, a lone "-" or "." in the
// seconds field), the handler leaves every text as it is, as the change
// handling does for a decimal text that is no number.

namespace {

int degreeChars(int limit)
{
    return limit == 90 ? 2 : 3;
}

} // namespace

void CoordinateEntry::degreesLeft()
{
    std::optional<qint32> degrees = LeadingWhole(m_degrees->text(), degreeChars(m_limit));
    const std::optional<qint32> minutes = LeadingWhole(m_minutes->text(), MinuteChars);
    const std::optional<double> seconds = LeadingSeconds(m_seconds->text());
    if (!degrees || !minutes || !seconds)
        return;
    if (*degrees > m_limit) {
        degrees = m_limit;
        m_degrees->setText(QString::number(m_limit));
    }
    writeDecimal(*degrees, *minutes, *seconds);
}

void CoordinateEntry::minutesLeft()
{
    const std::optional<qint32> degrees = LeadingWhole(m_degrees->text(), degreeChars(m_limit));
    std::optional<qint32> minutes = LeadingWhole(m_minutes->text(), MinuteChars);
    const std::optional<double> seconds = LeadingSeconds(m_seconds->text());
    if (!degrees || !minutes || !seconds)
        return;
    if (*minutes > LargestMinutes) {
        minutes = LargestMinutes;
        m_minutes->setText(QString::number(LargestMinutes));
    }
    writeDecimal(*degrees, *minutes, *seconds);
}

void CoordinateEntry::secondsLeft()
{
    const std::optional<qint32> degrees = LeadingWhole(m_degrees->text(), degreeChars(m_limit));
    const std::optional<qint32> minutes = LeadingWhole(m_minutes->text(), MinuteChars);
    if (!degrees || !minutes)
        return;
    double seconds = 0.0;
    if (*degrees == m_limit) {
        // No seconds beyond the pole or the 180th meridian; the minutes field
        // is not touched here.
        m_seconds->setText(NumberText::fixed2(0.0));
    } else {
        const std::optional<double> read = LeadingSeconds(m_seconds->text());
        if (!read)
            return;
        seconds = *read;
        if (seconds > LargestSeconds) {
            seconds = LargestSeconds;
            m_seconds->setText(NumberText::fixed2(LargestSeconds));
        }
    }
    writeDecimal(*degrees, *minutes, seconds);
}

void CoordinateEntry::writeDecimal(int degrees, int minutes, double seconds)
{
    // A change of the text runs the decimal field's handling, nested, which
    // carries minutes or seconds of 60 and more into the fields above them.
    m_decimal->setText(NumberText::fixed6(DmsToDecimal(degrees, minutes, seconds)));
}

bool CoordinateEntry::keyPress(const QObject *control, qint16 &KeyAscii)
{
    if (control == m_decimal)
        decimalKey(KeyAscii);
    else
        dmsKey(control, KeyAscii);
    return true;
}

void CoordinateEntry::decimalKey(qint16 &KeyAscii)
{
    EntryWidgets::decimalKey(KeyAscii, m_decimal, m_hemisphere, m_kind == Kind::Latitude);
}

void CoordinateEntry::dmsKey(const QObject *control, qint16 &KeyAscii)
{
    if (control == m_seconds) {
        // Seconds are a decimal number; minus is typed as it is.
        FilterDecimalKey(KeyAscii);
        FilterSecondPoint(KeyAscii, m_seconds->text());
    } else {
        FilterDigitKey(KeyAscii);
    }
}

int CoordinateEntry::typingLimit(const QObject *control) const
{
    // The latitude's degree, minute and second fields take at most 2, 2 and
    // 5 typed characters; a program may write longer texts into them.
    if (m_kind != Kind::Latitude)
        return 0;
    return control == m_degrees ? 2 : control == m_minutes ? 2 : control == m_seconds ? 5 : 0;
}
