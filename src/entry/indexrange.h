// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/coordinatemethod.h"

#include <QString>

#include <optional>

// The range rule of the grid index fields, on plain texts.
namespace IndexRange {

enum class Bound { Lowest, Highest };

// Whether the checks apply: the index method is the active one and a domain
// is chosen (its number reads as 0 or more;
// an empty or non-numeric number counts as none).
bool checksApply(CoordinateMethod method, std::optional<int> selectedDomain);

// The message for an index text against the domain's limit text, or nothing
// when the value lies within it (a value equal to the limit does). prefix
// ends in the blank that separates it from the limit, shown as stored.
//
// Nothing to compare gives no message either: an empty field or one that is
// no whole number within the 16-bit range (only pasting brings letters, five
// typed digits can exceed 32767) is left to the check made when the control
// file is written, which names the fault; a limit that is no number (a
// malformed catalogue) is skipped.
std::optional<QString> message(const QString &prefix, Bound bound, const QString &text, const QString &limit);

} // namespace IndexRange
