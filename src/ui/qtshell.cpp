// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qtshell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace ui {

bool QtShell::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtShell::openUrl(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

bool QtShell::startDetached(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}

} // namespace ui
