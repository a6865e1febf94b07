#include "run/engineprocess.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

EngineProcess::Result EngineProcess::run(const QString &program, const QString &workFolder)
{
    QProcess engine;
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
    // Read as it comes so that a talkative engine never blocks on a full
    // pipe; what is beyond the bound is dropped.
    QByteArray errorOutput;
    QObject::connect(&engine, &QProcess::readyReadStandardError, [&] {
        const QByteArray chunk = engine.readAllStandardError();
        errorOutput += chunk.left(MaxErrorOutput - errorOutput.size());
    });

    Result result;
    engine.start();
    if (!engine.waitForStarted(-1))
        return result;
    // No time-out: the window waits for the engine, however long it takes.
    engine.waitForFinished(-1);
    errorOutput += engine.readAllStandardError().left(MaxErrorOutput - errorOutput.size());
    result.outcome = engine.exitStatus() == QProcess::CrashExit ? Outcome::Crashed : Outcome::Finished;
    result.errorOutput = QString::fromLocal8Bit(errorOutput).trimmed();
    return result;
}
