// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/messages.h"
#include "ui/mousepointer.h"
#include "ui/shell.h"

#include <QElapsedTimer>

// The window's services for a benchmark: message boxes answered at once and
// counted, a pointer that never changes and a shell that opens nothing, so
// that only the window's own work is timed.
class SilentMessages final : public ui::Messages
{
public:
    ui::MessageAnswer show(const QString &, const QString &, ui::MessageIcon, ui::MessageButtons,
                           const QString &) override
    {
        ++shown;
        return ui::MessageAnswer::Ok;
    }
    int shown = 0;
};

class StillPointer final : public ui::MousePointer
{
public:
    void setShape(QWidget *, Shape) override { }
};

class NoShell final : public ui::Shell
{
public:
    bool openDocument(const QString &) override { return true; }
    bool openUrl(const QString &) override { return true; }
    bool startDetached(const QString &, const QStringList &, const QString &) override { return true; }
};

inline double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}
