// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/enginestart.h"

#include "run/shortpath.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

void EngineStart::prepare(QProcess &engine, const QString &enginePath, const QString &workFolder)
{
    const QString shortPath = GetShortPath(enginePath);
    engine.setProgram(shortPath.isEmpty() ? enginePath : shortPath);
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
