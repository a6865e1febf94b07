// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/tilerequest.h"

#include <QList>

#include <memory>

class QSettings;

// The requests that ran successfully, newest first, kept between sessions in
// the program's own settings.
namespace RecentRequests {

inline constexpr int Capacity = 10;

// The program's settings: an INI file in the user's settings folder, under
// the maker's and the program's names.
std::unique_ptr<QSettings> openSettings();

// The kept requests, newest first; entries that do not read are left out.
QList<TileRequest> load(QSettings &settings);

// Puts the request first, drops an equal older one and keeps at most
// Capacity requests.
void remember(QSettings &settings, const TileRequest &request);

} // namespace RecentRequests
