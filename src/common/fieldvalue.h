// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// What an entry field stands for, read the one way that the control file,
// the degree/minute/second fields, the map and the request's text all use.
namespace FieldValue {

// A decimal coordinate field: the number its text holds (NumberText::toNumber),
// negated when its hemisphere list shows exactly `negative` ("S" or "W");
// nothing for an empty text or one that is no finite number.
std::optional<double> coordinate(const QString &text, const QString &hemisphere, QLatin1String negative);

// A grid index field: a whole number within the 16-bit range; nothing for
// any other text, one with a fraction included.
std::optional<qint16> index(const QString &text);

} // namespace FieldValue
