// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/coordinatetext.h"

#include <QList>

#include <cmath>

namespace CoordinateText {

namespace {

constexpr double LatitudeLimit = 90.0;
constexpr double LongitudeLimit = 180.0;
// Longer numbers are no coordinates; the bound keeps the reading cheap.
constexpr qsizetype LongestNumber = 24;

enum class Kind { Number, Mark, Hemisphere, LowerS, Separator };
enum class Place { None = 0, Degrees = 1, Minutes = 2, Seconds = 3 };

struct Token
{
    Kind kind = Kind::Number;
    double number = 0.0;
    bool negative = false;
    bool hasSign = false;
    bool whole = true;
    Place mark = Place::None;
    QChar hemisphere;   // 'N', 'S', 'E' or 'W'
    bool tight = false; // a comma with no blank on either side
};

bool isDegreeMark(QChar c)
{
    return c == u'\u00B0' || c == u'\u00BA' || c == u'\u02DA';
}

bool isPrime(QChar c)
{
    return c == u'\'' || c == u'\u2032' || c == u'\u2019' || c == u'\u2018' || c == u'\u00B4';
}

bool isDoublePrime(QChar c)
{
    return c == u'"' || c == u'\u2033' || c == u'\u201D' || c == u'\u201C';
}

std::optional<QChar> hemisphereOf(QChar c)
{
    switch (c.unicode()) {
    case u'N':
    case u'n':
        return QChar(u'N');
    case u'S':
        return QChar(u'S');
    case u'E':
    case u'e':
        return QChar(u'E');
    case u'W':
    case u'w':
        return QChar(u'W');
    default:
        return std::nullopt;
    }
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Marks that show nothing and come along with copied text: zero-width space,
// byte order mark, left-to-right and right-to-left marks. (No-break spaces
// are blanks.)
bool isInvisible(QChar c)
{
    return c == u'\u200B' || c == u'\uFEFF' || c == u'\u200E' || c == u'\u200F';
}

// An exponent at `at` ("e5", "E-1"): its length, or 0 when there is none.
qsizetype exponentLength(const QString &text, qsizetype at)
{
    if (at >= text.size() || (text.at(at) != u'e' && text.at(at) != u'E'))
        return 0;
    qsizetype i = at + 1;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    const qsizetype digitsFrom = i;
    while (i < text.size() && isDigit(text.at(i)))
        ++i;
    return i > digitsFrom ? i - at : 0;
}

// A number: an optional sign, digits with at most one point, at least one digit.
std::optional<Token> readNumber(const QString &text, qsizetype &at)
{
    Token token;
    qsizetype i = at;
    if (text.at(i) == u'+' || text.at(i) == u'-' || text.at(i) == u'\u2212') {
        token.hasSign = true;
        token.negative = text.at(i) != u'+';
        ++i;
    }
    QString digits;
    bool point = false;
    while (i < text.size() && (isDigit(text.at(i)) || (text.at(i) == u'.' && !point))) {
        point = point || text.at(i) == u'.';
        digits += text.at(i);
        ++i;
    }
    if (digits.isEmpty() || digits == QLatin1String(".") || digits.size() > LongestNumber)
        return std::nullopt;
    // "1e5" is a number written with an exponent; "9.5E" stays 9.5 east.
    const qsizetype exponent = exponentLength(text, i);
    if (exponent > LongestNumber)
        return std::nullopt;
    const QString number = digits + text.mid(i, exponent);
    bool ok = false;
    token.number = number.toDouble(&ok);
    if (!ok || !std::isfinite(token.number))
        return std::nullopt;
    token.whole = exponent > 0 ? std::trunc(token.number) == token.number : !point || digits.endsWith(u'.');
    at = i + exponent;
    return token;
}

std::optional<QList<Token>> tokenize(const QString &text)
{
    QList<Token> tokens;
    bool afterNumber = false; // the previous character ended a number
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        // Dropped, but a number does not go on across one.
        if (isInvisible(c)) {
            ++i;
            continue;
        }
        if (c.isSpace()) {
            afterNumber = false;
            ++i;
            continue;
        }
        if (isDigit(c) || c == u'.' || c == u'+' || c == u'-' || c == u'\u2212') {
            // Two numbers need something between them ("1.2.3" is none).
            std::optional<Token> number = afterNumber ? std::nullopt : readNumber(text, i);
            if (!number)
                return std::nullopt;
            tokens << *number;
            afterNumber = true;
            continue;
        }
        Token token;
        token.kind = Kind::Mark;
        if (isDegreeMark(c) || (c == u'd' && afterNumber)) {
            token.mark = Place::Degrees;
        } else if (isPrime(c) && i + 1 < text.size() && isPrime(text.at(i + 1))) {
            token.mark = Place::Seconds;
            ++i;
        } else if (isPrime(c) || (c == u'm' && afterNumber)) {
            token.mark = Place::Minutes;
        } else if (isDoublePrime(c)) {
            token.mark = Place::Seconds;
        } else if (c == u's' && afterNumber) {
            // Seconds after minutes ("15s"), the south otherwise ("48.5s").
            token.kind = Kind::LowerS;
        } else if (c == u',' || c == u';') {
            token.kind = Kind::Separator;
            token.tight = c == u',' && i > 0 && !text.at(i - 1).isSpace() && i + 1 < text.size()
                          && !text.at(i + 1).isSpace();
        } else if (const std::optional<QChar> hemisphere = hemisphereOf(c == u's' ? QChar(u'S') : c)) {
            // A letter between two numbers ("48N9") is no hemisphere.
            if (afterNumber && i + 1 < text.size() && (isDigit(text.at(i + 1)) || text.at(i + 1) == u'.'))
                return std::nullopt;
            token.kind = Kind::Hemisphere;
            token.hemisphere = *hemisphere;
        } else {
            return std::nullopt;
        }
        tokens << token;
        afterNumber = false;
        ++i;
    }
    return tokens;
}

struct Component
{
    Token number;
    Place mark = Place::None;
};

struct Value
{
    QList<Component> components;
    QChar hemisphere;
    bool hasMark() const
    {
        for (const Component &c : components) {
            if (c.mark != Place::None)
                return true;
        }
        return false;
    }
};

// Splits one part of the text (no separators in it) into the values it holds.
std::optional<QList<Value>> valuesOf(const QList<Token> &tokens)
{
    QList<Value> values;
    Value current;
    const auto close = [&] {
        values << current;
        current = Value();
    };
    const auto hemisphere = [&](QChar letter) {
        if (!current.components.isEmpty()) {
            if (current.hemisphere.isNull()) {
                // A letter after the value ends it.
                current.hemisphere = letter;
                close();
                return true;
            }
            // The value had its letter in front: this one begins the next.
            close();
        } else if (!current.hemisphere.isNull()) {
            return false;
        }
        current.hemisphere = letter;
        return true;
    };

    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token &token = tokens.at(i);
        switch (token.kind) {
        case Kind::Separator:
            return std::nullopt;
        case Kind::Hemisphere:
            if (!hemisphere(token.hemisphere))
                return std::nullopt;
            break;
        case Kind::Number: {
            const bool degreesFollow = i + 1 < tokens.size() && tokens.at(i + 1).kind == Kind::Mark
                                       && tokens.at(i + 1).mark == Place::Degrees;
            // A degree mark after a complete part begins the next value.
            if (degreesFollow && !current.components.isEmpty())
                close();
            current.components << Component{token, Place::None};
            break;
        }
        case Kind::Mark:
            if (i == 0 || tokens.at(i - 1).kind != Kind::Number)
                return std::nullopt;
            current.components.last().mark = token.mark;
            break;
        case Kind::LowerS: {
            const bool afterMinutes = current.components.size() >= 2
                                      && (current.components.at(current.components.size() - 2).mark == Place::Minutes
                                          || current.components.size() == 3);
            if (afterMinutes && current.components.last().mark == Place::None) {
                current.components.last().mark = Place::Seconds;
            } else if (!hemisphere(u'S')) {
                return std::nullopt;
            }
            break;
        }
        }
    }
    if (!current.hemisphere.isNull() || !current.components.isEmpty()) {
        if (current.components.isEmpty())
            return std::nullopt;
        close();
    }
    return values;
}

Axis axisOf(QChar hemisphere)
{
    if (hemisphere == u'N' || hemisphere == u'S')
        return Axis::Latitude;
    if (hemisphere == u'E' || hemisphere == u'W')
        return Axis::Longitude;
    return Axis::Unknown;
}

double limitOf(Axis axis)
{
    return axis == Axis::Latitude ? LatitudeLimit : LongitudeLimit;
}

// Degrees, then minutes, then seconds; only the first part signed and only
// the last one with a fraction; minutes and seconds below 60.
std::optional<Coordinate> coordinateOf(const Value &value)
{
    const QList<Component> &parts = value.components;
    if (parts.isEmpty() || parts.size() > 3)
        return std::nullopt;
    int place = 0;
    double magnitude = 0.0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const Component &part = parts.at(i);
        const int next = part.mark == Place::None ? place + 1 : int(part.mark);
        if (next <= place || (i == 0 && next != int(Place::Degrees)))
            return std::nullopt;
        place = next;
        if (i > 0 && part.number.hasSign)
            return std::nullopt;
        if (i + 1 < parts.size() && !part.number.whole)
            return std::nullopt;
        const double number = part.number.number;
        if (place > int(Place::Degrees) && number >= 60.0)
            return std::nullopt;
        magnitude += place == int(Place::Degrees)   ? number
                     : place == int(Place::Minutes) ? number / 60.0
                                                    : number / 3600.0;
    }
    const Token &first = parts.first().number;
    if (first.hasSign && !value.hemisphere.isNull())
        return std::nullopt;

