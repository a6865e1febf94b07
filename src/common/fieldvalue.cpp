// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/fieldvalue.h"

#include "common/numbertext.h"

#include <cmath>

namespace FieldValue {

std::optional<double> coordinate(const QString &text, const QString &hemisphere, QLatin1String negative)
{
    const std::optional<double> value = NumberText::toNumber(text);
    if (!value)
        return std::nullopt;
    return hemisphere == negative ? -*value : *value;
}

std::optional<qint16> index(const QString &text)
{
    const std::optional<double> value = NumberText::toNumber(text);
    if (!value || std::trunc(*value) != *value || *value < -32768.0 || *value > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(*value);
}

} // namespace FieldValue
