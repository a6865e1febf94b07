// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a catalogue before it may replace the one in use: with the program's
// own reader, into tables of its own, showing nothing.
namespace CatalogueCheck {

// Nothing when the catalogue reads completely and names at least one
// country; otherwise why it cannot be used, in words for the user: the
// reader's own complaints and the line where it stopped.
std::optional<QString> Complaint(const QByteArray &catalogue);

} // namespace CatalogueCheck
