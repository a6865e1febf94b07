// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The engine processes started from an application folder, seen on Linux
// and Windows (elsewhere none are seen), and whether one of them still runs.
namespace EngineProcesses {

QStringList running(const QString &appFolder);
// A process that has ended but is not reaped yet counts as gone.
bool isRunning(const QString &pid);

} // namespace EngineProcesses
