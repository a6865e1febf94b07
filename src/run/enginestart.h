// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QProcess;

// How the tile engine is started, for a run and for a preview alike: the
// program alone by its short path (no arguments and no shell, so blanks in
// the folder's name cannot split the command), in the given folder, with no
// input, its output dropped and its standard error kept apart; on Windows
// without a console window of its own.
namespace EngineStart {

// The most of the engine's standard error that is kept.
constexpr qsizetype MaxErrorOutput = 4096;

void prepare(QProcess &engine, const QString &enginePath, const QString &workFolder);

} // namespace EngineStart