    Coordinate coordinate;
    coordinate.axis = axisOf(value.hemisphere);
    if (magnitude > limitOf(coordinate.axis))
        return std::nullopt;
    const bool negative = first.negative || value.hemisphere == u'S' || value.hemisphere == u'W';
    coordinate.degrees = negative ? -magnitude : magnitude;
    coordinate.sexagesimal = place > int(Place::Degrees);
    coordinate.plain = parts.size() == 1 && !value.hasMark() && value.hemisphere.isNull();
    coordinate.sign = first.hasSign;
    return coordinate;
}

std::optional<Reading> pairOf(const Coordinate &first, const Coordinate &second)
{
    // Letters decide the order; without them the latitude comes first.
    const bool swapped = first.axis == Axis::Longitude || second.axis == Axis::Latitude;
    Reading reading;
    reading.isPair = true;
    reading.latitude = swapped ? second : first;
    reading.longitude = swapped ? first : second;
    if (reading.latitude.axis == Axis::Longitude || reading.longitude.axis == Axis::Latitude)
        return std::nullopt;
    if (std::fabs(reading.latitude.degrees) > LatitudeLimit)
        return std::nullopt;
    reading.latitude.axis = Axis::Latitude;
    reading.longitude.axis = Axis::Longitude;
    return reading;
}

} // namespace

