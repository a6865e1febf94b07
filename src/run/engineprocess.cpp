// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/engineprocess.h"

#include "run/enginestart.h"
#include "run/enginetree.h"
#include "run/runinputguard.h"
#include "run/runprogress.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QEventLoopLocker>
#include <QProcess>
#include <QTimer>

#include <optional>

namespace {

// Asks the engine's tree to stop, gives it the grace time and then kills
// what is left. The window keeps painting meanwhile; the run ends once no
// process of the tree is left, so none writes after the run is reported.
void stop(const QProcess &engine, EngineTree &tree)
{
    tree.terminate();
    QElapsedTimer clock;
    clock.start();
    std::optional<qint64> killedAt;
    bool ended = false;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!killedAt && clock.elapsed() >= EngineProcess::StopGraceMs) {
            tree.kill();
            killedAt = clock.elapsed();
        }
        // A killed process runs no more; one that stays listed then has ended
        // and waits to be reaped by its new parent.
        ended = !tree.running()
                || (killedAt && engine.state() == QProcess::NotRunning
                    && clock.elapsed() - *killedAt >= EngineProcess::KilledSettleMs);
        if (ended)
            loop.quit();
    });
    poll.start(EngineProcess::StopPollMs);
    while (!ended) {
        if (loop.exec(QEventLoop::ExcludeUserInputEvents) < 0) {
            // The application is quitting and runs no event loop any more.
            tree.kill();
            return;
        }
    }
}

} // namespace

EngineProcess::Result EngineProcess::run(const QString &enginePath, const QString &workFolder, QWidget *window)
{
    QProcess engine;
    EngineStart::prepare(engine, enginePath, workFolder);
    // Read as it comes so that a talkative engine never blocks on a full
    // pipe; what is beyond the bound is dropped.
    QByteArray errorOutput;
    const auto keepErrorOutput = [&] {
        errorOutput += engine.readAllStandardError().left(EngineStart::MaxErrorOutput - errorOutput.size());
    };
    QObject::connect(&engine, &QProcess::readyReadStandardError, keepErrorOutput);

    Result result;
    // The application does not end on its own while the run lasts: a window
    // closed during the run would otherwise have its quit lost in the wait for
    // the engine's tree, and the application would stay with no window.
    const QEventLoopLocker applicationStays;
    EngineTree tree(engine);
    engine.start();
    if (!engine.waitForStarted(-1))
        return result;
    tree.adopt();

    QEventLoop loop;
    std::optional<Outcome> stopped;
    const auto stopRun = [&](Outcome why) {
        if (!stopped) {
            stopped = why;
            loop.quit();
        }
    };
    QObject::connect(&engine, &QProcess::finished, &loop, &QEventLoop::quit);
    RunInputGuard guard(window, [&] { stopRun(Outcome::WindowClosed); });
    {
        // The progress window is gone before the tree is stopped: the wait for
        // its end shows nothing and offers no second Cancel.
        RunProgress progress(window);
        guard.allow(&progress);
        QObject::connect(&progress, &RunProgress::canceled, &loop, [&] { stopRun(Outcome::Cancelled); });
        // Until the progress window shows, the window repaints and takes no
        // input; from then on the modal progress window takes it, for Cancel.
        QObject::connect(&progress, &RunProgress::appeared, &loop, &QEventLoop::quit);
        while (engine.state() != QProcess::NotRunning && !stopped) {
            // An application that quits runs no event loop any more: the
            // window is going.
            if (loop.exec(progress.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents) < 0)
                stopRun(Outcome::WindowClosed);
        }
    }

    if (stopped)
        stop(engine, tree);
    keepErrorOutput();
    if (stopped)
        result.outcome = *stopped;
    else
        result.outcome = engine.exitStatus() == QProcess::CrashExit ? Outcome::Crashed : Outcome::Finished;
    result.errorOutput = QString::fromLocal8Bit(errorOutput).trimmed();
    return result;
}
