// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/indexrange.h"

#include "common/fieldvalue.h"
#include "common/numbertext.h"

namespace IndexRange {

bool checksApply(CoordinateMethod method, const QString &selectedDomain)
{
    const std::optional<double> domain = NumberText::toNumber(selectedDomain);
    return method == CoordinateMethod::Indices && domain && *domain >= 0;
}

std::optional<QString> message(const QString &prefix, Bound bound, const QString &text, const QString &limit)
{
    const std::optional<qint16> value = FieldValue::index(text);
    const std::optional<double> lowestOrHighest = NumberText::toNumber(limit);
    if (!value || !lowestOrHighest)
        return std::nullopt;
    const bool fails = bound == Bound::Lowest ? *lowestOrHighest > *value : *lowestOrHighest < *value;
    if (!fails)
        return std::nullopt;
    return prefix + limit + QStringLiteral(", see domain limits");
}

} // namespace IndexRange
