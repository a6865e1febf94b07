// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/enginetree.h"

#ifndef Q_OS_WIN

#include <cerrno>
#include <csignal>
#include <unistd.h>

EngineTree::EngineTree(QProcess &engine)
    : m_engine(engine)
{
    // Runs in the new process before the engine's program is loaded.
    engine.setChildProcessModifier([] { ::setpgid(0, 0); });
}

EngineTree::~EngineTree()
{
    if (m_group != 0)
        ::kill(pid_t(-m_group), SIGKILL);
}

void EngineTree::adopt()
{
    // Signals go to the group only when it is the engine's own: never to the
    // group this program runs in.
    const auto pid = pid_t(m_engine.processId());
    if (pid > 0 && ::getpgid(pid) == pid)
        m_group = pid;
}

void EngineTree::terminate()
{
    if (m_group != 0)
        ::kill(pid_t(-m_group), SIGTERM);
    else
        m_engine.terminate();
}

void EngineTree::kill()
{
    if (m_group != 0)
        ::kill(pid_t(-m_group), SIGKILL);
    else
        m_engine.kill();
}

bool EngineTree::running() const
{
    if (m_engine.state() != QProcess::NotRunning)
        return true;
    // The group number stays taken while a member is left, so it still names
    // the engine's group. A member that has ended but is not yet reaped still
    // counts.
    return m_group != 0 && (::kill(pid_t(-m_group), 0) == 0 || errno == EPERM);
}

#endif
