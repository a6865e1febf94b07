// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shell.h"

namespace ui {

// Qt's desktop services: the Windows shell on Windows, the desktop's default
// handlers elsewhere. Tests observe it through QDesktopServices::setUrlHandler.
class QtShell final : public Shell
{
public:
    bool openDocument(const QString &path) override;
    bool openUrl(const QString &address) override;
    bool startDetached(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
};

} // namespace ui
