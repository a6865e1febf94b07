// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/engineprocesses.h"

#include "support/testfolders.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <csignal>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <tlhelp32.h>
#endif

QStringList EngineProcesses::running(const QString &appFolder)
{
    QStringList found;
    const QString engine = QFileInfo(appFolder + QStringLiteral("/Quorvantix.exe")).canonicalFilePath();
    if (engine.isEmpty())
        return found;
#ifdef Q_OS_WIN
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (bool more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        if (!process)
            continue;
        wchar_t path[MAX_PATH];
        DWORD length = MAX_PATH;
        if (QueryFullProcessImageNameW(process, 0, path, &length)
            && QFileInfo(QString::fromWCharArray(path, int(length)))
                       .canonicalFilePath()
                       .compare(engine, Qt::CaseInsensitive)
                   == 0)
            found << QString::number(entry.th32ProcessID);
        CloseHandle(process);
    }
    CloseHandle(snapshot);
#else
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() == engine)
            found << pid;
    }
#endif
    return found;
}

bool EngineProcesses::isRunning(const QString &pid)
{
#ifdef Q_OS_WIN
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid.toULong());
    if (!process)
        return false;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#endif
#ifdef Q_OS_UNIX
    if (::kill(pid.toInt(), 0) != 0)
        return false;
#endif
    // Linux gives the state after the program's name in brackets.
    const QByteArray stat = TestFolders::readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    return !stat.mid(stat.lastIndexOf(')') + 1).trimmed().startsWith('Z');
}
