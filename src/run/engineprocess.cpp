// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/engineprocess.h"

#include "run/runinputguard.h"
#include "run/runprogress.h"

#include <QEventLoop>
#include <QProcess>

#include <optional>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

void prepare(QProcess &engine, const QString &program, const QString &workFolder)
{
    engine.setProgram(program);
    engine.setArguments({});
    engine.setWorkingDirectory(workFolder);
    engine.setStandardInputFile(QProcess::nullDevice());
    engine.setStandardOutputFile(QProcess::nullDevice());
    engine.setProcessChannelMode(QProcess::SeparateChannels);
#ifdef Q_OS_WIN
    engine.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments *arguments) { arguments->flags |= CREATE_NO_WINDOW; });
#endif
}

void stop(QProcess &engine)
{
#ifdef Q_OS_WIN
    // A console program without a window takes no polite request to close.
    engine.kill();
#else
    engine.terminate();
    if (engine.waitForFinished(EngineProcess::StopGraceMs))
        return;
    engine.kill();
#endif
    engine.waitForFinished(-1);
}

} // namespace

EngineProcess::Result EngineProcess::run(const QString &program, const QString &workFolder, QWidget *window)
{
    QProcess engine;
    prepare(engine, program, workFolder);
    // Read as it comes so that a talkative engine never blocks on a full
    // pipe; what is beyond the bound is dropped.
    QByteArray errorOutput;
    const auto keepErrorOutput = [&] {
        errorOutput += engine.readAllStandardError().left(MaxErrorOutput - errorOutput.size());
    };
    QObject::connect(&engine, &QProcess::readyReadStandardError, keepErrorOutput);

    Result result;
    engine.start();
    if (!engine.waitForStarted(-1))
        return result;

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
    RunProgress progress(window);
    guard.allow(&progress);
    QObject::connect(&progress, &RunProgress::canceled, &loop, [&] { stopRun(Outcome::Cancelled); });
    // Until the progress window shows, the window repaints and takes no
    // input; from then on the modal progress window takes it, for Cancel.
    QObject::connect(&progress, &RunProgress::appeared, &loop, &QEventLoop::quit);
    while (engine.state() != QProcess::NotRunning && !stopped)
        loop.exec(progress.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    progress.hide();

    if (stopped)
        stop(engine);
    keepErrorOutput();
    if (stopped)
        result.outcome = *stopped;
    else
        result.outcome = engine.exitStatus() == QProcess::CrashExit ? Outcome::Crashed : Outcome::Finished;
    result.errorOutput = QString::fromLocal8Bit(errorOutput).trimmed();
    return result;
}
