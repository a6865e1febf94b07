#pragma once

#include <QString>

// The engine programs the run tests start as real processes.
namespace EngineFolders {

// The stand-in engine as built into the application folder.
QString builtEngine();
// The test engine that replays a prepared list file; built next to the tests.
QString replayEngine();
// Copies a program to `to` and keeps it executable; false on failure.
bool copyProgram(const QString &from, const QString &to);

} // namespace EngineFolders
