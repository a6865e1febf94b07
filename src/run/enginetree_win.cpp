// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/enginetree.h"

#ifdef Q_OS_WIN

#include <qt_windows.h>

namespace {

// The exit code of the processes the tree's end stops.
constexpr UINT StoppedExitCode = 1;

} // namespace

EngineTree::EngineTree(QProcess &engine)
    : m_engine(engine)
{
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (!job)
        return;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        CloseHandle(job);
        return;
    }
    m_job = job;
}

EngineTree::~EngineTree()
{
    // Closing the job ends what is left in it.
    if (m_job)
        CloseHandle(m_job);
}

void EngineTree::adopt()
{
    if (!m_job)
        return;
    // The processes the engine starts from now on belong to the job as well.
    HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, DWORD(m_engine.processId()));
    const bool inJob = process && AssignProcessToJobObject(m_job, process);
    if (process)
        CloseHandle(process);
    if (!inJob) {
        // Without the job only the engine itself can be ended.
        CloseHandle(m_job);
        m_job = nullptr;
    }
}

void EngineTree::terminate()
{
    kill();
}

void EngineTree::kill()
{
    if (m_job)
        TerminateJobObject(m_job, StoppedExitCode);
    else
        m_engine.kill();
}

bool EngineTree::running() const
{
    if (m_engine.state() != QProcess::NotRunning)
        return true;
    if (!m_job)
        return false;
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (!QueryInformationJobObject(m_job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting, nullptr))
        return false;
    return accounting.ActiveProcesses > 0;
}

#endif