std::optional<double> number(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    const auto dropped = [](QChar c) { return c.isSpace() || isInvisible(c); };
    while (begin < end && dropped(text.at(begin)))
        ++begin;
    while (end > begin && dropped(text.at(end - 1)))
        --end;
    if (begin == end)
        return std::nullopt;
    qsizetype at = begin;
    const std::optional<Token> token = readNumber(text, at);
    if (!token || at != end)
        return std::nullopt;
    return token->negative ? -token->number : token->number;
}

std::optional<Reading> read(const QString &text)
{
    const std::optional<QList<Token>> tokens = tokenize(text);
    if (!tokens || tokens->isEmpty())
        return std::nullopt;

    // At most one separator, between two values.
    QList<QList<Token>> parts(1);
    bool tight = false;
    for (const Token &token : *tokens) {
        if (token.kind == Kind::Separator) {
            parts.append(QList<Token>());
            tight = token.tight;
        } else {
            parts.last() << token;
        }
    }
    if (parts.size() > 2)
        return std::nullopt;
    // "48,5" may be a number written with a decimal comma: no pair.
    const auto whole = [](const QList<Token> &part) {
        return part.size() == 1 && part.first().kind == Kind::Number && part.first().whole;
    };
    if (tight && whole(parts.first()) && whole(parts.last()) && !parts.last().first().hasSign)
        return std::nullopt;

    QList<Value> values;
    for (const QList<Token> &part : std::as_const(parts)) {
        const std::optional<QList<Value>> found = valuesOf(part);
        if (!found || found->isEmpty() || (parts.size() == 2 && found->size() != 1))
            return std::nullopt;
        values << *found;
    }

    // Two bare numbers side by side ("-33.9 151.2") are a pair; any other
    // run of bare numbers needs a letter to read as one value.
    if (values.size() == 1) {
        const Value &only = values.first();
        if (only.hemisphere.isNull() && !only.hasMark() && only.components.size() > 1) {
            if (parts.size() != 1 || only.components.size() != 2)
                return std::nullopt;
            Value latitude;
            Value longitude;
            latitude.components << only.components.at(0);
            longitude.components << only.components.at(1);
            values = {latitude, longitude};
        }
    }
    if (values.size() > 2)
        return std::nullopt;
    for (const Value &value : std::as_const(values)) {
        if (values.size() == 2 && value.hemisphere.isNull() && !value.hasMark() && value.components.size() > 1)
            return std::nullopt;
    }

    const std::optional<Coordinate> first = coordinateOf(values.first());
    if (!first)
        return std::nullopt;
    if (values.size() == 1) {
        Reading reading;
        reading.single = *first;
        return reading;
    }
    const std::optional<Coordinate> second = coordinateOf(values.last());
    if (!second)
        return std::nullopt;
    return pairOf(*first, *second);
}

} // namespace CoordinateText
