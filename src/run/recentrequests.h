// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/tilerequest.h"

#include <QList>
#include <QString>

#include <memory>

class QSettings;

// The requests that ran successfully, newest first, kept between sessions in
// the program's own settings.
namespace RecentRequests {

inline constexpr int Capacity = 10;
// Ten requests take a few kilobytes; a larger settings file is not read.
inline constexpr qint64 LongestSettingsFile = 1024 * 1024;

// The program's settings file: an INI file in the user's settings folder,
// under the maker's and the program's names.
QString settingsPath();

// The program's settings; nothing when the file is no regular file or larger
// than LongestSettingsFile, which `problem` then says in a sentence.
std::unique_ptr<QSettings> openSettings(QString *problem = nullptr);

// The kept requests, newest first; entries that do not read are left out,
// and only the entries present count, whatever size the array claims.
QList<TileRequest> load(QSettings &settings);

// Puts the request first, drops an equal older one and keeps at most
// Capacity requests.
void remember(QSettings &settings, const TileRequest &request);

} // namespace RecentRequests
