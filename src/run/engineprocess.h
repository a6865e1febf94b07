// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// One run of the tile engine: the program alone, without arguments or shell,
// in the working folder, with its standard error kept (the first few
// kilobytes) for the messages that report a failed run.
//
// The window keeps painting while it waits and takes no input; a run that
// lasts shows a progress window whose Cancel ends the engine, and closing the
// window ends it too. The engine's children end with it, and the run is over
// only when none is left, so none outlives the window or writes a file after
// the run.
class EngineProcess
{
public:
    enum class Outcome {
        NotStarted,   // the program could not be started
        Finished,     // it ended by itself; its exit code is its own business
        Crashed,      // it died on a signal or an unhandled fault
        Cancelled,    // the user cancelled the run
        WindowClosed, // the window was closed during the run
    };
    struct Result
    {
        Outcome outcome = Outcome::NotStarted;
        QString errorOutput;
    };

    // How long a cancelled engine and its children may take to stop before
    // they are killed.
    static constexpr int StopGraceMs = 2000;
    // How often a stopping tree is looked at, and how long killed processes
    // may stay listed before the run ends without them.
    static constexpr int StopPollMs = 20;
    static constexpr int KilledSettleMs = 500;

    static Result run(const QString &enginePath, const QString &workFolder, QWidget *window);
};
