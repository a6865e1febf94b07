// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The platform's short form of an existing path (Windows 8.3 names), or an
// empty text when the path does not exist or has no short form. Elsewhere
// the path itself when it exists.
QString GetShortPath(const QString &path);
