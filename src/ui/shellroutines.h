// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ui {
class Shell;
}

// Hands a local file to the program the desktop associates with it. Returns
// whether the request was made; the callers ignore it. A file that does not
// exist is not handed on, so a missing document has no visible effect rather
// than an error window of the desktop's own.
bool OpenDocument(ui::Shell &shell, const QString &path);

// Hands a web address to the desktop's browser; the outcome is not looked at.
void OpenUrl(ui::Shell &shell, const QString &address);
