// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/numbertext.h"

#include <QRegularExpression>

#include <cmath>

namespace NumberText {

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

bool isNumeric(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^ *[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)? *$"));
    return pattern.match(text).hasMatch();
}

std::optional<double> toNumber(const QString &text)
{
    if (!isNumeric(text))
        return std::nullopt;
    bool ok = false;
    const double value = trimBlanks(text).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint16> toInt16(const QString &text)
{
    const std::optional<double> value = toNumber(text);
    if (!value)
        return std::nullopt;
    const double whole = std::nearbyint(*value);
    if (whole < -32768.0 || whole > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(whole);
}

QString plain(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? QStringLiteral("0") : QString::number(value);

    // Round to 15 significant digits, then place the point by the exponent.
    const QString scientific = QString::number(std::fabs(value), 'e', 14); // d.ddddddddddddddde±XX
    const qsizetype ePos = scientific.indexOf(u'e');
    QString digits = scientific.left(ePos).remove(u'.');
    const int exponent = scientific.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString result;
    const int pointAfter = exponent + 1; // digits before the point
    if (pointAfter <= 0) {
        result = QStringLiteral("0.") + QString(-pointAfter, u'0') + digits;
    } else if (pointAfter >= digits.size()) {
        result = digits + QString(pointAfter - digits.size(), u'0');
    } else {
        result = digits.left(pointAfter) + u'.' + digits.mid(pointAfter);
    }
    return value < 0 ? u'-' + result : result;
}

namespace {

QString fixed(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    // A negative value that rounds to zero shows as zero.
    if (text.startsWith(u'-') && text.mid(1).count(u'0') + 1 == text.size() - 1)
        text.remove(0, 1);
    return text;
}

} // namespace

QString fixed6(double value)
{
    return fixed(value, 6);
}
QString fixed2(double value)
{
    return fixed(value, 2);
}

} // namespace NumberText
