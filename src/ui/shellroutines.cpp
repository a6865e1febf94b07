// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shellroutines.h"

#include "ui/shell.h"

#include <QFileInfo>

bool OpenDocument(ui::Shell &shell, const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    return shell.openDocument(path);
}

void OpenUrl(ui::Shell &shell, const QString &address)
{
    shell.openUrl(address);
}
