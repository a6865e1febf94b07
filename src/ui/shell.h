// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace ui {

// Requests handed to the desktop shell. None of them waits for the program
// that opens the document, and none of them reports a failure to the user.
class Shell
{
public:
    virtual ~Shell() = default;
    // Opens a local file with the program associated with it.
    virtual bool openDocument(const QString &path) = 0;
    // Opens a web address (or anything else the shell can open).
    virtual bool openUrl(const QString &address) = 0;
    // Starts a program without waiting for it.
    virtual bool startDetached(const QString &program, const QStringList &arguments, const QString &workingFolder) = 0;
};

} // namespace ui
