// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/indexrange.h"

#include "common/fieldvalue.h"
#include "common/numbertext.h"

#include <QCoreApplication>

namespace IndexRange {

bool checksApply(CoordinateMethod method, std::optional<int> selectedDomain)
{
    return method == CoordinateMethod::Indices && selectedDomain.has_value();
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
    return prefix + limit + QCoreApplication::translate("IndexRange", ", see domain limits");
}

} // namespace IndexRange
